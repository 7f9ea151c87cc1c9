#pragma once
// The error report: a tool window listing what is wrong with the design. It
// never blocks the main window; Close only hides it, and the list keeps its
// lines.

#include <QDialog>
#include <memory>

class QListWidget;

namespace Ui {
class frmErrorRpt;
}

namespace tfd {

class TfrmErrorRpt : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmErrorRpt(QWidget* parent = nullptr);
  ~TfrmErrorRpt() override;

  // Shows the window (centred on the screen the first time; afterwards where
  // the user left it), or, when it is already shown, brings it to the front.
  // Without `activate` the window that has the focus keeps it.
  void showReport(bool activate = true);
  // What the last load could not read: the file's name, then one line per
  // warning, always at the top of the list; whatever else the list holds
  // stays below them. An empty list of warnings removes the block.
  void setLoadWarnings(const QString& fileName, const QStringList& warnings);
  int loadWarningRows() const { return loadRows_; }
  // Text and background colours of the window and its list.
  void setColors(QColor text, QColor back);
  QListWidget* list() const;

 protected:
  void reject() override;

 private:
  void centre();

  std::unique_ptr<Ui::frmErrorRpt> ui_;
  bool placed_ = false;
  int loadRows_ = 0;  // the rows of the load warnings at the top of the list
};

}  // namespace tfd
