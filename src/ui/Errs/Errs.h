#pragma once
// The error report: a tool window listing what is wrong with the design. It
// never blocks the main window; Close only hides it, and the list keeps its
// lines. The validation's findings fill the end of the list; lines that others
// put there (what the last load could not read) stay above them.

#include <QDialog>
#include <memory>

class QListWidget;
class QListWidgetItem;

namespace Ui {
class frmErrorRpt;
}

namespace tfd {

class TFindings;

// "1 error, 2 warnings"; "No errors or warnings" when both are 0.
QString FindingCounts(int errors, int warnings);

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
  // Replaces the findings' lines (one per finding, in order) and shows their
  // counts in the title. Lines that are not findings keep their places above.
  void setFindings(const TFindings& findings);
  // The finding a line shows (its index in the list last set), -1 for a line
  // that is not a finding.
  static int findingOf(const QListWidgetItem* line);

 signals:
  // The user double-clicked a finding's line (or pressed Return on it).
  void findingActivated(int index);

 protected:
  void reject() override;

 private:
  void centre();

  std::unique_ptr<Ui::frmErrorRpt> ui_;
  bool placed_ = false;
  int loadRows_ = 0;  // the rows of the load warnings at the top of the list
};

}  // namespace tfd
