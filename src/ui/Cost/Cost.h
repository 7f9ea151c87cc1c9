#pragma once
// The cost window: the price of the design line by line, the multiplier that
// grows with tonnage, and the total, as the ratings pass last computed them.
// Choosing another configuration here rates that one, refills its lines and
// the total, and leaves it chosen for the main window.

#include <QDialog>
#include <memory>

namespace Ui {
class frmCost;
}

namespace tfd {

class TMech;
class TConfigChoiceMenu;

class TfrmCost : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCost(TMech& design, QWidget* parent = nullptr);
  ~TfrmCost() override;

  // The chassis lines, the multiplier and the configuration lines.
  void Fill();
  void ChooseConfig(int index);
  TConfigChoiceMenu* ConfigMenu() const { return configMenu_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The lines of the current configuration and the total.
  void FillConfigLines();

  TMech& design_;
  std::unique_ptr<Ui::frmCost> ui_;
  TConfigChoiceMenu* configMenu_ = nullptr;
};

}  // namespace tfd
