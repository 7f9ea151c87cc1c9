#include "files/ReadoutParts.h"

#include <cstdio>

#include "equipment/EquipmentLists.h"
#include "files/LoadSupport.h"
#include "model/Mech.h"
#include "rules/RulesTables.h"

namespace tfd {

std::vector<int> ReadoutConfigs(const TMech& design, int configIndex) {
  if (!design.IsOmni()) return {0};
  if (configIndex == kAllConfigs) {
    std::vector<int> all(kSavedConfigCount);
    for (int k = 0; k < kSavedConfigCount; ++k) all[static_cast<std::size_t>(k)] = k;
    return all;
  }
  if (configIndex <= 0 || configIndex >= kSavedConfigCount) return {0};
  return {0, configIndex};
}

std::string ReadoutConfigName(int k) {
  if (k <= 0) return "Fixed Configuration";
  if (k == 1) return "Primary Configuration";
  return std::string("Alternate Configuration ") + static_cast<char>('A' + (k - 2));
}

std::string ReadoutLocation(int code, bool quad) {
  if (code < 0 || code >= 32) return "BIN";
  static constexpr const char* kBiped[32] = {
      "H",    "CT",   "RT",    "LT",    "RA",    "LA",    "RL",     "LL",     "HR",    "CTR",  "RTR",
      "LTR",  "RFLR", "LFLR",  "RLR",   "LLR",   "H/CT",  "CT/H",   "R/CT",   "L/CT",  "RA/T", "LA/T",
      "RL/T", "LL/T", "H/CTR", "CT/HR", "R/CTR", "L/CTR", "RFL/TR", "LFL/TR", "RL/TR", "LL/TR"};
  static constexpr const char* kQuad[32] = {
      "H",     "CT",    "RT",    "LT",    "RFL",   "LFL",   "RRL",    "LRL",    "HR",     "CTR",   "RTR",
      "LTR",   "RFLR",  "LFLR",  "RRLR",  "LRLR",  "H/CT",  "CT/H",   "R/CT",   "L/CT",   "RFL/T", "LFL/T",
      "RRL/T", "LRL/T", "H/CTR", "CT/HR", "R/CTR", "L/CTR", "RFL/TR", "LFL/TR", "RRL/TR", "LRL/TR"};
  return (quad ? kQuad : kBiped)[code];
}

std::vector<std::string> ArmamentForFile(const TMech& design) {
  if (design.Brands->Empty()) return design.Armament;
  std::vector<std::string> lines;
  for (const TWepName& e : *design.Brands)
    lines.push_back(std::to_string(e.Uses) + " " + e.Name + (e.Brand.empty() ? "(s)" : ": " + e.Brand));
  return lines;
}

std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return out;
}

const TWepInfoStruct* RowOf(const TWeapon& item, const TEquipmentLists& lists) {
  const TWepInfo* rec = lists.BySaveNum(item.SaveNum);
  return rec ? &rec->Info : nullptr;
}

char TechnologyMarker(const TWeapon& item, const TMech& design) {
  bool clanRow = false;
  for (int c = 0; c < kCategoryCount; ++c) {
    const int start = BlockStart(static_cast<ECategory>(c), tcClan);
    if (item.SaveNum >= start && item.SaveNum < start + 100) clanRow = true;
  }
  return clanRow != IsClanDesign(design) ? '*' : ' ';
}

int PrimarySlots(const TConfiguration& config, const TWeapon& item) {
  const int loc = item.Location & lcLocationMask;
  int n = 0;
  for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s)
    if (config.Crits.SlotAt(loc, s).Item == &item) ++n;
  return n;
}

std::string TechnologyText(const TMech& m) {
  if (IsClanDesign(m)) return "Clan";
  return m.RulesLevel == rlIS1 ? "Inner Sphere Level 1" : "Inner Sphere Level 2";
}

std::string SourceWord(const TMech& m) {
  static constexpr const char* kWords[] = {"Custom", "2750", "3025", "3050", "3055", "3058", "Sourcebook"};
  return m.Source < std::size(kWords) ? kWords[m.Source] : "";
}

std::string StructureWord(const TMech& m) {
  switch (m.StructureType) {
    case stEndoSteel:
    case stClanEndoSteel: return "Endo Steel";
    case stComposite: return "Composite";
    case stReinforced: return "Reinforced";
    default: return "Standard";
  }
}

std::string EngineKindWord(const TMech& m) {
  switch (m.EngineType) {
    case etXL:
    case etClanXL: return "XL";
    case etXXL:
    case etClanXXL: return "xxl";  // neither a leading X nor "XL": the readers would take it for XL
    case etCompact: return "Compact";
    case etICE: return "I.C.E.";
    default: return "Fusion";
  }
}

std::string HeatSinkWord(const TMech& m) {
  switch (m.HeatSinkType) {
    case hsDouble:
    case hsClanDouble: return "Double";
    case hsCompact: return "Compact";
    case hsLaser: return "Laser";
    default: return "Single";
  }
}

bool IsEndoSteel(const TMech& m) {
  return m.StructureType == stEndoSteel || m.StructureType == stClanEndoSteel;
}
bool IsXLEngine(const TMech& m) { return m.EngineType == etXL || m.EngineType == etClanXL; }
bool IsFerroFibrous(const TMech& m) { return m.ArmorType == atFerroFibrous || m.ArmorType == atClanFF; }

int Dissipation(const TMech& m) { return m.HeatSinks * (HeatSinksDissipateTwice(m.HeatSinkType) ? 2 : 1); }

std::string Fixed(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

}  // namespace tfd
