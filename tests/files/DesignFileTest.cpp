#include <gtest/gtest.h>

#include "FilesKit.h"
#include "files/DesignFile.h"
#include "files/ReadError.h"
#include "rules/RulesPass.h"

namespace tfd {
namespace {

using kit::TFileConfig;
using kit::TFileDesign;

TEST(Real6, DecodesExponentFractionAndSign) {
  const unsigned char one[6] = {129, 0, 0, 0, 0, 0};
  const unsigned char zero[6] = {0, 1, 2, 3, 4, 5};  // exponent 0 is 0 whatever follows
  const unsigned char minusHalf[6] = {128, 0, 0, 0, 0, 0x80};
  const unsigned char threeQuarters[6] = {128, 0, 0, 0, 0, 0x40};  // 2^-1 x 1.5
  EXPECT_DOUBLE_EQ(Real6(one), 1.0);
  EXPECT_DOUBLE_EQ(Real6(zero), 0.0);
  EXPECT_DOUBLE_EQ(Real6(minusHalf), -0.5);
  EXPECT_DOUBLE_EQ(Real6(threeQuarters), 0.75);
  kit::TDesignFileWriter w;
  w.Real(8.5).Real(-12.25);
  const auto* b = reinterpret_cast<const unsigned char*>(w.Bytes().data());
  EXPECT_DOUBLE_EQ(Real6(b), 8.5);
  EXPECT_DOUBLE_EQ(Real6(b + 6), -12.25);
}

TEST(DesignFile, AllCountsZeroIsAValidEmptyDesign) {
  TFileDesign d;
  d.texts.assign(7, "");
  d.manufacturers.clear();
  d.armament.clear();
  d.overview.clear();
  kit::TLoader l;
  const std::string bytes = kit::Write(d);
  ASSERT_EQ(bytes.size(), 2u + 7 * 2 + 2 + 2 + 1 + 1 + 2 + 2 + 6 + 7 + 3 + 312 + 2);
  const TLoadResult r = l.Load("empty.TFC", bytes);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(l.design.RulesLevel, rlIS2);
  EXPECT_TRUE(l.design.Configs[0]->Items.Empty());
  EXPECT_TRUE(l.design.Texts[txtModel].empty());
  EXPECT_EQ(l.design.Texts[txtFilePath], "empty.TFC");
}

TEST(DesignFile, HeaderValuesGoToTheirFields) {
  TFileDesign d;
  d.flags = 0x02 | 0x04 | 0x10 | 0x20 | 0x01;  // Endo Steel, XL, quad, Ferro-Fibrous; bit 0 ignored
  d.armor = {9, 20, 7, 15, 5, 12, 14};
  d.tonnage = 45;
  d.walk = 4;
  d.jump = 3;
  d.heatSinks = 12;
  d.source = 5;
  d.texts[0] = "Sch\xe9rzo \x80";  // Windows-1252 text
  kit::TLoader l;
  ASSERT_TRUE(
      l.Load("q.TFC", kit::Write(d)).Ok());  // technology bits 0: Inner Sphere Level 1, whatever the name
  const TMech& m = l.design;
  EXPECT_EQ(m.RulesLevel, rlIS1);
  EXPECT_EQ(m.Tonnage, 45);
  EXPECT_EQ(m.WalkMP, 4);
  EXPECT_EQ(m.JumpMP, 3);
  EXPECT_EQ(m.HeatSinks, 12);
  EXPECT_EQ(m.Source, src3058);
  EXPECT_TRUE(m.IsQuad());
  EXPECT_EQ(m.Texts[txtModel], "Sch\xc3\xa9rzo \xe2\x82\xac");
  EXPECT_EQ(m.Texts[txtChassis], "Cindral Frame");
  EXPECT_EQ(m.Texts[txtComSystem], "Vox 5");
  EXPECT_EQ(m.Texts[txtTargetingSystem], "Sightline 3");
  EXPECT_EQ(m.Manufacturers, std::vector<std::string>{"Brennock Works"});
  EXPECT_EQ(m.Armament, std::vector<std::string>{"Medium Laser: Orrin Mk1"});
  EXPECT_EQ(m.Overview, (std::vector<std::string>{"A sturdy patroller.", "Second line."}));
  // Head; centre torso, its rear; side torsos, their rears; arms; legs.
  EXPECT_EQ(m.Armor[asHead], 9);
  EXPECT_EQ(m.Armor[asCenterTorsoRear], 7);
  EXPECT_EQ(m.Armor[asLeftTorso], 15);
  EXPECT_EQ(m.Armor[asRightTorsoRear], 5);
  EXPECT_EQ(m.Armor[asLeftArm], 12);
  EXPECT_EQ(m.Armor[asRightLeg], 14);
}

TEST(DesignFile, ClanTechnologyGivesClanVariantsAndKeepsClanCase) {
  TFileDesign d;
  d.flags = 0x80 | 0x02 | 0x04 | 0x20;
  d.configs[0].cases = 0x01 | 0x04 | 0x10;  // centre, right and left torso
  kit::TLoader l;
  ASSERT_TRUE(l.Load("c.TFC", kit::Write(d)).Ok());
  const TMech& m = l.design;
  EXPECT_EQ(m.RulesLevel, rlClan2);
  EXPECT_EQ(m.StructureType, stClanEndoSteel);
  EXPECT_EQ(m.EngineType, etClanXL);
  EXPECT_EQ(m.ArmorType, atClanFF);
  // After the rules pass: CASE of the Inner Sphere kind would be gone at Clan Level 2.
  EXPECT_EQ(m.Configs[0]->CaseKind[locRightTorso], caseClan);
  EXPECT_EQ(m.Configs[0]->CaseKind[locLeftTorso], caseClan);
}

TEST(DesignFile, ActuatorByteIsLowerArmThenHand) {
  TFileDesign d;
  d.configs[0].actuators = 0x01 | 0x10 | 0x40;  // right lower arm, left lower arm, left hand
  kit::TLoader l;
  ASSERT_TRUE(l.Load("a.TFI", kit::Write(d)).Ok());
  const auto& act = l.design.Configs[0]->Actuators;  // right hand, right lower, left hand, left lower
  EXPECT_EQ(act[0], 0);
  EXPECT_EQ(act[1], 1);
  EXPECT_EQ(act[2], 1);
  EXPECT_EQ(act[3], 1);
  EXPECT_EQ(l.design.Configs[0]->Crits.SlotAt(locRightArm, 4).Code, ciEmpty);
  EXPECT_EQ(l.design.Configs[0]->Crits.SlotAt(locLeftArm, 4).Code, ciHand);
}

// A 40-ton Inner Sphere design with a laser, an autocannon, two tons of its
// ammunition, two double heat sinks, an anti-missile system and a split item.
TFileDesign Loaded() {
  TFileDesign d;
  TFileConfig c;
  c.items = {{102, locRightArm, 1},             // Medium Laser
             {202, locRightTorso, 7},           // Autocannon/10
             {802, locLeftTorso, 2, 2.0},       // @Autocannon/10, two tons
             {701, locLeftTorso, 6},            // two Double Heat Sinks
             {605, locCenterTorso, 1},          // Anti-Missile System ("Inventory")
             {203, locLeftArm | lcSplit, 10}};  // Autocannon/20 over left arm and left torso
  c.slots.push_back({locRightArm, 5, 102, 0});
  for (int s = 1; s <= 7; ++s) c.slots.push_back({locRightTorso, s, 202, 1});
  for (int s = 1; s <= 2; ++s) c.slots.push_back({locLeftTorso, s, 802, 2});
  for (int s = 3; s <= 8; ++s) c.slots.push_back({locLeftTorso, s, 701, 3});
  c.slots.push_back({locCenterTorso, 11, 605, 4});
  for (int s = 5; s <= 12; ++s) c.slots.push_back({locLeftArm, s, 203, 5});
  for (int s = 9; s <= 10; ++s) c.slots.push_back({locLeftTorso, s, 203, 5});
  d.configs = {c};
  d.configs[0].actuators = 0x05;  // the right arm's lower arm and hand only
  return d;
}

TEST(DesignFile, ItemsAreTheRowsOfTheirFileNumbersWithWeightsAndNames) {
  kit::TLoader l;
  ASSERT_TRUE(l.Load("b.TFI", kit::Write(Loaded())).Ok());
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 6);
  const TWeapon* laser = c.Items.AddrOf(0);
  const TWeapon* ac10 = c.Items.AddrOf(1);
  const TWeapon* ammo = c.Items.AddrOf(2);
  const TWeapon* sinks = c.Items.AddrOf(3);
  const TWeapon* ams = c.Items.AddrOf(4);
  EXPECT_EQ(laser->SaveNum, kit::RowBySave97(102).SaveNum);
  EXPECT_EQ(ac10->SaveNum, kit::RowBySave97(202).SaveNum);
  EXPECT_EQ(ammo->SaveNum, kit::RowBySave97(802).SaveNum);
  // Tons: the row's where the file gives none; the chassis weighs fixed heat sinks.
  EXPECT_DOUBLE_EQ(laser->Tons, kit::RowBySave97(102).Tons);
  EXPECT_DOUBLE_EQ(ac10->Tons, kit::RowBySave97(202).Tons);
  EXPECT_DOUBLE_EQ(sinks->Tons, 0.0);
  // Ammunition: name with its shots, battle value and cost per ton.
  const TWepInfoStruct& ammoRow = kit::RowBySave97(802);
  EXPECT_EQ(ammo->Name, ammoRow.Name + " (" + std::to_string(2 * ammoRow.Damage) + ")");
  EXPECT_DOUBLE_EQ(ammo->BV, 2.0 * ammoRow.BV);
  EXPECT_DOUBLE_EQ(ammo->Cost, 2.0 * ammoRow.Cost);
  EXPECT_EQ(sinks->Name, kit::RowBySave97(701).Name + " 2");
  EXPECT_EQ(l.design.HeatSinkType, hsDouble);
  EXPECT_EQ(l.design.Dissipation, 20);
  EXPECT_NE(l.design.Brands->Find(ams->SaveNum), nullptr);
  EXPECT_DOUBLE_EQ(c.EquipmentWeight, laser->Tons + ac10->Tons + 2.0 + ams->Tons + c.Items.AddrOf(5)->Tons);
  EXPECT_FALSE(l.design.MixedTech);
}

TEST(DesignFile, SlotsNameTheRowsAndChainLikeAPlacement) {
  kit::TLoader l;
  ASSERT_TRUE(l.Load("b.TFI", kit::Write(Loaded())).Ok());
  TConfiguration& c = *l.design.Configs[0];
  TWeapon* ac10 = c.Items.AddrOf(1);
  TWeapon* ac20 = c.Items.AddrOf(5);
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 1).Code, ac10->SaveNum);
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 1).Item, ac10);
  EXPECT_EQ(ac10->SlotsFirst, SlotLink(locRightTorso, 1));
  // The split item starts in its primary location and runs on into the torso.
  EXPECT_EQ(ac20->SlotsFirst, SlotLink(locLeftArm, 5));
  EXPECT_EQ(c.Crits.SlotAt(locLeftArm, 12).Link, SlotLink(locLeftTorso, 9));
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 10).Link, 0);
  // Releasing one item frees exactly its slots; releasing all leaves nothing.
  c.Crits.Release(ac10);
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 7).Item, nullptr);
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 9).Item, ac20);
  kit::ExpectReleaseLeavesNothing(l.design);
}

TEST(DesignFile, BadIndexesAndUnknownNumbersLeaveSlotsEmpty) {
  TFileDesign d = Loaded();
  auto& c = d.configs[0];
  c.items.push_back({9999 % 1200, locHead, 1});  // no row has this number: left out
  c.slots = {{locRightArm, 5, 102, -1},          // no item
             {locRightArm, 6, 102, 40},          // past the end of the list
             {locRightArm, 7, 1199, -1},         // no row with this number
             {locRightArm, 8, 202, 0},           // the item there is another one
             {locRightTorso, 1, 202, 1}};
  kit::TLoader l;
  const TLoadResult r = l.Load("b.TFI", kit::Write(d));
  ASSERT_TRUE(r.Ok());
  // The unknown item is named in a warning; a file has no lines to number.
  ASSERT_EQ(r.Warnings.size(), 1u);
  EXPECT_EQ(r.Warnings[0].Line, 0);
  EXPECT_EQ(r.Warnings[0].Text, "item 7 of the Default Configuration, number 399");
  EXPECT_EQ(r.Warnings[0].Why, "unknown equipment");
  const TConfiguration& cfg = *l.design.Configs[0];
  EXPECT_EQ(cfg.Items.Size(), 6);
  for (int s = 5; s <= 8; ++s) {
    EXPECT_EQ(cfg.Crits.SlotAt(locRightArm, s).Item, nullptr) << s;
    EXPECT_EQ(cfg.Crits.SlotAt(locRightArm, s).Code, ciEmpty) << s;
  }
  EXPECT_EQ(cfg.Items.AddrOf(1)->SlotsFirst, SlotLink(locRightTorso, 1));
  EXPECT_EQ(cfg.Items.AddrOf(0)->SlotsFirst, 0);  // never placed: unlinked
}

TEST(DesignFile, OmniReadsEightBlocksAndMarksMixedTechnology) {
  TFileDesign d;
  d.flags = 0x40 | 0x08;
  d.configs.assign(8, TFileConfig{});
  d.configs[1].items = {{150, locRightArm, 1}};  // a Clan laser on an Inner Sphere design
  d.configs[1].slots = {{locRightArm, 5, 150, 0}};
  d.configs[1].items.push_back({701, locLeftTorso, 3});  // a pod double heat sink: weighs one ton
  d.configs[7].items = {{102, locLeftArm, 1}};
  d.overview = {"Last"};
  kit::TLoader l;
  ASSERT_TRUE(l.Load("o.TFI", kit::Write(d)).Ok());
  EXPECT_TRUE(l.design.IsOmni());
  EXPECT_TRUE(l.design.MixedTech);
  EXPECT_EQ(l.design.Configs[1]->Items.AddrOf(0)->SaveNum, kit::RowBySave97(150).SaveNum);
  EXPECT_DOUBLE_EQ(l.design.Configs[1]->Items.AddrOf(1)->Tons, 1.0);
  EXPECT_EQ(l.design.Configs[7]->Items.Size(), 1);
  EXPECT_EQ(l.design.Overview, std::vector<std::string>{"Last"});
}

TEST(DesignFile, FormulasSeeTheEngineOfTheFile) {
  TFileDesign d;
  d.tonnage = 60;
  d.walk = 5;
  d.configs[0].items = {{708, locRightTorso, 3}};  // MASC: its cost follows the engine rating
  kit::TLoader l;
  ASSERT_TRUE(l.Load("m.TFI", kit::Write(d)).Ok());
  const TWeapon* masc = l.design.Configs[0]->Items.AddrOf(0);
  EXPECT_DOUBLE_EQ(masc->Tons, 3.0);
  EXPECT_DOUBLE_EQ(masc->Cost, 300 * 3 * 1000.0);
}

TEST(DesignFile, FormulasSeeTheCorrectedDesign) {
  // 103 tons is corrected to 100, and the formulas read 100 tons and a
  // 400-rated engine (not 412): the MASC costs 2,000,000, the myomer 1,600,000.
  TFileDesign d;
  d.tonnage = 103;
  d.walk = 4;
  d.configs[0].items = {{708, locRightTorso, 5}, {707, lcBin, 6}};
  kit::TLoader l;
  ASSERT_TRUE(l.Load("m.TFI", kit::Write(d)).Ok());
  EXPECT_EQ(l.design.Tonnage, 100);
  const TWeapon* masc = l.design.Configs[0]->Items.AddrOf(0);
  EXPECT_DOUBLE_EQ(masc->Tons, 5.0);
  EXPECT_DOUBLE_EQ(masc->Cost, 400 * 5 * 1000.0);
  EXPECT_DOUBLE_EQ(l.design.Configs[0]->Items.AddrOf(1)->Cost, 1600000.0);
}

TEST(DesignFile, TargetingComputerLoadsAtTheWeightAndCostItsWeaponsGive) {
  // Two Clan ER PPCs (12 t of direct fire) need a 3-ton computer, whatever the file states.
  TFileDesign d;
  d.flags = 0x80;
  d.configs[0].items = {{653, locLeftTorso, 3, 1.0}, {153, locRightArm, 2, 6.0}, {153, locLeftArm, 2, 6.0}};
  kit::TLoader l;
  ASSERT_TRUE(l.Load("t.TFC", kit::Write(d)).Ok());
  const TWeapon& computer = *l.design.Configs[0]->Items.AddrOf(0);
  EXPECT_DOUBLE_EQ(computer.Tons, 3.0);
  EXPECT_DOUBLE_EQ(computer.Cost, 30000.0);
  EXPECT_EQ(computer.Slots, 3);
}

TEST(DesignFile, EveryEarlyEndIsReportedAndKeepsWhatWasRead) {
  const std::string bytes = kit::Write(Loaded());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    kit::TLoader l;
    const TLoadResult r = l.Load("cut.TFI", bytes.substr(0, n));
    ASSERT_EQ(r.Status, ELoadStatus::Failed) << n;
    ASSERT_EQ(r.Message, "Read beyond end of file") << n;
    if (n > 20) {
      EXPECT_EQ(l.design.Texts[txtModel], "Brennock BK-1");
    }
    kit::ExpectReleaseLeavesNothing(l.design);  // a slot table cut short is linked all the same
  }
}

TEST(DesignFile, NegativeLengthsAndCountsReadAsEmpty) {
  kit::TDesignFileWriter w;
  w.Word(2311);
  for (int i = 0; i < 7; ++i) w.Word(-5);
  w.Word(-1).Word(0x8000);
  w.Byte(0x40).Byte(200).Byte(10).Byte(250).Byte(9).Byte(0).Real(0);
  for (int i = 0; i < 7; ++i) w.Byte(255);
  w.Byte(0).Byte(0).Byte(0);
  for (int i = 0; i < 78; ++i) w.Word(0).Word(-1);
  w.Word(-3);
  kit::TLoader l;
  const TLoadResult r = l.Load("odd.TFI", w.Bytes());
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(l.design.Source, srcOther);
  EXPECT_EQ(l.design.Tonnage, 100);  // the rules pass clamps what the file holds
  EXPECT_LE(l.design.Armor[asHead], 9);
}

}  // namespace
}  // namespace tfd
