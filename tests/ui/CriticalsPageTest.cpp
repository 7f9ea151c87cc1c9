// The Critical Sheet as a user meets it: the real main window offscreen,
// controls found by name, drags sent as the events a drag delivers, and after
// every step a check that the slot grid and the item lists still agree.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <map>
#include <set>

#include "WindowTestKit.h"
#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/CriticalsPage.h"
#include "ui/main/TfrmTFD.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/Gauge.h"

using namespace tfd;

namespace {

// IS equipment rows by their save identifiers.
constexpr int kMediumLaser = 102;   // 1 slot
constexpr int kGauss = 305;         // 7 slots, may be split
constexpr int kCustomLaser = 2300;  // custom: no abbreviation from the table

class CriticalSheet : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    page = window->CriticalsPage();
  }

  TConfiguration& Config() { return *Design().Config; }
  TSlotList* List(int location) { return page->List(location); }
  QStringList Rows(int location) {
    QStringList rows;
    for (int i = 0; i < List(location)->count(); ++i) rows << List(location)->item(i)->text();
    return rows;
  }

  // Chooses a menu entry as a user does, then shows the sheet again.
  void Choose(const char* menuName, const QString& caption) {
    TWindowTest::Choose(menuName, caption);
    ShowSheet();
  }
  void Click(const char* button) { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }
  void ShowSheet() {
    auto* tabs = Find<QTabWidget>("pcMain");
    tabs->setCurrentWidget(Find<QWidget>("tsMain"));
    tabs->setCurrentWidget(Find<QWidget>("tsCriticals"));
  }
  void Refresh() { window->RefreshPages(pgCriticals, nullptr); }
  // A rules level set as a loaded design would carry it: the design is not modified.
  void SetLevel(std::uint8_t level) {
    Design().RulesLevel = level;
    window->Recalc(rqAll);
    ShowSheet();
    ASSERT_FALSE(window->Modified());
  }

  TWeapon* Place(int saveNum, int location, int slot, std::uint8_t direction = mmFront, int criticals = 0) {
    const TWepInfo* row = window->Equipment()->BySaveNum(saveNum);
    EXPECT_NE(row, nullptr) << saveNum;
    if (!row) return nullptr;
    TAddRequest r;
    r.Record = &row->Info;
    r.Direction = direction;
    r.Location = location;
    r.Slot = slot;
    r.Criticals = criticals > 0 ? criticals : row->Info.Crits;
    TWeapon* placed = nullptr;
    EXPECT_EQ(AddItem(Design(), r, &placed), EPlacement::Placed) << saveNum;
    window->Recalc(rqWeights);
    Refresh();
    return placed;
  }

  // The centre of a row, in the coordinates drag events arrive in.
  QPoint RowCentre(TSlotList* list, int row) { return list->visualItemRect(list->item(row)).center(); }

  // A drag that enters a list and moves over `row`; whether the list takes
  // it there. The list it entered last receives the drop, until it is left.
  bool Enter(TSlotList* target, int row, const QMimeData& mime) {
    const QPoint at = RowCentre(target, row);
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &move);
    // A drag of ours is welcome on entering; only its moves are judged by row.
    if (move.isAccepted()) {
      EXPECT_TRUE(enter.isAccepted());
    }
    return move.isAccepted();
  }
  void Leave(TSlotList* target) {
    QDragLeaveEvent leave;
    QApplication::sendEvent(target->viewport(), &leave);
  }
  bool DragOver(TSlotList* target, int row, const QMimeData& mime) {
    const bool accepted = Enter(target, row, mime);
    Leave(target);
    return accepted;
  }
  bool DropAt(TSlotList* target, int row, const QMimeData& mime) {
    QDropEvent drop(RowCentre(target, row), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &drop);
    return drop.isAccepted();
  }
  // Drags `item` out of `from` and drops it on `row` of `to` if the list takes it there.
  bool Drag(TWeapon* item, TSlotList* from, TSlotList* to, int row) {
    std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(item, *from));
    if (!Enter(to, row, *mime)) {
      Leave(to);
      return false;
    }
    const bool dropped = DropAt(to, row, *mime);
    EXPECT_TRUE(dropped);
    return dropped;
  }

  void ClickRow(TSlotList* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, row));
  }

  ::testing::AssertionResult Consistent() { return GridConsistent(Design()); }

  TCriticalsPage* page = nullptr;
};

TEST_F(CriticalSheet, ListsShowTheSlotsAndFitThem) {
  ShowSheet();
  EXPECT_EQ(Rows(locHead),
            QStringList({"Life Support", "Sensors", "Cockpit", "", "Sensors", "Life Support"}));
  EXPECT_EQ(Rows(locCenterTorso), QStringList({"Engine", "Engine", "Engine", "Gyro", "Gyro", "Gyro", "Gyro",
                                               "Engine", "Engine", "Engine", "", ""}));
  EXPECT_EQ(Rows(locRightArm).mid(0, 5),
            QStringList({"Shoulder", "Upper Arm Act", "Lower Arm Act", "Hand Actuator", ""}));
  EXPECT_EQ(Rows(locLeftLeg),
            QStringList({"Hip", "Upper Leg Act", "Lower Leg Act", "Foot Actuator", "", ""}));
  auto* slotGauge = Find<TGauge>("GuageCritCrits");
  EXPECT_EQ(slotGauge->maximum(), 78);
  EXPECT_EQ(slotGauge->progress(), 47);

  // Every slot is visible without scrolling, and each armour button sits beside its row.
  for (int loc = 0; loc < kLocationCount; ++loc) {
    TSlotList* list = List(loc);
    const int rows = list->count();
    EXPECT_EQ(list->height(), rows * list->RowHeight() + 2 * list->frameWidth()) << loc;
    EXPECT_LE(list->visualItemRect(list->item(rows - 1)).bottom(), list->viewport()->height()) << loc;
    for (int slot = 1; slot <= rows; ++slot) {
      QToolButton* b = page->SlotButton(loc, slot);
      ASSERT_NE(b, nullptr);
      const int rowTop =
          list->viewport()->mapTo(page, list->visualItemRect(list->item(slot - 1)).topLeft()).y();
      EXPECT_EQ(b->mapTo(page, QPoint(0, 0)).y(), rowTop) << loc << "/" << slot;
      EXPECT_EQ(b->text(), QString::number((slot - 1) % 6 + 1));
    }
  }

  // Equipment shows its abbreviation; a custom item, which the table has none
  // for, its own, and its slot is taken all the same.
  Place(kMediumLaser, locRightArm, 5);
  Place(kCustomLaser, locLeftTorso, 3);
  Place(kGauss, locRightTorso, 2);
  EXPECT_EQ(Rows(locRightArm)[4], "MedLaser");
  EXPECT_EQ(Rows(locLeftTorso)[2], "ProtoMedLaser");
  EXPECT_FALSE(MayDropOnSlot(Config(), locLeftTorso, 3));
  EXPECT_EQ(Rows(locRightTorso).mid(0, 9), QStringList({""}) + QStringList(7, "Gauss") + QStringList({""}));
  EXPECT_EQ(slotGauge->progress(), 47 - 9);
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, CaseStepsThroughTheKindsOfTheRulesLevel) {
  ShowSheet();
  for (const char* b : {"btnCASE_H", "btnCASE_CT", "btnCASE_RA"})
    EXPECT_FALSE(Find<QToolButton>(b)->isEnabled()) << b;  // Inner Sphere Level 1
  SetLevel(rlIS2);
  EXPECT_TRUE(Find<QToolButton>("btnCASE_LT")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("btnCASE_H")->isEnabled());
  Click("btnCASE_LT");
  EXPECT_EQ(Text("lblCS_LT"), "LT (CASE)");
  EXPECT_EQ(Rows(locLeftTorso)[0], "CASE");
  EXPECT_EQ(Text("lblCASETng"), "0.5");
  EXPECT_TRUE(window->Modified());
  Click("btnCASE_LT");  // no CASE II at Level 2
  EXPECT_EQ(Text("lblCS_LT"), "Left Torso");
  EXPECT_EQ(Text("lblCASETng"), "0.0");

  // A Mixed design tells the technologies apart; the head never takes the
  // torsos' Inner Sphere CASE.
  Choose("pmTech", "Mixed/Custom Level 3");
  const QStringList centre = {"CT (iCASE)", "CT (iCASE II)", "CT (cCASE)", "CT (cCASE II)", "Center Torso"};
  const QStringList weights = {"0.5", "1.0", "0.0", "0.5", "0.0"};
  for (int i = 0; i < centre.size(); ++i) {
    Click("btnCASE_CT");
    EXPECT_EQ(Text("lblCS_CT"), centre[i]);
    EXPECT_EQ(Text("lblCASETng"), weights[i]);
  }
  Click("btnCASE_H");
  EXPECT_EQ(Text("lblCS_H"), "Head (iCASE II)");
  EXPECT_EQ(Rows(locHead)[3], "CASE II");
  // A design file may carry the torsos' kind in the head; the heading tells
  // what the design weighs, never what it showed before.
  Config().CaseKind[locHead] = caseIS;
  window->Recalc(rqCase);
  Refresh();
  EXPECT_EQ(Text("lblCS_H"), "Head (iCASE)");
  EXPECT_TRUE(Consistent());

  // No room: each kind that needs a slot is passed over, then the refusal.
  for (int slot = 1; slot <= 12; ++slot) Place(kMediumLaser, locLeftTorso, slot);
  Click("btnCASE_LT");
  EXPECT_EQ(Text("lblCS_LT"), "LT (cCASE)");  // Clan CASE takes no slot
  Click("btnCASE_LT");
  EXPECT_EQ(TMessageSeam::Shown(), QStringList({"Warning|Location is full."}));
  EXPECT_EQ(Text("lblCS_LT"), "Left Torso");
  EXPECT_TRUE(Consistent());

  // A quad's limbs are legs, with six slots.
  Choose("pmOptions", "Quad");
  EXPECT_EQ(Text("lblCS_RA"), "Right Front Leg");
  EXPECT_EQ(Text("lblCS_LL"), "Left Rear Leg");
  EXPECT_EQ(Rows(locRightArm)[0], "Hip");
  EXPECT_EQ(List(locRightArm)->count(), 6);
  EXPECT_FALSE(page->SlotButton(locRightArm, 7)->isVisible());
  Click("btnCASE_RA");
  Click("btnCASE_RA");
  EXPECT_EQ(Text("lblCS_RA"), "RFL (cCASE)");
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, ArmouredComponents) {
  ShowSheet();
  EXPECT_FALSE(page->SlotButton(locCenterTorso, 1)->isEnabled());  // Level 3 only
  SetLevel(rlIS3);
  ASSERT_TRUE(page->SlotButton(locCenterTorso, 1)->isEnabled());

  // Armouring a free slot does nothing and changes nothing.
  QTest::mouseClick(page->SlotButton(locLeftTorso, 1), Qt::LeftButton);
  EXPECT_FALSE(page->SlotButton(locLeftTorso, 1)->isChecked());
  EXPECT_FALSE(window->Modified());

  // An item is armoured in all its slots: the engine in six, half a ton each.
  QTest::mouseClick(page->SlotButton(locCenterTorso, 2), Qt::LeftButton);
  EXPECT_EQ(Text("lblArmrCptTng"), "3.0");
  for (int slot : {1, 3, 8, 10}) EXPECT_TRUE(page->SlotButton(locCenterTorso, slot)->isChecked()) << slot;
  EXPECT_FALSE(page->SlotButton(locCenterTorso, 4)->isChecked());
  EXPECT_NE(List(locCenterTorso)->item(7)->background(), List(locCenterTorso)->item(3)->background());
  EXPECT_TRUE(window->Modified());
  // An actuator alone; the cockpit a full ton.
  QTest::mouseClick(page->SlotButton(locRightArm, 2), Qt::LeftButton);
  EXPECT_FALSE(page->SlotButton(locLeftArm, 2)->isChecked());
  QTest::mouseClick(page->SlotButton(locHead, 3), Qt::LeftButton);
  EXPECT_EQ(Text("lblArmrCptTng"), "4.5");
  const double free = Design().Weights[wFree];
  QTest::mouseClick(page->SlotButton(locCenterTorso, 9), Qt::LeftButton);  // off again
  EXPECT_EQ(Text("lblArmrCptTng"), "1.5");
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], free + 3.0);
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, HandAndLowerArmGoTogether) {
  ShowSheet();
  auto* lower = Find<QCheckBox>("chkRA_LAA");
  auto* hand = Find<QCheckBox>("chkRA_HA");
  ASSERT_TRUE(lower->isEnabled() && lower->isChecked() && hand->isChecked());
  lower->click();
  EXPECT_FALSE(hand->isChecked());
  EXPECT_EQ(Rows(locRightArm).mid(2, 2), QStringList({"", ""}));
  EXPECT_EQ(Config().Actuators, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));
  EXPECT_TRUE(window->Modified());

  // Equipment in the freed slot stays when the actuator comes back; the hand brings its lower arm.
  TWeapon* laser = Place(kMediumLaser, locRightArm, 3);
  hand->click();
  EXPECT_TRUE(lower->isChecked());
  EXPECT_EQ(Config().Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(Rows(locRightArm).mid(2, 2), QStringList({"MedLaser", "Hand Actuator"}));
  EXPECT_EQ(Config().Crits.SlotAt(locRightArm, 3).Item, laser);
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, ArmlessHidesTheArmsAndEmptiesThem) {
  ShowSheet();
  auto* armless = Find<QCheckBox>("chkArmless");
  EXPECT_FALSE(armless->isEnabled());  // Level 3 only
  Choose("pmTech", "Inner Sphere Level 3");
  TWeapon* laser = Place(kMediumLaser, locLeftArm, 6);
  ASSERT_TRUE(armless->isEnabled());
  armless->click();
  EXPECT_TRUE(Design().MiscFlags & mfArmless);
  for (const char* name : {"lbCS_RA", "lbCS_LA", "lblCS_RA", "btnCASE_LA", "btnLA_1"})
    EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  EXPECT_FALSE(Find<QCheckBox>("chkRA_HA")->isEnabled());
  // The laser had nowhere to stay.
  EXPECT_EQ(laser->Location, lcBin);
  EXPECT_TRUE(window->statusBar()->currentMessage().contains("Medium Laser"));
  EXPECT_EQ(Find<TGauge>("GuageCritCrits")->maximum(), 78 - 24);
  EXPECT_TRUE(Consistent());

  armless->click();
  EXPECT_TRUE(Find<QWidget>("lbCS_LA")->isVisible());
  EXPECT_TRUE(Find<QWidget>("btnLA_12")->isVisible());
  Choose("pmOptions", "Quad");
  EXPECT_FALSE(armless->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>("chkRA_LAA")->isEnabled());
}

TEST_F(CriticalSheet, LimitingShortensTheLocations) {
  Choose("pmTech", "Inner Sphere Level 3");
  TWeapon* lost = Place(kMediumLaser, locRightTorso, 12);
  TWeapon* kept = Place(kMediumLaser, locRightTorso, 10);
  Find<QCheckBox>("chkLmtCrits")->click();  // 20 tons: 10 slots per side torso and arm
  EXPECT_EQ(List(locRightTorso)->count(), 10);
  EXPECT_EQ(List(locRightArm)->count(), 10);
  EXPECT_EQ(List(locRightLeg)->count(), 6);
  EXPECT_EQ(List(locRightTorso)->height(),
            10 * List(locRightTorso)->RowHeight() + 2 * List(locRightTorso)->frameWidth());
  EXPECT_TRUE(page->SlotButton(locRightArm, 10)->isVisible());
  EXPECT_FALSE(page->SlotButton(locRightArm, 11)->isVisible());
  EXPECT_FALSE(page->SlotButton(locRightTorso, 11)->isVisible());
  EXPECT_EQ(lost->Location, lcBin);
  EXPECT_EQ(kept->Location, locRightTorso);
  EXPECT_EQ(Find<TGauge>("GuageCritCrits")->maximum(), 78 - 8);
  EXPECT_TRUE(Consistent());

  Find<QCheckBox>("chkLmtCrits")->click();
  EXPECT_EQ(List(locRightTorso)->count(), 12);
  EXPECT_TRUE(page->SlotButton(locRightArm, 12)->isVisible());
}

TEST_F(CriticalSheet, AChassisChangeMovesEquipmentOutOfItsWay) {
  Choose("pmTech", "Inner Sphere Level 3");
  TWeapon* gauss = Place(kGauss, locRightTorso, 2);
  TWeapon* laser = Place(kMediumLaser, locRightTorso, 9);
  Choose("pmEng", "XL Fusion");  // three slots of each side torso
  EXPECT_EQ(gauss->Location, lcBin);
  EXPECT_EQ(laser->Location, locRightTorso);
  EXPECT_EQ(Rows(locRightTorso).mid(0, 4), QStringList({"Engine", "Engine", "Engine", ""}));
  EXPECT_TRUE(window->statusBar()->currentMessage().contains("Gauss Rifle"));
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, DraggingBetweenSlots) {
  ShowSheet();
  TWeapon* laser = Place(kMediumLaser, locCenterTorso, 11, mmRear);
  TWeapon* gauss = Place(kGauss, locLeftTorso, 1);
  ASSERT_TRUE(laser && gauss);

  // Over a taken slot, from a stranger, or something else: not taken.
  std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(laser, *List(locCenterTorso)));
  EXPECT_FALSE(DragOver(List(locLeftTorso), 0, *mime));
  EXPECT_FALSE(DragOver(List(locHead), 0, *mime));
  TSlotList stranger;
  std::unique_ptr<QMimeData> foreign(TCriticalsPage::DragData(laser, stranger));
  EXPECT_FALSE(DragOver(List(locLeftTorso), 9, *foreign));
  QMimeData text;
  text.setText("Medium Laser");
  EXPECT_FALSE(DragOver(List(locLeftTorso), 9, text));
  // Entered over a free slot, dropped over a taken one: nothing changes.
  ASSERT_TRUE(Enter(List(locLeftTorso), 9, *mime));
  EXPECT_FALSE(DropAt(List(locLeftTorso), 2, *mime));
  EXPECT_EQ(Config().Crits.SlotAt(locCenterTorso, 11).Item, laser);
  EXPECT_FALSE(window->Modified());

  // Onto a free slot: moved whole, still rear-mounted, and shown at once.
  EXPECT_TRUE(Drag(laser, List(locCenterTorso), List(locLeftTorso), 9));
  EXPECT_EQ(Config().Crits.SlotAt(locLeftTorso, 10).Item, laser);
  EXPECT_EQ(laser->Location, locLeftTorso | lcRear);
  EXPECT_EQ(Rows(locLeftTorso)[9], "MedLaser");
  EXPECT_TRUE(List(locLeftTorso)->item(9)->toolTip().contains("rear-mounted"));
  EXPECT_EQ(Rows(locCenterTorso)[10], "");
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(Consistent());

  // A free slot without room for the whole item: the drag is taken, the move
  // refused with the warning, and nothing changes.
  const double free = Design().Weights[wFree];
  EXPECT_TRUE(Drag(gauss, List(locLeftTorso), List(locRightTorso), 7));
  EXPECT_EQ(TMessageSeam::Shown(), QStringList({"Warning|Weapon will not fit there."}));
  EXPECT_EQ(Config().Crits.SlotAt(locLeftTorso, 1).Item, gauss);
  EXPECT_EQ(Config().Crits.SlotAt(locRightTorso, 8).Code, ciEmpty);
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], free);
  EXPECT_TRUE(Consistent());

  // A split item (arm 5..7, torso 1..4) moves whole into the target location.
  TWeapon* split = Place(kGauss, locRightArm, 5, mmFront, 3);
  ASSERT_EQ(split->Location, locRightArm | lcSplit);
  EXPECT_TRUE(Drag(split, List(locRightArm), List(locRightTorso), 4));
  EXPECT_EQ(split->Location, locRightTorso);
  EXPECT_EQ(Rows(locRightArm)[4], "");
  EXPECT_EQ(Rows(locRightTorso), QStringList(4, "") + QStringList(7, "Gauss") + QStringList({""}));
  EXPECT_TRUE(Consistent());
}

// Qt sends the moves only after an accepted enter: a drag entering over a
// taken row goes on to a free one and drops there.
TEST_F(CriticalSheet, DragEnteringOverATakenRowDropsOnAFreeOne) {
  ShowSheet();
  TWeapon* laser = Place(kMediumLaser, locLeftTorso, 12);
  TWeapon* gauss = Place(kGauss, locLeftTorso, 1);
  ASSERT_TRUE(laser && gauss);
  TSlotList* torso = List(locLeftTorso);
  std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(laser, *torso));

  QDragEnterEvent enter(RowCentre(torso, 2), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(torso->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDragMoveEvent overTaken(RowCentre(torso, 3), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(torso->viewport(), &overTaken);
  EXPECT_FALSE(overTaken.isAccepted());
  QDragMoveEvent overFree(RowCentre(torso, 8), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(torso->viewport(), &overFree);
  EXPECT_TRUE(overFree.isAccepted());
  // Within its own location.
  EXPECT_TRUE(DropAt(torso, 8, *mime));
  EXPECT_EQ(Config().Crits.SlotAt(locLeftTorso, 9).Item, laser);
  EXPECT_EQ(Config().Crits.SlotAt(locLeftTorso, 12).Item, nullptr);
  EXPECT_TRUE(Consistent());

  // What is not ours is still refused at the door.
  QMimeData text;
  text.setText("Medium Laser");
  QDragEnterEvent foreign(RowCentre(torso, 2), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(torso->viewport(), &foreign);
  EXPECT_FALSE(foreign.isAccepted());
}

// An arm placement takes free slots and leaves the hand; equipment that needs
// the actuators' slots takes them and the boxes show them gone; once dragged
// away, a ticked box brings them back.
TEST_F(CriticalSheet, ArmPlacementLeavesTheActuatorsWhileFreeSlotsRemain) {
  ShowSheet();
  auto* hand = Find<QCheckBox>("chkRA_HA");
  auto* lower = Find<QCheckBox>("chkRA_LAA");
  ASSERT_TRUE(Place(kMediumLaser, locRightArm, 1));
  EXPECT_EQ(Rows(locRightArm).mid(2, 3), (QStringList{"Lower Arm Act", "Hand Actuator", "MedLaser"}));
  EXPECT_TRUE(hand->isChecked());
  ASSERT_TRUE(Place(kMediumLaser, locRightArm, 1));

  // Six slots left for seven: the hand and lower arm give way.
  TWeapon* gauss = Place(kGauss, locRightArm, 1);
  ASSERT_TRUE(gauss);
  EXPECT_EQ(Config().Crits.SlotAt(locRightArm, 3).Item, gauss);
  EXPECT_FALSE(hand->isChecked());
  EXPECT_FALSE(lower->isChecked());
  EXPECT_TRUE(Consistent());

  std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(gauss, *List(locRightArm)));
  ASSERT_TRUE(Enter(List(locRightTorso), 0, *mime));
  ASSERT_TRUE(DropAt(List(locRightTorso), 0, *mime));
  EXPECT_EQ(Rows(locRightArm)[2], "");  // no box ticked: the slots stay free
  hand->click();
  EXPECT_EQ(Rows(locRightArm).mid(2, 2), (QStringList{"Lower Arm Act", "Hand Actuator"}));
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, DraggingToAndFromTheBin) {
  Find<QAction>("OptionsUseBINItem")->trigger();
  ShowSheet();
  TSlotList* bin = List(TSlotList::kBin);
  EXPECT_TRUE(bin->isVisible());
  EXPECT_FALSE(Find<QWidget>("Panel2")->isVisible());
  TWeapon* laser = Place(kMediumLaser, locRightArm, 6);
  TWeapon* binned = Place(kGauss, locRightArm, 0, mmBin);
  ASSERT_TRUE(laser && binned);
  ASSERT_EQ(bin->count(), 1);
  EXPECT_EQ(bin->item(0)->text(), "Gauss Rifle");
  const double free = Design().Weights[wFree];

  EXPECT_TRUE(Drag(laser, List(locRightArm), bin, 0));
  EXPECT_EQ(laser->Location, lcBin);
  EXPECT_EQ(Rows(locRightArm)[5], "");
  EXPECT_EQ(bin->count(), 2);
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], free);  // the BIN still weighs
  EXPECT_TRUE(Consistent());

  // BIN to BIN is no move; BIN to a free slot is.
  std::unique_ptr<QMimeData> fromBin(TCriticalsPage::DragData(binned, *bin));
  EXPECT_FALSE(DragOver(bin, 0, *fromBin));
  EXPECT_TRUE(Drag(binned, bin, List(locLeftTorso), 2));
  EXPECT_EQ(binned->Location, locLeftTorso);
  EXPECT_EQ(Rows(locLeftTorso).mid(2, 7), QStringList(7, "Gauss"));
  EXPECT_EQ(bin->count(), 1);
  EXPECT_TRUE(Consistent());

  // Without the BIN its items wait behind the hint panel.
  Find<QAction>("OptionsUseBINItem")->trigger();
  EXPECT_FALSE(bin->isVisible());
  EXPECT_TRUE(Find<QWidget>("Panel2")->isVisible());
  EXPECT_TRUE(Text("lblBinHint").contains("1 item"));
}

TEST_F(CriticalSheet, DeleteAndSelection) {
  ShowSheet();
  TWeapon* gauss = Place(kGauss, locRightTorso, 2);
  Place(kMediumLaser, locLeftTorso, 1);
  ASSERT_TRUE(gauss);
  const double free = Design().Weights[wFree];
  auto* remove = Find<QPushButton>("btnCritDelete");
  for (const char* name : {"btnOptimize", "btnMoveUp", "btnMoveDn"})
    EXPECT_FALSE(Find<QPushButton>(name)->isEnabled()) << name;

  // One selection on the whole sheet.
  ClickRow(List(locLeftTorso), 0);
  EXPECT_EQ(List(locLeftTorso)->selectedItems().size(), 1);
  ClickRow(List(locRightTorso), 4);
  EXPECT_TRUE(List(locLeftTorso)->selectedItems().isEmpty());

  // A chassis slot is not deleted.
  ClickRow(List(locCenterTorso), 0);
  remove->click();
  EXPECT_EQ(Rows(locCenterTorso)[0], "Engine");

  ClickRow(List(locRightTorso), 4);
  remove->click();
  EXPECT_EQ(Config().Items.Size(), 1);
  EXPECT_EQ(Rows(locRightTorso)[1], "");
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], free + 15.0);
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(Consistent());
}

TEST_F(CriticalSheet, AnAlternateShowsTheFixedEquipmentInPlace) {
  Choose("pmTech", "Inner Sphere Level 3");
  Choose("pmOptions", "Omni");
  auto* config = Find<TDropButton>("btnCritConfig");
  EXPECT_TRUE(config->isEnabled());
  EXPECT_EQ(config->menu(), Find<QMenu>("pmConfig"));
  TWeapon* fixed = Place(kMediumLaser, locRightTorso, 1);
  ASSERT_TRUE(fixed);

  Choose("pmConfig", "Alternate A");
  EXPECT_EQ(Design().ConfigIndex, 2);
  EXPECT_EQ(config->text(), QString::fromStdString(Design().ConfigName(2)));
  EXPECT_EQ(Rows(locRightTorso)[0], "MedLaser");
  EXPECT_TRUE(List(locRightTorso)->item(0)->font().italic());
  EXPECT_EQ(Rows(locCenterTorso)[0], "Engine");  // the chassis is laid in the new configuration
  EXPECT_TRUE(Consistent());

  // A pod cannot go where the fixed laser is, nor can the laser be dragged or deleted here.
  TWeapon* pod = Place(kMediumLaser, locLeftTorso, 1);
  ASSERT_TRUE(pod);
  EXPECT_FALSE(Drag(pod, List(locLeftTorso), List(locRightTorso), 0));
  std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(fixed, *List(locRightTorso)));
  EXPECT_FALSE(DragOver(List(locLeftTorso), 5, *mime));
  ClickRow(List(locRightTorso), 0);
  Find<QPushButton>("btnCritDelete")->click();
  EXPECT_EQ(Config().Crits.SlotAt(locRightTorso, 1).Item, fixed);
  EXPECT_TRUE(Drag(pod, List(locLeftTorso), List(locRightTorso), 1));
  EXPECT_EQ(Config().Crits.SlotAt(locRightTorso, 2).Item, pod);
  EXPECT_TRUE(Consistent());

  Choose("pmConfig", "Fixed");
  EXPECT_EQ(Rows(locRightTorso).mid(0, 2), QStringList({"MedLaser", ""}));
  EXPECT_FALSE(List(locRightTorso)->item(0)->font().italic());
  EXPECT_TRUE(Consistent());
}

}  // namespace
