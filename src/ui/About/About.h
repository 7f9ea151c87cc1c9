#pragma once
// The about box: name, version, licence and the program's emblem.

#include <QDialog>
#include <memory>

namespace Ui {
class frmAboutBox;
}

namespace tfd {

class TfrmAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAboutBox(QWidget* parent = nullptr);
  ~TfrmAboutBox() override;

  // The version shown, as the build knows it.
  static QString Version();

 private:
  std::unique_ptr<Ui::frmAboutBox> ui_;
};

}  // namespace tfd
