// The Specifications tab as a user meets it: the real window offscreen, the
// boxes typed into and left, the buttons pressed, sample designs loaded.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "../equipment/CountingQuery.h"
#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "rules/RulesPass.h"
#include "ui/main/SpecificationsPage.h"

using namespace tfd;

namespace {

QString Sample(const char* name) { return QString(TFD_TEST_DATA) + "/" + name; }

class Specifications : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ShowTab("tsSpecifications");
  }
  QComboBox* Box(const char* name) { return Find<QComboBox>(name); }
  QString BoxText(const char* name) { return Box(name)->currentText(); }
  // Types into a box the way a user does: everything selected, then keys.
  void Type(const char* boxName, const QString& text) {
    QLineEdit* edit = Box(boxName)->lineEdit();
    Box(boxName)->setFocus();
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
  }
  // Moves the focus on, as a click elsewhere does.
  void Leave() {
    Find<QLineEdit>("edtType")->setFocus();
    QApplication::processEvents();
  }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  QStringList Items(const char* listName) {
    QStringList items;
    auto* list = Find<QListWidget>(listName);
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  QStringList Entries(const char* boxName) {
    QStringList entries;
    for (int i = 0; i < Box(boxName)->count(); ++i) entries << Box(boxName)->itemText(i);
    return entries;
  }
  void Load(const char* sample) {
    window->LoadFromFile(Sample(sample));
    ShowTab("tsMain");
    ShowTab("tsSpecifications");
  }
  void SetEngine(std::uint8_t rulesLevel, std::uint8_t engineType) {
    TMech& m = Design();
    m.RulesLevel = rulesLevel;
    m.EngineType = engineType;
    m.Tonnage = 60;
    m.WalkMP = 5;
    window->Recalc(rqAll);
    ASSERT_EQ(m.EngineRating, 300);
    ShowTab("tsMain");
    ShowTab("tsSpecifications");
  }
};

TEST_F(Specifications, PowerPlantFollowsTheEngineWhenTheBoxIsLeft) {
  struct Case {
    std::uint8_t Level, Engine;
    const char* Typed;
    const char* Shown;
  };
  for (const Case& c :
       {Case{rlIS2, etXL, "Pitban 240 XL", "Vlar 300 XL"},
        Case{rlIS2, etXL, "Hermes 240 XL", "Hermes 300 XL"}, Case{rlIS2, etXL, "Core Tek", "Core Tek 300 XL"},
        Case{rlClan2, etClanXL, "", "300 XL"}, Case{rlIS2, etXL, "Unknown 250", "300 XL"}}) {
    SetEngine(c.Level, c.Engine);
    Type("cbPowPlnt", c.Typed);
    EXPECT_EQ(Design().Texts[txtPowerPlant], c.Typed) << "stored as typed";
    Leave();
    EXPECT_EQ(BoxText("cbPowPlnt"), c.Shown) << c.Typed;
    EXPECT_EQ(Design().Texts[txtPowerPlant], c.Shown) << c.Typed;
  }
  EXPECT_TRUE(window->Modified());

  // An engine change carries a default maker along.
  Type("cbPowPlnt", "Vlar 300 XL");
  Leave();
  ShowTab("tsWeapons");  // leaving Main Items would store its edits over the value set here
  Design().WalkMP = 4;
  window->Recalc(rqAll);
  EXPECT_EQ(Design().Texts[txtPowerPlant], "Pitban 240 XL") << "whichever tab is shown";
  ShowTab("tsMain");
  ShowTab("tsSpecifications");
  EXPECT_EQ(BoxText("cbPowPlnt"), "Pitban 240 XL");
}

TEST_F(Specifications, ManufacturersAreAddedChangedAndDeleted) {
  for (const char* name : {"Ostrava Frameworks", "Ostrava Frameworks", "Lumen Yards", "Halvard Forge"}) {
    Type("cbMfg", name);
    Click("btnAddMfg");
  }
  EXPECT_EQ(Items("lbMfg"),
            (QStringList{"Ostrava Frameworks", "Ostrava Frameworks", "Lumen Yards", "Halvard Forge"}))
      << "the same text twice gives two entries";
  EXPECT_EQ(Design().Manufacturers.size(), 4u);
  EXPECT_TRUE(window->Modified());

  auto* lb = Find<QListWidget>("lbMfg");
  lb->clearSelection();
  lb->item(1)->setSelected(true);
  lb->item(3)->setSelected(true);
  Click("btnDelMfg");
  EXPECT_EQ(Items("lbMfg"), (QStringList{"Ostrava Frameworks", "Lumen Yards"}));

  QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, lb->visualItemRect(lb->item(1)).center());
  EXPECT_EQ(BoxText("cbMfg"), "Lumen Yards") << "a clicked entry comes into the box";
  Type("cbMfg", "Lumen Yards of Tessary");
  Click("btnChangeMfg");
  EXPECT_EQ(Design().Manufacturers,
            (std::vector<std::string>{"Ostrava Frameworks", "Lumen Yards of Tessary"}));
}

TEST_F(Specifications, LoadedSamplesShowTheirDescription) {
  for (const char* sample : {"hollow-warden-hw3.txt", "hollow-warden-hw3.html"}) {
    Load(sample);
    EXPECT_EQ(Find<QLineEdit>("edtType")->text(), "Hollow Warden HW-3") << sample;
    EXPECT_EQ(BoxText("cbChassis"), "Oskar Type 4 Endo") << sample;
    EXPECT_EQ(BoxText("cbPowPlnt"), "Kestrel 275 XL") << sample;
    EXPECT_EQ(BoxText("cbJJets"), "Lark Lifters") << sample;
    EXPECT_EQ(BoxText("cbArmr"), "Corvane Weave") << sample;
    EXPECT_EQ(BoxText("cbComSys"), "Tellar Nine") << sample;
    EXPECT_EQ(BoxText("cbTTSys"), "Vigil 2") << sample;
    EXPECT_EQ(BoxText("cbDate"), "3050") << sample;
    EXPECT_EQ(Items("lbMfg"), (QStringList{"Ostrava Frameworks", "Lumen Yards"})) << sample;
    EXPECT_EQ(Items("lbWeps"), (QStringList{"1 Brightline Mk2", "2 Brightline Mk1", "1 Tessel Six"}))
        << sample;
    EXPECT_EQ(Find<QPlainTextEdit>("memoRemarks")->toPlainText(),
              "A fast raider built around a single large laser.\nFavoured by border militias.")
        << sample;
    EXPECT_EQ(Entries("cbChassis").value(0), "Endo Steel") << "the list of the design's structure";
    EXPECT_FALSE(window->Modified());
  }

  Load("brennock-bk1.TFI");
  EXPECT_EQ(Find<QLineEdit>("edtType")->text(), "Brennock BK-1");
  EXPECT_EQ(BoxText("cbChassis"), "Cindral Frame");
  EXPECT_TRUE(BoxText("cbPowPlnt").startsWith("Hollins ")) << "a maker of no rating's default stays";
  EXPECT_EQ(BoxText("cbJJets"), "None");
  EXPECT_FALSE(Box("cbJJets")->isEnabled()) << "the design cannot jump";
  EXPECT_EQ(BoxText("cbArmr"), "Tessary Plate");
  EXPECT_EQ(BoxText("cbTTSys"), "Sightline 3");
  EXPECT_EQ(Items("lbMfg"), QStringList{"Brennock Works"});
  EXPECT_TRUE(Items("lbWeps").contains("2 Orrin Mk1")) << Items("lbWeps").join('|').toStdString();
  EXPECT_EQ(Find<QPlainTextEdit>("memoRemarks")->toPlainText(),
            "A sturdy patroller of the border garrisons.");
}

TEST_F(Specifications, ClearSpecificationsEmptiesTheDescriptionAndKeepsTheDesign) {
  Load("hollow-warden-hw3.txt");
  const TMech& m = Design();
  const auto armor = m.Armor;
  const std::uint8_t tons = m.Tonnage;
  Click("btnClrSpec");
  EXPECT_EQ(Find<QLineEdit>("edtType")->text(), "");
  for (const char* box : {"cbChassis", "cbArmr", "cbComSys", "cbTTSys", "cbMfg"})
    EXPECT_EQ(BoxText(box), "") << box;
  EXPECT_EQ(Box("cbChassis")->lineEdit()->placeholderText(), "Endo Steel") << "the category is offered";
  EXPECT_EQ(BoxText("cbPowPlnt"), "Kestrel 275 XL") << "the power plant is rebuilt, not emptied";
  EXPECT_EQ(BoxText("cbDate"), "Custom Design");
  EXPECT_TRUE(Items("lbMfg").isEmpty());
  EXPECT_EQ(Find<QPlainTextEdit>("memoRemarks")->toPlainText(), "");
  EXPECT_EQ(Items("lbWeps"), (QStringList{"1 Large Laser(s)", "2 Medium Laser(s)", "1 SRM 6(s)"}));
  EXPECT_EQ(m.Texts[txtModel], "");
  EXPECT_EQ(m.Source, srcCustom);
  EXPECT_EQ(m.Tonnage, tons);
  EXPECT_EQ(m.Armor, armor);
  EXPECT_EQ(m.JumpMP, 5);
  EXPECT_TRUE(window->Modified());
}

TEST_F(Specifications, ATypedChassisSurvivesAStructureChange) {
  Type("cbChassis", "My Own Frame");
  Leave();
  ShowTab("tsMain");
  Choose("pmTech", "Inner Sphere Level 2");
  Choose("pmIS", "Endo Steel");
  ShowTab("tsSpecifications");
  EXPECT_EQ(BoxText("cbChassis"), "My Own Frame");
  EXPECT_EQ(Design().Texts[txtChassis], "My Own Frame");
  EXPECT_EQ(Entries("cbChassis").value(0), "Endo Steel");
  EXPECT_TRUE(Entries("cbChassis").contains("Corvane Endo")) << "the Endo Steel makers are offered";
}

TEST_F(Specifications, ABrandEditedOnTheArmamentBoxIsStoredInTheBrandList) {
  Load("hollow-warden-hw3.txt");
  auto* lb = Find<QListWidget>("lbWeps");
  EXPECT_FALSE(Box("cbWeps")->isEnabled()) << "until an entry is chosen";
  QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, lb->visualItemRect(lb->item(1)).center());
  ASSERT_TRUE(Box("cbWeps")->isEnabled());
  EXPECT_EQ(BoxText("cbWeps"), "Brightline Mk1");
  const auto id = static_cast<std::int16_t>(lb->item(1)->data(Qt::UserRole).toInt());

  Type("cbWeps", "Argent Lightline 3");
  Leave();
  ASSERT_NE(Design().Brands->Find(id), nullptr);
  EXPECT_EQ(Design().Brands->Find(id)->Brand, "Argent Lightline 3");
  EXPECT_EQ(lb->item(1)->text(), "2 Argent Lightline 3");
  EXPECT_EQ(lb->currentRow(), 1) << "the entry stays chosen under its new text";
  EXPECT_TRUE(Box("cbWeps")->isEnabled());
  EXPECT_TRUE(window->Modified());

  ShowTab("tsWeapons");
  ShowTab("tsSpecifications");
  EXPECT_EQ(lb->item(1)->text(), "2 Argent Lightline 3");
}

TEST_F(Specifications, ListsAreRefilledOnlyWhenTheirCategoryChanges) {
  auto counting = std::make_unique<test::TCountingQuery>(window->Equipment()->Database()->NewQuery());
  test::TCountingQuery* query = counting.get();
  window->SpecificationsPage()->SetQuery(std::move(counting));

  ShowTab("tsMain");
  ShowTab("tsSpecifications");
  Type("cbComSys", "Tellar Nine");
  Leave();
  EXPECT_EQ(query->Opens, 0) << "every list already holds what the design needs";

  ShowTab("tsMain");
  Choose("pmTech", "Inner Sphere Level 2");
  Choose("pmIS", "Endo Steel");
  ShowTab("tsSpecifications");
  EXPECT_EQ(query->Opens, 1) << "the chassis list only";

  ShowTab("tsWeapons");  // leaving Main Items would store its edits over the value set here
  Design().JumpMP = 1;
  window->Recalc(rqChassis);
  ShowTab("tsSpecifications");
  EXPECT_EQ(query->Opens, 2) << "the jump-jet list";
  EXPECT_TRUE(Box("cbJJets")->isEnabled());
  EXPECT_EQ(Entries("cbJJets").value(0), "1");
}

TEST_F(Specifications, EditsAreTheDesignsAndSurviveTabAndConfigurationChanges) {
  auto* type = Find<QLineEdit>("edtType");
  type->setFocus();
  QTest::keyClicks(type, "Skarn Prime");
  EXPECT_EQ(Design().Texts[txtModel], "Skarn Prime") << "stored on each keystroke";
  Type("cbArmr", "Forged Plate");
  Type("cbTTSys", "Ferrin Track 2");
  auto* memo = Find<QPlainTextEdit>("memoRemarks");
  memo->setFocus();
  QTest::keyClicks(memo, "First line");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "Second line");
  auto* date = Box("cbDate");
  date->setCurrentIndex(6);
  emit date->activated(6);
  type->setFocus();
  QTest::keyClick(type, Qt::Key_Return);
  EXPECT_EQ(window->windowTitle(), "(Skarn Prime) Titanframe Designer[*]")
      << "leaving the type name names the window";
  EXPECT_TRUE(window->Modified());

  ShowTab("tsMain");
  Choose("pmTech", "Inner Sphere Level 2");
  Choose("pmOptions", "Omni");
  Choose("pmConfig", "Primary");
  ASSERT_EQ(Design().ConfigIndex, 1);
  ShowTab("tsSpecifications");
  EXPECT_EQ(type->text(), "Skarn Prime");
  EXPECT_EQ(BoxText("cbArmr"), "Forged Plate");
  EXPECT_EQ(BoxText("cbTTSys"), "Ferrin Track 2");
  EXPECT_EQ(memo->toPlainText(), "First line\nSecond line");
  EXPECT_EQ(Design().Overview, (std::vector<std::string>{"First line", "Second line"}));
  EXPECT_EQ(BoxText("cbDate"), "3060");
  EXPECT_EQ(Design().Source, src3060);

  // New empties every field.
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  Find<QAction>("FileNewItem")->trigger();
  ShowTab("tsSpecifications");
  EXPECT_EQ(type->text(), "");
  EXPECT_EQ(BoxText("cbArmr"), "");
  EXPECT_EQ(BoxText("cbTTSys"), "");
  EXPECT_EQ(memo->toPlainText(), "");
  EXPECT_EQ(BoxText("cbDate"), "Custom Design");
  EXPECT_EQ(BoxText("cbJJets"), "None");
  EXPECT_FALSE(Box("cbJJets")->isEnabled());
  EXPECT_TRUE(Items("lbMfg").isEmpty());
  EXPECT_TRUE(Items("lbWeps").isEmpty());
}

}  // namespace
