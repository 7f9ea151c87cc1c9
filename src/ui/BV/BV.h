#pragma once
// The battle-value window: the defensive and offensive ratings of the current
// configuration as two columns of arithmetic, the total, and the value as
// fielded by a pilot of the chosen skills. It shows what the ratings pass last
// computed; choosing another configuration here computes that one and leaves
// it chosen for the main window.

#include <QDialog>
#include <memory>

namespace Ui {
class frmBV;
}

namespace tfd {

class TMech;
class TConfigChoiceMenu;

class TfrmBV : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmBV(TMech& design, QWidget* parent = nullptr);
  ~TfrmBV() override;

  // Every figure from the values last computed, with the skills as set.
  void Fill();
  // Makes configuration `index` current, rates it and shows it.
  void ChooseConfig(int index);
  TConfigChoiceMenu* ConfigMenu() const { return configMenu_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMech& design_;
  std::unique_ptr<Ui::frmBV> ui_;
  TConfigChoiceMenu* configMenu_ = nullptr;
};

}  // namespace tfd
