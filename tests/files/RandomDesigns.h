#pragma once
// Random designs of every kind that a user can build from the shipped
// equipment (Omni with alternates, quads, split, rear, turret and BIN items,
// every component kind, long and non-ASCII texts), and a field-by-field
// comparison of two designs for the round-trip tests of the writers.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "FilesKit.h"
#include "RandomSource.h"
#include "equipment/Specs.h"
#include "files/ReadoutParts.h"
#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"

namespace tfd::kit {

// Every row of the Inner Sphere and Clan blocks: the rows a design file can
// name. Rows of more slots than two locations hold (artillery that only the
// BIN can take) are left out: the readers cap an item's slots there.
inline const std::vector<const TWepInfoStruct*>& FileRows() {
  static const std::vector<const TWepInfoStruct*> rows = [] {
    std::vector<const TWepInfoStruct*> out;
    for (int id = 100; id < kFirstCustomId; ++id)
      if (const TWepInfo* rec = Lists().BySaveNum(id);
          rec && Lists().Save97Of(id) != 0 && rec->Info.Crits <= 2 * TCritAlloc::kMaxSlots)
        out.push_back(&rec->Info);
    return out;
  }();
  return rows;
}

class TRandomDesigns : public TRandomSource {
 public:
  using TRandomSource::TRandomSource;

  // Texts: empty, plain, long, or with characters of the 8-bit code page and beyond it.
  std::string Text() {
    switch (Int(0, 5)) {
      case 0: return {};
      case 1: return "Brennock Works " + std::to_string(Int(0, 999));
      case 2:
        return std::string(static_cast<std::size_t>(Int(200, 600)), static_cast<char>('a' + Int(0, 25)));
      case 3:
        return "Sch\xc3\xa9rzo \xe2\x82\xac" + std::to_string(Int(0, 9)) +
               " Stra\xc3\x9f"
               "e";                                            // é € ß
      case 4: return "\xd0\x96\xd1\x83\xd0\xba \xe6\xb5\x8b";  // Cyrillic and CJK: beyond the code page
      default: return "Line with \"quotes\" & <angle> brackets";
    }
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> out(static_cast<std::size_t>(Int(0, 4)));
    for (auto& s : out) s = Text();
    return out;
  }

  // `readoutKinds` keeps to what the readouts carry: Inner Sphere levels 1
  // and 2 or Clan, Endo Steel, XL and Ferro-Fibrous or none, mirrored armour,
  // torso CASE of the design's own kind, no turret or supercharger, plain texts.
  void Fill(TMech& m, bool textsOfAnyKind = true, bool readoutKinds = false) {
    m.Equipment = &Lists().Index();
    m.Clear();
    m.RulesLevel = OneOf<std::uint8_t>({rlIS1, rlIS2, rlIS3, rlClan2, rlClan3, rlMixed3});
    m.Options = static_cast<std::uint8_t>(OneOf<int>({0, optOmni, optQuad, optOmni | optQuad, optUtility}));
    m.Tonnage = Byte(2, 20) * 5;
    m.StructureType = Byte(0, 4);
    m.EngineType = Byte(0, 6);
    m.WalkMP = Byte(1, 8);
    m.JumpMP = Byte(0, 8);
    m.JumpJetType = Byte(0, 1);
    m.HeatSinks = Byte(10, 25);
    m.HeatSinkType = Byte(0, 4);
    m.GyroType = Byte(0, 3);
    m.CockpitType = Byte(0, 4);
    m.TargetingType = Byte(0, 6);
    m.ArmorType = Byte(0, 10);
    m.ArmorMirror = Byte(0, 15);
    m.MiscFlags = static_cast<std::int16_t>(Int(0, 15));
    m.Source = Byte(0, 7);
    for (auto& a : m.Armor) a = Byte(0, 40);
    for (auto& t : m.ArmorTypes) t = Byte(0, 9);
    if (readoutKinds) {
      m.RulesLevel = OneOf<std::uint8_t>({rlIS1, rlIS2, rlClan2});
      const bool clan = m.RulesLevel == rlClan2;
      m.StructureType = Int(0, 1) ? stStandard : (clan ? stClanEndoSteel : stEndoSteel);
      m.EngineType = Int(0, 1) ? etFusion : (clan ? etClanXL : etXL);
      m.ArmorType = Int(0, 1) ? atStandard : (clan ? atClanFF : atFerroFibrous);
      m.HeatSinkType = Int(0, 1) ? hsSingle : (clan ? hsClanDouble : hsDouble);
      m.ArmorMirror = 15;
      m.JumpJetType = jjStandard;
      m.GyroType = m.CockpitType = m.TargetingType = 0;
      m.MiscFlags = 0;
      if (m.Options & optUtility) m.Options = 0;
    }
    Recalculate(m, rqAll);
    const std::vector<int> configs =
        m.IsOmni() ? std::vector<int>{0, 1, Int(2, 7), Int(2, 7)} : std::vector<int>{0};
    for (int k : configs) {
      m.SelectConfig(k);
      Recalculate(m, rqAll);
      TConfiguration& c = *m.Config;
      c.CaseKind[static_cast<std::size_t>(Int(1, 3))] = Byte(0, 4);
      c.SetSuperchargerLocation(Byte(0, 3));
      c.Turret = Byte(0, 4);
      if (readoutKinds) {
        c.CaseKind = {};
        if (Int(0, 1))
          c.CaseKind[static_cast<std::size_t>(Int(1, 3))] = m.RulesLevel == rlClan2 ? caseClan : caseIS;
        c.Supercharger = 0;
        c.Turret = 0;
      }
      c.Actuators = {Byte(0, 1), Byte(0, 1), Byte(0, 1), Byte(0, 1)};
      Recalculate(m, rqAll);
      Lists().UpdateDesignDependent(m);  // as the window does before equipment is added
      const int items = Int(0, 14);
      for (int i = 0; i < items; ++i) AddRandomItem(m, readoutKinds);
      // Armoured components where the user can choose them: not on the fixed
      // equipment an alternate shows.
      for (int i = 0; i < (readoutKinds ? 0 : Int(0, 3)); ++i) {
        const int loc = Int(0, 7), slot = Int(1, 12);
        const TWeapon* item = c.Crits.SlotAt(loc, slot).Item;
        if (!item || c.Items.IndexOf(item) >= 0) c.Crits.SetArmoured(loc, slot, true);
      }
      Recalculate(m, rqAll);
    }
    m.SelectConfig(m.IsOmni() ? 1 : 0);
    Recalculate(m, rqAll);
    auto text = [&] { return textsOfAnyKind ? Text() : std::string("Plain ") + std::to_string(Int(0, 99)); };
    for (int t : {txtModel, txtChassis, txtJumpJets, txtArmor, txtComSystem, txtTargetingSystem})
      m.Texts[static_cast<std::size_t>(t)] = text();
    static const TEngineMakers kNoMakers;
    m.Texts[txtPowerPlant] = RebuildPowerPlant("Hollins", m, kNoMakers);
    // Brands the user gave the armament (no ": " in a brand: the lines split there).
    // Entries of one name (an Inner Sphere and a Clan weapon of a mixed design)
    // are told apart only by their brands, so those all get one.
    std::vector<std::int16_t> ids;
    std::map<std::string, int> named;
    for (const TWepName& e : *m.Brands) {
      ids.push_back(e.Id);
      ++named[e.Name];
    }
    bool sameNames = false;
    for (const auto& [name, count] : named) sameNames = sameNames || count > 1;
    for (std::int16_t id : ids)
      if (sameNames || Int(0, 2) > 0)
        m.Brands->ChangeBrand(id, textsOfAnyKind ? "B" + Text() : "Brand " + std::to_string(Int(0, 99)));
    if (textsOfAnyKind) {
      m.Manufacturers = Lines();
      m.Armament = Lines();
      m.Overview = Lines();
    } else {
      m.Manufacturers = {"Maker " + std::to_string(Int(0, 9))};
      m.Armament = {"Laser: Brightline"};
      m.Overview = {"First line.", "Second line."};
    }
  }

  void AddRandomItem(TMech& m, bool readoutKinds = false) {
    const auto& rows = FileRows();
    const TWepInfoStruct* row = rows[static_cast<std::size_t>(Int(0, static_cast<int>(rows.size()) - 1))];
    TAddRequest r;
    r.Record = row;
    r.Direction = readoutKinds ? OneOf<std::uint8_t>({mmFront, mmFront, mmFront, mmRear, mmBin})
                               : OneOf<std::uint8_t>({mmFront, mmFront, mmFront, mmRear, mmTurret, mmBin});
    r.Location = Int(0, 7);
    r.Slot = Int(0, 12);
    // Fewer slots than the row's make a split item; heat sinks and jump jets
    // take whole units.
    const bool units = IsHeatSinkOrJumpJet(Lists().Index(), row->SaveNum);
    r.Criticals = !units && Int(0, 3) == 0 ? Int(1, row->Crits + 1) : row->Crits;
    r.Ammunition = IsAmmunition(row->SaveNum);
    r.Shots = row->Damage * Int(1, 2);
    AddItem(m, r);
  }
};

// The position of a slot's item: in the configuration's own list, or (an
// Omni alternate's copy of fixed equipment) 1000 + its position in the fixed list.
inline int ItemPosition(const TMech& m, int k, const TWeapon* item) {
  if (!item) return -1;
  const int own = m.Configs[static_cast<std::size_t>(k)]->Items.IndexOf(item);
  if (own >= 0) return own;
  const int fixed = m.Configs[0]->Items.IndexOf(item);
  return fixed >= 0 ? 1000 + fixed : -2;
}

struct TCompareOptions {
  bool Texts = true;         // descriptive texts and lists
  bool Slots = true;         // the slot grid, slot by slot
  bool ExactChassis = true;  // component kinds the readouts do not carry
  int Configs = 8;           // configurations compared
};

// Field by field; `what` names the round trip in the failure messages. An
// Omni alternate shows the fixed configuration's equipment once it is chosen,
// so each configuration is compared chosen, in both designs.
inline void ExpectSameDesign(TMech& a, TMech& b, const std::string& what, const TCompareOptions& o = {}) {
  SCOPED_TRACE(what);
  if (o.Texts) {
    for (int t :
         {txtModel, txtChassis, txtPowerPlant, txtJumpJets, txtArmor, txtComSystem, txtTargetingSystem})
      EXPECT_EQ(a.Texts[static_cast<std::size_t>(t)], b.Texts[static_cast<std::size_t>(t)]) << "text " << t;
    EXPECT_EQ(a.Manufacturers, b.Manufacturers);
    EXPECT_EQ(ArmamentForFile(a), ArmamentForFile(b));
    std::vector<std::tuple<int, int, std::string>> brandsA, brandsB;
    for (const TWepName& e : *a.Brands) brandsA.emplace_back(e.Id, e.Uses, e.Brand);
    for (const TWepName& e : *b.Brands) brandsB.emplace_back(e.Id, e.Uses, e.Brand);
    EXPECT_EQ(brandsA, brandsB);
    EXPECT_EQ(a.Overview, b.Overview);
    EXPECT_EQ(a.Source, b.Source);
  }
  EXPECT_EQ(a.RulesLevel, b.RulesLevel);
  EXPECT_EQ(a.Options, b.Options);
  EXPECT_EQ(a.Tonnage, b.Tonnage);
  EXPECT_EQ(a.WalkMP, b.WalkMP);
  EXPECT_EQ(a.JumpMP, b.JumpMP);
  EXPECT_EQ(a.HeatSinks, b.HeatSinks);
  EXPECT_EQ(a.StructureType, b.StructureType);
  EXPECT_EQ(a.EngineType, b.EngineType);
  EXPECT_EQ(a.ArmorType, b.ArmorType);
  EXPECT_EQ(a.Armor, b.Armor);
  if (o.ExactChassis) {
    EXPECT_EQ(a.HeatSinkType, b.HeatSinkType);
    EXPECT_EQ(a.GyroType, b.GyroType);
    EXPECT_EQ(a.CockpitType, b.CockpitType);
    EXPECT_EQ(a.TargetingType, b.TargetingType);
    EXPECT_EQ(a.JumpJetType, b.JumpJetType);
    EXPECT_EQ(a.JumpBoosterMP, b.JumpBoosterMP);
    EXPECT_EQ(a.MiscFlags, b.MiscFlags);
    EXPECT_EQ(a.ArmorTypes, b.ArmorTypes);
    EXPECT_EQ(a.ArmorMirror, b.ArmorMirror);
    EXPECT_EQ(a.MixedTech, b.MixedTech);
  }
  EXPECT_DOUBLE_EQ(a.Weights[wArmor], b.Weights[wArmor]);
  const int configs = std::min(o.Configs, a.IsOmni() ? 8 : 1);
  const int chosenA = a.ConfigIndex, chosenB = b.ConfigIndex;
  for (int k = 0; k < configs; ++k) {
    SCOPED_TRACE("configuration " + std::to_string(k));
    for (TMech* m : {&a, &b}) {
      m->SelectConfig(k);
      Recalculate(*m, rqAll);
    }
    const TConfiguration& ca = *a.Configs[static_cast<std::size_t>(k)];
    const TConfiguration& cb = *b.Configs[static_cast<std::size_t>(k)];
    EXPECT_DOUBLE_EQ(ca.TotalWeight, cb.TotalWeight);
    if (o.ExactChassis) {
      EXPECT_EQ(ca.CaseKind, cb.CaseKind);
      EXPECT_EQ(ca.Turret, cb.Turret);
      EXPECT_EQ(ca.Supercharger, cb.Supercharger);
    }
    EXPECT_EQ(ca.Actuators, cb.Actuators);
    ASSERT_EQ(ca.Items.Size(), cb.Items.Size());
    auto ib = cb.Items.begin();
    for (const auto& ia : ca.Items) {
      SCOPED_TRACE("item " + std::to_string(ca.Items.IndexOf(ia.get())) + " " + ia->Name);
      EXPECT_EQ(ia->SaveNum, (*ib)->SaveNum);
      EXPECT_EQ(ia->Location, (*ib)->Location);
      EXPECT_EQ(ia->Slots, (*ib)->Slots);
      EXPECT_DOUBLE_EQ(ia->Tons, (*ib)->Tons);
      if (o.Slots) {
        EXPECT_EQ(ia->SlotsFirst, (*ib)->SlotsFirst);
      }
      ++ib;
    }
    if (!o.Slots) continue;
    for (int loc = 0; loc < kLocationCount; ++loc)
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
        const TSlot sa = ca.Crits.SlotAt(loc, s), sb = cb.Crits.SlotAt(loc, s);
        EXPECT_EQ(sa.Code, sb.Code) << "slot " << loc << "/" << s;
        EXPECT_EQ(sa.Link, sb.Link) << "slot " << loc << "/" << s;
        EXPECT_EQ(ItemPosition(a, k, sa.Item), ItemPosition(b, k, sb.Item)) << "slot " << loc << "/" << s;
        if (o.ExactChassis) {
          EXPECT_EQ(ca.Crits.ArmouredAt(loc, s), cb.Crits.ArmouredAt(loc, s)) << "slot " << loc << "/" << s;
        }
      }
  }
  a.SelectConfig(chosenA);
  Recalculate(a, rqAll);
  b.SelectConfig(chosenB);
  Recalculate(b, rqAll);
}

// Two byte strings equal, or where they first differ (without printing them whole).
inline ::testing::AssertionResult SameBytes(const std::string& a, const std::string& b) {
  if (a == b) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  return ::testing::AssertionFailure()
         << "sizes " << a.size() << " and " << b.size() << ", first difference at byte " << at;
}

}  // namespace tfd::kit
