#include "ui/main/SpecificationsPage.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>

#include "equipment/Database.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Formats.h"
#include "ui/main/DesignHost.h"
#include "ui_SpecificationsPage.h"

namespace tfd {

namespace {

// The pick lists of a window that runs without a database: no names at all.
class TNoRows final : public IQuery {
 public:
  bool Eof() const override { return true; }
  void First() override {}
  void Next() override {}
  int ColumnIndex(std::string_view) const override { return 0; }
  std::int16_t AsSmallInt(int) const override { return 0; }
  std::int64_t AsInteger(int) const override { return 0; }
  double AsFloat(int) const override { return 0.0; }
  std::string AsString(int) const override { return {}; }
  void Close() override {}
  void Open() override {}
  bool Active() const override { return false; }
};

constexpr int kIdRole = Qt::UserRole;

}  // namespace

TSpecificationsPage::TSpecificationsPage(IDesignHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::SpecificationsPage>()) {
  ui_->setupUi(this);
  setObjectName("pgSpecs");
  for (const std::string& entry : SourceEntries()) ui_->cbDate->addItem(Text(entry));
  ui_->cbWeps->setEnabled(false);

  connect(ui_->edtType, &QLineEdit::textEdited, this, [this] { edtType_Change(); });
  // Leaving the type name puts it in the title bar.
  connect(ui_->edtType, &QLineEdit::editingFinished, this, [this] {
    if (!host_.Refreshing()) host_.UpdateCaption();
  });

  // The maker boxes store what is typed at once, and what is picked.
  const std::pair<QComboBox*, int> makers[] = {
      {ui_->cbChassis, txtChassis}, {ui_->cbPowPlnt, txtPowerPlant}, {ui_->cbJJets, txtJumpJets},
      {ui_->cbArmr, txtArmor},      {ui_->cbComSys, txtComSystem},   {ui_->cbTTSys, txtTargetingSystem}};
  for (const auto& maker : makers) {
    QComboBox* box = maker.first;
    const int text = maker.second;
    connect(box->lineEdit(), &QLineEdit::textEdited, this,
            [this, box, text] { DesignText_Change(box, text); });
    connect(box, &QComboBox::textActivated, this, [this, box, text] { DesignText_Change(box, text); });
  }
  connect(ui_->cbPowPlnt, &QComboBox::textActivated, this, [this] { cbPowPlnt_Exit(); });
  connect(ui_->cbWeps, &QComboBox::textActivated, this, [this] { cbWeps_Exit(); });
  for (QComboBox* box : {ui_->cbPowPlnt, ui_->cbWeps}) {
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
  }

  connect(ui_->memoRemarks, &QPlainTextEdit::textChanged, this, [this] { memoRemarks_Change(); });
  connect(ui_->cbDate, &QComboBox::activated, this, [this](int entry) { cbDate_Change(entry); });
  connect(ui_->btnAddMfg, &QPushButton::clicked, this, [this] { btnAddMfg_Click(); });
  connect(ui_->btnChangeMfg, &QPushButton::clicked, this, [this] { btnChangeMfg_Click(); });
  connect(ui_->btnDelMfg, &QPushButton::clicked, this, [this] { btnDelMfg_Click(); });
  connect(ui_->lbMfg, &QListWidget::itemClicked, this, [this] { lbMfg_Click(); });
  // An entry chosen with the mouse or the keys; the refresh's own choice is not the user's.
  connect(ui_->lbWeps, &QListWidget::currentRowChanged, this, [this] {
    if (!host_.Refreshing()) lbWeps_Click();
  });
  connect(ui_->btnClrSpec, &QPushButton::clicked, this, [this] { btnClrSpec_Click(); });
}

TSpecificationsPage::~TSpecificationsPage() = default;

void TSpecificationsPage::SetQuery(std::unique_ptr<IQuery> query) { query_ = std::move(query); }

IQuery& TSpecificationsPage::Query() {
  if (!query_) {
    IDatabase* db = host_.Equipment() ? host_.Equipment()->Database() : nullptr;
    if (db)
      query_ = db->NewQuery();
    else
      query_ = std::make_unique<TNoRows>();
  }
  return *query_;
}

bool TSpecificationsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    if (watched == ui_->cbPowPlnt || watched == ui_->cbPowPlnt->lineEdit())
      cbPowPlnt_Exit();
    else if (watched == ui_->cbWeps || watched == ui_->cbWeps->lineEdit())
      cbWeps_Exit();
  }
  return QWidget::eventFilter(watched, event);
}

void TSpecificationsPage::Refresh(QObject* /*sender*/) {
  TMech& m = host_.Design();
  lists_.Manufacturer.Text = ui_->cbMfg->currentText().toStdString();
  lists_.Refresh(Query(), m);

  ShowList(ui_->cbChassis, lists_.Chassis, chassisShown_);
  ShowList(ui_->cbPowPlnt, lists_.PowerPlant, plantShown_);
  ShowList(ui_->cbJJets, lists_.JumpJets, jetsShown_);
  ui_->cbJJets->setEnabled(lists_.JumpJetsEnabled);
  ShowList(ui_->cbArmr, lists_.Armor, armorShown_);
  ShowList(ui_->cbComSys, lists_.ComSystem, comShown_);
  ShowList(ui_->cbTTSys, lists_.TTSystem, ttShown_);
  ShowList(ui_->cbMfg, lists_.Manufacturer, mfgShown_);

  const QString type = Text(m.Texts[txtModel]);
  if (ui_->edtType->text() != type) ui_->edtType->setText(type);
  ui_->cbDate->setCurrentIndex(SourceEntryOf(m.Source));
  ShowManufacturers();
  ShowOverview();
  ShowArmament();
}

void TSpecificationsPage::ShowList(QComboBox* box, const TPickList& list, unsigned& shownRevision) {
  if (list.Revision != shownRevision) {
    box->clear();
    for (const std::string& entry : list.Entries) box->addItem(Text(entry));
    shownRevision = list.Revision;
  }
  // An empty box offers its first entry as a hint; the text is the design's.
  box->lineEdit()->setPlaceholderText(Text(list.FirstEntry));
  if (box->currentIndex() != list.ItemIndex) box->setCurrentIndex(list.ItemIndex);
  const QString text = Text(list.Text);
  if (box->currentText() != text) box->setEditText(text);
}

void TSpecificationsPage::ShowManufacturers() {
  const std::vector<std::string>& names = host_.Design().Manufacturers;
  QListWidget* lb = ui_->lbMfg;
  bool same = lb->count() == static_cast<int>(names.size());
  for (int i = 0; same && i < lb->count(); ++i)
    same = lb->item(i)->text() == Text(names[static_cast<std::size_t>(i)]);
  if (same) return;
  lb->clear();
  for (const std::string& name : names) lb->addItem(Text(name));
}

void TSpecificationsPage::ShowOverview() {
  QStringList lines;
  for (const std::string& line : host_.Design().Overview) lines << Text(line);
  const QString text = lines.join('\n');
  if (ui_->memoRemarks->toPlainText() != text) ui_->memoRemarks->setPlainText(text);
}

void TSpecificationsPage::ShowArmament() {
  const TWeaponNameList& brands = *host_.Design().Brands;
  QListWidget* lb = ui_->lbWeps;
  // Entries are kept when the same equipment is listed, so a click under
  // way on the list is not lost to a refresh; only their texts follow.
  bool same = lb->count() == brands.Size();
  int row = 0;
  for (auto it = brands.begin(); same && it != brands.end(); ++it, ++row)
    same = lb->item(row)->data(kIdRole).toInt() == it->Id;
  if (!same) {
    lb->clear();
    for (const TWepName& e : brands) {
      auto* item = new QListWidgetItem(lb);
      item->setData(kIdRole, e.Id);
    }
  }
  row = 0;
  int chosenRow = -1;
  for (const TWepName& e : brands) {
    QListWidgetItem* item = lb->item(row);
    const QString text = Text(ArmamentEntryText(e));
    if (item->text() != text) item->setText(text);
    if (e.Id == chosenBrand_) chosenRow = row;
    ++row;
  }
  // The chosen entry stays chosen while its equipment is in the design.
  if (chosenRow < 0) {
    chosenBrand_ = -1;
    lb->setCurrentRow(-1);
    ui_->cbWeps->setEnabled(false);
    return;
  }
  if (lb->currentRow() != chosenRow) lb->setCurrentRow(chosenRow);
  lbWeps_Click();
}

void TSpecificationsPage::Reset() {
  ui_->cbMfg->setCurrentIndex(-1);
  ui_->cbMfg->setEditText({});
  ui_->cbJJets->setCurrentIndex(-1);
  chosenBrand_ = -1;
}

void TSpecificationsPage::Edited(const QString& step) {
  host_.NameStep(step);
  host_.SetModified();
}

void TSpecificationsPage::edtType_Change() {
  if (host_.Refreshing()) return;
  host_.Design().Texts[txtModel] = ui_->edtType->text().toStdString();
  Edited(tr("Edit %1").arg(BuddyCaption(*ui_->edtType)));
}

void TSpecificationsPage::DesignText_Change(QComboBox* box, int text) {
  if (host_.Refreshing()) return;
  std::string& stored = host_.Design().Texts[static_cast<std::size_t>(text)];
  const std::string typed = box->currentText().toStdString();
  if (stored == typed) return;
  stored = typed;
  Edited(tr("Edit %1").arg(BuddyCaption(*box)));
}

void TSpecificationsPage::RebuildPowerPlant() {
  TMech& m = host_.Design();
  std::string& plant = m.Texts[txtPowerPlant];
  plant = lists_.RebuildPowerPlant(ui_->cbPowPlnt->currentText().toStdString(), m);
  const QString text = Text(plant);
  if (ui_->cbPowPlnt->currentText() != text) {
    ui_->cbPowPlnt->setCurrentIndex(-1);
    ui_->cbPowPlnt->setEditText(text);
  }
}

void TSpecificationsPage::EngineChanged() {
  TMech& m = host_.Design();
  m.Texts[txtPowerPlant] = lists_.RebuildPowerPlant(m.Texts[txtPowerPlant], m);
}

void TSpecificationsPage::cbPowPlnt_Exit() {
  if (host_.Refreshing()) return;
  const std::string before = host_.Design().Texts[txtPowerPlant];
  RebuildPowerPlant();
  if (host_.Design().Texts[txtPowerPlant] != before) Edited(tr("Edit %1").arg(BuddyCaption(*ui_->cbPowPlnt)));
}

void TSpecificationsPage::memoRemarks_Change() {
  if (host_.Refreshing()) return;
  std::vector<std::string> lines;
  const QString text = ui_->memoRemarks->toPlainText();
  if (!text.isEmpty())
    for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  host_.Design().Overview = std::move(lines);
  Edited(tr("Edit %1").arg(BuddyCaption(*ui_->memoRemarks)));
}

void TSpecificationsPage::cbDate_Change(int entry) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::uint8_t source = SourceOfEntry(entry);
  if (m.Source == source) return;
  m.Source = source;
  Edited(tr("Set %1").arg(BuddyCaption(*ui_->cbDate)));
}

void TSpecificationsPage::btnAddMfg_Click() {
  host_.Design().Manufacturers.push_back(ui_->cbMfg->currentText().toStdString());
  Edited(tr("Add Manufacturer"));
  host_.RefreshPages(pgSpecs, this);
}

void TSpecificationsPage::btnChangeMfg_Click() {
  std::vector<std::string>& names = host_.Design().Manufacturers;
  const int row = ui_->lbMfg->currentRow();
  if (row < 0 || row >= static_cast<int>(names.size())) return;
  names[static_cast<std::size_t>(row)] = ui_->cbMfg->currentText().toStdString();
  Edited(tr("Change Manufacturer"));
  host_.RefreshPages(pgSpecs, this);
}

void TSpecificationsPage::btnDelMfg_Click() {
  std::vector<std::string>& names = host_.Design().Manufacturers;
  std::vector<int> rows;
  for (const QModelIndex& index : ui_->lbMfg->selectionModel()->selectedRows()) rows.push_back(index.row());
  if (rows.empty()) return;
  // From the last to the first, so the rows still to go keep their places.
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows)
    if (row < static_cast<int>(names.size())) names.erase(names.begin() + row);
  Edited(rows.size() == 1 ? tr("Delete Manufacturer") : tr("Delete Manufacturers"));
  host_.RefreshPages(pgSpecs, this);
}

void TSpecificationsPage::lbMfg_Click() {
  QListWidgetItem* item = ui_->lbMfg->currentItem();
  if (!item) return;
  ui_->cbMfg->setCurrentIndex(-1);
  ui_->cbMfg->setEditText(item->text());
}

void TSpecificationsPage::lbWeps_Click() {
  QListWidgetItem* item = ui_->lbWeps->currentItem();
  const TWepName* entry =
      item ? host_.Design().Brands->Find(static_cast<std::int16_t>(item->data(kIdRole).toInt())) : nullptr;
  if (!entry) return;
  chosenBrand_ = entry->Id;
  lists_.ShowBrands(Query(), *entry);
  ShowList(ui_->cbWeps, lists_.Brand, brandShown_);
  ui_->cbWeps->setEnabled(true);
}

void TSpecificationsPage::cbWeps_Exit() {
  if (host_.Refreshing() || chosenBrand_ < 0) return;
  TMech& m = host_.Design();
  const auto id = static_cast<std::int16_t>(chosenBrand_);
  const TWepName* entry = m.Brands->Find(id);
  if (!entry) return;
  const std::string brand = ui_->cbWeps->currentText().toStdString();
  if (entry->Brand != brand) {
    m.Brands->ChangeBrand(id, brand);
    Edited(tr("Set Weapon Brand"));
  }
  host_.RefreshPages(pgSpecs, ui_->cbWeps);
}

void TSpecificationsPage::btnClrSpec_Click() {
  ClearSpecifications(host_.Design());
  ui_->cbMfg->setCurrentIndex(-1);
  ui_->cbMfg->setEditText({});
  ui_->cbPowPlnt->setCurrentIndex(-1);
  ui_->cbPowPlnt->setEditText(Text(host_.Design().Texts[txtPowerPlant]));
  Edited(tr("Clear Specifications"));
  host_.RefreshPages(pgSpecs, this);
}

}  // namespace tfd
