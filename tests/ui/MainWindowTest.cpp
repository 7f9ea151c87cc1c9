// The main window as a user meets it: built for real, offscreen, controls
// found by name, questions answered through the message seam.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "WindowTestKit.h"
#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/TfrmTFD.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/SpinEdit.h"

using namespace tfd;

namespace {

class MainWindow : public TWindowTest {};

}  // namespace

TEST_F(MainWindow, StartsWithTheDefaultDesign) {
  EXPECT_EQ(window->windowTitle(), "Titanframe Designer[*]");
  EXPECT_EQ(Find<QTabWidget>("pcMain")->currentWidget()->objectName(), "tsMain");
  EXPECT_EQ(Find<TSpinEdit>("sedtTng")->value(), 20);
  EXPECT_EQ(Find<TDropButton>("btnTechLevel")->text(), "Inner Sphere Level 1");
  EXPECT_EQ(Find<TDropButton>("btnOptions")->text(), "Standard");
  EXPECT_EQ(Text("lblTngRem"), "13.5");
  EXPECT_EQ(Text("lblEngTng"), "0.5");
  EXPECT_EQ(Text("lblHSDsp"), "[10]");
  EXPECT_EQ(Text("lblW_Spd"), "10.8 km/h");
  EXPECT_FALSE(window->Modified());
  auto* gauge = Find<TGauge>("GaugeTng");
  EXPECT_EQ(gauge->maximum(), 200);
  EXPECT_EQ(gauge->progress(), 135);
  // What has no action yet is disabled.
  EXPECT_TRUE(Find<QAction>("FileOpenItem")->isEnabled());
  EXPECT_TRUE(Find<QAction>("FileSaveItem")->isEnabled());
  EXPECT_TRUE(Find<QAction>("FileNewItem")->isEnabled());
  EXPECT_EQ(Find<QAction>("FileOpenItem")->shortcut(), QKeySequence("F3"));
  // The cost is read with its thousands separated.
  QStringList status;
  for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) status << label->text();
  EXPECT_TRUE(status.join(' ').contains("Cost: 825,440 C-bills")) << status.join(' ').toStdString();
}

TEST_F(MainWindow, RulesLevelGatesTheComponents) {
  EXPECT_FALSE(Find<TDropButton>("btnEngType")->isEnabled());
  EXPECT_FALSE(Find<TDropButton>("btnGyroType")->isEnabled());
  emit Find<QMenu>("pmEng")->aboutToShow();
  int shown = 0;
  for (QAction* a : Find<QMenu>("pmEng")->actions()) shown += a->isVisible();
  EXPECT_EQ(shown, 1);  // Fusion only

  Choose("pmTech", "Clan Level 2");
  EXPECT_EQ(Design().RulesLevel, rlClan2);
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(Find<TDropButton>("btnEngType")->isEnabled());
  EXPECT_FALSE(Find<TDropButton>("btnGyroType")->isEnabled());
  Choose("pmEng", "XL Fusion");
  EXPECT_EQ(Design().EngineType, etClanXL);
  EXPECT_EQ(Find<TDropButton>("btnEngType")->text(), "XL Fusion");  // plain name outside Mixed
  EXPECT_TRUE(Entry("pmEng", "XL Fusion")->isChecked());

  Choose("pmTech", "Mixed/Custom Level 3");
  EXPECT_EQ(Find<TDropButton>("btnEngType")->text(), "Clan XL Fusion");
  EXPECT_TRUE(Find<TDropButton>("btnGyroType")->isEnabled());
  EXPECT_TRUE(Find<QWidget>("grpMiscItems")->isEnabled());
  Choose("pmTargeting", "Multi-Trac");
  EXPECT_EQ(Find<TDropButton>("btnTargType")->text(), "Mulit-Trac");
  EXPECT_FALSE(Find<QCheckBox>("chkNullSig")->isEnabled());  // a targeting system rules it out

  Type("sedtTng", "60");
  ShowTab("tsArmor");
  ShowTab("tsMain");
  EXPECT_EQ(Design().Tonnage, 60);
  EXPECT_FALSE(Entry("pmOptions", "LAM")->isEnabled());  // too heavy to convert
  Choose("pmOptions", "Quad");
  EXPECT_TRUE(Design().IsQuad());
  EXPECT_EQ(Find<TDropButton>("btnOptions")->text(), "Quad");
  EXPECT_FALSE(Entry("pmTurret", "Dual Torso")->isEnabled());
}

TEST_F(MainWindow, TonnageAndMovementEdits) {
  Type("sedtTng", "103");
  ShowTab("tsArmor");  // leaving the tab stores what was typed
  EXPECT_EQ(Design().Tonnage, 100);
  EXPECT_TRUE(window->Modified());
  ShowTab("tsMain");
  EXPECT_EQ(Find<TSpinEdit>("sedtTng")->value(), 100);

  Type("sedtW_MP", "5");  // rating 500 is over the limit below level 3
  EXPECT_EQ(Design().WalkMP, 4);
  EXPECT_EQ(Text("lblEngRate"), "400");
  EXPECT_EQ(Text("lblR_MP"), "6");

  // The tonnage arrows step by five and stop at the bounds.
  auto* tonnage = Find<TSpinEdit>("sedtTng");
  tonnage->stepBy(1);
  EXPECT_EQ(Design().Tonnage, 100);
  tonnage->stepBy(-1);
  EXPECT_EQ(Design().Tonnage, 95);
  EXPECT_EQ(tonnage->value(), 95);

  Type("sedtJ_MP", "9");  // capped at the walking MP
  EXPECT_EQ(Design().JumpMP, 4);
  EXPECT_EQ(Text("lblJ_Dst"), "120 m");
}

TEST_F(MainWindow, ArmourEditsKeepTheirLimits) {
  ShowTab("tsArmor");
  Type("sedtAF_H", "12");
  EXPECT_EQ(Design().Armor[asHead], 9);

  Design().Tonnage = 30;  // centre torso structure 10: front plus rear at most 20
  window->Recalc(63);
  window->RefreshPages(2, window.get());
  Type("sedtAF_CT", "14");
  Type("sedtAF_CTR", "6");
  Type("sedtAF_CT", "15");
  EXPECT_EQ(Design().Armor[asCenterTorso], 15);
  EXPECT_EQ(Design().Armor[asCenterTorsoRear], 5);
  Type("sedtAF_CTR", "0");
  Type("sedtAF_CT", "20");
  Type("sedtAF_CT", "21");  // over the edit's range: kept at the pair limit
  EXPECT_EQ(Design().Armor[asCenterTorso], 20);
  EXPECT_EQ(Design().Armor[asCenterTorsoRear], 0);

  Type("sedtAF_RT", "12");  // side torsos are equalised from the start
  EXPECT_EQ(Design().Armor[asLeftTorso], 12);
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_LT")->value(), 12);
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_LT")->focusPolicy(), Qt::ClickFocus);
  Find<QCheckBox>("chkEQ_ST")->click();
  EXPECT_EQ(Design().ArmorMirror & 1, 0);
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_LT")->focusPolicy(), Qt::StrongFocus);
  Type("sedtAF_RT", "3");
  EXPECT_EQ(Design().Armor[asLeftTorso], 12);

  EXPECT_EQ(Find<TSpinEdit>("sedtAF_RA")->maximum(), 10);  // twice the arm structure of 5
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_H")->maximum(), 9);
}

TEST_F(MainWindow, EmptiedArmourEditStoresZeroOnLeaving) {
  ShowTab("tsArmor");
  Type("sedtAF_LA", "4");
  EXPECT_EQ(Design().Armor[asLeftArm], 4);
  Type("sedtAF_LA", "");
  QTest::keyClick(Find<TSpinEdit>("sedtAF_LA"), Qt::Key_Backspace);
  EXPECT_EQ(Design().Armor[asLeftArm], 4);  // an empty text changes nothing yet
  Find<TSpinEdit>("sedtAF_H")->setFocus();
  EXPECT_EQ(Design().Armor[asLeftArm], 0);
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_LA")->text(), "0");
}

// A preset that changes the armour marks the design, so closing it asks
// about saving; one that changes nothing leaves it as it was.
TEST_F(MainWindow, PresetsFillArmourAndMarkTheDesign) {
  ShowTab("tsArmor");
  QTest::mouseClick(Find<QPushButton>("btnArmrClear"), Qt::LeftButton);
  EXPECT_FALSE(window->Modified());
  QTest::mouseClick(Find<QPushButton>("btnArmrFull"), Qt::LeftButton);
  EXPECT_EQ(Design().ArmorPoints, Design().MaxArmor);
  EXPECT_EQ(Find<TSpinEdit>("sedtAF_H")->value(), 9);
  EXPECT_EQ(Text("lblArmrPtsUsd"), QString::number(Design().MaxArmor));
  EXPECT_TRUE(window->Modified());
  QTest::mouseClick(Find<QPushButton>("btnArmrClear"), Qt::LeftButton);
  EXPECT_EQ(Design().ArmorPoints, 0);
}

TEST_F(MainWindow, PatchworkAndSectionArmourTypes) {
  Choose("pmTech", "Inner Sphere Level 3");
  ShowTab("tsArmor");
  EXPECT_FALSE(Find<TDropButton>("btnArmr_RL")->isEnabled());
  window->Menus()->SetArmorTarget(1);
  Choose("pmArmor", "Ferro-Fibrous");
  EXPECT_EQ(Design().ArmorTypes[asRightLeg], atFerroFibrous);
  Choose("pmArmor", "Patchwork");
  EXPECT_EQ(Design().ArmorType, atPatchwork);
  EXPECT_EQ(Design().ArmorTypes[asRightLeg], atFerroFibrous);  // sections keep their types
  EXPECT_TRUE(Find<TDropButton>("btnArmr_RL")->isEnabled());
  window->Menus()->SetArmorTarget(11);  // the right leg's button
  EXPECT_FALSE(Entry("pmArmor", "Patchwork")->isVisible());
  Choose("pmArmor", "Hardened");
  EXPECT_EQ(Design().ArmorTypes[asRightLeg], atHardened);
  EXPECT_EQ(Find<TDropButton>("btnArmr_RL")->text(), "Hardened");
}

TEST_F(MainWindow, NewAsksOnlyForAModifiedDesign) {
  window->NewDesign();
  EXPECT_TRUE(TMessageSeam::Shown().isEmpty());

  Choose("pmTech", "Inner Sphere Level 2");
  ASSERT_TRUE(window->Modified());
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  window->NewDesign();
  EXPECT_EQ(TMessageSeam::Shown().value(0),
            "Clear Design|Do you wish to save this design before CLEARING it?");
  EXPECT_EQ(Design().RulesLevel, rlIS2);
  EXPECT_TRUE(window->Modified());

  TMessageSeam::SetNextAnswer(QMessageBox::No);
  window->NewDesign();
  EXPECT_EQ(Design().RulesLevel, rlIS1);
  EXPECT_FALSE(window->Modified());

  // Yes saves first; a save dialog that is cancelled cancels the New.
  Choose("pmTech", "Clan Level 2");
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  window->NewDesign();
  EXPECT_EQ(Design().RulesLevel, rlClan2);
  EXPECT_TRUE(window->Modified());
}

TEST_F(MainWindow, ClosingAModifiedDesignAsks) {
  Choose("pmTech", "Inner Sphere Level 2");
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(TMessageSeam::Shown().last(), "Confirm Exit|Do you wish to save this design before Exiting?");
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  EXPECT_TRUE(window->close());
}

TEST_F(MainWindow, StatusLightTimer) {
  EXPECT_EQ(window->ErrorLightSpeed(), 25);
  window->SetErrorLightSpeed(25);
  const int first = window->AnimationFrame();
  for (int i = 0; i < 12; ++i) window->TimerTick();
  EXPECT_EQ(window->AnimationFrame(), first);  // twelve frames make a cycle
  window->SetErrorLightSpeed(0);
  EXPECT_EQ(window->AnimationFrame(), 0);
  window->TimerTick();
  EXPECT_EQ(window->AnimationFrame(), 0);
}

TEST(StartUp, BrokenDatabaseEndsWithTwoMessages) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString broken = dir.filePath("TFDData.sqlite");
  QFile f(broken);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("this is not a database");
  f.close();
  const QString log = dir.filePath("messages.log");

  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TFD_DATA", broken);
  env.insert("TFD_MESSAGE_ANSWER", "ok");
  env.insert("TFD_MESSAGE_LOG", log);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  program.start(QCoreApplication::applicationDirPath() + "/titanframe-designer", {});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 1);
  QFile messages(log);
  ASSERT_TRUE(messages.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(messages.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith(".")) << lines[0].toStdString();
  EXPECT_EQ(lines[1], "File Error|Weapon Database is corrupt!");
}

// Clear Weapons asks, and on Yes empties the configuration's equipment with
// its brand list; the title bar marks the design modified.
TEST_F(MainWindow, ClearWeaponsEmptiesTheConfigurationAfterTheQuestion) {
  const TWepInfo* laser = window->Equipment()->BySaveNum(102);
  ASSERT_NE(laser, nullptr);
  for (int location : {locRightTorso, locLeftArm}) {
    TAddRequest r;
    r.Record = &laser->Info;
    r.Location = location;
    r.Criticals = laser->Info.Crits;
    ASSERT_EQ(AddItem(Design(), r), EPlacement::Placed);
  }
  window->Recalc(rqWeights);
  const double free = Design().Weights[wFree];
  EXPECT_FALSE(window->isWindowModified());

  auto* clear = Find<QPushButton>("btnClearWeps");
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  clear->click();
  EXPECT_EQ(
      TMessageSeam::Shown(),
      QStringList{"Clear Weapons|Do you wish to delete every weapon and item of equipment of this design?"});
  EXPECT_EQ(Design().Config->Items.Size(), 2);
  EXPECT_FALSE(window->Modified());

  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  clear->click();
  EXPECT_TRUE(Design().Config->Items.Empty());
  EXPECT_TRUE(Design().Brands->Empty());
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], free + 2.0);
  EXPECT_EQ(Text("lblTngRem"), QString::number(free + 2.0, 'f', 1));
  EXPECT_TRUE(GridConsistent(Design()));
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(window->isWindowModified());
}

// On a small screen every tab fits 1024 x 700 (the pages scroll) and the
// status bar with battle value and cost stays in view.
TEST_F(MainWindow, FitsASmallScreenWithTheStatusBarInView) {
  const QSize hint = window->minimumSizeHint();
  EXPECT_LE(hint.width(), 1024);
  EXPECT_LE(hint.height(), 700);
  window->resize(1024, 700);
  auto* tabs = Find<QTabWidget>("pcMain");
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(1024, 700)) << tabs->tabText(i).toStdString();
    QStatusBar* bar = window->statusBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_LE(bar->geometry().bottom(), window->height());
    EXPECT_GE(bar->geometry().top(), tabs->geometry().bottom());
  }
}
