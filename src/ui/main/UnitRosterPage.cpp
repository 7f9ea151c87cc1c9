#include "ui/main/UnitRosterPage.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Formats.h"

#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "files/LoadDesign.h"
#include "files/RosterFile.h"
#include "model/Mech.h"
#include "model/UnitRoster.h"
#include "ratings/RosterPositions.h"
#include "ui/FWInfo/FWInfo.h"
#include "ui/UnitInfo/UnitInfo.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/DesignHost.h"
#include "ui/main/RosterDocument.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/RosterArt.h"
#include "ui/widgets/SpinEdit.h"
#include "ui_UnitRosterPage.h"

namespace tfd {

namespace {

constexpr int kImageSide = 22;

std::string FileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The refresh sets only what differs, so an edit being typed in keeps its cursor.
void Show(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}
void Show(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}
void Show(QSpinBox* edit, int value) {
  if (edit->value() != value) edit->setValue(value);
}

// 16 Inner Sphere, 32 Clan, 64 Comstar; 0 for no organisation.
int ForceType(int organization) {
  if (organization < 0) return -1;
  return OrganizationName(static_cast<std::uint8_t>(organization)).empty() ? 0 : organization & 0x70;
}

struct TRowGroup {
  int first, last;
};

// The rows each group of a force type marks; rows outside them keep the plain pictures.
std::vector<TRowGroup> RowGroups(int forceType) {
  switch (forceType) {
    case 16: return {{1, 4}, {5, 8}, {9, 12}};
    case 32: return {{1, 5}, {6, 10}, {11, 15}};
    case 64: return {{1, 6}, {7, 12}};
    default: return {};
  }
}

TOpenDialogSettings RosterDialogSettings(const QString& title) {
  TOpenDialogSettings s;
  s.Title = title;
  s.Filters = {{"Unit Rosters (*.TFR)", {"*.tfr"}}, {"All Files (*.*)", {"*"}}};
  s.FilterIndex = 0;
  s.DefaultSuffix = "tfr";
  return s;
}

}  // namespace

TUnitRosterPage::TUnitRosterPage(IDesignHost& host, TUnitRoster& roster, TRosterPositions* positions,
                                 TRosterPageLinks links, QWidget* parent)
    : QWidget(parent),
      host_(host),
      roster_(roster),
      positions_(positions),
      links_(std::move(links)),
      ui_(std::make_unique<Ui::UnitRosterPage>()) {
  ui_->setupUi(this);
  setObjectName("pgUnitRoster");
  images_ = new TRosterImages(kImageSide, this);
  // The six pictures that mark the row groups: Titanframes 0..2, Framewardens 4..6.
  const int groupSources[] = {0, 1, 2, 4, 5, 6};
  for (std::size_t i = 0; i < groupImages_.size(); ++i) groupImages_[i] = images_->Image(groupSources[i]);
  unitInfo_ = new TfrmUnitInfo(this);
  pilotInfo_ = new TfrmFWInfo(this);
  BuildRows();
  BuildSlotMenu();
  SetToolIcons();

  connect(ui_->btnUR_New, &QToolButton::clicked, this, &TUnitRosterPage::NewRoster);
  connect(ui_->btnUR_Load, &QToolButton::clicked, this, &TUnitRosterPage::OpenRoster);
  connect(ui_->btnUR_Save, &QToolButton::clicked, this, &TUnitRosterPage::SaveRosterAs);
  connect(ui_->btnUR_Info, &QToolButton::clicked, this, &TUnitRosterPage::EditUnitInfo);
  connect(ui_->btnUR_Print, &QToolButton::clicked, this, &TUnitRosterPage::PrintRoster);
  ui_->btnUR_Print->setEnabled(static_cast<bool>(links_.PrintDocument));
  for (QToolButton* b : {ui_->btnUR_New, ui_->btnUR_Load, ui_->btnUR_Save})
    b->setEnabled(positions_ != nullptr);

  // Exactly one page button is down; a press from the program runs no command.
  for (int page = 1; page <= 3; ++page) {
    QToolButton* b = page == 1 ? ui_->btnUR_1 : page == 2 ? ui_->btnUR_2 : ui_->btnUR_3;
    b->setAutoExclusive(true);
    connect(b, &QToolButton::clicked, this, [this, page] { ShowPage(page); });
  }
}

TUnitRosterPage::~TUnitRosterPage() = default;

void TUnitRosterPage::BuildRows() {
  for (int n = 1; n <= kRows; ++n) {
    const QString s = QString::number(n);
    TRow& r = rows_[static_cast<std::size_t>(n - 1)];
    r.Slot = findChild<TDropButton*>("btnUR_M" + s);
    r.Name = findChild<QLineEdit*>("edtUR_M" + s + "Name");
    r.Tons = findChild<QLabel*>("lblUR_M" + s + "Tng");
    r.BV = findChild<QLabel*>("lblUR_M" + s + "BV");
    r.Pilot = findChild<QToolButton*>("btnUR_P" + s);
    r.PilotName = findChild<QLineEdit*>("edtUR_P" + s + "Name");
    r.Piloting = findChild<TSpinEdit*>("sedtUR_P" + s + "Plt");
    r.Gunnery = findChild<TSpinEdit*>("sedtUR_P" + s + "Gun");
    NameRow(r, n);
    r.Slot->setTag(n);
    r.Slot->setToolButtonStyle(Qt::ToolButtonIconOnly);
    r.Slot->setIcon(images_->Image(kRosterImagePlainFrame));
    r.Slot->setIconSize(QSize(kImageSide, kImageSide));
    r.Pilot->setIcon(images_->Image(kRosterImagePlainPilot));
    r.Pilot->setIconSize(QSize(kImageSide, kImageSide));
    r.Name->setFocusPolicy(Qt::ClickFocus);
    connect(r.Slot, &TDropButton::focused, this, [this, n] { menuRow_ = n; });
    connect(r.Pilot, &QToolButton::clicked, this, [this, n] { EditPilot(n); });
    connect(r.PilotName, &QLineEdit::textEdited, this, [this, n] { OnPilotNameEdited(n); });
    for (TSpinEdit* e : {r.Piloting, r.Gunnery})
      connect(e, &QSpinBox::valueChanged, this, [this, n] { OnSkillEdited(n); });
  }
}

void TUnitRosterPage::BuildSlotMenu() {
  menu_ = new QMenu(this);
  menu_->setObjectName("pmUR_MSel");
  menu_->setToolTipsVisible(true);
  miSelect_ = menu_->addAction("Select a Titanframe", this, &TUnitRosterPage::SelectTitanframe);
  miPutCurrent_ = menu_->addAction("Put Current Design Here", this, &TUnitRosterPage::PutCurrentDesignHere);
  configMenu_ = menu_->addMenu("Primary Configuration");
  configMenu_->setObjectName("pmUR_MConfig");
  configGroup_ = new QActionGroup(this);
  for (int i = 0; i <= kConfigCount; ++i) {
    // The last entry has no caption and no configuration behind it.
    QAction* a = configMenu_->addAction(i < kConfigCount ? Text(ConfigMenuLabel(i)) : QString());
    a->setCheckable(true);
    a->setData(i);
    configGroup_->addAction(a);
    if (i < kConfigCount)
      connect(a, &QAction::triggered, this, [this, a] { ChooseConfiguration(a->data().toInt()); });
    else
      a->setEnabled(false);
  }
  miLoad_ = menu_->addAction("Load This Titanframe", this, &TUnitRosterPage::LoadThisTitanframe);
  miClear_ = menu_->addAction("Clear Roster Entry", this, &TUnitRosterPage::ClearRosterEntry);
  connect(menu_, &QMenu::aboutToShow, this, &TUnitRosterPage::pmUR_MSel_Popup);
  for (const TRow& r : rows_) r.Slot->setMenu(menu_);
}

void TUnitRosterPage::SetToolIcons() {
  const struct {
    QToolButton* button;
    QStyle::StandardPixmap icon;
    const char* theme;
  } tools[] = {{ui_->btnUR_New, QStyle::SP_FileIcon, "document-new"},
               {ui_->btnUR_Load, QStyle::SP_DialogOpenButton, "document-open"},
               {ui_->btnUR_Save, QStyle::SP_DialogSaveButton, "document-save-as"},
               {ui_->btnUR_Print, QStyle::SP_FileDialogDetailedView, "document-print"},
               {ui_->btnUR_Info, QStyle::SP_MessageBoxInformation, "dialog-information"}};
  for (const auto& t : tools) {
    t.button->setIcon(QIcon::fromTheme(t.theme, style()->standardIcon(t.icon)));
    t.button->setText(t.button->toolTip());
    t.button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
}

void TUnitRosterPage::Refresh() {
  roster_.UpdateTotals();
  Show(ui_->lblTotTng, QString::number(roster_.TotalTonnage));
  Show(ui_->lblTotBV, QString::number(roster_.TotalBV));
  if (roster_.Organization != shownOrganization_) {
    if (ForceType(roster_.Organization) != ForceType(shownOrganization_)) SetRowImages(roster_.Organization);
    shownOrganization_ = roster_.Organization;
    ResetPagesAndRows();
  }
  QString unit = Text(roster_.Designation);
  const std::string_view organization = OrganizationName(roster_.Organization);
  if (!organization.empty()) unit += (unit.isEmpty() ? "" : " - ") + Text(organization);
  Show(ui_->lblUnitName, unit);
  for (int row = 1; row <= kRows; ++row) FillRow(row);
}

void TUnitRosterPage::SetRowImages(std::uint8_t organization) {
  const std::vector<TRowGroup> groups = RowGroups(ForceType(organization));
  for (int row = 1; row <= kRows; ++row) {
    QPixmap frame = images_->Image(kRosterImagePlainFrame);
    QPixmap pilot = images_->Image(kRosterImagePlainPilot);
    for (std::size_t g = 0; g < groups.size(); ++g)
      if (row >= groups[g].first && row <= groups[g].last) {
        frame = groupImages_[g];
        pilot = groupImages_[g + 3];
      }
    rows_[static_cast<std::size_t>(row - 1)].Slot->setIcon(frame);
    rows_[static_cast<std::size_t>(row - 1)].Pilot->setIcon(pilot);
  }
}

// Back to page 1 with the rows and pages the organisation uses. Every
// organisation uses the same rows on each of its pages, so the first page's
// used positions give the row count, and a page is offered when it holds a
// used position. Without an organisation the positions a new roster uses
// (1..4) are offered, so every row that can be filled also counts.
void TUnitRosterPage::ResetPagesAndRows() {
  page_ = 1;
  ui_->btnUR_1->setChecked(true);
  auto pageUsed = [this](int page) {
    for (int row = 1; row <= kRows; ++row)
      if (roster_.PositionUsed(row + kRows * (page - 1))) return true;
    return false;
  };
  ui_->btnUR_2->setEnabled(pageUsed(2));
  ui_->btnUR_3->setEnabled(pageUsed(3));
  for (int row = 1; row <= kRows; ++row) {
    const TRow& r = rows_[static_cast<std::size_t>(row - 1)];
    const bool used = roster_.PositionUsed(row);
    for (QWidget* w : std::initializer_list<QWidget*>{r.Slot, r.Name, r.Tons, r.BV, r.Piloting, r.Gunnery,
                                                      r.Pilot, r.PilotName})
      w->setEnabled(used);
  }
}

void TUnitRosterPage::FillRow(int row) {
  const TRow& r = rows_[static_cast<std::size_t>(row - 1)];
  const int position = PositionOfRow(row);
  static const TRosterPosition kEmpty{};
  const TRosterPosition& p = positions_ ? positions_->At(position) : kEmpty;
  QString name;
  QString hint;
  if (p.Design) {
    name = Text(RosterRowName(p.DesignName, p.Design->IsOmni(), p.Configuration));
    hint = QFile::decodeName(p.FilePath.c_str());
  } else if (p.Missing()) {
    name = Text(p.DesignName);
    hint = "Missing file: " + QFile::decodeName(p.FilePath.c_str());
  }
  Show(r.Name, name);
  r.Name->setToolTip(hint);
  const QString look = p.Missing() ? "color: gray; font-style: italic" : "";
  if (r.Name->styleSheet() != look) r.Name->setStyleSheet(look);
  Show(r.Tons, QString::number(positions_ ? positions_->Tonnage(position) : 0));
  Show(r.BV, QString::number(positions_ ? positions_->BattleValue(position) : 0));
  Show(r.PilotName, Text(p.Pilot.Name));
  Show(r.Piloting, p.Pilot.Piloting);
  Show(r.Gunnery, p.Pilot.Gunnery);
  NameRow(r, position);
}

// The row's controls by the position they show, for a screen reader: the
// same row stands for another position on each page.
void TUnitRosterPage::NameRow(const TRow& r, int position) {
  const std::pair<QWidget*, const char*> names[] = {{r.Slot, QT_TR_NOOP("Position %1 Titanframe")},
                                                    {r.Name, QT_TR_NOOP("Position %1 design")},
                                                    {r.Pilot, QT_TR_NOOP("Position %1 Framewarden")},
                                                    {r.PilotName, QT_TR_NOOP("Position %1 Framewarden name")},
                                                    {r.Piloting, QT_TR_NOOP("Position %1 piloting")},
                                                    {r.Gunnery, QT_TR_NOOP("Position %1 gunnery")}};
  for (auto [widget, name] : names) NameForReaders(*widget, tr(name).arg(position));
}

void TUnitRosterPage::RefreshRoster(QObject* sender) { host_.RefreshPages(pgUnitRoster, sender); }

std::unique_ptr<QTextDocument> TUnitRosterPage::RosterDocument() const {
  auto doc = std::make_unique<QTextDocument>();
  doc->setHtml(RosterHtml(roster_, positions_));
  return doc;
}

void TUnitRosterPage::PrintRoster() {
  if (!links_.PrintDocument) return;
  roster_.UpdateTotals();
  links_.PrintDocument(*RosterDocument());
}

void TUnitRosterPage::ShowPage(int page) {
  page_ = std::clamp(page, 1, 3);
  RefreshRoster(this);
}

void TUnitRosterPage::pmUR_MSel_Popup() {
  // The button that opened the menu is down while it shows.
  for (int row = 1; row <= kRows; ++row)
    if (rows_[static_cast<std::size_t>(row - 1)].Slot->isDown()) menuRow_ = row;
  static const TRosterPosition kEmpty{};
  const TRosterPosition& p = positions_ ? positions_->At(PositionOfRow(menuRow_)) : kEmpty;
  miSelect_->setEnabled(positions_ != nullptr && static_cast<bool>(links_.ChooseDesignFile));

  const QString file = Text(host_.Design().Texts[txtFilePath]);
  QString why;
  if (!positions_)
    why = "No equipment database is loaded.";
  else if (file.isEmpty())
    why = "The design being edited has no file yet.";
  else if (links_.DesignModified && links_.DesignModified())
    why = "The design being edited has changes its file does not have.";
  else if (!QFileInfo::exists(file))
    why = "The design's file is no longer there.";
  miPutCurrent_->setEnabled(why.isEmpty());
  miPutCurrent_->setToolTip(why.isEmpty() ? "Places the design being edited here, as its file holds it."
                                          : why);

  const bool omni = p.Design && p.Design->IsOmni();
  configMenu_->setEnabled(p.Design != nullptr);
  for (QAction* a : configGroup_->actions()) {
    const int index = a->data().toInt();
    a->setChecked(index == p.Configuration);
    if (index < kConfigCount) a->setEnabled(p.Design && (omni || index == 0));
  }
  miLoad_->setEnabled(p.Design != nullptr && static_cast<bool>(links_.LoadIntoEditor));
  miClear_->setEnabled(p.Filled());
}

void TUnitRosterPage::SelectTitanframe() {
  if (!positions_ || !links_.ChooseDesignFile) return;
  const QString file = links_.ChooseDesignFile();
  if (file.isEmpty()) return;
  const TLoadResult r = positions_->Load(PositionOfRow(menuRow_), FileName(file));
  if (ReportLoad(r, file)) RosterEdited(rows_[static_cast<std::size_t>(menuRow_ - 1)].Slot);
}

void TUnitRosterPage::PutCurrentDesignHere() {
  if (!positions_) return;
  const TMech& design = host_.Design();
  const TLoadResult r = positions_->Load(PositionOfRow(menuRow_), design.Texts[txtFilePath],
                                         design.IsOmni() ? design.ConfigIndex : -1);
  if (ReportLoad(r, Text(design.Texts[txtFilePath])))
    RosterEdited(rows_[static_cast<std::size_t>(menuRow_ - 1)].Slot);
}

bool TUnitRosterPage::ReportLoad(const TLoadResult& result, const QString& fileName) {
  if (!result.Ok()) {
    TMessageSeam::Error(this, Text(result.Message));
    return false;
  }
  if (result.Warnings.empty()) return true;
  constexpr std::size_t kShown = 10;
  QStringList lines;
  for (std::size_t i = 0; i < result.Warnings.size() && i < kShown; ++i)
    lines << (links_.DescribeWarning ? links_.DescribeWarning(result.Warnings[i])
                                     : Text(result.Warnings[i].Text));
  if (result.Warnings.size() > kShown)
    lines << QString("... and %1 more").arg(result.Warnings.size() - kShown);
  TMessageSeam::Warn(this, "Roster Position",
                     QFileInfo(fileName).fileName() + " was placed in the roster, but " +
                         QString::number(result.Warnings.size()) + " of its lines could not be read:\n" +
                         lines.join('\n'));
  return true;
}

void TUnitRosterPage::LoadThisTitanframe() {
  if (!positions_ || !links_.LoadIntoEditor) return;
  const TRosterPosition& p = positions_->At(PositionOfRow(menuRow_));
  if (p.Design) links_.LoadIntoEditor(QFile::decodeName(p.FilePath.c_str()));
}

void TUnitRosterPage::ClearRosterEntry() {
  if (!positions_) return;
  positions_->Clear(PositionOfRow(menuRow_));
  RosterEdited(rows_[static_cast<std::size_t>(menuRow_ - 1)].Slot);
}

void TUnitRosterPage::ChooseConfiguration(int index) {
  if (!positions_) return;
  if (positions_->SetConfiguration(PositionOfRow(menuRow_), index))
    RosterEdited(rows_[static_cast<std::size_t>(menuRow_ - 1)].Slot);
}

void TUnitRosterPage::OnSkillEdited(int row) {
  if (host_.Refreshing() || !positions_) return;
  const TRow& r = rows_[static_cast<std::size_t>(row - 1)];
  positions_->SetSkills(PositionOfRow(row), r.Piloting->value(), r.Gunnery->value());
  RosterEdited(r.Piloting);
}

void TUnitRosterPage::OnPilotNameEdited(int row) {
  if (host_.Refreshing() || !positions_) return;
  const QLineEdit* edit = rows_[static_cast<std::size_t>(row - 1)].PilotName;
  positions_->SetPilotName(PositionOfRow(row), edit->text().toStdString());
  changed_ = true;
}

void TUnitRosterPage::EditUnitInfo() {
  unitInfo_->SetValues(roster_.Organization, Text(roster_.Designation), Text(roster_.Affiliation),
                       Text(roster_.ParentUnit));
  if (unitInfo_->exec() == QDialog::Accepted) {
    roster_.Organization = unitInfo_->Organization();
    roster_.Designation = unitInfo_->Designation().toStdString();
    roster_.Affiliation = unitInfo_->Affiliation().toStdString();
    roster_.ParentUnit = unitInfo_->ParentUnit().toStdString();
    changed_ = true;
  }
  RefreshRoster(ui_->btnUR_Info);
}

void TUnitRosterPage::EditPilot(int row) {
  if (!positions_ || row < 1 || row > kRows) return;
  const int position = PositionOfRow(row);
  pilotInfo_->SetPilot(positions_->At(position).Pilot);
  if (pilotInfo_->exec() == QDialog::Accepted) {
    positions_->SetPilot(position, pilotInfo_->Pilot());
    changed_ = true;
  }
  RefreshRoster(rows_[static_cast<std::size_t>(row - 1)].Pilot);
}

bool TUnitRosterPage::MayReplaceRoster(const QString& title, const QString& doing) {
  if (!positions_ || positions_->FilledCount() == 0) return true;
  return AskToSave(title, "Do you wish to save this roster before " + doing + " it?");
}

bool TUnitRosterPage::MayClose() {
  return !changed_ || AskToSave("Confirm Exit", "Do you wish to save this roster before Exiting?");
}

bool TUnitRosterPage::AskToSave(const QString& title, const QString& question) {
  const auto answer = TMessageSeam::AskYesNoCancel(this, title, question);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) {
    const QString file = TFileDialogSeam::GetSaveFileName(this, RosterDialogSettings("Save Roster As"));
    return !file.isEmpty() && SaveRosterFile(file);
  }
  return true;
}

void TUnitRosterPage::RosterEdited(QObject* sender) {
  changed_ = true;
  RefreshRoster(sender);
}

void TUnitRosterPage::NewRoster() {
  if (!positions_ || !MayReplaceRoster("New Roster", "CLEARING")) return;
  positions_->ClearAll();
  rosterFile_.clear();
  changed_ = false;
  RefreshRoster(ui_->btnUR_New);
}

void TUnitRosterPage::OpenRoster() {
  if (!positions_ || !MayReplaceRoster("Open Roster", "replacing")) return;
  const QString file = TFileDialogSeam::GetOpenFileName(this, RosterDialogSettings("Open Roster"));
  if (!file.isEmpty()) OpenRosterFile(file);
}

void TUnitRosterPage::OpenRosterFile(const QString& fileName) {
  if (!positions_) return;
  const TRosterReadResult read = ReadRosterFile(FileName(fileName));
  if (!read.Ok()) {
    TMessageSeam::Error(this, Text(read.Message));
    return;
  }
  const TRosterOpenReport report = positions_->FromFileData(read.Data, FileName(fileName));
  rosterFile_ = fileName;
  changed_ = false;
  RefreshRoster(ui_->btnUR_Load);
  QStringList lines;
  for (const std::string& f : report.Missing) lines << "Missing: " + QFile::decodeName(f.c_str());
  for (const std::string& f : report.Unreadable) lines << "Not readable: " + QFile::decodeName(f.c_str());
  if (!lines.isEmpty())
    TMessageSeam::Warn(
        this, "Open Roster",
        "These design files could not be loaded; their positions are kept and shown in grey:\n" +
            lines.join('\n'));
}

void TUnitRosterPage::SaveRosterAs() {
  if (!positions_) return;
  const QString file = TFileDialogSeam::GetSaveFileName(this, RosterDialogSettings("Save Roster As"));
  if (!file.isEmpty()) SaveRosterFile(file);
}

bool TUnitRosterPage::SaveRosterFile(const QString& fileName) {
  if (!positions_) return false;
  const std::string error = WriteRosterFile(FileName(fileName), positions_->ToFileData(FileName(fileName)));
  if (!error.empty()) {
    TMessageSeam::Error(this, Text(error));
    return false;
  }
  rosterFile_ = fileName;
  changed_ = false;
  return true;
}

}  // namespace tfd
