// The validation in the window: the status lights, the error report's lines,
// title and tooltips follow every refresh, and a double click on a line takes
// the user to where it can be fixed.

#include <QAbstractSpinBox>
#include <QListWidget>
#include <QTest>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/Errs/Errs.h"
#include "ui/main/DesignHost.h"
#include "ui/main/FindingTarget.h"
#include "ui/widgets/SpinEdit.h"
#include "ui/widgets/StatusLight.h"

using namespace tfd;

namespace {

constexpr int kMediumLaser = 102, kClanMediumLaser = 201;

class ErrorReport : public TWindowTest {
 protected:
  void Type(const char* editName, const QString& text) {
    TWindowTest::Type(editName, text);
    // The heat-sink and tonnage edits store what was typed when they lose the focus.
    Find<TSpinEdit>("sedtW_MP")->setFocus();
  }
  QListWidget* Lines() { return window->ErrorReport()->list(); }
  QStringList Texts() {
    QStringList texts;
    for (int row = 0; row < Lines()->count(); ++row) texts << Lines()->item(row)->text();
    return texts;
  }
  // The lights of the tabs built so far (the Reports tab brings the fifth).
  QList<TStatusLight*> Lights() {
    QList<TStatusLight*> lights;
    for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5"})
      if (auto* light = window->findChild<TStatusLight*>(name)) lights << light;
    EXPECT_GE(lights.size(), 4);
    return lights;
  }
  // Double-clicks the line that begins with `start`, then lets the queued jump run.
  void DoubleClick(const QString& start) {
    window->ErrorReport()->showReport();
    for (int row = 0; row < Lines()->count(); ++row) {
      QListWidgetItem* line = Lines()->item(row);
      if (!line->text().startsWith(start)) continue;
      // A user's double click: the first click's press and release, then the second.
      const QPoint at = Lines()->visualItemRect(line).center();
      QTest::mouseClick(Lines()->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(Lines()->viewport(), Qt::LeftButton, {}, at);
      for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
      return;
    }
    ADD_FAILURE() << "no line " << start.toStdString() << " in " << Texts().join(" | ").toStdString();
  }
  QString CurrentTab() { return Find<QTabWidget>("pcMain")->currentWidget()->objectName(); }
};

}  // namespace

TEST_F(ErrorReport, ANewDesignIsYellowForItsUnusedTonnageAndMissingArmor) {
  window->TimerTick();
  for (TStatusLight* light : Lights()) EXPECT_EQ(light->status(), svWarning);
  EXPECT_EQ(Texts(), QStringList({"Warning: 13.5 tons left unused.",
                                  "Warning: Armor: 0 of 69 points, less than half the maximum."}));
  EXPECT_EQ(window->ErrorReport()->windowTitle(), "Error Report (2 warnings)");
  EXPECT_EQ(Lights().first()->toolTip(), "2 warnings");
}

TEST_F(ErrorReport, AnOverweightDesignTurnsEveryLightRedAtTheNextTick) {
  Type("sedtHSNum", "30");  // twenty more heat sinks: 6.5 tons too many
  window->TimerTick();
  for (TStatusLight* light : Lights())
    EXPECT_EQ(light->status(), svError) << light->objectName().toStdString();
  EXPECT_EQ(window->DesignStatus(), svError);
  EXPECT_EQ(Texts().first(), "Error: Overweight by 6.5 tons.");
  EXPECT_EQ(window->ErrorReport()->windowTitle(), "Error Report (1 error, 1 warning)");
  EXPECT_EQ(Lights().last()->toolTip(), "1 error, 1 warning");

  // Back within the tonnage: the line goes with the next keystroke.
  Type("sedtHSNum", "10");
  window->TimerTick();
  EXPECT_EQ(Lights().first()->status(), svWarning);
  EXPECT_FALSE(Texts().join("|").contains("Overweight"));
}

TEST_F(ErrorReport, LinesOfOthersStayAboveTheFindings) {
  Lines()->insertItem(0, "Line 3: unknown weapon");
  Type("sedtHSNum", "30");
  Type("sedtHSNum", "11");
  ASSERT_GE(Lines()->count(), 2);
  EXPECT_EQ(Lines()->item(0)->text(), "Line 3: unknown weapon");
  EXPECT_EQ(TfrmErrorRpt::findingOf(Lines()->item(0)), -1);
  EXPECT_EQ(TfrmErrorRpt::findingOf(Lines()->item(1)), 0);
}

TEST_F(ErrorReport, ADoubleClickTakesTheUserWhereTheLineCanBeFixed) {
  DoubleClick("Warning: Armor:");
  EXPECT_EQ(CurrentTab(), "tsArmor");

  DoubleClick("Warning: 13.5 tons");
  EXPECT_EQ(CurrentTab(), "tsMain");

  // Return on a line goes there too, and leaves the report open.
  Lines()->setCurrentRow(1);
  QTest::keyClick(Lines(), Qt::Key_Return);
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(CurrentTab(), "tsArmor");
  EXPECT_TRUE(window->ErrorReport()->isVisible());

  // An item in the BIN is chosen in the Critical Sheet's BIN list, or, while
  // that list is not shown, in the Weapons tab's list of placed items.
  const TWepInfo* row = window->Equipment()->BySaveNum(kMediumLaser);
  ASSERT_NE(row, nullptr);
  TAddRequest r;
  r.Record = &row->Info;
  r.Direction = mmBin;
  r.Criticals = row->Info.Crits;
  TWeapon* laser = nullptr;
  ASSERT_EQ(AddItem(Design(), r, &laser), EPlacement::Placed);
  window->Recalc(rqWeights);
  window->RefreshPages(pgMain, nullptr);
  ASSERT_FALSE(window->UseBin());
  DoubleClick("Error: Medium Laser is in the BIN");
  EXPECT_EQ(CurrentTab(), "tsWeapons");
  auto* placed = Find<QListWidget>("lbWepList");
  ASSERT_NE(placed->currentItem(), nullptr);
  EXPECT_EQ(placed->currentItem()->text(), "Medium Laser");

  Find<QAction>("OptionsUseBINItem")->trigger();
  ASSERT_TRUE(window->UseBin());
  DoubleClick("Error: Medium Laser is in the BIN");
  EXPECT_EQ(CurrentTab(), "tsCriticals");
  auto* bin = Find<QListWidget>("lbCS_BIN");
  ASSERT_NE(bin->currentItem(), nullptr);
  EXPECT_EQ(bin->currentItem()->text(), "Medium Laser");

  // Placed, its line goes.
  ASSERT_EQ(MoveItem(Design(), laser, locRightTorso, 4), EPlacement::Placed);
  window->RefreshPages(pgCriticals, nullptr);
  EXPECT_FALSE(Texts().join("|").contains("BIN"));
}

TEST_F(ErrorReport, EquipmentTheRulesLevelDoesNotOfferIsChosenOnTheWeaponsTab) {
  const TWepInfo* row = window->Equipment()->BySaveNum(kClanMediumLaser);
  ASSERT_NE(row, nullptr);
  TAddRequest r;
  r.Record = &row->Info;
  r.Location = locLeftTorso;
  r.Slot = 1;
  r.Criticals = row->Info.Crits;
  TWeapon* laser = nullptr;
  ASSERT_EQ(AddItem(Design(), r, &laser), EPlacement::Placed);
  window->Recalc(rqWeights);
  window->RefreshPages(pgMain, nullptr);
  const QString line =
      "Error: " + QString::fromStdString(laser->Name) + " is not available at Inner Sphere Level 1.";
  ASSERT_TRUE(Texts().contains(line)) << Texts().join(" | ").toStdString();
  DoubleClick(line);
  EXPECT_EQ(CurrentTab(), "tsWeapons");
  auto* placed = Find<QListWidget>("lbWepList");
  ASSERT_NE(placed->currentItem(), nullptr);
  EXPECT_EQ(placed->currentItem()->text(), QString::fromStdString(laser->Name));
}

// The window's refresh runs the whole rules pass, so a section over its limit
// never reaches the report there; the way to its edit is checked directly.
TEST_F(ErrorReport, AnArmorFindingFocusesTheEditOfItsSection) {
  TFinding f;
  f.Kind = EFindingKind::Armor;
  f.ArmorSection = asRightArm;
  ShowFinding(*window, Design(), f, false);
  EXPECT_EQ(CurrentTab(), "tsArmor");
  ASSERT_NE(window->focusWidget(), nullptr);
  EXPECT_EQ(window->focusWidget()->objectName(), "sedtAF_RA");
  f.ArmorSection = asLeftTorsoRear;
  ShowFinding(*window, Design(), f, false);
  EXPECT_EQ(window->focusWidget()->objectName(), "sedtAF_LTR");
}
