#pragma once
// The Unit Roster tab: fifteen rows of the unit's positions (one of three
// pages), each a Titanframe and its Framewarden, the totals, the unit's
// information and the roster files. The positions' designs and the
// skill-adjusted figures come from the core; the page shows them and forwards
// the user's choices.

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QTextDocument;
class QToolButton;

namespace Ui {
class UnitRosterPage;
}

namespace tfd {

class IDesignHost;
class TDropButton;
class TSpinEdit;
class TRosterImages;
class TRosterPositions;
class TUnitRoster;
class TfrmFWInfo;
class TfrmUnitInfo;
struct TLoadResult;
struct TLoadWarning;

// What the page asks of the main window beyond the design host.
struct TRosterPageLinks {
  // The open dialog for designs (the main window's filters); empty: cancelled.
  std::function<QString()> ChooseDesignFile;
  // Loads a design into the editor the way File > Open does.
  std::function<void(const QString&)> LoadIntoEditor;
  // Whether the design being edited has changes its file does not have.
  std::function<bool()> DesignModified;
  // One line of what a reader could not read, as the error report shows it.
  std::function<QString(const TLoadWarning&)> DescribeWarning;
  // Prints a document through the program's print dialog and printer.
  std::function<void(QTextDocument&)> PrintDocument;
};

class TUnitRosterPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 15;

  // Without positions (no equipment database) the rows stay empty.
  TUnitRosterPage(IDesignHost& host, TUnitRoster& roster, TRosterPositions* positions, TRosterPageLinks links,
                  QWidget* parent = nullptr);
  ~TUnitRosterPage() override;

  // The Unit Roster section of the refresh.
  void Refresh();
  int Page() const { return page_; }
  // The roster position a row shows on the current page.
  int PositionOfRow(int row) const { return row + kRows * (page_ - 1); }

  // The row whose slot button opened the slot menu.
  int MenuRow() const { return menuRow_; }
  void SetMenuRow(int row) { menuRow_ = row; }

  // The commands of the tool buttons, the pilot buttons and the slot menu.
  void NewRoster();
  void OpenRoster();
  void SaveRosterAs();
  void OpenRosterFile(const QString& fileName);
  bool SaveRosterFile(const QString& fileName);
  void EditUnitInfo();
  void EditPilot(int row);
  void ShowPage(int page);
  // The roster for paper, every position its organisation uses.
  std::unique_ptr<QTextDocument> RosterDocument() const;
  void PrintRoster();

  TfrmUnitInfo* UnitInfo() const { return unitInfo_; }
  TfrmFWInfo* PilotInfo() const { return pilotInfo_; }
  // The file the roster was last opened from or saved to; empty for a new one.
  QString RosterFile() const { return rosterFile_; }
  // Whether the roster has changes that no roster file holds.
  bool Changed() const { return changed_; }
  // Before the program ends: a changed roster is offered for saving; false
  // when the user cancels (or the save does not happen).
  bool MayClose();

 private:
  struct TRow {
    TDropButton* Slot;
    QLineEdit* Name;
    QLabel* Tons;
    QLabel* BV;
    QToolButton* Pilot;
    QLineEdit* PilotName;
    TSpinEdit* Piloting;
    TSpinEdit* Gunnery;
  };

  void BuildRows();
  void BuildSlotMenu();
  void SetToolIcons();
  void SetRowImages(std::uint8_t organization);
  void ResetPagesAndRows();
  void FillRow(int row);
  void NameRow(const TRow& r, int position);
  void RefreshRoster(QObject* sender);

  void pmUR_MSel_Popup();
  void SelectTitanframe();
  void PutCurrentDesignHere();
  void LoadThisTitanframe();
  void ClearRosterEntry();
  void ChooseConfiguration(int index);
  // A position's load: the reader's message when it failed, what it could not
  // read when it loaded with warnings; true when the position was filled.
  bool ReportLoad(const TLoadResult& result, const QString& fileName);
  void OnSkillEdited(int row);
  void OnPilotNameEdited(int row);
  // Asks whether to save a filled roster before it is replaced; false: stop.
  bool MayReplaceRoster(const QString& title, const QString& doing);
  // Yes: Save As (false when it does not happen); No: true; Cancel: false.
  bool AskToSave(const QString& title, const QString& question);
  // A command changed the roster: refresh, and remember it for the close question.
  void RosterEdited(QObject* sender);

  IDesignHost& host_;
  TUnitRoster& roster_;
  TRosterPositions* positions_;
  TRosterPageLinks links_;
  std::unique_ptr<Ui::UnitRosterPage> ui_;
  std::array<TRow, kRows> rows_{};
  TRosterImages* images_ = nullptr;
  std::array<QPixmap, 6> groupImages_;  // slot buttons' groups 1..3, then pilot buttons'
  QMenu* menu_ = nullptr;
  QMenu* configMenu_ = nullptr;
  QActionGroup* configGroup_ = nullptr;
  QAction* miSelect_ = nullptr;
  QAction* miPutCurrent_ = nullptr;
  QAction* miLoad_ = nullptr;
  QAction* miClear_ = nullptr;
  TfrmUnitInfo* unitInfo_ = nullptr;
  TfrmFWInfo* pilotInfo_ = nullptr;
  QString rosterFile_;
  int page_ = 1;
  int menuRow_ = 1;
  // The organisation the rows were last laid out for; none at first, so the
  // first refresh lays them out.
  int shownOrganization_ = -1;
  bool changed_ = false;
};

}  // namespace tfd
