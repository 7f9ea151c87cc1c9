#pragma once
// Random designs of every kind for the property tests, including codes no
// menu offers, random equipment in random slots and random armour. A copy of
// the generator repeats the designs the original makes next.

#include <memory>

#include "RandomSource.h"
#include "model/Mech.h"
#include "rules/ArmorRules.h"

namespace tfd {

class RandomDesigns : public TRandomSource {
 public:
  using TRandomSource::TRandomSource;

  void Fill(TMech& m) {
    m.Clear();
    m.RulesLevel = Int(0, 20) == 0 ? Byte(0, 255)
                                   : OneOf<std::uint8_t>({rlIS1, rlIS2, rlIS3, rlClan2, rlClan3, rlMixed3});
    m.Options = Byte(0, 15);
    m.Tonnage = Int(0, 10) == 0 ? Byte(0, 255) : Byte(2, 20) * 5;
    m.StructureType = Byte(0, 5);
    m.EngineType = Byte(0, 7);
    m.WalkMP = Int(0, 10) == 0 ? Byte(0, 255) : Byte(0, 12);
    m.JumpMP = Byte(0, 14);
    m.JumpJetType = Byte(0, 2);
    m.HeatSinks = Int(0, 10) == 0 ? Byte(0, 255) : Byte(0, 30);
    m.HeatSinkType = Byte(0, 5);
    m.GyroType = Byte(0, 4);
    m.CockpitType = Byte(0, 5);
    m.TargetingType = Byte(0, 7);
    m.JumpBoosterMP = Byte(0, 25);
    m.ArmorType = Byte(0, 11);
    m.ArmorMirror = Byte(0, 15);
    m.TorsoRatioFront = Byte(0, 5);
    m.TorsoRatioRear = Byte(0, 5);
    m.MiscFlags = static_cast<std::int16_t>(Int(0, 15));
    for (auto& t : m.ArmorTypes) t = Byte(0, 10);
    for (auto& a : m.Armor) a = Int(0, 3) == 0 ? Byte(0, 255) : Byte(0, 40);
    m.ConfigIndex = Int(0, 10) == 0 ? Byte(0, 40) : Byte(0, 27);
    m.SelectConfig(m.ConfigIndex < kConfigCount ? m.ConfigIndex : 0);
    for (int i = 0; i < Int(0, 3); ++i) FillConfiguration(*m.Configs[static_cast<std::size_t>(Int(0, 27))]);
    FillConfiguration(*m.Config);
    if (Int(0, 4) == 0) DistributeArmor(m, OneOf({0, 25, 50, 75, 100}));
  }

 private:
  void FillConfiguration(TConfiguration& c) {
    for (auto& k : c.CaseKind) k = Int(0, 2) == 0 ? Byte(0, 5) : 0;
    for (auto& a : c.Actuators) a = Byte(0, 1);
    c.SetSuperchargerLocation(Byte(0, 3));
    c.Turret = Byte(0, 5);
    const int items = Int(0, 20);
    for (int i = 0; i < items; ++i) {
      auto w = std::make_unique<TWeapon>();
      w->SaveNum = static_cast<std::int16_t>(Int(100, 2299));
      w->Slots = static_cast<std::int16_t>(Int(0, 7));
      w->SlotsFirst = static_cast<std::int16_t>(Int(0, w->Slots));
      w->Location = static_cast<std::int16_t>(OneOf({0, 1, 2, 3, 4, 5, 6, 7, 8 + 2, 16 + 4, 32, 34, 64}));
      w->Tons = Int(0, 20) * 0.5;
      TWeapon* item = c.Items.Insert(std::move(w));
      if (!c.Crits.Allocate(item, item->Location, Int(1, 12))) c.Items.Delete(item);
    }
    for (int i = 0; i < Int(0, 4); ++i) c.Crits.SetArmoured(Int(0, 7), Int(1, 12), true);
  }
};

}  // namespace tfd
