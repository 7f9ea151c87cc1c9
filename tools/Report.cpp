#include "Report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <sstream>

#include "files/TextInput.h"
#include "model/Mech.h"
#include "ratings/ReportFigures.h"
#include "ratings/SkillTable.h"
#include "rules/Validation.h"

namespace tfd {

namespace {

bool ValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0)) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 2) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

// A JSON object written member by member.
class TJson {
 public:
  TJson& Key(const char* key) {
    Sep();
    out_ << JsonString(key) << ':';
    fresh_ = true;
    return *this;
  }
  TJson& Num(double v) { return Raw(JsonNumber(v)); }
  TJson& Str(const std::string& s) { return Raw(JsonString(s)); }
  TJson& Bool(bool b) { return Raw(b ? "true" : "false"); }
  TJson& Raw(const std::string& s) {
    Sep();
    out_ << s;
    return *this;
  }
  TJson& Open(char c) {
    Sep();
    out_ << c;
    fresh_ = true;
    return *this;
  }
  TJson& Close(char c) {
    out_ << c;
    fresh_ = false;
    return *this;
  }
  template <typename Range>
  TJson& Nums(const Range& r) {
    Open('[');
    for (const auto& v : r) Num(static_cast<double>(v));
    return Close(']');
  }
  TJson& Strs(const std::vector<std::string>& r) {
    Open('[');
    for (const auto& v : r) Str(v);
    return Close(']');
  }
  std::string Text() const { return out_.str(); }

 private:
  void Sep() {
    if (!fresh_) out_ << ',';
    fresh_ = false;
  }
  std::ostringstream out_;
  bool fresh_ = true;
};

int FirstSlotNumber(const TWeapon& w) { return w.SlotsFirst > 0 ? (w.SlotsFirst & 0xFF) : 0; }

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

std::string Human(const std::string& message) {
  std::string out;
  for (char c : message) {
    if (c == '\r')
      out += ": ";
    else
      out.push_back(c);
  }
  return out;
}

}  // namespace

std::string JsonString(const std::string& textIn) {
  const std::string text = ValidUtf8(textIn) ? textIn : FromWindows1252(textIn);
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out.push_back(ch);
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : "null";
}

namespace {

// What the reader could not read, one object per warning.
void Warnings(TJson& j, const std::vector<TLoadWarning>& warnings) {
  j.Key("warnings").Open('[');
  for (const auto& w : warnings) {
    j.Open('{').Key("line").Num(w.Line).Key("text").Str(w.Text).Key("why").Str(w.Why).Close('}');
  }
  j.Close(']');
}

}  // namespace

std::string JsonFailure(const std::string& file, const std::string& message,
                        const std::vector<TLoadWarning>& warnings) {
  TJson j;
  j.Open('{').Key("file").Str(file).Key("ok").Bool(false).Key("error").Str(message);
  Warnings(j, warnings);
  j.Close('}');
  return j.Text();
}

namespace {

void JsonChassis(TJson& j, const TMech& m) {
  j.Key("type").Str(m.Texts[txtModel]);
  j.Key("rulesLevel").Num(m.RulesLevel).Key("options").Num(m.Options).Key("tonnage").Num(m.Tonnage);
  j.Key("structureType").Num(m.StructureType).Key("engineType").Num(m.EngineType);
  j.Key("engineRating").Num(m.EngineRating).Key("walkMP").Num(m.WalkMP).Key("runMP").Num(m.RunMP);
  j.Key("sprintMP").Num(m.SprintMP).Key("jumpMP").Num(m.JumpMP).Key("heatSinks").Num(m.HeatSinks);
  j.Key("heatSinkType").Num(m.HeatSinkType).Key("dissipation").Num(m.Dissipation);
  j.Key("gyroType").Num(m.GyroType).Key("cockpitType").Num(m.CockpitType);
  j.Key("targetingType").Num(m.TargetingType).Key("jumpJetType").Num(m.JumpJetType);
  j.Key("armorType").Num(m.ArmorType).Key("configIndex").Num(m.ConfigIndex);
  j.Key("mixedTech").Bool(m.MixedTech);
  j.Key("weights").Nums(m.Weights).Key("structure").Nums(m.Structure).Key("armor").Nums(m.Armor);
  j.Key("armorTypes").Nums(m.ArmorTypes).Key("maxArmor").Num(m.MaxArmor);
  j.Key("armorPoints").Num(m.ArmorPoints).Key("armorFactor").Num(m.ArmorFactor);
}

void JsonConfiguration(TJson& j, const TMech& m, const TConfiguration& c) {
  j.Key("config").Open('{');
  j.Key("index").Num(m.ConfigIndex).Key("name").Str(m.ConfigName(m.ConfigIndex));
  j.Key("totalWeight").Num(c.TotalWeight).Key("equipmentWeight").Num(c.EquipmentWeight);
  j.Key("caseWeight").Num(c.CaseWeight).Key("turretWeight").Num(c.TurretWeight);
  j.Key("powerAmpWeight").Num(c.PowerAmpWeight).Key("superchargerWeight").Num(c.SuperchargerWeight);
  j.Key("armoredWeight").Num(c.ArmouredWeight);
  j.Key("case").Nums(c.CaseKind).Key("actuators").Nums(c.Actuators);
  j.Key("items").Open('[');
  for (const auto& w : c.Items) {
    j.Open('{');
    j.Key("name").Str(w->Name).Key("abbr").Str(w->Abbrev).Key("saveId").Num(w->SaveNum);
    j.Key("location").Num(w->Location).Key("slots").Num(w->Slots).Key("firstSlot").Num(FirstSlotNumber(*w));
    j.Key("tons").Num(w->Tons).Key("bv").Num(w->BV).Key("cost").Num(w->Cost);
    j.Key("heat").Num(w->Heat).Key("damage").Num(w->Damage);
    j.Close('}');
  }
  j.Close(']');
  j.Key("slots").Open('[');
  for (int loc = 0; loc < kLocationCount; ++loc) {
    j.Open('[');
    for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) j.Num(c.Crits.SlotAt(loc, s).Code);
    j.Close(']');
  }
  j.Close(']');
  j.Close('}');
}

void JsonBattleValue(TJson& j, const TMech& m, const TConfiguration& c, const TReportOptions& options) {
  j.Key("battleValue").Num(m.BattleValue);
  j.Key("bv").Open('{');
  j.Key("armorFactor").Num(m.BVArmorFactor).Key("structureFactor").Num(m.BVStructureFactor);
  j.Key("defensiveEquipment").Num(c.DefensiveEquipment).Key("explosivePenalty").Num(c.ExplosivePenalty);
  j.Key("heatModifier").Num(c.HeatModifier).Key("movementFactor").Num(c.MovementFactor);
  j.Key("defensiveRating").Num(c.DefensiveRating).Key("baseWeaponRating").Num(c.BaseWeaponRating);
  j.Key("artemisRating").Num(c.ArtemisRating).Key("targetingRating").Num(c.TargetingRating);
  j.Key("modifiedWeaponRating").Num(c.ModifiedWeaponRating).Key("speedFactor").Num(c.SpeedFactor);
  j.Key("offensiveRating").Num(c.OffensiveRating).Key("weaponHeat").Num(c.WeaponHeat);
  j.Key("heatEfficiency").Num(c.HeatEfficiency);
  j.Close('}');
  j.Key("finalBV").Num(FinalBattleValue(m.BattleValue, options.Gunnery, options.Piloting));
}

void JsonCost(TJson& j, const TMech& m, const TConfiguration& c) {
  j.Key("cost").Num(m.Cost);
  j.Key("costParts").Open('{');
  static constexpr const char* kParts[] = {"cockpit",   "lifeSupport",  "sensors", "musculature",
                                           "structure", "legActuators", "engine",  "gyro",
                                           "armor",     "multiplier"};
  for (std::size_t i = 0; i < std::size(kParts); ++i) j.Key(kParts[i]).Num(m.CostParts[i]);
  static constexpr const char* kLines[] = {"armActuators", "heatSinks",    "jumpJets", "equipment", "omni",
                                           "case",         "supercharger", "powerAmp", "turret"};
  for (std::size_t i = 0; i < std::size(kLines); ++i) j.Key(kLines[i]).Num(c.CostLines[i]);
  j.Key("config").Num(c.ConfigCost);
  j.Close('}');
}

void JsonReports(TJson& j, const TMech& m, const TConfiguration& c) {
  const TPhysicalDamage physical = PhysicalDamage(m);
  const TSlotCount slots = FreeCriticalSlots(m);
  j.Key("reports").Open('{');
  j.Key("punch").Num(physical.Punch).Key("kick").Num(physical.Kick).Key("club").Num(physical.Club);
  j.Key("bangPerBuck").Num(BangPerBuck(m.BattleValue, m.Cost)).Key("heatPotential").Num(HeatPotential(c));
  j.Key("freeSlots").Num(slots.Free).Key("usableSlots").Num(slots.Total);
  j.Close('}');
  j.Key("damageByRange").Nums(m.DamageByRange).Key("heatByRange").Nums(m.HeatByRange);
}

void JsonSpecs(TJson& j, const TMech& m) {
  j.Key("specs").Open('{');
  j.Key("chassis").Str(m.Texts[txtChassis]).Key("powerPlant").Str(m.Texts[txtPowerPlant]);
  j.Key("jumpJets").Str(m.Texts[txtJumpJets]).Key("armor").Str(m.Texts[txtArmor]);
  j.Key("comSystem").Str(m.Texts[txtComSystem]).Key("ttSystem").Str(m.Texts[txtTargetingSystem]);
  j.Key("manufacturers").Strs(m.Manufacturers).Key("armament").Strs(m.Armament);
  j.Key("overview").Strs(m.Overview).Key("source").Num(m.Source);
  j.Close('}');
}

void JsonFindings(TJson& j, const TMech& m) {
  TFindings findings;
  Validate(m, findings);
  j.Key("findings").Open('[');
  for (const TFinding& f : findings) {
    j.Open('{');
    j.Key("rule").Str(std::string(f.Rule)).Key("severity").Num(f.Severity);
    j.Key("location");
    if (f.Place.empty())
      j.Raw("null");
    else
      j.Str(f.Place);
    j.Key("item");
    if (f.Item)
      j.Str(f.Item->Name);
    else
      j.Raw("null");
    j.Key("message").Str(f.Message);
    j.Close('}');
  }
  j.Close(']');
}

}  // namespace

std::string JsonReport(const TMech& m, const std::string& file, const TReportOptions& options,
                       const std::vector<TLoadWarning>& warnings) {
  const TConfiguration& c = *m.Config;
  TJson j;
  j.Open('{');
  j.Key("file").Str(file).Key("ok").Bool(true);
  Warnings(j, warnings);
  JsonChassis(j, m);
  JsonConfiguration(j, m, c);
  JsonBattleValue(j, m, c, options);
  JsonCost(j, m, c);
  JsonReports(j, m, c);
  JsonSpecs(j, m);
  JsonFindings(j, m);
  j.Close('}');
  return j.Text();
}

namespace {

void TextHeader(std::ostringstream& o, const TMech& m, const std::string& file,
                const std::vector<TLoadWarning>& warnings) {
  o << file << "\n";
  if (!warnings.empty()) {
    o << "  Not read:\n";
    for (const auto& w : warnings)
      o << "    " << (w.Line > 0 ? "line " + std::to_string(w.Line) + ": " : std::string()) << w.Text << " ("
        << w.Why << ")\n";
    o << "\n";
  }
  o << "  Type:          " << m.Texts[txtModel] << "\n";
  o << "  Tonnage:       " << int(m.Tonnage) << " tons\n";
  o << "  Rules level:   " << RulesLevelName(m.RulesLevel) << (m.MixedTech ? " (mixed technology)" : "")
    << "\n";
  o << "  Options:       " << OptionsSummary(m.Options) << "\n";
  o << "  Configuration: " << m.ConfigName(m.ConfigIndex) << "\n";
  o << "  Source:        " << SourceName(m.Source) << "\n\n";
}

void TextComponents(std::ostringstream& o, const TMech& m, const TConfiguration& c) {
  const int td = IsLevel3(m.RulesLevel) ? 2 : 1;
  auto row = [&](const std::string& label, const std::string& what, double tons) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "  %-22s %-28s %8s\n", label.c_str(), what.c_str(),
                  Fixed(tons, td).c_str());
    o << buf;
  };
  o << "  Component              Kind                            Tons\n";
  row("Internal structure", std::string(StructureTypeName(m.StructureType)), m.Weights[wStructure]);
  row("Engine", std::to_string(m.EngineRating) + " " + std::string(EngineTypeName(m.EngineType)),
      m.Weights[wEngine]);
  row("Heat sinks",
      std::to_string(m.HeatSinks) + " " + std::string(HeatSinkTypeName(m.HeatSinkType)) + " [" +
          std::to_string(m.Dissipation) + "]",
      m.Weights[wHeatSinks]);
  row("Jump jets", std::to_string(m.JumpMP) + " " + std::string(JumpJetTypeName(m.JumpJetType)),
      m.Weights[wJumpJets]);
  row("Gyro", std::string(GyroTypeName(m.GyroType)), m.Weights[wGyro]);
  row("Cockpit", std::string(CockpitTypeName(m.CockpitType)), m.Weights[wCockpit]);
  row("Targeting", std::string(TargetingTypeName(m.TargetingType)), m.Weights[wTargeting]);
  row("Armor",
      m.ArmorTypeName(m.ArmorType, false) + ", " + std::to_string(m.ArmorPoints) + " of " +
          std::to_string(m.MaxArmor),
      m.Weights[wArmor]);
  row("Equipment", std::to_string(c.Items.Size()) + " items", c.TotalWeight);
  row("Free", "", m.Weights[wFree]);
  o << "\n  Movement: walk " << int(m.WalkMP) << ", run " << int(m.RunMP) << ", sprint " << int(m.SprintMP)
    << ", jump " << int(m.JumpMP) << " (" << Fixed(m.Weights[wWalkSpeed], 1) << " / "
    << Fixed(m.Weights[wRunSpeed], 1) << " km/h)\n";
  o << "  Heat: weapons " << c.WeaponHeat << ", dissipation " << int(m.Dissipation) << "\n\n";
}

void TextArmor(std::ostringstream& o, const TMech& m) {
  static constexpr const char* kSections[] = {
      "Head",       "Center Torso",      "Center Torso (rear)", "Right Torso", "Right Torso (rear)",
      "Left Torso", "Left Torso (rear)", "Right Arm",           "Left Arm",    "Right Leg",
      "Left Leg"};
  static constexpr int kStructureOf[] = {bsHead, bsCenterTorso, -1,    bsSideTorso, -1,   bsSideTorso,
                                         -1,     bsArm,         bsArm, bsLeg,       bsLeg};
  o << "  Armor section          Structure   Armor\n";
  for (std::size_t s = 0; s < std::size(kSections); ++s) {
    char buf[120];
    const int st = kStructureOf[s];
    std::snprintf(buf, sizeof buf, "  %-22s %9s %7d\n", kSections[s],
                  st < 0 ? "" : std::to_string(m.Structure[static_cast<std::size_t>(st)]).c_str(),
                  int(m.Armor[s]));
    o << buf;
  }
}

void TextEquipment(std::ostringstream& o, const TMech& m, const TConfiguration& c) {
  o << "\n  Equipment                          Location   Slots    Tons\n";
  for (const auto& w : c.Items) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "  %-34s %-9s %6d %7s\n", w->Name.c_str(),
                  m.LocationAbbrev(w->Location).c_str(), w->Slots, Fixed(w->Tons, 2).c_str());
    o << buf;
  }
}

// One figure of the battle value or the cost, right-aligned.
void FigureLine(std::ostringstream& o, const char* label, double v, int decimals) {
  char buf[120];
  std::snprintf(buf, sizeof buf, "    %-26s %16s\n", label, Fixed(v, decimals).c_str());
  o << buf;
}

void TextBattleValue(std::ostringstream& o, const TMech& m, const TConfiguration& c,
                     const TReportOptions& options) {
  o << "\n  Battle value: " << m.BattleValue << "; with gunnery " << options.Gunnery << " and piloting "
    << options.Piloting << ": " << FinalBattleValue(m.BattleValue, options.Gunnery, options.Piloting) << "\n";
  // The factors to three decimals, the ratings to two.
  const struct {
    const char* Label;
    double Value;
    int Decimals;
  } figures[] = {{"Armor factor", m.BVArmorFactor, 2},
                 {"Structure factor", m.BVStructureFactor, 2},
                 {"Defensive equipment", c.DefensiveEquipment, 2},
                 {"Explosive penalty", c.ExplosivePenalty, 2},
                 {"Heat modifier", c.HeatModifier, 2},
                 {"Movement factor", c.MovementFactor, 3},
                 {"Defensive rating", c.DefensiveRating, 2},
                 {"Base weapon rating", c.BaseWeaponRating, 2},
                 {"Artemis rating", c.ArtemisRating, 2},
                 {"Targeting rating", c.TargetingRating, 2},
                 {"Modified weapon rating", c.ModifiedWeaponRating, 2},
                 {"Speed factor", c.SpeedFactor, 3},
                 {"Offensive rating", c.OffensiveRating, 2}};
  for (const auto& f : figures) FigureLine(o, f.Label, f.Value, f.Decimals);
  const TPhysicalDamage physical = PhysicalDamage(m);
  o << "  Physical attacks: punch " << physical.Punch << ", kick " << physical.Kick << ", club "
    << physical.Club << "\n";
  const TSlotCount slots = FreeCriticalSlots(m);
  o << "  Heat potential: " << HeatPotential(c) << "; free slots " << slots.Free << " of " << slots.Total
    << "\n";
}

void TextCost(std::ostringstream& o, const TMech& m, const TConfiguration& c) {
  o << "\n  Cost: " << Fixed(m.Cost, 0) << " C-bills; " << Fixed(BangPerBuck(m.BattleValue, m.Cost), 2)
    << " battle value per 100,000 C-bills\n";
  static constexpr const char* kParts[] = {"Cockpit",     "Life support", "Sensors",
                                           "Musculature", "Structure",    "Leg actuators",
                                           "Engine",      "Gyro",         "Armor"};
  for (std::size_t i = 0; i < std::size(kParts); ++i) FigureLine(o, kParts[i], m.CostParts[i], 0);
  static constexpr const char* kLines[] = {"Arm actuators", "Heat sinks", "Jump jets",    "Equipment",
                                           "Omni",          "CASE",       "Supercharger", "Power amplifiers",
                                           "Turret"};
  for (std::size_t i = 0; i < std::size(kLines); ++i) FigureLine(o, kLines[i], c.CostLines[i], 0);
  FigureLine(o, "Configuration subtotal", c.ConfigCost, 0);
  FigureLine(o, "Multiplier", m.CostParts[cpMultiplier], 3);
}

void TextRanges(std::ostringstream& o, const TMech& m) {
  o << "  Damage by range:";
  for (int r = 0; r < kRangeCount; ++r) o << ' ' << m.DamageByRange[static_cast<std::size_t>(r)];
  o << "\n  Heat by range:  ";
  for (int r = 0; r < kRangeCount; ++r) o << ' ' << m.HeatByRange[static_cast<std::size_t>(r)];
  o << "\n";
}

void TextFindings(std::ostringstream& o, const TMech& m) {
  TFindings findings;
  Validate(m, findings);
  o << "\n  Findings:" << (findings.Empty() ? " none" : "") << "\n";
  for (const TFinding& f : findings)
    o << "    " << (f.Severity >= svError ? "Error    " : "Warning  ") << f.Message << "  [" << f.Rule
      << "]\n";
}

}  // namespace

std::string TextReport(const TMech& m, const std::string& file, const TReportOptions& options,
                       const std::vector<TLoadWarning>& warnings) {
  const TConfiguration& c = *m.Config;
  std::ostringstream o;
  TextHeader(o, m, file, warnings);
  TextComponents(o, m, c);
  TextArmor(o, m);
  TextEquipment(o, m, c);
  TextBattleValue(o, m, c, options);
  TextCost(o, m, c);
  TextRanges(o, m);
  TextFindings(o, m);
  return o.str();
}

std::string HumanMessage(const std::string& message) { return Human(message); }

}  // namespace tfd
