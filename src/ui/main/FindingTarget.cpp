#include "ui/main/FindingTarget.h"

#include <QAbstractSpinBox>
#include <QListWidget>
#include <QTabWidget>
#include <array>

#include "model/Mech.h"
#include "rules/Validation.h"
#include "ui/main/CriticalsPage.h"
#include "ui/main/EquipmentDelegate.h"

namespace tfd {

namespace {

constexpr std::array<const char*, kLocationCount> kSlotLists = {"lbCS_H",  "lbCS_CT", "lbCS_RT", "lbCS_LT",
                                                                "lbCS_RA", "lbCS_LA", "lbCS_RL", "lbCS_LL"};
constexpr std::array<const char*, kArmorSectionCount> kArmorEdits = {
    "sedtAF_H",   "sedtAF_CT", "sedtAF_CTR", "sedtAF_RT", "sedtAF_RTR", "sedtAF_LT",
    "sedtAF_LTR", "sedtAF_RA", "sedtAF_LA",  "sedtAF_RL", "sedtAF_LL"};

void ShowTab(QWidget& window, const char* page) {
  auto* tabs = window.findChild<QTabWidget*>("pcMain");
  auto* sheet = window.findChild<QWidget*>(page);
  // Chosen as the user would: the tab change runs the rules pass and the
  // refresh of the tab, so the lists below are current.
  if (tabs && sheet) tabs->setCurrentWidget(sheet);
}

// Chooses the entry of a list that holds `item` in `role`, if one does.
void ChooseItem(QListWidget* list, const TWeapon* item, int role) {
  if (!list) return;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->data(role).value<TWeapon*>() == item) {
      list->setFocus();
      list->setCurrentRow(row);
      return;
    }
}

void ChooseSlot(QWidget& window, int location, int slot) {
  if (location < 0 || location >= kLocationCount) return;
  auto* list = window.findChild<QListWidget*>(kSlotLists[static_cast<std::size_t>(location)]);
  if (!list) return;
  list->setFocus();
  if (slot >= 1 && slot <= list->count()) list->setCurrentRow(slot - 1);
}

bool StillCarried(const TMech& m, const TWeapon* item) { return item && m.Config->Items.IndexOf(item) >= 0; }

}  // namespace

void ShowFinding(QWidget& window, const TMech& m, const TFinding& f, bool useBin) {
  const TWeapon* item = StillCarried(m, f.Item) ? f.Item : nullptr;
  switch (f.Kind) {
    case EFindingKind::Weight:
    case EFindingKind::Heat:
    case EFindingKind::Movement: ShowTab(window, "tsMain"); return;
    case EFindingKind::Armor: {
      ShowTab(window, "tsArmor");
      if (f.ArmorSection < 0 || f.ArmorSection >= kArmorSectionCount) return;
      if (auto* edit =
              window.findChild<QAbstractSpinBox*>(kArmorEdits[static_cast<std::size_t>(f.ArmorSection)]))
        edit->setFocus();
      return;
    }
    case EFindingKind::Slots:
      // An item in the BIN is chosen in the BIN list; without that list shown,
      // in the Weapons tab's list of placed items.
      if (item && item->Location == lcBin && !useBin) break;
      ShowTab(window, "tsCriticals");
      if (item && item->Location == lcBin) {
        ChooseItem(window.findChild<QListWidget*>("lbCS_BIN"), item, TCriticalsPage::kBinItemRole);
      } else if (item && item->SlotsFirst != 0) {
        ChooseSlot(window, item->SlotsFirst >> 8, item->SlotsFirst & 0xFF);
      } else {
        ChooseSlot(window, f.Location, 0);
      }
      return;
    case EFindingKind::Equipment: break;
  }
  ShowTab(window, "tsWeapons");
  if (item) ChooseItem(window.findChild<QListWidget*>("lbWepList"), item, roleItem);
}

}  // namespace tfd
