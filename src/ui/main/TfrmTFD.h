#pragma once
// The main window: it owns the one design, the unit roster, the equipment
// lists, the display colours and the status-light timer; its pages show the
// design and forward edits to it.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "equipment/ColorSchemes.h"
#include "files/HtmlSettings.h"
#include "files/LoadLog.h"
#include "model/DefaultValues.h"
#include "model/Mech.h"
#include "model/UnitRoster.h"
#include "rules/Validation.h"
#include "ui/common/DisplayColors.h"
#include "ui/main/DesignHost.h"

class QLabel;

namespace Ui {
class TfrmTFD;
}

namespace tfd {

class TArmorPage;
class TComponentMenus;
class TCriticalsPage;
class TWeaponsPage;
class TMainItemsPage;
class TReportsPage;
class TSpecificationsPage;
class TUnitRosterPage;
class TRosterPositions;
class TStatusLight;
class TColorApplier;
class TfrmAboutBox;
class TfrmColor;
class TfrmDefValues;
class TfrmDispOpts;
class TfrmErrorRpt;
class TfrmBV;
class TfrmCost;
class TfrmGrphOpts;
class TEquipmentLists;
class TDesignUndo;
class TEditCommands;
class TSaveCommands;

class TfrmTFD : public QMainWindow, public IDesignHost {
  Q_OBJECT

 public:
  // The window keeps the loaded equipment lists for the run; the rules read
  // their remembered identifiers.
  explicit TfrmTFD(std::unique_ptr<TEquipmentLists> equipment, QWidget* parent = nullptr);
  ~TfrmTFD() override;

  // IDesignHost
  TMech& Design() override { return design_; }
  const TDisplayColors& Colors() const override { return colors_; }
  void Recalc(int request) override;
  void RefreshPages(int mask, QObject* sender) override;
  void SetModified() override;
  void NameStep(const QString& name) override;
  bool Refreshing() const override { return refreshing_ > 0; }
  void NewDesign() override { FileNewItem_Click(); }
  void ShowErrorReport() override;
  TEquipmentLists* Equipment() override { return equipment_.get(); }
  bool UseBin() const override;

  bool Modified() const { return modified_; }
  // Back to a new default design, shown on every page.
  void ResetDesign();
  void UpdateCaption() override;
  // The page bit of the active tab.
  int ActivePageMask() const override;
  // The status light's animation; speed 0 stops it on the still frame.
  void SetErrorLightSpeed(int speed);
  int ErrorLightSpeed() const { return speed_; }
  int AnimationFrame() const { return frame_; }
  void TimerTick();

  TMainItemsPage* MainItems() const { return pageMain_; }
  TArmorPage* ArmorPage() const { return pageArmor_; }
  TComponentMenus* Menus() const { return menus_; }
  TfrmErrorRpt* ErrorReport() const { return errorReport_; }
  // What the validation found at the last refresh, and the status it gives
  // the lights (0 green, 1 yellow, 2 red).
  const TFindings& Findings() const { return findings_; }
  int DesignStatus() const { return status_; }
  TWeaponsPage* WeaponsPage() const { return pageWeapons_; }
  TCriticalsPage* CriticalsPage() const { return pageCriticals_; }
  TReportsPage* ReportsPage() const { return pageReports_; }
  TfrmBV* BattleValueWindow() const { return bv_; }
  TfrmCost* CostWindow() const { return cost_; }
  TfrmGrphOpts* GraphOptionsWindow() const { return graphOptions_; }
  TSpecificationsPage* SpecificationsPage() const { return pageSpecs_; }
  TUnitRosterPage* UnitRosterPage() const { return pageRoster_; }
  TUnitRoster& Roster() { return roster_; }
  // The designs and pilots of the roster's positions; null without equipment.
  TRosterPositions* RosterPositions() const { return rosterPositions_.get(); }

  // A new design read from the file, recalculated and shown; a failure is
  // reported in the error box, what the reader could not read in the error
  // report (shown without taking the focus). True when the design read was put in place.
  bool LoadFromFile(const QString& fileName);
  // What the last load could not read; emptied by New and by the next load.
  const std::vector<TLoadWarning>& LoadWarnings() const { return loadWarnings_; }
  THtmlSettings& HtmlSettings() { return html_; }
  // The undo steps of the design; a save marks the design as it stands clean.
  TDesignUndo& DesignUndo() const { return *undo_; }
  TEditCommands* EditCommands() const { return edit_; }
  // File > Save: true when the design was saved (a name asked for if needed).
  bool FileSave();
  // After a successful save: the modified flag cleared, the new name shown.
  void MarkSaved();
  TSaveCommands* SaveCommands() const { return save_; }

  // The display colours as chosen (references, system colours among them)
  // and the settings windows.
  const TColorSet& ActiveColorSet() const { return activeSet_; }
  TColorSchemeStore& ColorSchemes() { return *schemes_; }
  TDefaultValues& DefaultValues() { return defaults_; }
  TfrmDispOpts* DisplayOptions() const { return dispOpts_; }
  TfrmColor* HtmlOptions() const { return htmlOptions_; }
  TfrmDefValues* DefaultValuesWindow() const { return defValues_; }
  // Makes a colour set the active one and puts it on every control.
  void SetActiveColorSet(const TColorSet& colors);
  // Puts the display colours on every control of the window and its dialogs.
  void ApplyColors();

 signals:
  // File > Open was chosen.
  void openRequested();
  // A design file should replace the one being edited (the roster's "edit").
  void loadRequested(const QString& fileName);
  // The window was shown for the first time and shows its new design.
  void firstShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The parts of the window, made in this order.
  void CreatePages();
  void CreateWindows();
  void CreateRosterPage();
  void ConnectCommands();
  void CreateStatusBar();
  void FileNewItem_Click();
  void OptionsUseBINItem_Click(bool checked);
  void OptionsGraphItem_Click();
  // Shows a ratings window modally; what it chose shows on the active tab.
  void ShowRatingsWindow(QDialog& window);
  void pcMain_Change(int index);
  void OnFirstShow();
  void OptionsDisplayItem_Click();
  // A new design starts from the default values once the user has chosen them.
  void StartFromDefaultValues();
  void UpdateStatusBar();
  void ShowFindings();
  void ReportMovedItems(int count);
  void SetUpUndo();
  void ShowRestoredDesign();
  void FollowDesignTechnology();
  // The flag and the title bar's mark of a modified design.
  void SetModifiedFlag(bool modified);
  void ShowLoadWarnings(const QString& fileName);
  QList<TStatusLight*> StatusLights() const;

  std::unique_ptr<Ui::TfrmTFD> ui_;
  TMech design_;
  TUnitRoster roster_;
  std::unique_ptr<TEquipmentLists> equipment_;
  // After the roster and the equipment: its designs refer to both.
  std::unique_ptr<TRosterPositions> rosterPositions_;
  TColorSet activeSet_ = StartupColorSet();
  TDisplayColors colors_;
  std::unique_ptr<TColorSchemeStore> schemes_;
  TDefaultValues defaults_;
  TColorApplier* colorApplier_ = nullptr;
  TfrmDispOpts* dispOpts_ = nullptr;
  TfrmColor* htmlOptions_ = nullptr;
  TfrmDefValues* defValues_ = nullptr;
  TComponentMenus* menus_ = nullptr;
  TMainItemsPage* pageMain_ = nullptr;
  TArmorPage* pageArmor_ = nullptr;
  TWeaponsPage* pageWeapons_ = nullptr;
  TCriticalsPage* pageCriticals_ = nullptr;
  TReportsPage* pageReports_ = nullptr;
  TSpecificationsPage* pageSpecs_ = nullptr;
  TUnitRosterPage* pageRoster_ = nullptr;
  TfrmErrorRpt* errorReport_ = nullptr;
  TfrmAboutBox* about_ = nullptr;
  TfrmBV* bv_ = nullptr;
  TfrmCost* cost_ = nullptr;
  TfrmGrphOpts* graphOptions_ = nullptr;
  TDesignUndo* undo_ = nullptr;
  TEditCommands* edit_ = nullptr;
  TSaveCommands* save_ = nullptr;
  THtmlSettings html_;
  TFindings findings_;
  std::vector<TLoadWarning> loadWarnings_;
  QLabel* sbTonnage_ = nullptr;
  QLabel* sbArmor_ = nullptr;
  QLabel* sbHeat_ = nullptr;
  QLabel* sbRatings_ = nullptr;

  QTimer timer_;
  int speed_ = kDefaultErrorLightSpeed;
  int frame_ = 0;
  int status_ = 0;  // 0 green, 1 yellow, 2 red
  bool modified_ = false;
  bool loadInProgress_ = false;
  bool shown_ = false;
  int refreshing_ = 0;
  int lastTab_ = 0;
};

}  // namespace tfd
