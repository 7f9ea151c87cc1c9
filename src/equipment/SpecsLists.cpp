#include "equipment/SpecsLists.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <unordered_map>

#include "model/Enums.h"
#include "model/Mech.h"
#include "model/Weapon.h"

namespace tfd {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

void PickText(TPickList& list, const std::string& text) {
  list.Text = text;
  const auto it = std::find(list.Entries.begin(), list.Entries.end(), text);
  list.ItemIndex = it == list.Entries.end() ? -1 : static_cast<int>(it - list.Entries.begin());
}

// The first entry changed while the TYPE stayed (the jumping MP, the
// targeting system): put in place of the old one, no query needed.
void ReplaceFirstEntry(TPickList& list, const std::string& first) {
  if (list.FirstEntry == first) return;
  if (!list.FirstEntry.empty() && !list.Entries.empty()) list.Entries.erase(list.Entries.begin());
  if (!first.empty()) list.Entries.insert(list.Entries.begin(), first);
  list.FirstEntry = first;
  ++list.Revision;
}

// A file's armament line split into the equipment name it names (empty when
// it names none) and the brand it gives.
struct TArmamentLine {
  std::string_view Name;
  std::string_view Brand;
};

TArmamentLine SplitArmamentLine(std::string_view line) {
  line = Trim(line);
  // A leading count ("2 Medium Lasers: ...") belongs to neither part.
  std::size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  if (digits > 0 && digits < line.size() && line[digits] == ' ') line = Trim(line.substr(digits));
  const std::size_t colon = line.rfind(": ");
  if (colon == std::string_view::npos) return {{}, line};
  return {Trim(line.substr(0, colon)), Trim(line.substr(colon + 1))};
}

// The name as a line may write it: as it stands or in the plural.
bool NamesEntry(std::string_view written, const std::string& name) {
  if (SameText(written, name)) return true;
  for (std::string_view plural : {"s", "es", "(s)"})
    if (written.size() == name.size() + plural.size() && SameText(written.substr(0, name.size()), name) &&
        SameText(written.substr(name.size()), plural))
      return true;
  return false;
}

}  // namespace

TSpecsCategory ChassisCategory(std::uint8_t structureType) {
  switch (structureType) {
    case stEndoSteel:
    case stClanEndoSteel: return {spChassisEndo, "Endo Steel"};
    case stComposite: return {spChassisComposite, "Composite"};
    case stReinforced: return {spChassisReinforced, "Reinforced"};
    default: return {spChassisStandard, "Standard"};
  }
}

TSpecsCategory ArmorCategory(std::uint8_t armorType) {
  switch (armorType) {
    case atFerroFibrous:
    case atClanFF: return {spArmorFerro, "Ferro-Fibrous"};
    case atLightFF: return {spArmorLightFerro, "Light Ferro-Fibrous"};
    case atHeavyFF: return {spArmorHeavyFerro, "Heavy Ferro-Fibrous"};
    case atHardened: return {spArmorHardened, "Hardened"};
    case atLaserReflective:
    case atClanLaserReflective: return {spArmorReflective, "Laser Reflective"};
    case atReactive:
    case atClanReactive: return {spArmorReactive, "Reactive"};
    case atPatchwork: return {spPatchworkArmor, "Patchwork"};
    default: return {spArmorStandard, "Standard"};
  }
}

std::optional<TSpecsCategory> JumpJetCategory(const TMech& design) {
  if (design.JumpMP == 0) return std::nullopt;
  if (design.JumpJetType == jjImproved) return TSpecsCategory{spImprovedJumpJets, "Improved"};
  return TSpecsCategory{spJumpJets, std::to_string(design.JumpMP)};
}

std::string TargetingDefault(std::uint8_t targetingType) {
  static constexpr std::array<const char*, 7> kNames = {"Unknown",        "Long-Range",    "Short-Range",
                                                        "Variable-Range", "Anti-Aircraft", "Multi-Trac",
                                                        "Multi-Trac II"};
  return targetingType < kNames.size() ? kNames[targetingType] : kNames[0];
}

bool KeepPickList(IQuery& query, TPickList& list, const TSpecsCategory& category, const std::string& text) {
  const bool refill = list.Tag != category.Type;
  if (refill)
    FillPickList(query, list, category.Type, text, category.FirstEntry);
  else
    ReplaceFirstEntry(list, category.FirstEntry);
  PickText(list, text);
  return refill;
}

void ShowNoJumpJets(TPickList& list) {
  if (list.Entries.size() != 1 || list.Entries.front() != "None") {
    list.Entries = {"None"};
    ++list.Revision;
  }
  list.FirstEntry = "None";
  list.Tag = 99;
  PickText(list, "None");
}

std::string ArmamentEntryText(const TWepName& entry) {
  return std::to_string(entry.Uses) + " " + (entry.Brand.empty() ? entry.Name + "(s)" : entry.Brand);
}

std::vector<std::string> ArmamentLines(const TMech& design) {
  std::vector<std::string> lines;
  for (const TWepName& e : *design.Brands) lines.push_back(ArmamentEntryText(e));
  return lines;
}

void TakeArmamentBrands(TMech& design) {
  TWeaponNameList& brands = *design.Brands;
  // The entries by name, so that a file of many lines costs time linear in its size.
  std::vector<TWepName*> entries;
  std::unordered_map<std::string, std::vector<TWepName*>> byName;
  for (TWepName* e = brands.FirstEntry(); e; e = brands.NextEntry()) {
    entries.push_back(e);
    byName[Lower(e->Name)].push_back(e);
  }
  auto entryNamed = [&](std::string_view written) -> TWepName* {
    const std::string w = Lower(written);
    for (std::string_view plural : {"", "s", "es", "(s)"}) {
      if (w.size() <= plural.size() || !w.ends_with(plural)) continue;
      const auto it = byName.find(w.substr(0, w.size() - plural.size()));
      if (it == byName.end()) continue;
      for (TWepName* e : it->second)
        if (e->Brand.empty()) return e;
    }
    return nullptr;
  };

  std::vector<std::string_view> unnamed;
  for (const std::string& text : design.Armament) {
    const TArmamentLine line = SplitArmamentLine(text);
    if (line.Name.empty())
      unnamed.push_back(line.Brand);
    else if (TWepName* e = entryNamed(line.Name))
      e->Brand = line.Brand;
  }
  // Lines as the list shows them carry no name: they follow the entries'
  // order, which is only sure when there is one line per entry.
  if (unnamed.empty() || unnamed.size() != entries.size()) return;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    TWepName& e = *entries[i];
    if (!e.Brand.empty() || unnamed[i].empty() || NamesEntry(unnamed[i], e.Name)) continue;
    e.Brand = unnamed[i];
  }
}

const std::vector<std::string>& SourceEntries() {
  static const std::vector<std::string> kEntries = {"Custom Design", "2750",          "3025", "3050",
                                                    "3055",          "3058",          "3060", "Scenario Pack",
                                                    "Sourcebook",    "Unknown Origin"};
  return kEntries;
}

namespace {
// The source code of each entry of the source box, in its order.
constexpr std::array<std::uint8_t, 10> kSourceOfEntry = {srcCustom,     src2750, src3025, src3050,
                                                         src3055,       src3058, src3060, srcScenarioPack,
                                                         srcSourcebook, srcOther};
}  // namespace

int SourceEntryOf(std::uint8_t source) {
  const auto it = std::find(kSourceOfEntry.begin(), kSourceOfEntry.end(), source);
  return it == kSourceOfEntry.end() ? 9 : static_cast<int>(it - kSourceOfEntry.begin());
}

std::uint8_t SourceOfEntry(int entry) {
  if (entry < 0 || entry >= static_cast<int>(kSourceOfEntry.size())) return srcOther;
  return kSourceOfEntry[static_cast<std::size_t>(entry)];
}

void ClearSpecifications(TMech& design) {
  for (int t : {txtModel, txtChassis, txtJumpJets, txtArmor, txtComSystem, txtTargetingSystem})
    design.Texts[static_cast<std::size_t>(t)].clear();
  design.Manufacturers.clear();
  design.Overview.clear();
  design.Armament.clear();
  for (const TWepName& e : *design.Brands) design.Brands->ChangeBrand(e.Id, {});
  design.Source = srcCustom;
}

void TSpecsLists::Refresh(IQuery& query, TMech& design) {
  KeepPickList(query, Chassis, ChassisCategory(design.StructureType), design.Texts[txtChassis]);

  JumpJetsEnabled = design.JumpMP > 0;
  if (const auto jets = JumpJetCategory(design))
    KeepPickList(query, JumpJets, *jets, design.Texts[txtJumpJets]);
  else
    ShowNoJumpJets(JumpJets);

  KeepPickList(query, Armor, ArmorCategory(design.ArmorType), design.Texts[txtArmor]);
  KeepPickList(query, ComSystem, {spComSystem, "Unknown"}, design.Texts[txtComSystem]);
  KeepPickList(query, TTSystem, {spTTSystem, TargetingDefault(design.TargetingType)},
               design.Texts[txtTargetingSystem]);
  // The manufacturer box only prepares entries for the list: its text is
  // what the user has typed or picked there.
  KeepPickList(query, Manufacturer, {spManufacturer, ""}, Manufacturer.Text);

  if (KeepPickList(query, PowerPlant, {spPowerPlant, "Unknown"}, design.Texts[txtPowerPlant]))
    makers_.Locate(PowerPlant.Entries);
  std::string& plant = design.Texts[txtPowerPlant];
  plant = RebuildPowerPlant(plant, design);
  PickText(PowerPlant, plant);
}

void TSpecsLists::ShowBrands(IQuery& query, const TWepName& entry) {
  KeepPickList(query, Brand, {entry.Id, ""}, entry.Brand);
}

std::string TSpecsLists::RebuildPowerPlant(const std::string& text, const TMech& design) const {
  return tfd::RebuildPowerPlant(text, design, makers_);
}

}  // namespace tfd
