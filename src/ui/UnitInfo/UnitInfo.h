#pragma once
// The "Unit Information" window: the organisation, designation, affiliation
// and parent unit of the unit roster. It edits copies; its owner writes them
// back only when the window closes with OK.

#include <QDialog>
#include <cstdint>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;

namespace Ui {
class frmUnitInfo;
}

namespace tfd {

class TfrmUnitInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmUnitInfo(QWidget* parent = nullptr);
  ~TfrmUnitInfo() override;

  // The roster's values, before the window is shown.
  void SetValues(std::uint8_t organization, const QString& designation, const QString& affiliation,
                 const QString& parentUnit);
  std::uint8_t Organization() const { return organization_; }
  QString Designation() const;
  QString Affiliation() const;
  QString ParentUnit() const;

  // The organisation menu's entry of a code, null for an unknown code.
  QAction* OrganizationEntry(std::uint8_t code) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildOrganizationMenu();
  void ChooseOrganization(std::uint8_t code);
  void ShowOrganization();

  std::unique_ptr<Ui::frmUnitInfo> ui_;
  QMenu* menu_ = nullptr;
  QActionGroup* group_ = nullptr;
  std::uint8_t organization_ = 0;
};

}  // namespace tfd
