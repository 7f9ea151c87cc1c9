#include <gtest/gtest.h>

#include "model/Mech.h"

using namespace tfd;

TEST(TMech, NewDesignDefaults) {
  TMech m;
  EXPECT_EQ(m.Tonnage, 20);
  EXPECT_EQ(m.RulesLevel, rlIS1);
  EXPECT_EQ(m.EngineType, etFusion);
  EXPECT_EQ(m.EngineRating, 20);
  EXPECT_EQ(m.WalkMP, 1);
  EXPECT_EQ(m.RunMP, 2);
  EXPECT_EQ(m.SprintMP, 2);
  EXPECT_EQ(m.JumpMP, 0);
  EXPECT_EQ(m.HeatSinks, 10);
  EXPECT_EQ(m.HeatSinkType, hsSingle);
  EXPECT_EQ(m.ArmorMirror, 15);
  EXPECT_EQ(m.TorsoRatioFront, 3);
  EXPECT_EQ(m.TorsoRatioRear, 1);
  EXPECT_EQ(m.ArmorPoints, 0);
  EXPECT_EQ(m.Cost, 18093451.0);
  EXPECT_EQ(m.BattleValue, 1027);
  EXPECT_EQ(m.ConfigIndex, 0);
  EXPECT_EQ(m.Config, m.Configs[0].get());
  for (int i = 1; i < kConfigCount; ++i) {
    ASSERT_NE(m.Configs[i], nullptr);
    EXPECT_EQ(m.Configs[i]->Parent, m.Configs[0].get());
  }
  EXPECT_EQ(m.Configs[0]->Parent, nullptr);
  EXPECT_EQ(m.ConfigName(0), "Default Configuration");
  m.Options = optOmni;
  EXPECT_EQ(m.ConfigName(0), "Fixed Configuration");
}

TEST(TMech, ClearLeavesNothingOfThePreviousDesign) {
  TMech m;
  m.Texts[txtModel] = "Warden WDN-1";
  m.Texts[txtFilePath] = "/tmp/warden.tfi";
  m.Overview = {"A line"};
  m.Tonnage = 75;
  m.Armor[asHead] = 9;
  m.WeaponFilter = rlClan3;
  m.MountMode = mmRear;
  m.BattleValue = 5;

  for (int c : {0, 4}) {
    TConfiguration& cfg = *m.Configs[c];
    auto w = std::make_unique<TWeapon>();
    w->SaveNum = 400;
    w->Slots = w->SlotsFirst = 2;
    TWeapon* placed = cfg.Items.Insert(std::move(w));
    ASSERT_TRUE(cfg.Crits.Allocate(placed, locRightTorso, 1));
    cfg.CaseKind[locRightTorso] = caseIS;
    cfg.Actuators = {0, 0, 0, 0};
    cfg.SetSuperchargerLocation(scLeftTorso);
    cfg.Turret = trHead;
    cfg.TurretWeight = 1.0;
  }
  m.Brands->Insert(400, "Autocannon");
  m.SelectConfig(4);

  m.Clear();
  EXPECT_TRUE(m.Texts[txtModel].empty());
  EXPECT_TRUE(m.Texts[txtFilePath].empty());
  EXPECT_TRUE(m.Overview.empty());
  EXPECT_EQ(m.Tonnage, 20);
  EXPECT_EQ(m.Armor[asHead], 0);
  EXPECT_EQ(m.BattleValue, 1027);
  EXPECT_EQ(m.ConfigIndex, 0);
  EXPECT_EQ(m.Config, m.Configs[0].get());
  EXPECT_TRUE(m.Brands->Empty());
  // The technology filter and mounting mode are window state and stay.
  EXPECT_EQ(m.WeaponFilter, rlClan3);
  EXPECT_EQ(m.MountMode, mmRear);
  for (int c : {0, 4}) {
    const TConfiguration& cfg = *m.Configs[c];
    EXPECT_TRUE(cfg.Items.Empty());
    EXPECT_EQ(cfg.Crits.SlotAt(locRightTorso, 1).Code, ciEmpty);
    EXPECT_EQ(cfg.Crits.SlotAt(locRightTorso, 1).Item, nullptr);
    EXPECT_EQ(cfg.CaseKind[locRightTorso], caseNone);
    EXPECT_EQ(cfg.Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(cfg.SuperchargerLocation(), scNone);
    EXPECT_EQ(cfg.Turret, trNone);
    EXPECT_EQ(cfg.TurretWeight, 0.0);
  }
}

TEST(TMech, SelectConfigMakesTheChosenOneCurrent) {
  TMech m;
  m.SelectConfig(4);
  EXPECT_EQ(m.ConfigIndex, 4);
  EXPECT_EQ(m.Config, m.Configs[4].get());
  EXPECT_EQ(m.ConfigName(4), "Alt. C Configuration");
  m.SelectConfig(99);  // out of range falls back to the fixed configuration
  EXPECT_EQ(m.ConfigIndex, 0);
  EXPECT_EQ(m.Config, m.Configs[0].get());
}
