#pragma once
// "Set Default Values": technology, tonnage, walking MP and source that a new
// design starts from. OK stores them; Cancel stores nothing, and the window
// keeps showing what was last chosen in it.

#include <QDialog>
#include <memory>

#include "model/DefaultValues.h"

class QRadioButton;

namespace Ui {
class frmDefValues;
}

namespace tfd {

class TfrmDefValues : public QDialog {
  Q_OBJECT

 public:
  TfrmDefValues(TDefaultValues& values, QWidget* parent = nullptr);
  ~TfrmDefValues() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A tonnage between the steps goes to the nearest multiple of 5.
  void sedtTonnage_Exit();
  void btnOK_Click();

  std::unique_ptr<Ui::frmDefValues> ui_;
  TDefaultValues& values_;
  QList<QRadioButton*> technology_;
  QList<QRadioButton*> source_;
};

}  // namespace tfd
