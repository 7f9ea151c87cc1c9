#include "ui/main/WeaponsPage.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QStyle>
#include <QTabWidget>

#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "rules/MenuRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "rules/TargetingComputer.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/ActuatorNotice.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui/main/EquipmentDelegate.h"
#include "ui/main/EquipmentSearch.h"
#include "ui_WeaponsPage.h"

namespace tfd {

namespace {

const TWepInfo* RecordOf(const QListWidgetItem* item) {
  return item ? item->data(roleRecord).value<const TWepInfo*>() : nullptr;
}
TWeapon* PlacedOf(const QListWidgetItem* item) {
  return item ? item->data(roleItem).value<TWeapon*>() : nullptr;
}

// Rebuilding a list selects and deselects entries; those are not the user's choices.
class Filling {
 public:
  explicit Filling(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Filling() { flag_ = was_; }
  Filling(const Filling&) = delete;
  Filling& operator=(const Filling&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

TWeaponsPage::TWeaponsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::WeaponsPage>()), host_(host) {
  ui_->setupUi(this);
  setObjectName("pgWeapons");

  categories_ = new QButtonGroup(this);
  const QToolButton* buttons[] = {ui_->btnEnergy,    ui_->btnBallistic,  ui_->btnLRM,      ui_->btnSRM,
                                  ui_->btnMiscellan, ui_->btnElectronic, ui_->btnStructure};
  for (int i = 0; i < 7; ++i) categories_->addButton(const_cast<QToolButton*>(buttons[i]), i);
  ui_->btnEnergy->setChecked(true);
  connect(categories_, &QButtonGroup::idClicked, this, [this] { OnCategoryClicked(); });
  connect(ui_->btnAmmo, &QToolButton::clicked, this, [this] { OnCategoryClicked(); });

  locations_ = new QButtonGroup(this);
  QToolButton* locs[] = {ui_->btnLoc_H,  ui_->btnLoc_CT, ui_->btnLoc_RT, ui_->btnLoc_LT,
                         ui_->btnLoc_RA, ui_->btnLoc_LA, ui_->btnLoc_RL, ui_->btnLoc_LL};
  for (int i = 0; i < kLocationCount; ++i) locations_->addButton(locs[i], i);
  connect(locations_, &QButtonGroup::idClicked, this, [this](int id) { OnLocationButton(id); });

  ui_->btnWepType->setMenu(menus.pmWepType);
  ui_->btnConfig->setMenu(menus.pmConfig);
  connect(&menus, &TComponentMenus::weaponFilterChosen, this, [this] { FillEquipmentList(); });

  CreateLocationMenu();
  ui_->btnLocation->setMenu(pmLocation_);

  const auto background = [this](EDisplayColor c) { return [this, c] { return host_.Colors()[c]; }; };
  const auto* columns =
      TEquipmentDelegate::Install(*ui_->lbWepType, TEquipmentDelegate::EKind::Equipment, background(dcEditB));
  TEquipmentDelegate::Install(*ui_->lbWepList, TEquipmentDelegate::EKind::Placed, background(dcTextB));
  TEquipmentDelegate::Install(*ui_->lbLocation, TEquipmentDelegate::EKind::Slots, background(dcTextB));
  // The headings follow the columns when the list changes width.
  connect(columns, &TEquipmentDelegate::widthChanged, this, [this] { PlaceHeadings(); });
  for (QListWidget* l : {ui_->lbWepType, ui_->lbWepList, ui_->lbLocation}) l->setUniformItemSizes(true);
  // Wide enough for every column at the font in use.
  ui_->lbWepType->setMinimumWidth(ColumnRight(ecCost, QFontMetrics(ui_->lbWepType->font())) +
                                  2 * ui_->lbWepType->frameWidth() +
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12);
  for (QToolButton* b : {ui_->btnLoc_H, ui_->btnLoc_CT, ui_->btnLoc_RT, ui_->btnLoc_LT, ui_->btnLoc_RA,
                         ui_->btnLoc_LA, ui_->btnLoc_RL, ui_->btnLoc_LL})
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

  connect(ui_->lbWepType, &QListWidget::currentItemChanged, this, [this] { SetUpEdits(); });
  connect(ui_->lbWepType, &QListWidget::itemDoubleClicked, this, [this] { AddChosenItem(); });
  connect(ui_->lbLocation, &QListWidget::itemDoubleClicked, this, [this] { AddChosenItem(); });
  connect(ui_->lbLocation, &QListWidget::currentRowChanged, this, [this] { OnSlotChosen(); });
  connect(ui_->lbWepList, &QListWidget::currentRowChanged, this, [this] { OnPlacedItemChosen(); });
  connect(ui_->btnAddWep, &QPushButton::clicked, this, [this] { AddChosenItem(); });
  connect(ui_->btnDelWep, &QPushButton::clicked, this, [this] { DeleteChosenItem(); });
  // "Auto" and "Clear" have no command: they stay visible but disabled.
  ui_->btnAutoAlloc->setEnabled(false);
  ui_->btnClearCfg->setEnabled(false);
  connect(ui_->Image3, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });
  ui_->GaugeCrits->setKind(TGauge::EKind::Bar);
  SetUpEdits();
}

// The menu of the mounting direction of the next placement.
void TWeaponsPage::CreateLocationMenu() {
  pmLocation_ = new QMenu(this);
  pmLocation_->setObjectName("pmLocation");
  auto* directions = new QActionGroup(pmLocation_);
  for (auto [caption, tag] : {std::pair{"Front", int{mmFront}}, std::pair{"Rear", int{mmRear}},
                              std::pair{"Turret", int{mmTurret}}, std::pair{"BIN", int{mmBin}}}) {
    QAction* a = pmLocation_->addAction(caption);
    a->setCheckable(true);
    a->setData(tag);
    directions->addAction(a);
    connect(a, &QAction::triggered, this, [this, a] { OnDirectionChosen(a->data().toInt()); });
  }
  connect(pmLocation_, &QMenu::aboutToShow, this, [this] {
    TMech& m = host_.Design();
    if (!host_.UseBin() && m.MountMode == mmBin) m.MountMode = mmFront;
    for (QAction* a : pmLocation_->actions()) {
      const int tag = a->data().toInt();
      a->setChecked(tag == m.MountMode);
      if (tag == mmBin) a->setVisible(host_.UseBin());
      if (tag == mmTurret) a->setEnabled(m.Config->Turret != trNone);
    }
  });
}

TWeaponsPage::~TWeaponsPage() = default;

void TWeaponsPage::PressEnergy() {
  ui_->btnEnergy->setChecked(true);
  ui_->btnAmmo->setChecked(false);
  ui_->btnAmmo->setEnabled(false);
}

int TWeaponsPage::PressedCategory() const {
  const int id = categories_->checkedId();
  return id < 0 ? catEnergy : id;
}

const TWepInfo* TWeaponsPage::ChosenRecord() const { return RecordOf(ui_->lbWepType->currentItem()); }
TWeapon* TWeaponsPage::ChosenPlacedItem() const { return PlacedOf(ui_->lbWepList->currentItem()); }

// Energy, Electronics and Structure have no ammunition: the toggle is released and disabled.
void TWeaponsPage::OnCategoryClicked() {
  const int category = PressedCategory();
  const bool hasAmmo =
      category == catBallistic || category == catLRM || category == catSRM || category == catMiscellaneous;
  if (!hasAmmo) ui_->btnAmmo->setChecked(false);
  ui_->btnAmmo->setEnabled(hasAmmo);
  FillEquipmentList();
}

void TWeaponsPage::FillEquipmentList() {
  TEquipmentLists* lists = host_.Equipment();
  TMech& m = host_.Design();
  QString chosen = ui_->lbWepType->currentItem() ? ui_->lbWepType->currentItem()->text() : QString();
  const bool ammo = ui_->btnAmmo->isChecked();
  // The ammunition toggle keeps the choice on a weapon's ammunition and back.
  if (!chosen.isEmpty()) {
    if (ammo && !chosen.startsWith('@')) chosen.prepend('@');
    if (!ammo && chosen.startsWith('@')) chosen.remove(0, 1);
  }
  {
    Filling guard(filling_);
    ui_->lbWepType->clear();
    if (lists) {
      lists->UpdateDesignDependent(m);
      const std::uint8_t filter = m.WeaponFilter;
      QListWidgetItem* again = nullptr;
      for (const TWepInfo* info :
           OfferedEquipment(*lists, static_cast<ECategory>(PressedCategory()), filter, ammo)) {
        QListWidgetItem* item = AddEquipmentEntry(*ui_->lbWepType, *info);
        if (!again && !chosen.isEmpty() && item->text() == chosen) again = item;
      }
      ui_->lbWepType->setCurrentItem(again);
    }
  }
  SetUpEdits();
  host_.RefreshPages(pgWeapons, this);
}

void TWeaponsPage::SetUpEdits() {
  for (TSpinEdit* e : {ui_->sedtNumber, ui_->sedtCriticals, ui_->sedtShots}) {
    e->setEnabled(false);
    e->setRange(0, 0);
    e->setValue(0);
    e->setSingleStep(1);
  }
  ui_->lblWepTonnage->setText(FormatFixed(0.0, 2));
  const TWepInfo* record = ChosenRecord();
  if (!record) return;
  const TWepInfoStruct& w = record->Info;
  ui_->sedtCriticals->setRange(w.Crits, w.Crits);
  ui_->sedtCriticals->setValue(w.Crits);
  ui_->lblWepTonnage->setText(FormatFixed(w.Tons, 2));
  if (w.Options & woCanSplit) {
    ui_->sedtCriticals->setEnabled(true);
    ui_->sedtCriticals->setRange(1, std::max<int>(1, w.Crits));
    ui_->sedtCriticals->setValue(w.Crits);
  }
  if (IsTargetingComputer(host_.Design(), w.SaveNum)) {
    // Shown at the size it will be placed with: that of the weapons carried now.
    const TMech& m = host_.Design();
    const double weight =
        TargetingComputerWeight(DirectFireTonnage(*m.Config, m), IsClanTargetingComputer(m, w.SaveNum));
    const int slotCount = TargetingComputerSlots(weight);
    ui_->sedtCriticals->setRange(slotCount, slotCount);
    ui_->sedtCriticals->setValue(slotCount);
    ui_->lblWepTonnage->setText(FormatFixed(weight, 2));
  }
  if (w.Options & woAppendNumber) {
    ui_->sedtNumber->setEnabled(true);
    ui_->sedtNumber->setRange(1, std::max<int>(1, w.Crits));
    ui_->sedtNumber->setValue(1);
  }
  if (IsAmmunition(w.SaveNum) && w.Damage > 0) {
    // A lot is a ton of shots; machine-gun ammunition also comes by the half ton.
    ui_->sedtShots->setEnabled(true);
    ui_->sedtShots->setSingleStep(w.Damage);
    ui_->sedtShots->setRange(w.Damage == 200 ? 100 : w.Damage, w.Damage * 12);
    ui_->sedtShots->setValue(w.Damage);
    ui_->lblWepTonnage->setText(FormatFixed(1.0, 2));
  }
}

void TWeaponsPage::AddChosenItem() {
  TMech& m = host_.Design();
  TAddRequest request;
  const TWepInfo* record = ChosenRecord();
  request.Record = record ? &record->Info : nullptr;
  request.Direction = m.MountMode;
  request.Location = m.CurrentLocation;
  request.Slot = ui_->lbLocation->currentRow() + 1;
  request.Criticals = ui_->sedtCriticals->value();
  request.Shots = ui_->sedtShots->value();
  // By the record: a search of every list offers weapons while the ammunition is shown, and the reverse.
  request.Ammunition = record && IsAmmunition(record->Info.SaveNum);
  const auto actuators = m.Config->Actuators;
  const EPlacement result = AddItem(m, request);
  if (result != EPlacement::Placed) {
    TMessageSeam::Warn(this, "Warning", Text(PlacementMessage(result)));
    return;
  }
  ReportDisplacedActuators(this, actuators, m.Config->Actuators);
  host_.NameStep(tr("Add %1").arg(QString::fromStdString(record->Info.Name)));
  host_.Recalc(rqWeights);
  host_.RefreshPages(pgWeapons, this);
  host_.SetModified();
}

void TWeaponsPage::DeleteChosenItem() {
  TWeapon* item = ChosenPlacedItem();
  if (!item) return;
  host_.NameStep(tr("Delete %1").arg(QString::fromStdString(item->Name)));
  DeleteItem(host_.Design(), item);
  host_.Recalc(rqWeights);
  host_.RefreshPages(pgWeapons, this);
  host_.SetModified();
}

// Choosing a placed item shows its location and slot.
void TWeaponsPage::OnPlacedItemChosen() {
  if (host_.Refreshing() || filling_) return;
  TWeapon* item = ChosenPlacedItem();
  if (!item) return;
  TMech& m = host_.Design();
  const int code = item->Location & ~lcSplit;  // a split item's code has no direction of its own
  m.MountMode = static_cast<std::uint8_t>(code / 8);
  m.CurrentLocation = static_cast<std::uint8_t>(code % 8);
  host_.RefreshPages(pgWeapons, this);
  const int row = (item->SlotsFirst & 0xFF) - 1;
  Filling guard(filling_);
  if (row >= 0 && row < ui_->lbLocation->count()) ui_->lbLocation->setCurrentRow(row);
}

// Choosing a slot chooses its item.
void TWeaponsPage::OnSlotChosen() {
  if (host_.Refreshing() || filling_) return;
  const TWeapon* item = PlacedOf(ui_->lbLocation->currentItem());
  Filling guard(filling_);
  for (int i = 0; i < ui_->lbWepList->count(); ++i)
    if (PlacedOf(ui_->lbWepList->item(i)) == item && item) ui_->lbWepList->setCurrentRow(i);
}

void TWeaponsPage::OnLocationButton(int location) {
  if (host_.Refreshing()) return;
  host_.Design().CurrentLocation = static_cast<std::uint8_t>(location);
  host_.RefreshPages(pgWeapons, this);
}

void TWeaponsPage::OnDirectionChosen(int direction) {
  host_.Design().MountMode = static_cast<std::uint8_t>(direction);
  host_.Recalc(rqWeights);
  host_.RefreshPages(pgWeapons, this);
}

// Head, unless its button is disabled (and not in BIN mode): then the first
// enabled of the others in body order.
void TWeaponsPage::ChooseDefaultLocation() {
  TMech& m = host_.Design();
  int chosen = -1;
  if (m.MountMode == mmBin || ui_->btnLoc_H->isEnabled()) {
    chosen = locHead;
  } else {
    for (int loc = locCenterTorso; loc < kLocationCount && chosen < 0; ++loc)
      if (locations_->button(loc)->isEnabled()) chosen = loc;
  }
  if (chosen < 0) return;
  locations_->button(chosen)->setChecked(true);
  m.CurrentLocation = static_cast<std::uint8_t>(chosen);
}

void TWeaponsPage::Refresh(QObject* sender) {
  TMech& m = host_.Design();

  // Turret mounting without a turret falls back to the front.
  if (m.MountMode == mmTurret && m.Config->Turret == trNone) m.MountMode = mmFront;
  ChooseListTechnology(m);
  if (RefreshCategories(sender)) {
    OnCategoryClicked();  // refreshes this page again, as a refresh of its own
    return;
  }

  // Configuration.
  ShowConfigButton(*ui_->btnConfig, m);

  EnableLocations(m);
  PressMountLocation(m);
  ShowCaptions(m);

  // The slots of the location (or the BIN) and the configuration's items.
  FillSlotList();
  FillPlacedList();

  ShowFreeSlots(*m.Config);
  for (QListWidget* l : {ui_->lbWepType, ui_->lbWepList, ui_->lbLocation}) l->viewport()->update();
}

// The technology of the lists: the design's own, or the one chosen where a
// Mixed or Omni design lets the user choose, within the rules level.
void TWeaponsPage::ChooseListTechnology(TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  const bool chooseTech = m.IsMixed() || m.IsOmni();
  ui_->btnWepType->setEnabled(chooseTech);
  if (!chooseTech) {
    m.WeaponFilter = lv;
  } else {
    const bool level3 = IsLevel3(lv);
    const TWeaponFilterTags tags = WeaponFilterTags(lv);
    const std::uint8_t f = m.WeaponFilter;
    if (f & (rlIS1 | rlIS2 | rlIS3))
      m.WeaponFilter = tags.InnerSphere;
    else if (f & (rlClan2 | rlClan3))
      m.WeaponFilter = tags.Clan;
    else
      m.WeaponFilter = level3 && m.IsMixed() ? std::uint8_t{rlMixed3} : tags.InnerSphere;
  }
  const std::uint8_t f = m.WeaponFilter;
  ui_->btnWepType->setText(f & (rlClan2 | rlClan3) ? "Clan" : f == rlMixed3 ? "Custom" : "Inner Sphere");
}

// The categories the rules level offers; true when the equipment list must be
// rebuilt (a tab change, or a category the level no longer offers).
bool TWeaponsPage::RefreshCategories(QObject* sender) {
  const std::uint8_t lv = host_.Design().RulesLevel;
  ui_->btnElectronic->setEnabled(CategoryOffered(host_.Design(), catElectronics));
  bool rebuild = qobject_cast<QTabWidget*>(sender) ||
                 (sender && sender->parent() && qobject_cast<QTabWidget*>(sender->parent()));
  if (lv == rlIS1 && ui_->btnElectronic->isChecked()) {
    PressEnergy();
    rebuild = true;
  }
  return rebuild;
}

// The location buttons where the next item may go.
void TWeaponsPage::EnableLocations(const TMech& m) {
  const bool quad = m.IsQuad();
  const std::uint8_t mode = m.MountMode;
  const bool frontOrRear = mode == mmFront || mode == mmRear;
  const bool turret = mode == mmTurret;
  const std::uint8_t t = m.Config->Turret;
  ui_->btnLoc_H->setEnabled(frontOrRear || (turret && t == trHead));
  for (QToolButton* b : {ui_->btnLoc_CT, ui_->btnLoc_RL, ui_->btnLoc_LL}) b->setEnabled(frontOrRear);
  ui_->btnLoc_RT->setEnabled(frontOrRear || (turret && (t == trRightTorso || t == trDualTorso)));
  ui_->btnLoc_LT->setEnabled(frontOrRear || (turret && (t == trLeftTorso || t == trDualTorso)));
  const bool armless = m.MiscFlags & mfArmless;
  for (QToolButton* b : {ui_->btnLoc_RA, ui_->btnLoc_LA})
    b->setEnabled(!armless && (mode == mmFront || (mode == mmRear && quad)));
}

// The BIN, or a location that can take the item.
void TWeaponsPage::PressMountLocation(TMech& m) {
  if (!host_.UseBin() && m.MountMode == mmBin) m.MountMode = mmFront;
  const bool binMode = m.MountMode == mmBin;
  if (binMode) {
    ui_->btnLoc_H->setChecked(true);
  } else {
    QAbstractButton* pressed = locations_->button(std::clamp<int>(m.CurrentLocation, 0, 7));
    pressed->setChecked(true);
    if (!pressed->isEnabled()) ChooseDefaultLocation();
  }
}

// The captions of the mounting and the locations, and the column headings.
void TWeaponsPage::ShowCaptions(const TMech& m) {
  const bool quad = m.IsQuad();
  const bool binMode = m.MountMode == mmBin;
  ui_->btnLocation->setText(QString("Location (%1)").arg(Text(MountModeName(m.MountMode))));
  ui_->lblLocation->setText(binMode ? QString("BIN") : Text(LocationName(m.CurrentLocation, quad)));
  for (int loc = locRightArm; loc <= locLeftLeg; ++loc)
    locations_->button(loc)->setText(Text(LocationName(loc, quad)));

  // Column headings; ammunition shows only its name, shots, battle value and cost.
  const bool ammo = ui_->btnAmmo->isChecked();
  ui_->lblWep5->setText(ammo ? "Shots per Ton" : "Dmg");
  for (QLabel* l : {ui_->lblWep2, ui_->lblWep3, ui_->lblWep4, ui_->lblWep6, ui_->lblWep7, ui_->lblWep8,
                    ui_->lblWep9, ui_->lblWep11})
    l->setVisible(!ammo);
  PlaceHeadings();
}

// The gauge of the configuration's free slots, out of all it has.
void TWeaponsPage::ShowFreeSlots(const TConfiguration& c) {
  int total = 0, used = 0;
  for (int loc = 0; loc < kLocationCount; ++loc) {
    const int n = c.Crits.UsableSlots(loc);
    total += n;
    for (int s = 1; s <= n; ++s) used += c.Crits.SlotAt(loc, s).Code != ciEmpty;
  }
  SetGauge(*ui_->GaugeCrits, total, total - used, host_.Colors()[dcGaugeN], host_.Colors()[dcGaugeE]);
  ui_->GaugeCrits->setTextKind(TGauge::EText::Value);
}

void TWeaponsPage::PlaceHeadings() {
  const QFontMetrics fm(ui_->lbWepType->font());
  const int origin = ui_->lbWepType->geometry().left() - ui_->pnlWepHeader->geometry().left() +
                     ui_->lbWepType->frameWidth() + 2;
  const int textWidth = EntryTextWidth(*ui_->lbWepType);
  const std::pair<QLabel*, EEquipmentColumn> columns[] = {
      {ui_->lblWep2, ecTons},     {ui_->lblWep3, ecSlots}, {ui_->lblWep4, ecHeat},   {ui_->lblWep5, ecDamage},
      {ui_->lblWep6, ecMin},      {ui_->lblWep7, ecShort}, {ui_->lblWep8, ecMedium}, {ui_->lblWep9, ecLong},
      {ui_->lblWep11, ecExtreme}, {ui_->lblWep10, ecBV},   {ui_->lblWep12, ecCost}};
  ui_->lblWep1->adjustSize();
  ui_->lblWep1->move(origin, 0);
  for (auto [label, column] : columns) {
    label->adjustSize();
    label->move(origin + ColumnRight(column, fm, textWidth) - label->width(), 0);
  }
}

void TWeaponsPage::FillSlotList() {
  TMech& m = host_.Design();
  const TConfiguration& c = *m.Config;
  const bool binMode = m.MountMode == mmBin;
  const int shows = binMode ? -2 : m.CurrentLocation;
  const int row = ui_->lbLocation->currentRow();
  Filling guard(filling_);
  ui_->lbLocation->clear();
  if (binMode) {
    for (const auto& item : c.Items) {
      if (!(item->Location & lcBin)) continue;
      auto* entry = new QListWidgetItem(
          QString::fromStdString(CritName(item->SaveNum, m.IsQuad(), *m.Equipment)), ui_->lbLocation);
      if (entry->text().isEmpty()) entry->setText(QString::fromStdString(item->Name));
      entry->setData(roleItem, QVariant::fromValue(item.get()));
      entry->setData(roleSlot, 0);
    }
  } else {
    const int n = c.Crits.UsableSlots(m.CurrentLocation);
    for (int s = 1; s <= n; ++s) {
      const TSlot slot = c.Crits.SlotAt(m.CurrentLocation, s);
      QString text = QString::fromStdString(CritName(slot.Code, m.IsQuad(), *m.Equipment));
      if (text.isEmpty() && slot.Item) text = QString::fromStdString(slot.Item->Abbrev);  // custom items
      auto* entry = new QListWidgetItem(text, ui_->lbLocation);
      entry->setData(roleSlot, s);
      entry->setData(roleItem, QVariant::fromValue(slot.Item));
      entry->setData(roleRear, slot.Item && (slot.Item->Location & lcRear) != 0);
    }
  }
  if (shows == slotListLocation_ && row < ui_->lbLocation->count()) ui_->lbLocation->setCurrentRow(row);
  slotListLocation_ = shows;
}

void TWeaponsPage::FillPlacedList() {
  TMech& m = host_.Design();
  const TWeapon* chosen = ChosenPlacedItem();
  Filling guard(filling_);
  ui_->lbWepList->clear();
  for (const auto& item : m.Config->Items) {
    auto* entry = new QListWidgetItem(QString::fromStdString(item->Name), ui_->lbWepList);
    entry->setData(roleItem, QVariant::fromValue(item.get()));
    entry->setData(roleLocationText, QString::fromStdString(m.LocationAbbrev(item->Location)));
    if (item.get() == chosen) ui_->lbWepList->setCurrentItem(entry);
  }
}

}  // namespace tfd
