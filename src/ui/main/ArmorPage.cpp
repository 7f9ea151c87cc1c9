#include "ui/main/ArmorPage.h"

#include "model/Enums.h"
#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/RulesPass.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/main/ArmorBody.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui/main/SpinText.h"
#include "ui_ArmorPage.h"

namespace tfd {

namespace {
constexpr int kNone = -1;
constexpr int kHeadArmor = 9;
}  // namespace

TArmorPage::TArmorPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ArmorPage>()), host_(host) {
  ui_->setupUi(this);
  setObjectName("pgArmor");
  ArrangeArmorBody(*this);
  sections_ = {{
      {ui_->sedtAF_H, asHead, kNone, kNone, 0, bsHead, 1, 1},
      {ui_->sedtAF_CT, asCenterTorso, asCenterTorsoRear, kNone, 0, bsCenterTorso, 2, 2},
      {ui_->sedtAF_CTR, asCenterTorsoRear, asCenterTorso, kNone, 0, bsCenterTorso, 2, 2},
      {ui_->sedtAF_RT, asRightTorso, asRightTorsoRear, asLeftTorso, 1, bsSideTorso, 3, 9},
      {ui_->sedtAF_RTR, asRightTorsoRear, asRightTorso, asLeftTorsoRear, 2, bsSideTorso, 3, 9},
      {ui_->sedtAF_LT, asLeftTorso, asLeftTorsoRear, asRightTorso, 1, bsSideTorso, 4, 9},
      {ui_->sedtAF_LTR, asLeftTorsoRear, asLeftTorso, asRightTorsoRear, 2, bsSideTorso, 4, 9},
      {ui_->sedtAF_RA, asRightArm, kNone, asLeftArm, 4, bsArm, 5, 10},
      {ui_->sedtAF_LA, asLeftArm, kNone, asRightArm, 4, bsArm, 6, 10},
      {ui_->sedtAF_RL, asRightLeg, kNone, asLeftLeg, 8, bsLeg, 7, 11},
      {ui_->sedtAF_LL, asLeftLeg, kNone, asRightLeg, 8, bsLeg, 8, 11},
  }};
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const TArmorSection& s = sections_[i];
    s.Edit->setProperty("tag", static_cast<int>(i) + 1);
    connect(EditorOf(*s.Edit), &QLineEdit::textChanged, this, [this, &s] { OnArmorEdited(s); });
    connect(s.Edit, &TSpinEdit::focusIn, this, [this, &s] { OnArmorFocus(s, true); });
    connect(s.Edit, &TSpinEdit::focusOut, this, [this, &s] { OnArmorFocus(s, false); });
  }

  // The armour type buttons share one menu; the one that has the focus (or is
  // down while the menu shows) is its target.
  armorButtons_ = {ui_->btnArmrType, ui_->btnArmr_H,   ui_->btnArmr_CT, ui_->btnArmr_CTR,
                   ui_->btnArmr_RT,  ui_->btnArmr_RTR, ui_->btnArmr_LT, ui_->btnArmr_LTR,
                   ui_->btnArmr_RA,  ui_->btnArmr_LA,  ui_->btnArmr_RL, ui_->btnArmr_LL};
  for (std::size_t i = 0; i < armorButtons_.size(); ++i) {
    TDropButton* b = armorButtons_[i];
    b->setTag(static_cast<int>(i) + 1);
    b->setMenu(menus.pmArmor);
    connect(b, &TDropButton::focused, this, [b, &menus] { menus.SetArmorTarget(b->tag()); });
  }

  const std::pair<QCheckBox*, int> mirrors[] = {
      {ui_->chkEQ_ST, 1}, {ui_->chkEQ_STR, 2}, {ui_->chkEQ_A, 4}, {ui_->chkEQ_L, 8}};
  for (auto [box, bit] : mirrors)
    connect(box, &QCheckBox::clicked, this, [this, bit = bit] { OnMirrorClicked(bit); });

  for (TSpinEdit* e : {ui_->sedtTorsoRatioF, ui_->sedtTorsoRatioR}) {
    connect(EditorOf(*e), &QLineEdit::textChanged, this, [this, e] { OnRatioEdited(e); });
    connect(e, &TSpinEdit::focusOut, this, [this, e] {
      if (!e->textEmpty()) return;
      e->setValue(1);  // an emptied ratio is put back to 1 and stored
      OnRatioEdited(e);
    });
  }

  const std::pair<QPushButton*, int> presets[] = {{ui_->btnArmrClear, 0},
                                                  {ui_->btnArmr25, 25},
                                                  {ui_->btnArmr50, 50},
                                                  {ui_->btnArmr75, 75},
                                                  {ui_->btnArmrFull, 100}};
  for (auto [button, percent] : presets)
    connect(button, &QPushButton::clicked, this, [this, percent = percent] { OnPreset(percent); });
  connect(ui_->Image2, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });
  NameSections();
}

TArmorPage::~TArmorPage() = default;

void TArmorPage::ClearDiagramHighlight() { ui_->imgOwens->setPicture(0); }

int TArmorPage::PressedArmorButton() const {
  for (TDropButton* b : armorButtons_)
    if (b->isDown()) return b->tag();
  return 0;
}

void TArmorPage::OnArmorEdited(const TArmorSection& s) {
  if (host_.Refreshing() || presetInProgress_) return;
  const std::optional<int> typed = TypedValue(*s.Edit);
  if (!typed) return;
  TMech& m = host_.Design();
  const auto before = m.Armor;
  auto& a = m.Armor;
  const auto value = static_cast<std::uint8_t>(*typed);
  a[static_cast<std::size_t>(s.Section)] = value;
  if (s.Mirror != kNone && (m.ArmorMirror & s.MirrorBit)) a[static_cast<std::size_t>(s.Mirror)] = value;
  if (s.Pair != kNone) {
    // Front plus rear may not exceed twice the structure: the other member
    // gives a point, or, when it has none, the member just edited.
    const int limit = 2 * m.Structure[static_cast<std::size_t>(s.Structure)];
    auto& self = a[static_cast<std::size_t>(s.Section)];
    auto& other = a[static_cast<std::size_t>(s.Pair)];
    if (self + other > limit) {
      if (other > 0)
        --other;
      else if (self > 0)
        --self;
    }
  }
  host_.Recalc(rqArmor);
  host_.RefreshPages(pgArmor, s.Edit);
  if (m.Armor == before) return;
  host_.NameStep(tr("Set %1").arg(s.Edit->accessibleName()));
  host_.SetModified();
}

void TArmorPage::OnArmorFocus(const TArmorSection& s, bool in) {
  if (in) {
    const bool equalised = s.MirrorBit != 0 && (host_.Design().ArmorMirror & s.MirrorBit);
    ui_->imgOwens->setPicture(equalised ? s.EqualisedPicture : s.Picture);
    return;
  }
  // An emptied edit means no armour: it is put back to 0 and stored.
  if (s.Edit->textEmpty()) {
    s.Edit->setValue(0);
    OnArmorEdited(s);
  }
  ui_->imgOwens->setPicture(0);
}

void TArmorPage::OnMirrorClicked(int bit) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  m.ArmorMirror = static_cast<std::uint8_t>(m.ArmorMirror ^ bit);
  UpdateTabOrder();
  host_.Recalc(rqArmor);
  host_.RefreshPages(pgArmor, this);
  const char* boxName = bit == 1 ? "chkEQ_ST" : bit == 2 ? "chkEQ_STR" : bit == 4 ? "chkEQ_A" : "chkEQ_L";
  if (const auto* box = findChild<QCheckBox*>(boxName))
    host_.NameStep(tr("Toggle Equalize %1").arg(box->text().remove('&')));
  host_.SetModified();
}

void TArmorPage::OnRatioEdited(TSpinEdit* edit) {
  if (host_.Refreshing()) return;
  const std::optional<int> v = TypedValue(*edit);
  if (!v) return;
  TMech& m = host_.Design();
  std::uint8_t& field = edit == ui_->sedtTorsoRatioF ? m.TorsoRatioFront : m.TorsoRatioRear;
  const std::uint8_t before = field;
  field = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqArmor);
  host_.RefreshPages(pgArmor, edit);
  if (field == before) return;
  host_.NameStep(tr("Set %1").arg(edit->accessibleName()));
  host_.SetModified();
}

// A preset that changes the armour is one step, and marks the design
// modified as any other edit does: leaving it unmarked would let the design
// be closed without the save question.
void TArmorPage::OnPreset(int percent) {
  TMech& m = host_.Design();
  const auto before = m.Armor;
  presetInProgress_ = true;
  DistributeArmor(m, percent);
  host_.Recalc(rqArmor);
  host_.RefreshPages(pgArmor, this);
  presetInProgress_ = false;
  if (m.Armor == before) return;
  host_.NameStep(tr("Armor Preset %1%").arg(percent));
  host_.SetModified();
}

// The armour edits and type buttons are named after their section's caption,
// which follows the body shape ("Right Front Leg"), so a screen reader says
// which section an edit holds.
void TArmorPage::NameSections() {
  const QLabel* captions[] = {ui_->lblArmr_H,  ui_->lblArmr_CT, ui_->lblArmr_CT, ui_->lblArmr_RT,
                              ui_->lblArmr_RT, ui_->lblArmr_LT, ui_->lblArmr_LT, ui_->lblArmr_RA,
                              ui_->lblArmr_LA, ui_->lblArmr_RL, ui_->lblArmr_LL};
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const TArmorSection& s = sections_[i];
    QString section = captions[i]->text().remove('&');
    if (s.Pair != kNone)
      section +=
          s.Section == asCenterTorsoRear || s.Section == asRightTorsoRear || s.Section == asLeftTorsoRear
              ? tr(" Rear")
              : tr(" Front");
    s.Edit->setAccessibleName(tr("%1 Armor").arg(section));
    armorButtons_[i + 1]->setAccessibleName(tr("%1 Armor Type").arg(section));
  }
  armorButtons_[0]->setAccessibleName(tr("Armor Type"));
  ui_->sedtTorsoRatioF->setAccessibleName(tr("Front Torso Ratio"));
  ui_->sedtTorsoRatioR->setAccessibleName(tr("Rear Torso Ratio"));
}

// The left-hand edit of an equalised pair leaves the tab order (it follows
// its right-hand twin) but stays clickable.
void TArmorPage::UpdateTabOrder() {
  const std::uint8_t mirror = host_.Design().ArmorMirror;
  const std::pair<TSpinEdit*, int> left[] = {
      {ui_->sedtAF_LT, 1}, {ui_->sedtAF_LTR, 2}, {ui_->sedtAF_LA, 4}, {ui_->sedtAF_LL, 8}};
  for (auto [edit, bit] : left) edit->setFocusPolicy((mirror & bit) ? Qt::ClickFocus : Qt::StrongFocus);
}

void TArmorPage::Refresh(QObject* sender) {
  TMech& m = host_.Design();

  // Turret mounting without a turret falls back to the front.
  if (m.MountMode == mmTurret && m.Config->Turret == trNone) m.MountMode = mmFront;
  ShowValuesAndTotals(m);
  // Typing armour values does not rebuild the rest of the page.
  if (qobject_cast<QAbstractSpinBox*>(sender)) return;
  ShowArmorTypes(m);
  ShowStructureAndEqualising(m);
  ShowBodyShape(m);
}

// The eleven values, each edit limited as the armour rules limit it, and the
// totals with their gauge.
void TArmorPage::ShowValuesAndTotals(const TMech& m) {
  const bool armless = m.MiscFlags & mfArmless;
  for (const TArmorSection& s : sections_) {
    int maximum = 2 * m.Structure[static_cast<std::size_t>(s.Structure)];
    if (s.Section == asHead) maximum = kHeadArmor;
    if (armless && s.Structure == bsArm) maximum = 0;
    SetRangeAndValue(*s.Edit, 0, maximum, m.Armor[static_cast<std::size_t>(s.Section)]);
  }

  // Totals and the gauge.
  ui_->lblArmrTng->setText(FormatTonnage(m.Weights[wArmor], m.RulesLevel));
  ui_->lblArmrPtsMax->setText(QString::number(m.MaxArmor));
  ui_->lblArmrPtsTotal->setText(QString::number(m.ArmorFactor));
  ui_->lblArmrPtsUsd->setText(QString::number(m.ArmorPoints));
  const TDisplayColors& colors = host_.Colors();
  SetGauge(*ui_->GaugeArmr, m.MaxArmor, m.ArmorPoints, colors[dcGaugeN], colors[dcGaugeE]);
}

// The design's armour type and, for patchwork, each section's.
void TArmorPage::ShowArmorTypes(const TMech& m) {
  ui_->btnArmrType->setText(QString::fromStdString(m.ArmorTypeName(m.ArmorType, false)));
  ui_->btnArmrType->setEnabled(m.RulesLevel != rlIS1);
  for (std::size_t tag = 2; tag <= 12; ++tag) {
    TDropButton* b = armorButtons_[tag - 1];
    b->setEnabled(m.ArmorType == atPatchwork);
    b->setText(QString::fromStdString(m.ArmorTypeName(
        m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(static_cast<int>(tag)))], true)));
  }
}

// The internal structure of each location, the equalising boxes and the
// torso ratio.
void TArmorPage::ShowStructureAndEqualising(const TMech& m) {
  const std::pair<QLabel*, int> structure[] = {{ui_->lblIS_H, bsHead},       {ui_->lblIS_CT, bsCenterTorso},
                                               {ui_->lblIS_RT, bsSideTorso}, {ui_->lblIS_LT, bsSideTorso},
                                               {ui_->lblIS_RA, bsArm},       {ui_->lblIS_LA, bsArm},
                                               {ui_->lblIS_RL, bsLeg},       {ui_->lblIS_LL, bsLeg}};
  for (auto [label, index] : structure)
    label->setText(QString::number(m.Structure[static_cast<std::size_t>(index)]));

  // Equalising.
  ui_->chkEQ_ST->setChecked(m.ArmorMirror & 1);
  ui_->chkEQ_STR->setChecked(m.ArmorMirror & 2);
  ui_->chkEQ_A->setChecked(m.ArmorMirror & 4);
  ui_->chkEQ_L->setChecked(m.ArmorMirror & 8);
  UpdateTabOrder();
  SetRangeAndValue(*ui_->sedtTorsoRatioF, 1, 10, m.TorsoRatioFront);
  SetRangeAndValue(*ui_->sedtTorsoRatioR, 1, 10, m.TorsoRatioRear);
}

// Limb names follow the body shape; no arms, no arm armour.
void TArmorPage::ShowBodyShape(const TMech& m) {
  const bool quad = m.IsQuad();
  // The names change with the shape only, not on every keystroke.
  const bool reshaped = ui_->imgOwens->quad() != quad;
  ui_->lblArmr_RA->setText(quad ? "Right Front Leg" : "Right Arm");
  ui_->lblArmr_LA->setText(quad ? "Left Front Leg" : "Left Arm");
  ui_->lblArmr_RL->setText(quad ? "Right Rear Leg" : "Right Leg");
  ui_->lblArmr_LL->setText(quad ? "Left Rear Leg" : "Left Leg");
  ui_->imgOwens->setQuad(quad);
  if (reshaped) NameSections();

  const bool armless = m.MiscFlags & mfArmless;
  for (QWidget* w : {static_cast<QWidget*>(ui_->lblArmr_RA), static_cast<QWidget*>(ui_->lblArmr_LA),
                     static_cast<QWidget*>(ui_->lblIS_RA), static_cast<QWidget*>(ui_->lblIS_LA),
                     static_cast<QWidget*>(ui_->sedtAF_RA), static_cast<QWidget*>(ui_->sedtAF_LA)})
    w->setEnabled(!armless);
  if (armless) {
    ui_->btnArmr_RA->setEnabled(false);
    ui_->btnArmr_LA->setEnabled(false);
  }
}

}  // namespace tfd
