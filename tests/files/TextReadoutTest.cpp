#include <gtest/gtest.h>

#include "FilesKit.h"
#include "files/NameParsers.h"
#include "files/TextInput.h"
#include "files/TextReadout.h"

namespace tfd {
namespace {

TEST(LocationNames, NamesCodesAndUnknownNames) {
  EXPECT_EQ(ParseLocationCode("H"), 0);
  EXPECT_EQ(ParseLocationCode(" ct "), 1);
  EXPECT_EQ(ParseLocationCode("RFL"), 4);
  EXPECT_EQ(ParseLocationCode("LLR"), 15);
  EXPECT_EQ(ParseLocationCode("R/CT"), 18);
  EXPECT_EQ(ParseLocationCode("lrl/tr"), 31);
  EXPECT_EQ(ParseLocationCode("XYZ"), -1);
  EXPECT_EQ(ParseLocationCode(""), -1);
}

TEST(EquipmentNames, CountsBracketsSidesAndSpecialNames) {
  const TEquipmentLists& lists = kit::Lists();
  auto row = [&](std::string_view name, char marker, bool clan) {
    const TParsedName p = ParseEquipmentName(name, marker, clan, lists);
    return p.Row ? p.Row->SaveNum : static_cast<std::int16_t>(-p.Special);
  };
  const std::int16_t laserIS = kit::RowBySave97(102).SaveNum;  // Medium Laser
  EXPECT_EQ(row("2 Medium Laser", ' ', false), laserIS);
  EXPECT_EQ(row("MEDIUM LASER", ' ', false), laserIS);
  EXPECT_EQ(row("@SRM 6 (15)", ' ', false), kit::RowBySave97(1002).SaveNum);
  // A Clan design finds the Clan row; the marker finds the other side's.
  EXPECT_EQ(row("SRM 6", ' ', true), kit::RowBySave97(452).SaveNum);
  EXPECT_EQ(row("SRM 6", '*', false), kit::RowBySave97(452).SaveNum);
  EXPECT_EQ(row("CASE", ' ', false), -18);
  EXPECT_EQ(row("hand actuator", ' ', false), -11);
  EXPECT_EQ(row("Lower Arm Actuator", ' ', false), -10);
  EXPECT_EQ(row("No Such Thing", ' ', false), 0);
}

TEST(SourceWords, TheYearsAndTheRest) {
  EXPECT_EQ(SourceOfWord("3025"), src3025);
  EXPECT_EQ(SourceOfWord("custom"), srcCustom);
  EXPECT_EQ(SourceOfWord("Sourcebook"), srcSourcebook);
  EXPECT_EQ(SourceOfWord("3067"), srcOther);
}

class TextSample : public ::testing::Test {
 protected:
  kit::TLoader l;
  void Load(const std::string& name) {
    const TLoadResult r = l.LoadSample(name);
    ASSERT_TRUE(r.Ok()) << r.Message;
  }
  const TWeapon* Find(int config, const std::string& name) {
    for (const auto& w : l.design.Configs[static_cast<std::size_t>(config)]->Items)
      if (w->Name == name) return w.get();
    return nullptr;
  }
};

TEST_F(TextSample, DescriptiveAndEquipmentBlocks) {
  Load("hollow-warden-hw3.txt");
  const TMech& m = l.design;
  EXPECT_EQ(m.Texts[txtModel], "Hollow Warden HW-3");
  EXPECT_EQ(m.Texts[txtChassis], "Oskar Type 4 Endo");
  EXPECT_EQ(m.Texts[txtJumpJets], "Lark Lifters");
  EXPECT_EQ(m.Texts[txtTargetingSystem], "Vigil 2");
  EXPECT_EQ(m.Armament.size(), 3u);
  EXPECT_EQ(m.Manufacturers, (std::vector<std::string>{"Ostrava Frameworks", "Lumen Yards"}));
  EXPECT_EQ(m.Overview.size(), 2u);
  EXPECT_EQ(m.RulesLevel, rlIS2);
  EXPECT_EQ(m.Source, src3050);
  EXPECT_EQ(m.Tonnage, 55);
  EXPECT_EQ(m.WalkMP, 5);
  EXPECT_EQ(m.JumpMP, 5);
  EXPECT_EQ(m.EngineRating, 275);
  EXPECT_EQ(m.EngineType, etXL);
  EXPECT_EQ(m.StructureType, stEndoSteel);
  EXPECT_EQ(m.HeatSinkType, hsDouble);  // "[24]" for twelve
  EXPECT_EQ(m.Dissipation, 24);
  EXPECT_EQ(m.Armor[asCenterTorso], 24);
  EXPECT_EQ(m.Armor[asLeftTorsoRear], 6);
  EXPECT_FALSE(m.IsOmni());
  EXPECT_FALSE(m.IsQuad());
  EXPECT_EQ(m.Texts[txtPowerPlant], "Kestrel 275 XL");
}

TEST_F(TextSample, ItemsSpecialLinesAndPlacement) {
  Load("hollow-warden-hw3.txt");
  TConfiguration& c = *l.design.Configs[0];
  const TWeapon* large = Find(0, "Large Laser");
  ASSERT_NE(large, nullptr);
  EXPECT_DOUBLE_EQ(large->Tons, 5.0);
  // Right arm: lower arm actuator read from its line, no hand; the laser follows it.
  EXPECT_EQ(c.Actuators[1], 1);
  EXPECT_EQ(c.Actuators[0], 0);
  EXPECT_EQ(c.Crits.SlotAt(locRightArm, 4).Item, large);
  EXPECT_EQ(large->SlotsFirst, SlotLink(locRightArm, 4));
  // Left arm: "*ACT: LH LA".
  EXPECT_EQ(c.Actuators[2], 1);
  EXPECT_EQ(c.Actuators[3], 1);
  EXPECT_EQ(c.CaseKind[locLeftTorso], caseIS);
  // The heat-sink line makes one double heat sink of three slots in the right torso.
  const TWeapon* sink = Find(0, "Double Heat Sink");
  ASSERT_NE(sink, nullptr);
  EXPECT_EQ(sink->Slots, 3);
  EXPECT_EQ(sink->Location, locRightTorso);
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 4).Item, sink);
  // Jump jets of the fixed configuration weigh nothing of their own.
  const TWeapon* jets = Find(0, "2 Jump Jet");
  ASSERT_NE(jets, nullptr);
  EXPECT_DOUBLE_EQ(jets->Tons, 0.0);
  EXPECT_EQ(jets->Slots, 2);
  // Ammunition: the tons read, battle value and cost per ton.
  const TWeapon* ammo = Find(0, "@SRM 6 (15)");
  ASSERT_NE(ammo, nullptr);
  EXPECT_DOUBLE_EQ(ammo->Tons, 1.0);
  EXPECT_DOUBLE_EQ(c.EquipmentWeight, 11.0);
  EXPECT_DOUBLE_EQ(l.design.Weights[wFree], 12.0);
  kit::ExpectReleaseLeavesNothing(l.design);
}

TEST_F(TextSample, OmniClanDesignWithAlternates) {
  Load("skarn-prime.txt");
  const TMech& m = l.design;
  EXPECT_TRUE(m.IsOmni());
  EXPECT_EQ(m.RulesLevel, rlClan2);
  EXPECT_EQ(m.Source, srcOther);
  EXPECT_EQ(m.HeatSinkType, hsClanDouble);
  EXPECT_EQ(m.ArmorType, atClanFF);
  EXPECT_EQ(m.StructureType, stClanEndoSteel);
  EXPECT_TRUE(m.MixedTech);  // the Inner Sphere laser marked "*"
  // Fixed configuration: filled from the back of each location.
  const TConfiguration& fixed = *m.Configs[0];
  const TWeapon* sinks = Find(0, "2 Double Heat Sink");
  ASSERT_NE(sinks, nullptr);
  EXPECT_EQ(sinks->Slots, 4);
  EXPECT_EQ(fixed.Crits.SlotAt(locCenterTorso, 12).Item, sinks);
  EXPECT_EQ(fixed.Crits.SlotAt(locCenterTorso, 11).Item, sinks);
  EXPECT_DOUBLE_EQ(sinks->Tons, 0.0);
  // Primary: pod heat sinks weigh a ton each; the fixed equipment's slots stay free of pods.
  const TWeapon* pod = Find(1, "Double Heat Sink");
  ASSERT_NE(pod, nullptr);
  EXPECT_DOUBLE_EQ(pod->Tons, 1.0);
  // A Clan missile launcher is a launcher, not a ton of ammunition.
  const TWeapon* launcher = Find(1, "SRM 6");
  ASSERT_NE(launcher, nullptr);
  EXPECT_EQ(launcher->SaveNum, kit::RowBySave97(452).SaveNum);
  EXPECT_DOUBLE_EQ(launcher->BV, kit::RowBySave97(452).BV);
  EXPECT_DOUBLE_EQ(launcher->Tons, kit::RowBySave97(452).Tons);
  EXPECT_EQ(m.Configs[1]->Actuators[1], 1);
  EXPECT_EQ(m.Configs[1]->Actuators[0], 0);
  // Alternate A: the split rifle has four slots in the right torso, two in the centre.
  const TWeapon* rifle = Find(2, "Gauss Rifle");
  ASSERT_NE(rifle, nullptr);
  EXPECT_EQ(rifle->Location, locRightTorso | lcSplit);
  int inTorso = 0, inCentre = 0;
  for (int s = 1; s <= 12; ++s) {
    inTorso += m.Configs[2]->Crits.SlotAt(locRightTorso, s).Item == rifle;
    inCentre += m.Configs[2]->Crits.SlotAt(locCenterTorso, s).Item == rifle;
  }
  EXPECT_EQ(inTorso, 4);
  EXPECT_EQ(inCentre, 0);  // the centre torso of the loadout is full: what does not fit is dropped
  const TWeapon* laser = Find(2, "Medium Laser");
  ASSERT_NE(laser, nullptr);
  EXPECT_EQ(laser->SaveNum, kit::RowBySave97(102).SaveNum);
  EXPECT_EQ(m.Configs[3]->Items.Size(), 3);
  kit::ExpectReleaseLeavesNothing(l.design);
}

using kit::Line;
using kit::Readout;

TEST(TextReadout, TechnologyLines) {
  struct Case {
    const char* line;
    std::uint8_t level;
    std::uint8_t source;
  };
  for (const Case& c :
       {Case{"Inner Sphere Level 1 3025", rlIS1, src3025}, Case{"Clan", rlClan2, srcOther},
        Case{"Inner Sphere Level 2", rlIS2, srcOther}, Case{"Custom Level 3 Custom", rlIS2, srcCustom},
        Case{"Clan Level 2", rlClan2, srcOther}, Case{"Clan Level 2 3058", rlClan2, src3058}}) {
    kit::TLoader l;
    ASSERT_TRUE(l.Load("t.txt", Readout(c.line, "10 [10]", 8, 12, {})).Ok()) << c.line;
    EXPECT_EQ(l.design.RulesLevel, c.level) << c.line;
    EXPECT_EQ(l.design.Source, c.source) << c.line;
  }
}

TEST(TextReadout, EqualArmAndLegStructureMakeAQuadWithAllActuators) {
  kit::TLoader l;
  ASSERT_TRUE(l.Load("q.txt", Readout("Inner Sphere Level 2", "10", 12, 12, {})).Ok());
  EXPECT_TRUE(l.design.IsQuad());
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(l.design.Configs[k]->Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
}

TEST(TextReadout, HeatSinkLineInSingleSinkDesign) {
  kit::TLoader l;
  ASSERT_TRUE(l.Load("h.txt", Readout("Inner Sphere Level 2", "10 [10]", 8, 12, {"*HS: CT2 LA1 XX3"})).Ok());
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 2);  // the token naming no location adds nothing
  const TWepInfoStruct& hs = kit::RowBySave97(700);
  EXPECT_EQ(c.Items.AddrOf(0)->Name, "2 " + hs.Name);
  EXPECT_EQ(c.Items.AddrOf(0)->Slots, 2);
  EXPECT_EQ(c.Items.AddrOf(0)->Location, locCenterTorso);
  EXPECT_EQ(c.Items.AddrOf(1)->Name, hs.Name);
  EXPECT_EQ(c.Items.AddrOf(1)->Location, locLeftArm);
  EXPECT_EQ(l.design.HeatSinkType, hsSingle);
}

TEST(TextReadout, LinesOfSeveralUnitsCountUnits) {
  // Six slots of three-slot double heat sinks are two units.
  kit::TLoader l;
  ASSERT_TRUE(l.Load("u.txt", Readout("Inner Sphere Level 2", "12 Double", 8, 12,
                                      {Line("2 Medium Laser", "RA", "2 3 2.0"),
                                       Line("Medium Laser", "LTR", "1 3 1.0")},
                                      "Primary Configuration"))
                  .Ok());
  const TConfiguration& c = *l.design.Configs[1];
  ASSERT_EQ(c.Items.Size(), 2);
  const TWepInfoStruct& laser = kit::RowBySave97(102);
  EXPECT_DOUBLE_EQ(c.Items.AddrOf(0)->BV, 2.0 * laser.BV);
  EXPECT_DOUBLE_EQ(c.Items.AddrOf(0)->Cost, 2.0 * laser.Cost);
  EXPECT_DOUBLE_EQ(c.Items.AddrOf(0)->Tons, 2.0 * laser.Tons);
  EXPECT_EQ(c.Items.AddrOf(1)->Location, locLeftTorso | lcRear);
}

TEST(TextReadout, LocationNamingNothingGoesToTheBin) {
  kit::TLoader l;
  ASSERT_TRUE(
      l.Load("b.txt", Readout("Inner Sphere Level 2", "10", 8, 12, {Line("Medium Laser", "ZZ", "1 3 1.0")}))
          .Ok());
  const TWeapon* w = l.design.Configs[0]->Items.AddrOf(0);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Location, lcBin);
  EXPECT_EQ(kit::ReferencedSlots(*l.design.Configs[0]), 0);
}

TEST(TextReadout, APlacementStaysInsideItsLocation) {
  kit::TLoader l;
  ASSERT_TRUE(
      l.Load("f.txt", Readout("Inner Sphere Level 2", "10", 8, 12, {Line("Autocannon/20", "H", "10 7 14.0")}))
          .Ok());
  const TConfiguration& c = *l.design.Configs[0];
  const TWeapon* ac = c.Items.AddrOf(0);
  ASSERT_NE(ac, nullptr);
  int held = 0;
  for (int s = 1; s <= 12; ++s) held += c.Crits.SlotAt(locHead, s).Item == ac;
  EXPECT_EQ(held, 1);  // the head's one free slot; the rest is dropped
  EXPECT_EQ(c.Crits.SlotAt(locCenterTorso, 1).Code, ciEngine);
}

TEST(TextReadout, SplitHeatSinksAndJumpJetsTakeTheSlotsTheirLineGives) {
  // Not the most slots one placement of the row may take (twelve): two slots
  // in the arm and one in the torso, leaving the torso's other slots free.
  kit::TLoader l;
  const std::string readout =
      Readout("Inner Sphere Level 2", "10 Double", 8, 12,
              {Line("Double Heat Sink", "RA/T", "2/1 0 1.00"), Line("Jump Jet", "LL/T", "1/1 0 0.50"),
               Line("Medium Laser", "RT", "1 3 1.00")});
  ASSERT_TRUE(l.Load("s.txt", readout).Ok());
  const TConfiguration& c = *l.design.Configs[0];
  const TWeapon* sink = c.Items.AddrOf(0);
  const TWeapon* jet = c.Items.AddrOf(1);
  const TWeapon* laser = c.Items.AddrOf(2);
  EXPECT_EQ(sink->Slots, 3);
  EXPECT_EQ(jet->Slots, 2);
  auto held = [&](const TWeapon* w, int loc) {
    int n = 0;
    for (int s = 1; s <= 12; ++s) n += c.Crits.SlotAt(loc, s).Item == w;
    return n;
  };
  EXPECT_EQ(held(sink, locRightArm), 2);
  EXPECT_EQ(held(sink, locRightTorso), 1);
  EXPECT_EQ(held(jet, locLeftLeg), 1);
  EXPECT_EQ(held(jet, locLeftTorso), 1);
  EXPECT_EQ(sink->SlotsFirst, SlotLink(locRightArm, 3));  // no lower arm or hand actuator
  EXPECT_EQ(laser->SlotsFirst, SlotLink(locRightTorso, 2));
  kit::ExpectReleaseLeavesNothing(l.design);
}

TEST(TextReadout, DesignDependentEquipmentFollowsTheCorrectedDesign) {
  // 103 tons is corrected to 100: the myomer costs 16,000 per ton of the
  // design, the MASC weighs a twentieth of it and costs 1,000 per ton and
  // engine point (a 400-rated engine, not 412).
  kit::TLoader l;
  const std::string readout =
      Readout("Inner Sphere Level 2", "10", 8, 12,
              {Line("Triple Strength Myomer", "RT", "6 0 0.00"), Line("MASC", "LT", "5 0 5.00")}, "", 103);
  ASSERT_TRUE(l.Load("m.txt", readout).Ok());
  EXPECT_EQ(l.design.Tonnage, 100);
  const TWeapon* tsm = l.design.Configs[0]->Items.AddrOf(0);
  const TWeapon* masc = l.design.Configs[0]->Items.AddrOf(1);
  EXPECT_DOUBLE_EQ(tsm->Cost, 1600000.0);
  EXPECT_DOUBLE_EQ(masc->Tons, 5.0);
  EXPECT_DOUBLE_EQ(masc->Cost, 400 * 5 * 1000.0);
  EXPECT_EQ(masc->Slots, 5);
}

TEST(TextReadout, TabsAndBlankLinesInsideAListAreRead) {
  // Columns separated by tabs; a blank line and then more items of the same
  // table; the next configuration after its blank line as usual.
  kit::TLoader l;
  std::string readout = Readout("Inner Sphere Level 2", "10", 8, 12,
                                {"Medium Laser\tRA\t1\t3\t1.00", "Medium Pulse Laser\t\t*LA\t1\t4\t2.00", "",
                                 Line("SRM 6", "LT", "2 4 3.00"), "", "*ACT: RH"},
                                "Primary Configuration");
  readout += kit::Section("Alternate Configuration A", {Line("Large Laser", "RT", "2 8 5.00")});
  const TLoadResult r = l.Load("t.txt", readout);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_TRUE(r.Warnings.empty());
  const TConfiguration& c = *l.design.Configs[1];
  ASSERT_EQ(c.Items.Size(), 3);
  EXPECT_EQ(c.Items.AddrOf(0)->Location, locRightArm);
  EXPECT_EQ(c.Items.AddrOf(1)->Location, locLeftArm);
  EXPECT_EQ(c.Items.AddrOf(1)->SaveNum, kit::RowBySave97(155).SaveNum);  // marked: the Clan laser
  EXPECT_TRUE(l.design.MixedTech);
  EXPECT_EQ(c.Items.AddrOf(2)->Slots, 2);
  EXPECT_EQ(c.Actuators[0], 1);
  EXPECT_EQ(l.design.Configs[2]->Items.Size(), 1);
}

TEST(TextReadout, WhatCannotBeReadBecomesAWarning) {
  kit::TLoader l;
  const std::string readout = Readout(
      "Inner Sphere Level 2", "10", 8, 12,
      {Line("Medium Laser", "RA", "1 3 1.00"), Line("Quantum Flux Cannon", "RT", "3 9 7.00"),
       Line("Large Laser", "ZZ", "2 8 5.00"), "*HS: CT1 QQ2", "*XYZ: 12", Line("SRM 6", "LT", "2 4 3.00")});
  const TLoadResult r = l.Load("w.txt", readout + "Closing remarks\n");
  ASSERT_TRUE(r.Ok()) << r.Message;  // a load with warnings still loads
  EXPECT_EQ(kit::WarningLines(r),
            (std::vector<std::string>{
                std::to_string(kit::LineOf(readout, "Quantum")) + ": unknown equipment",
                std::to_string(kit::LineOf(readout, "Large Laser")) + ": no location",
                std::to_string(kit::LineOf(readout, "*HS")) + ": no location",
                std::to_string(kit::LineOf(readout, "*XYZ")) + ": line not understood",
                std::to_string(kit::LineOf(readout, "SRM 6") + 2) + ": line not understood"}));
  EXPECT_EQ(r.Warnings[0].Text, TrimText(Line("Quantum Flux Cannon", "RT", "3 9 7.00")));
  EXPECT_EQ(r.Warnings[2].Text, "QQ2");
  // The item without a location waits in the BIN; the rest is read.
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 4);
  EXPECT_EQ(c.Items.AddrOf(1)->Location, lcBin);
  EXPECT_EQ(c.Items.AddrOf(3)->Location, locLeftTorso);
}

TEST(TextReadout, LayoutMismatchesAreInputErrors) {
  kit::TLoader l;
  std::string bad = Readout("Inner Sphere Level 2", "ten", 8, 12, {});
  TLoadResult r = l.Load("bad.txt", bad);
  EXPECT_EQ(r.Status, ELoadStatus::Failed);
  EXPECT_EQ(r.Message, "Invalid numeric input");
  EXPECT_EQ(l.design.Texts[txtModel], "Test Frame TF-1");  // what was read stays
  r = l.Load("none.txt", "no header here\n");
  EXPECT_EQ(r.Message, "Read beyond end of file");
  const std::string good = Readout("Clan", "10", 8, 12, {Line("ER Large Laser", "RA", "1 12 4.0")});
  for (std::size_t n = 0; n < good.size(); n += 7) {
    kit::TLoader cut;
    cut.Load("cut.txt", good.substr(0, n));  // never crashes, never hangs
    kit::ExpectReleaseLeavesNothing(cut.design);
  }
  // An item line cut short ends the import; the items before it keep their slots.
  const std::string cutItem =
      Readout("Inner Sphere Level 2", "10", 8, 12,
              {Line("Medium Laser", "RA", "1 3 1.0"), Line("Medium Laser", "LA", "1")});
  kit::TLoader partial;
  EXPECT_EQ(partial.Load("p.txt", cutItem.substr(0, cutItem.size() - 2)).Message, "Read beyond end of file");
  ASSERT_GE(partial.design.Configs[0]->Items.Size(), 1);
  EXPECT_EQ(partial.design.Configs[0]->Items.AddrOf(0)->SlotsFirst, SlotLink(locRightArm, 3));
}

}  // namespace
}  // namespace tfd
