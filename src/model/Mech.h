#pragma once
// The design: one Titanframe with its chassis values, its derived values and
// its twenty-eight configurations. One object lives for the whole run; New and
// loading reset and refill it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Configuration.h"
#include "model/Enums.h"
#include "model/EquipmentIndex.h"
#include "model/Weapon.h"

namespace tfd {

// Indices of TMech::Texts (1-based, as the design's descriptive texts are numbered).
enum EDesignText : std::uint8_t {
  txtModel = 1,     // type name (the "Type" field of the design description)
  txtFilePath = 2,  // the file the design was loaded from, shown in the caption
  txtChassis = 3,
  txtPowerPlant = 4,
  txtJumpJets = 5,
  txtArmor = 6,
  txtComSystem = 7,
  txtTargetingSystem = 8,
};
constexpr int kTextCount = 12;

// Indices of TMech::Weights.
enum EWeight : std::uint8_t {
  wFree,
  wStructure,
  wEngine,
  wWalkSpeed,
  wRunSpeed,
  wSprintSpeed,
  wJumpDistance,
  wJumpJets,
  wHeatSinks,
  wGyro,
  wCockpit,
  wTargeting,
  wArmor,
  wReserved1,
  wReserved2,
  wJumpBoosters,
  wLAM
};
constexpr int kWeightCount = 17;

// Indices of TMech::Structure and TMech::SlotLimits.
enum EBodySection : std::uint8_t { bsHead, bsCenterTorso, bsSideTorso, bsArm, bsLeg };

// Indices of TMech::CostParts.
enum ECostPart : std::uint8_t {
  cpCockpitCost,
  cpLifeSupport,
  cpSensors,
  cpMusculature,
  cpStructureCost,
  cpLegActuators,
  cpEngineCost,
  cpGyroCost,
  cpArmorCost,
  cpMultiplier
};

constexpr double kDefaultCost = 18093451.0;
constexpr std::int32_t kDefaultBattleValue = 1027;
constexpr int kRangeCount = 30;

class TMech {
 public:
  TMech();
  // A copy is a design of its own: its configurations, items, slot grids and
  // brand list are copies, and nothing in it points into the original (only
  // the equipment index is shared, as it is not the design's).
  TMech(const TMech& other);
  TMech& operator=(const TMech& other);

  // Back to the default 20-ton design: every configuration emptied, the brand
  // list emptied. Derived values stay as they are until the rules pass runs
  // (NewDesign does both).
  void Clear();

  // Becomes the design `read` holds (a design read on its own, so that a file
  // that fails leaves this one untouched); `read` gets this one's contents.
  // What the window keeps across designs (the equipment index, the list
  // filter, the mount mode and the location being edited) stays.
  void TakeDesign(TMech& read) noexcept;

  // Makes configuration `index` (0..27) the one edited and shown. The caller
  // runs the rules pass for what it shows.
  void SelectConfig(int index);

  bool IsQuad() const { return (Options & optQuad) != 0; }
  bool IsOmni() const { return (Options & optOmni) != 0; }
  bool IsMixed() const { return RulesLevel == rlMixed3; }
  std::string LocationAbbrev(int code) const { return tfd::LocationAbbrev(code, IsQuad()); }
  std::string ArmorTypeName(std::uint8_t type, bool shortName) const {
    return tfd::ArmorTypeName(type, shortName, IsMixed());
  }
  std::string ConfigName(int index) const { return tfd::ConfigName(index, IsOmni()); }

  std::array<std::string, kTextCount + 1> Texts;  // Texts[1..12]; [0] unused
  std::uint8_t ConfigIndex = 0;
  std::uint8_t RulesLevel = rlIS1;
  std::uint8_t Options = 0;
  std::uint8_t Tonnage = 20;
  std::uint8_t StructureType = 0;
  std::uint8_t EngineType = 0;
  std::uint8_t WalkMP = 1;
  std::uint8_t RunMP = 2;
  std::uint8_t JumpMP = 0;
  std::uint8_t SprintMP = 2;
  std::uint8_t Reserved1 = 0;
  std::uint8_t SuperRunMP = 0;
  std::uint8_t SuperSprintMP = 0;
  std::uint8_t JumpJetType = 0;
  std::uint8_t HeatSinks = 10;
  std::uint8_t HeatSinkType = 0;
  std::uint8_t Dissipation = 0;
  std::uint8_t GyroType = 0;
  std::uint8_t CockpitType = 0;
  std::uint8_t TargetingType = 0;
  std::uint8_t JumpBoosterMP = 0;
  std::uint8_t ArmorType = 0;
  std::uint8_t ArmorMirror = 15;
  std::uint8_t TorsoRatioFront = 3;
  std::uint8_t WeaponFilter = rlIS3;  // user-interface state: not reset by Clear
  std::uint8_t TorsoRatioRear = 1;
  std::uint8_t MountMode = mmFront;  // not reset by Clear
  std::uint8_t CurrentLocation = 0;  // not reset by Clear
  std::int16_t EngineRating = 20;
  std::int16_t Reserved2 = 0;
  std::int16_t Reserved3 = 0;
  std::int16_t MiscFlags = 0;
  std::int16_t MaxArmor = 0;
  std::int16_t ArmorFactor = 0;
  std::int16_t ArmorPoints = 0;
  std::array<double, kWeightCount> Weights{};
  std::array<std::uint8_t, 5> Structure{3, 0, 0, 0, 0};
  std::array<std::uint8_t, kArmorSectionCount> Armor{};
  std::array<std::uint8_t, kArmorSectionCount> ArmorTypes{};
  std::array<std::unique_ptr<TConfiguration>, kConfigCount> Configs;
  TConfiguration* Config = nullptr;
  std::array<std::uint8_t, 5> SlotLimits{6, 12, 12, 12, 6};
  std::unique_ptr<TWeaponNameList> Brands;
  std::array<std::int16_t, kRangeCount> DamageByRange{};
  std::array<std::int16_t, kRangeCount> HeatByRange{};
  std::array<double, 10> CostParts{};
  double Cost = kDefaultCost;
  std::int32_t BattleValue = kDefaultBattleValue;
  double BVArmorFactor = 0.0;
  double BVStructureFactor = 0.0;

  // Descriptive texts beyond the twelve: the manufacturer and armament lists,
  // the overview lines, and the source of the design.
  std::vector<std::string> Manufacturers;
  std::vector<std::string> Armament;
  std::vector<std::string> Overview;
  std::uint8_t Source = srcCustom;
  // The design carries equipment of the other technology base (a loaded file
  // says so); the rules level stays the one the file gives.
  bool MixedTech = false;

  // What the rules know of the loaded equipment table (not owned). Empty until
  // the equipment loads; never null.
  const TEquipmentIndex* Equipment;
};

}  // namespace tfd
