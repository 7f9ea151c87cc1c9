#include "ui/main/TfrmTFD.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "ratings/Ratings.h"
#include "ratings/RosterPositions.h"
#include "rules/RulesPass.h"
#include "ui/About/About.h"
#include "ui/BV/BV.h"
#include "ui/Colors/Colors.h"
#include "ui/Cost/Cost.h"
#include "ui/DispOpts/DispOpts.h"
#include "ui/Errs/Errs.h"
#include "ui/common/Accessibility.h"
#include "ui/common/ColorApplier.h"
#include "ui/common/Formats.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/SystemColors.h"
#include "ui/defvals/defvals.h"
#include "ui/grphopts/grphopts.h"
#include "ui/main/ArmorPage.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/CriticalsPage.h"
#include "ui/main/DesignUndo.h"
#include "ui/main/EditCommands.h"
#include "ui/main/FindingTarget.h"
#include "ui/main/MainItemsPage.h"
#include "ui/main/OpenDesign.h"
#include "ui/main/ReportsPage.h"
#include "ui/main/SaveCommands.h"
#include "ui/main/SpecificationsPage.h"
#include "ui/main/UnitRosterPage.h"
#include "ui/main/WeaponsPage.h"
#include "ui/widgets/StatusLight.h"
#include "ui_TfrmTFD.h"

namespace tfd {

namespace {

// A page scrolls where the window is smaller than it, so the window fits a
// small screen and the status bar stays in view.
QScrollArea* Scrolling(QWidget* page) {
  auto* area = new QScrollArea(page->parentWidget());
  area->setObjectName(page->objectName() + "Scroll");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  return area;
}

}  // namespace

TfrmTFD::TfrmTFD(std::unique_ptr<TEquipmentLists> equipment, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TfrmTFD>()),
      equipment_(std::move(equipment)),
      colors_(ResolveColorSet(activeSet_, QApplication::palette())),
      schemes_(std::make_unique<TColorSchemeStore>(TColorSchemeStore::OpenUserStore(
          [](const std::string& path) { return OpenSqliteDatabase(path, EOpenMode::Create); }))) {
  InstallDropButtonAccessibility();
  ui_->setupUi(this);
  colorApplier_ = new TColorApplier(this);
  // Schemes made of system colours follow a change of the desktop's theme.
  connect(colorApplier_, &TColorApplier::DesktopPaletteChanged, this,
          [this] { SetActiveColorSet(activeSet_); });
  if (equipment_) design_.Equipment = &equipment_->Index();
  CreatePages();
  CreateWindows();
  CreateRosterPage();
  save_ = new TSaveCommands(*this);
  ConnectCommands();
  CreateStatusBar();

  connect(&timer_, &QTimer::timeout, this, &TfrmTFD::TimerTick);
  // The size the pages like, within the screen.
  QSize size(1100, 760);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size());
  resize(size);

  SetModifiedFlag(false);
  Recalc(rqAll);
  SetUpUndo();
}

// The component menus and the pages of the tabs, the roster's aside.
void TfrmTFD::CreatePages() {
  menus_ = new TComponentMenus(*this, this);
  pageMain_ = new TMainItemsPage(*this, *menus_, ui_->tsMain);
  ui_->lay_tsMain->addWidget(Scrolling(pageMain_));
  pageArmor_ = new TArmorPage(*this, *menus_, ui_->tsArmor);
  ui_->lay_tsArmor->addWidget(Scrolling(pageArmor_));
  pageWeapons_ = new TWeaponsPage(*this, *menus_, ui_->tsWeapons);
  ui_->lay_tsWeapons->addWidget(Scrolling(pageWeapons_));
  pageCriticals_ = new TCriticalsPage(*this, *menus_, ui_->tsCriticals);
  ui_->lay_tsCriticals->addWidget(Scrolling(pageCriticals_));
  pageReports_ = new TReportsPage(*this, *menus_, ui_->tsReports);
  ui_->lay_tsReports->addWidget(Scrolling(pageReports_));
  pageSpecs_ = new TSpecificationsPage(*this, ui_->tsSpecifications);
  ui_->lay_tsSpecifications->addWidget(Scrolling(pageSpecs_));
  if (equipment_) rosterPositions_ = std::make_unique<TRosterPositions>(roster_, *equipment_);
  menus_->FindArmorTarget = [this] {
    if (pageMain_->ArmorButtonDown()) return 1;
    return pageArmor_->PressedArmorButton();
  };
}

// The error report, the about box, and the settings and ratings windows.
void TfrmTFD::CreateWindows() {
  errorReport_ = new TfrmErrorRpt(this);
  // After the double click is over: the tab change refreshes the report's list.
  connect(errorReport_, &TfrmErrorRpt::findingActivated, this, [this](int index) {
    if (index < 0 || index >= static_cast<int>(findings_.Size())) return;
    QTimer::singleShot(0, this, [this, finding = findings_[static_cast<std::size_t>(index)]] {
      ShowFinding(*this, design_, finding, UseBin());
    });
  });
  about_ = new TfrmAboutBox(this);
  // The error report writes in the illegal-status colour.
  errorReport_->setProperty(kDisplayColorProperty, QStringLiteral("GaugeE"));
  dispOpts_ = new TfrmDispOpts(*schemes_, this);
  htmlOptions_ = new TfrmColor(html_, this);
  defValues_ = new TfrmDefValues(defaults_, this);
  cost_ = new TfrmCost(design_, this);
  bv_ = new TfrmBV(design_, this);
  graphOptions_ = new TfrmGrphOpts(this);
  connect(pageReports_, &TReportsPage::battleValueRequested, this, [this] { ShowRatingsWindow(*bv_); });
  connect(pageReports_, &TReportsPage::costRequested, this, [this] { ShowRatingsWindow(*cost_); });
}

// The Unit Roster tab, with what it asks of the window.
void TfrmTFD::CreateRosterPage() {
  TRosterPageLinks rosterLinks;
  rosterLinks.ChooseDesignFile = [this] {
    return TFileDialogSeam::GetOpenFileName(this, OpenDialogSettings());
  };
  rosterLinks.LoadIntoEditor = [this](const QString& file) { emit loadRequested(file); };
  rosterLinks.DesignModified = [this] { return modified_; };
  rosterLinks.DescribeWarning = WarningLine;
  rosterLinks.PrintDocument = [this](QTextDocument& document) { save_->PrintDocument(document); };
  pageRoster_ =
      new TUnitRosterPage(*this, roster_, rosterPositions_.get(), std::move(rosterLinks), ui_->tsUnitRoster);
  ui_->lay_tsUnitRoster->addWidget(Scrolling(pageRoster_));
}

// The menus' commands and the tab change.
void TfrmTFD::ConnectCommands() {
  connect(ui_->FileNewItem, &QAction::triggered, this, [this] { FileNewItem_Click(); });
  ui_->FileOpenItem->setEnabled(true);
  connect(ui_->FileOpenItem, &QAction::triggered, this, &TfrmTFD::openRequested);
  for (QAction* a : {ui_->FileSaveItem, ui_->FileSaveAsItem, ui_->FilePrintItem, ui_->FilePrintSetupItem})
    a->setEnabled(true);
  connect(ui_->FileSaveItem, &QAction::triggered, this, [this] { FileSave(); });
  connect(ui_->FileSaveAsItem, &QAction::triggered, this, [this] { save_->SaveAs(); });
  connect(ui_->FilePrintItem, &QAction::triggered, this, [this] { save_->Print(); });
  connect(ui_->FilePrintSetupItem, &QAction::triggered, this, [this] { save_->PrintSetup(); });
  connect(ui_->FileExitItem, &QAction::triggered, this, &QWidget::close);
  connect(ui_->OptionsUseBINItem, &QAction::triggered, this, [this](bool c) { OptionsUseBINItem_Click(c); });
  connect(ui_->OptionsErrorReportItem, &QAction::triggered, this, [this] { ShowErrorReport(); });
  connect(ui_->OptionsGraphItem, &QAction::triggered, this, [this] { OptionsGraphItem_Click(); });
  connect(ui_->HelpAboutItem, &QAction::triggered, this, [this] { about_->exec(); });
  connect(ui_->OptionsDisplayItem, &QAction::triggered, this, [this] { OptionsDisplayItem_Click(); });
  connect(ui_->OptionsHTMLItem, &QAction::triggered, this, [this] { htmlOptions_->exec(); });
  connect(ui_->OptionsDefaultsItem, &QAction::triggered, this, [this] { defValues_->exec(); });
  connect(ui_->pcMain, &QTabWidget::currentChanged, this, [this](int index) { pcMain_Change(index); });
}

void TfrmTFD::CreateStatusBar() {
  sbTonnage_ = new QLabel(this);
  sbArmor_ = new QLabel(this);
  sbHeat_ = new QLabel(this);
  sbRatings_ = new QLabel(this);
  for (QLabel* l : {sbTonnage_, sbArmor_, sbHeat_, sbRatings_}) statusBar()->addPermanentWidget(l);
}

void TfrmTFD::SetUpUndo() {
  undo_ = new TDesignUndo(design_, this);
  undo_->Restored = [this] { ShowRestoredDesign(); };
  // A command that names no step is named after the tab it was given on.
  undo_->DefaultName = [this] {
    QString tab = ui_->pcMain->tabText(ui_->pcMain->currentIndex());
    tab.remove('&');
    return tr("%1 Change").arg(tab);
  };
  // The design is modified exactly when it differs from the saved (or new,
  // or loaded) state the stack marks clean.
  connect(&undo_->Stack(), &QUndoStack::cleanChanged, this, [this](bool clean) { SetModifiedFlag(!clean); });
  connect(undo_, &TDesignUndo::settled, this, [this] { SetModifiedFlag(!undo_->Stack().isClean()); });
  edit_ = new TEditCommands(*this, *undo_);
}

void TfrmTFD::SetModified() {
  SetModifiedFlag(true);
  if (undo_) undo_->Changed();
}

void TfrmTFD::NameStep(const QString& name) { undo_->NameStep(name); }

void TfrmTFD::ShowRestoredDesign() {
  // The snapshot is the design as the user had it, its rules pass included;
  // it is shown as a tab change shows it, and the other tabs refresh when
  // they are shown.
  const int mask = ActivePageMask();
  Recalc(mask);
  RefreshPages(mask, ui_->pcMain);
  UpdateCaption();
}

TfrmTFD::~TfrmTFD() {
  timer_.stop();
  // The undo stack is cleared as it is destroyed, after this window is gone:
  // what it says then must not reach the window.
  if (undo_) {
    disconnect(&undo_->Stack(), nullptr, this, nullptr);
    disconnect(undo_, nullptr, this, nullptr);
    undo_->Restored = nullptr;
    undo_->DefaultName = nullptr;
  }
  // The pages go first: closing the window moves the focus, and an edit that
  // loses it must not reach a design that is being destroyed.
  ++refreshing_;
  delete pageMain_;
  delete pageArmor_;
  delete pageWeapons_;
  delete pageCriticals_;
  delete pageReports_;
  delete pageSpecs_;
  pageSpecs_ = nullptr;
  delete pageRoster_;
}

void TfrmTFD::Recalc(int request) {
  const auto engine = std::pair{design_.EngineRating, design_.EngineType};
  const TRulesReport report = Recalculate(design_, request);
  // A default engine maker follows the rating wherever the engine changed.
  if (pageSpecs_ && std::pair{design_.EngineRating, design_.EngineType} != engine)
    pageSpecs_->EngineChanged();
  if (report.MovedCount == 0) return;
  QStringList names;
  for (int i = 0; i < report.MovedCount; ++i) names << QString::fromStdString(report.Moved[i]->Name);
  statusBar()->showMessage(tr("Moved to the BIN, their slots being taken or gone: %1").arg(names.join(", ")),
                           10000);
}

void TfrmTFD::RefreshPages(int mask, QObject* sender) {
  ++refreshing_;
  if (mask & pgMain) pageMain_->Refresh();
  if (mask & pgArmor) pageArmor_->Refresh(sender);
  if (mask & pgWeapons) pageWeapons_->Refresh(sender);
  if (mask & pgCriticals) pageCriticals_->Refresh(sender);
  if (mask & pgReports) pageReports_->Refresh();
  if (mask & pgSpecs) pageSpecs_->Refresh(sender);
  if (mask & pgUnitRoster) pageRoster_->Refresh();
  UpdateStatusBar();
  ShowFindings();
  --refreshing_;
}

int TfrmTFD::ActivePageMask() const {
  const QWidget* page = ui_->pcMain->currentWidget();
  const QWidget* pages[] = {ui_->tsMain,    ui_->tsArmor,          ui_->tsWeapons,   ui_->tsCriticals,
                            ui_->tsReports, ui_->tsSpecifications, ui_->tsUnitRoster};
  for (int bit = 0; bit < 7; ++bit)
    if (pages[bit] == page) return 1 << bit;
  return 0;
}

void TfrmTFD::pcMain_Change(int index) {
  if (refreshing_ > 0) return;  // a tab chosen by the program itself
  // Leaving the Main Items tab stores what was typed there, even when the edit
  // never lost the focus (clicking a tab does not take it).
  if (ui_->pcMain->widget(lastTab_) == ui_->tsMain && pageMain_->StoreControls()) {
    SetModified();
    Recalc(rqChassis | rqArmor);
  }
  lastTab_ = index;
  const int mask = ActivePageMask();
  Recalc(mask);
  RefreshPages(mask, ui_->pcMain);
}

bool TfrmTFD::LoadFromFile(const QString& fileName) {
  // The file is read into a design of its own: one that cannot be read leaves
  // the design being edited, its file name, caption and modified flag as they
  // were. The loader runs the rules pass and rebuilds the power-plant text.
  TMech read;
  const THtmlSettings htmlBefore = html_;
  TLoadResult result = ReadDesignFile(read, equipment_.get(), html_, fileName, &pageSpecs_->Makers());
  if (!result.Ok()) {
    html_ = htmlBefore;
    TMessageSeam::Error(this, LoadFailureMessage(fileName, result));
    return false;
  }
  ResetDesign();
  design_.TakeDesign(read);
  FollowDesignTechnology();
  loadWarnings_ = std::move(result.Warnings);
  loadInProgress_ = true;
  RefreshPages(pgMain | pgArmor | pgWeapons | pgCriticals | pgReports, this);
  loadInProgress_ = false;
  SetModifiedFlag(false);
  undo_->Reset();
  // A file read only in part (warnings for what was left out) is not
  // replaced by F2 without a word.
  save_->SetReadInPart(!result.Message.empty() || !loadWarnings_.empty());
  UpdateCaption();
  ShowLoadWarnings(fileName);
  return true;
}

void TfrmTFD::FollowDesignTechnology() {
  // The equipment lists show the design's own technology, as for a new
  // design; the Weapons refresh narrows this to the rules level.
  design_.WeaponFilter = design_.RulesLevel;
}

void TfrmTFD::ShowLoadWarnings(const QString& fileName) {
  QStringList lines;
  for (const TLoadWarning& w : loadWarnings_) lines << WarningLine(w);
  const QString file = fileName.mid(std::max({fileName.lastIndexOf('/'), fileName.lastIndexOf('\\')}) + 1);
  errorReport_->setLoadWarnings(file, lines);
  // The report comes up beside the design; the focus stays where it was.
  if (!lines.isEmpty()) errorReport_->showReport(false);
}

void TfrmTFD::FileNewItem_Click() {
  bool cancelled = false;
  if (modified_) {
    const auto answer = TMessageSeam::AskYesNoCancel(this, "Clear Design",
                                                     "Do you wish to save this design before CLEARING it?");
    // Yes saves first and goes on only when the design was saved.
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !FileSave())) cancelled = true;
  }
  if (!cancelled) {
    ResetDesign();
    loadWarnings_.clear();
    ShowLoadWarnings({});
    StartFromDefaultValues();
  }
  UpdateCaption();
  RefreshPages(ActivePageMask(), this);
  if (!cancelled) {
    SetModifiedFlag(false);
    undo_->Reset();
  }
}

bool TfrmTFD::FileSave() {
  // What was typed on the Main Items tab counts, even before the edit lost the focus.
  if (ui_->pcMain->currentWidget() == ui_->tsMain && pageMain_->StoreControls()) {
    SetModified();
    Recalc(rqChassis | rqArmor);
  }
  return save_->Save();
}

void TfrmTFD::MarkSaved() {
  undo_->MarkClean();
  SetModifiedFlag(false);
  UpdateCaption();
}

void TfrmTFD::ResetDesign() {
  ++refreshing_;  // the program chooses the tab, not the user
  ui_->pcMain->setCurrentWidget(ui_->tsMain);
  lastTab_ = ui_->pcMain->currentIndex();
  --refreshing_;
  tfd::NewDesign(design_);
  FollowDesignTechnology();
  pageSpecs_->Reset();
  loadInProgress_ = true;
  pageWeapons_->PressEnergy();
  RefreshPages(pgMain | pgArmor | pgWeapons | pgCriticals | pgReports | pgSpecs, this);
  loadInProgress_ = false;
  SetModifiedFlag(false);
  if (undo_) undo_->Reset();
}

void TfrmTFD::StartFromDefaultValues() {
  if (!defaults_.Chosen) return;
  ApplyDefaultValues(design_, defaults_);
  Recalc(rqAll);
  RefreshPages(pgMain | pgArmor | pgWeapons | pgCriticals | pgReports | pgSpecs, this);
}

void TfrmTFD::UpdateCaption() {
  const QString type = QString::fromStdString(design_.Texts[txtModel]);
  QString file = QString::fromStdString(design_.Texts[txtFilePath]);
  // The file name without its folder; names may come with either separator.
  const qsizetype cut = std::max({file.lastIndexOf('\\'), file.lastIndexOf(':'), file.lastIndexOf('/')});
  file = file.mid(cut + 1);
  // Qt shows the mark in place of "[*]" while the design is modified.
  QString caption = "Titanframe Designer[*]";
  if (!type.isEmpty() && !file.isEmpty())
    caption = "(" + type + " as " + file + ") " + caption;
  else if (!type.isEmpty())
    caption = "(" + type + ") " + caption;
  else if (!file.isEmpty())
    caption = "(" + file + ") " + caption;
  setWindowTitle(caption);
}

void TfrmTFD::SetModifiedFlag(bool modified) {
  modified_ = modified;
  setWindowModified(modified);
}

void TfrmTFD::OptionsUseBINItem_Click(bool checked) {
  if (checked) design_.MountMode = mmBin;
  RefreshPages(pgWeapons | pgCriticals, this);
}

void TfrmTFD::OptionsGraphItem_Click() {
  // Either button: the graph is redrawn and the readout goes back to range 1.
  std::uint8_t options = pageReports_->GraphOptions();
  graphOptions_->Edit(options);
  pageReports_->SetGraphOptions(options);
  Recalc(rqAll);
  RefreshPages(pgReports, this);
  pageReports_->SetReadout(1);
}

void TfrmTFD::ShowRatingsWindow(QDialog& window) {
  window.exec();
  // A configuration chosen in the window stays chosen.
  Recalc(rqAll);
  RefreshPages(ActivePageMask(), this);
}

void TfrmTFD::ShowErrorReport() { errorReport_->showReport(); }

bool TfrmTFD::UseBin() const { return ui_->OptionsUseBINItem->isChecked(); }

void TfrmTFD::SetErrorLightSpeed(int speed) {
  timer_.stop();
  speed_ = std::clamp(speed, 0, kMaxErrorLightSpeed);
  if (speed_ > 0) {
    timer_.setInterval(speed_ * 10);
    timer_.start();
  }
  TimerTick();
}

void TfrmTFD::TimerTick() {
  frame_ = speed_ > 0 ? frame_ % 12 + 1 : 0;
  for (TStatusLight* light : StatusLights()) light->setFrame(status_, frame_);
}

QList<TStatusLight*> TfrmTFD::StatusLights() const {
  QList<TStatusLight*> lights;
  for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5"})
    if (auto* light = findChild<TStatusLight*>(name)) lights << light;
  return lights;
}

void TfrmTFD::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Once, after the first show: a restore from minimised must not wipe the design.
  if (shown_) return;
  shown_ = true;
  OnFirstShow();
}

void TfrmTFD::OnFirstShow() {
  ++refreshing_;  // the program chooses the tab, not the user
  ui_->pcMain->setCurrentWidget(ui_->tsReports);
  ui_->pcMain->setCurrentWidget(ui_->tsMain);
  --refreshing_;
  ResetDesign();
  SetModifiedFlag(false);
  Recalc(rqAll);
  SetErrorLightSpeed(speed_);
  emit firstShown();
  ApplyColors();
  pageArmor_->ClearDiagramHighlight();
  UpdateCaption();
}

void TfrmTFD::OptionsDisplayItem_Click() {
  timer_.stop();
  dispOpts_->SetWorkingSet(activeSet_);
  dispOpts_->SetSpeed(speed_);
  const bool accepted = dispOpts_->exec() == QDialog::Accepted;
  if (accepted) speed_ = dispOpts_->Speed();
  SetErrorLightSpeed(speed_);
  SetActiveColorSet(accepted ? dispOpts_->WorkingSet() : activeSet_);
}

void TfrmTFD::SetActiveColorSet(const TColorSet& colors) {
  activeSet_ = colors;
  colors_ = ResolveColorSet(activeSet_, QApplication::palette());
  ApplyColors();
}

void TfrmTFD::ApplyColors() {
  colorApplier_->Apply(colors_);
  errorReport_->setColors(colors_[dcGaugeE], colors_[dcTextB]);
  RefreshPages(ActivePageMask(), this);
}

void TfrmTFD::UpdateStatusBar() {
  const QString tons = FormatTonnage(design_.Weights[wFree], design_.RulesLevel);
  sbTonnage_->setText(tr("Tonnage remaining: %1").arg(tons));
  const bool overweight = design_.Weights[wFree] < 0;
  sbTonnage_->setProperty(kDisplayColorProperty,
                          overweight ? QStringLiteral("GaugeE") : QStringLiteral("TextF"));
  QFont font = sbTonnage_->font();
  font.setBold(overweight);
  sbTonnage_->setFont(font);
  sbArmor_->setText(tr("Armor: %1 / %2").arg(design_.ArmorPoints).arg(design_.MaxArmor));
  sbHeat_->setText(
      tr("Heat sinks: %1 %2").arg(design_.HeatSinks).arg(FormatDissipation(design_.Dissipation)));
  // The ratings take a couple of microseconds: the vital figures follow every edit.
  ComputeRatings(design_);
  sbRatings_->setText(
      tr("Battle value: %1  Cost: %2 C-bills").arg(design_.BattleValue).arg(FormatGrouped(design_.Cost, 0)));
}

// The validation follows every refresh, whichever pages it showed: the report
// lists what it found and the next tick shows the status on every light.
void TfrmTFD::ShowFindings() {
  Validate(design_, findings_);
  status_ = findings_.Status();
  errorReport_->setFindings(findings_);
  const QString counts = FindingCounts(findings_.Count(svError), findings_.Count(svWarning));
  for (TStatusLight* light : StatusLights()) light->setToolTip(counts);
}

void TfrmTFD::closeEvent(QCloseEvent* event) {
  if (modified_) {
    const auto answer =
        TMessageSeam::AskYesNoCancel(this, "Confirm Exit", "Do you wish to save this design before Exiting?");
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !FileSave())) {
      event->ignore();
      return;
    }
  }
  if (!pageRoster_->MayClose()) {
    event->ignore();
    return;
  }
  timer_.stop();
  event->accept();
}

}  // namespace tfd
