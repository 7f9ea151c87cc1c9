#include "model/Enums.h"

#include <array>
#include <cstdio>

namespace tfd {

namespace {

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& names, unsigned code) {
  return code < N ? names[code] : std::string_view{};
}

// Bit position of a single-bit value, or -1.
int BitIndex(unsigned bit) {
  for (int i = 0; i < 16; ++i)
    if (bit == (1u << i)) return i;
  return -1;
}

constexpr std::array<std::string_view, 6> kRulesLevels = {"Inner Sphere Level 1", "Inner Sphere Level 2",
                                                          "Inner Sphere Level 3", "Clan Level 2",
                                                          "Clan Level 3",         "Mixed/Custom Level 3"};
constexpr std::array<std::string_view, 4> kOptions = {"LAM", "Omni", "Quad", "Utility"};
constexpr std::array<std::string_view, 5> kStructures = {"Standard", "Endo Steel", "Composite", "Reinforced",
                                                         "Clan Endo Steel"};
constexpr std::array<std::string_view, 7> kEngines = {"Fusion", "XL Fusion",      "XXL Fusion",     "Compact",
                                                      "I.C.E.", "Clan XL Fusion", "Clan XXL Fusion"};
constexpr std::array<std::string_view, 5> kHeatSinks = {"Single", "Double", "Compact", "Laser",
                                                        "Clan Double"};
constexpr std::array<std::string_view, 4> kGyros = {"Standard", "Compact", "Heavy-Duty", "XL Gyro"};
constexpr std::array<std::string_view, 5> kCockpits = {"Standard", "Command Console", "Enhanced Imaging",
                                                       "Small Cockpit", "Torso-Mounted"};
constexpr std::array<std::string_view, 7> kTargeting = {"Standard",       "Long-Range",    "Short-Range",
                                                        "Variable-Range", "Anti-Aircraft", "Multi-Trac",
                                                        "Multi-Trac II"};
constexpr std::array<std::string_view, 2> kJumpJets = {"Standard", "Improved"};
constexpr std::array<std::string_view, 4> kMiscFlags = {"Limiting", "Armless", "Enhanced Satellite Uplink",
                                                        "Null-Signature System"};
constexpr std::array<std::string_view, 5> kTurrets = {"None", "Head", "Right Torso", "Left Torso",
                                                      "Dual Torso"};
constexpr std::array<std::string_view, 4> kSuperchargers = {"None", "Center Torso", "Right Torso",
                                                            "Left Torso"};
constexpr std::array<std::string_view, 10> kSources = {
    "Custom", "2750", "3025", "3050", "3055", "3058", "Sourcebook", "Other", "3060", "Scenario Pack"};

// Long and short armour names; the Clan kinds 7..9 have a second, prefixed pair.
constexpr std::array<std::string_view, 11> kArmorLong = {
    "Standard", "Ferro-Fibrous", "Light Ferro-Fibrous", "Heavy Ferro-Fibrous", "Laser Reflective",
    "Reactive", "Hardened",      "Ferro-Fibrous",       "Laser Reflective",    "Reactive",
    "Patchwork"};
constexpr std::array<std::string_view, 11> kArmorShort = {"Standard", "FF",       "Light FF", "Heavy FF",
                                                          "Reflec",   "Reactive", "Hardened", "FF",
                                                          "Reflec",   "Reactive", "ERROR"};
constexpr std::array<std::string_view, 3> kClanArmorLong = {"Clan Ferro-Fibrous", "Clan Laser Reflective",
                                                            "Clan Reactive"};
constexpr std::array<std::string_view, 3> kClanArmorShort = {"Cl FF", "Cl Reflec", "Cl React"};

constexpr std::array<std::string_view, 8> kLocations = {
    "Head", "Center Torso", "Right Torso", "Left Torso", "Right Arm", "Left Arm", "Right Leg", "Left Leg"};
constexpr std::array<std::string_view, 8> kQuadLocations = {
    "Head",           "Center Torso",   "Right Torso",  "Left Torso", "Right Front Leg",
    "Left Front Leg", "Right Rear Leg", "Left Rear Leg"};
constexpr std::array<std::string_view, 8> kAbbrevs = {"H", "CT", "RT", "LT", "RA", "LA", "RL", "LL"};
constexpr std::array<std::string_view, 8> kQuadAbbrevs = {"H", "CT", "RT", "LT", "RFL", "LFL", "RRL", "LRL"};

// Location codes 8..35 (rear, split and turret); "XXX" cannot occur for that body shape.
constexpr std::array<std::string_view, 28> kCodes8to35 = {
    "HR",    "CTR",   "RTR",   "LTR",   "XXX",  "XXX",  "RLR",   "LLR",    // 8..15
    "H/CT",  "CT/H",  "R/CT",  "L/CT",  "RA/T", "LA/T", "RL/T",  "LL/T",   // 16..23
    "H/CTR", "CT/HR", "R/CTR", "L/CTR", "XXX",  "XXX",  "RL/TR", "LL/TR",  // 24..31
    "HT",    "XXX",   "RTT",   "LTT"};                                     // 32..35
constexpr std::array<std::string_view, 28> kQuadCodes8to35 = {
    "HR",     "CTR",    "RTR",    "LTR",    "RFLR",  "LFLR",  "RRLR",  "LRLR",  "H/CT",  "CT/H",
    "R/CT",   "L/CT",   "RFL/T",  "LFL/T",  "RRL/T", "LRL/T", "H/CTR", "CT/HR", "R/CTR", "L/CTR",
    "RFL/TR", "LFL/TR", "RRL/TR", "LRL/TR", "HT",    "XXX",   "RTT",   "LTT"};

}  // namespace

std::string_view RulesLevelName(std::uint8_t bit) {
  int i = BitIndex(bit);
  return i >= 0 ? Pick(kRulesLevels, static_cast<unsigned>(i)) : std::string_view{};
}

std::string_view OptionName(std::uint8_t bit) {
  int i = BitIndex(bit);
  return i >= 0 ? Pick(kOptions, static_cast<unsigned>(i)) : std::string_view{};
}

std::string OptionsSummary(std::uint8_t options) {
  std::string s;
  for (unsigned i = 0; i < kOptions.size(); ++i)
    if (options & (1u << i)) {
      s += kOptions[i];
      s += ", ";
    }
  return s;
}

std::string_view StructureTypeName(std::uint8_t code) { return Pick(kStructures, code); }
std::string_view EngineTypeName(std::uint8_t code) { return Pick(kEngines, code); }
std::string_view HeatSinkTypeName(std::uint8_t code) { return Pick(kHeatSinks, code); }
std::string_view GyroTypeName(std::uint8_t code) { return Pick(kGyros, code); }
std::string_view CockpitTypeName(std::uint8_t code) { return Pick(kCockpits, code); }
std::string_view TargetingTypeName(std::uint8_t code) { return Pick(kTargeting, code); }
std::string_view JumpJetTypeName(std::uint8_t code) { return Pick(kJumpJets, code); }
std::string_view TurretName(std::uint8_t code) { return Pick(kTurrets, code); }
std::string_view SuperchargerName(std::uint8_t code) { return Pick(kSuperchargers, code); }
std::string_view SourceName(std::uint8_t code) { return Pick(kSources, code); }

std::string_view MiscFlagName(std::uint16_t bit) {
  int i = BitIndex(bit);
  return i >= 0 ? Pick(kMiscFlags, static_cast<unsigned>(i)) : std::string_view{};
}

std::string_view WeaponFilterName(std::uint8_t bit) {
  switch (bit) {
    case rlIS3: return "Inner Sphere";
    case rlClan3: return "Clan";
    case rlMixed3: return "Custom";
    default: return {};
  }
}

std::string_view MountModeName(std::uint8_t code) {
  switch (code) {
    case mmFront: return "Front";
    case mmRear: return "Rear";
    case mmTurret: return "Turret";
    case mmBin: return "BIN";
    default: return {};
  }
}

std::string_view CaseName(std::uint8_t kind, bool prefixed) {
  switch (kind) {
    case caseIS: return prefixed ? "iCASE" : "CASE";
    case caseIS2: return prefixed ? "iCASE II" : "CASE II";
    case caseClan: return prefixed ? "cCASE" : "CASE";
    case caseClan2: return prefixed ? "cCASE II" : "CASE II";
    default: return {};
  }
}

void ArmorTypeName(std::uint8_t type, bool shortName, bool mixed, std::string& target) {
  if (type >= kArmorLong.size()) return;
  if (mixed && type >= atClanFF && type <= atClanReactive) {
    unsigned i = type - atClanFF;
    target = shortName ? kClanArmorShort[i] : kClanArmorLong[i];
  } else {
    target = shortName ? kArmorShort[type] : kArmorLong[type];
  }
}

std::string ArmorTypeName(std::uint8_t type, bool shortName, bool mixed) {
  std::string s;
  ArmorTypeName(type, shortName, mixed, s);
  return s;
}

std::string_view LocationName(int index, bool quad) {
  if (index < 0 || index >= kLocationCount) return {};
  return quad ? kQuadLocations[static_cast<unsigned>(index)] : kLocations[static_cast<unsigned>(index)];
}

std::string_view LocationShortName(int index, bool quad) {
  if (index < 0 || index >= kLocationCount) return {};
  return quad ? kQuadAbbrevs[static_cast<unsigned>(index)] : kAbbrevs[static_cast<unsigned>(index)];
}

std::string LocationAbbrev(int code, bool quad) {
  if (code >= 0 && code < kLocationCount) return std::string(LocationShortName(code, quad));
  if (code >= 8 && code <= 35) {
    const auto& table = quad ? kQuadCodes8to35 : kCodes8to35;
    return std::string(table[static_cast<unsigned>(code - 8)]);
  }
  if (code == lcBin) return "BIN";
  if (code >= 129) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(code) & 0xFFFFu);
    return buf;
  }
  return "XXX";
}

}  // namespace tfd
