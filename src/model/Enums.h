#pragma once
// Codes of the design's enumerations and their display names.
// Codes are small integers stored in byte fields of TMech and TConfiguration;
// the rules level and the options are bit sets.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tfd {

// Rules level: exactly one bit is set.
enum ERulesLevel : std::uint8_t {
  rlIS1 = 1,
  rlIS2 = 2,
  rlIS3 = 4,
  rlClan2 = 8,
  rlClan3 = 16,
  rlMixed3 = 32,
};
constexpr std::uint8_t rlLevel3 = rlIS3 | rlClan3 | rlMixed3;  // "Level 3" means any of these
constexpr bool IsLevel3(std::uint8_t rulesLevel) { return (rulesLevel & rlLevel3) != 0; }
constexpr bool IsClanLevel(std::uint8_t rulesLevel) { return (rulesLevel & (rlClan2 | rlClan3)) != 0; }

// Design options (any combination).
enum EOption : std::uint8_t { optLAM = 1, optOmni = 2, optQuad = 4, optUtility = 8 };

enum EStructureType : std::uint8_t { stStandard, stEndoSteel, stComposite, stReinforced, stClanEndoSteel };
enum EEngineType : std::uint8_t { etFusion, etXL, etXXL, etCompact, etICE, etClanXL, etClanXXL };
enum EHeatSinkType : std::uint8_t { hsSingle, hsDouble, hsCompact, hsLaser, hsClanDouble };
enum EGyroType : std::uint8_t { gyStandard, gyCompact, gyHeavyDuty, gyXL };
enum ECockpitType : std::uint8_t { cpStandard, cpCommandConsole, cpEnhancedImaging, cpSmall, cpTorsoMounted };
enum ETargetingType : std::uint8_t {
  tgStandard,
  tgLongRange,
  tgShortRange,
  tgVariableRange,
  tgAntiAircraft,
  tgMultiTrac,
  tgMultiTrac2
};
enum EJumpJetType : std::uint8_t { jjStandard, jjImproved };
enum EArmorType : std::uint8_t {
  atStandard,
  atFerroFibrous,
  atLightFF,
  atHeavyFF,
  atLaserReflective,
  atReactive,
  atHardened,
  atClanFF,
  atClanLaserReflective,
  atClanReactive,
  atPatchwork
};
constexpr int kArmorTypeCount = 11;

// Miscellaneous flags.
enum EMiscFlag : std::uint16_t { mfLimiting = 1, mfArmless = 2, mfSatelliteUplink = 4, mfNullSignature = 8 };

// Mounting mode of the next placement.
enum EMountMode : std::uint8_t { mmFront = 0, mmRear = 1, mmTurret = 4, mmBin = 8 };

// Per-configuration enumerations.
enum ETurret : std::uint8_t { trNone, trHead, trRightTorso, trLeftTorso, trDualTorso };
enum ESuperchargerLocation : std::uint8_t { scNone, scCenterTorso, scRightTorso, scLeftTorso };
enum ECaseKind : std::uint8_t { caseNone, caseIS, caseIS2, caseClan, caseClan2 };

// Body locations and location-code bits.
constexpr int locHead = 0, locCenterTorso = 1, locRightTorso = 2, locLeftTorso = 3, locRightArm = 4,
              locLeftArm = 5, locRightLeg = 6, locLeftLeg = 7;
constexpr int kLocationCount = 8;
// Slots of each location; a quad's arms are legs of six (TCritAlloc::SlotCount).
constexpr std::array<int, kLocationCount> kLocationSlots = {6, 12, 12, 12, 12, 12, 6, 6};
constexpr int lcRear = 8, lcSplit = 16, lcTurret = 32, lcBin = 64;
constexpr int lcLocationMask = 7;  // the body location of a location code

// Armour sections, the order of TMech::Armor and TMech::ArmorTypes.
enum EArmorSection : std::uint8_t {
  asHead,
  asCenterTorso,
  asCenterTorsoRear,
  asRightTorso,
  asRightTorsoRear,
  asLeftTorso,
  asLeftTorsoRear,
  asRightArm,
  asLeftArm,
  asRightLeg,
  asLeftLeg
};
constexpr int kArmorSectionCount = 11;

// Source of a design: the design file records 0 to 7; 3060 and the scenario
// packs can be chosen on the description tab but a file records them as 7.
enum ESource : std::uint8_t {
  srcCustom,
  src2750,
  src3025,
  src3050,
  src3055,
  src3058,
  srcSourcebook,
  srcOther,
  src3060,
  srcScenarioPack
};

// Display names. Each returns an empty text for a code it does not know.
std::string_view RulesLevelName(std::uint8_t bit);
std::string OptionsSummary(std::uint8_t options);  // "LAM, Omni, " ... in that order
std::string_view OptionName(std::uint8_t bit);
std::string_view StructureTypeName(std::uint8_t code);
std::string_view EngineTypeName(std::uint8_t code);
std::string_view HeatSinkTypeName(std::uint8_t code);
std::string_view GyroTypeName(std::uint8_t code);
std::string_view CockpitTypeName(std::uint8_t code);
std::string_view TargetingTypeName(std::uint8_t code);
std::string_view JumpJetTypeName(std::uint8_t code);
std::string_view MiscFlagName(std::uint16_t bit);
std::string_view WeaponFilterName(std::uint8_t bit);
std::string_view MountModeName(std::uint8_t code);
std::string_view TurretName(std::uint8_t code);
std::string_view SuperchargerName(std::uint8_t code);
std::string_view SourceName(std::uint8_t code);

// "CASE", "CASE II"; with `prefixed` the technology is told apart: "iCASE", "cCASE II".
std::string_view CaseName(std::uint8_t kind, bool prefixed);

// Long or short name of an armour type. Types 7, 8 and 9 carry the Clan prefix
// in a "Mixed/Custom Level 3" design only. Any other code leaves `target` as it is.
void ArmorTypeName(std::uint8_t type, bool shortName, bool mixed, std::string& target);
std::string ArmorTypeName(std::uint8_t type, bool shortName, bool mixed);

// Body location name and abbreviation by index 0..7; a quad's limbs are legs.
std::string_view LocationName(int index, bool quad);
std::string_view LocationShortName(int index, bool quad);

// Text of a full location code (rear, split, turret, BIN bits included).
std::string LocationAbbrev(int code, bool quad);

}  // namespace tfd
