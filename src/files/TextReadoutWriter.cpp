#include "files/TextReadoutWriter.h"

#include <algorithm>

#include "equipment/EquipmentLists.h"
#include "files/ReadoutParts.h"
#include "files/Windows1252.h"
#include "model/Mech.h"

namespace tfd {

namespace {

constexpr int kNameField = 26;  // the item name field the reader takes whole; the marker follows

std::string Pad(std::string s, std::size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

class TTextWriter {
 public:
  TTextWriter(const TMech& m, const TEquipmentLists& lists) : m_(m), lists_(lists) {}

  std::string Run(int configIndex) {
    DescriptiveBlock();
    EquipmentBlock();
    const std::vector<int> configs = ReadoutConfigs(m_, configIndex);
    for (std::size_t i = 0; i < configs.size(); ++i) Configuration(configs[i], i == 0);
    Line("Battle Value: " + std::to_string(m_.BattleValue));
    Line("Cost: " + Fixed(m_.Cost, 0) + " C-bills");
    return std::move(out_);
  }

 private:
  void Line(const std::string& text = {}) {
    out_ += text;
    out_ += '\n';
  }
  void Text(const std::string& label, const std::string& value) { Line(label + ": " + OneLine(value)); }
  void List(const std::string& label, const std::vector<std::string>& lines) {
    Line(label + ": " + std::to_string(lines.size()));
    for (const auto& l : lines) Line("    " + OneLine(l));
  }

  void DescriptiveBlock() {
    Line("Titanframe Technical Readout");
    Line("============================");
    Line(OneLine(m_.Texts[txtModel]));
    Line();
    Line("Mass: " + std::to_string(m_.Tonnage) + " tons");
    Text("Chassis", m_.Texts[txtChassis]);
    Text("Power Plant", m_.Texts[txtPowerPlant]);
    Line("Cruising Speed: " + Fixed(m_.WalkMP * 10.8, 1) + " km/h");
    Line("Maximum Speed: " + Fixed(m_.RunMP * 10.8, 1) + " km/h");
    Text("Jump Jets", m_.Texts[txtJumpJets]);
    Line("    Jump Capacity: " + std::to_string(m_.JumpMP * 30) + " meters");
    Text("Armor", m_.Texts[txtArmor]);
    List("Armament", ArmamentForFile(m_));
    List("Manufacturer", m_.Manufacturers);
    Text("Communications System", m_.Texts[txtComSystem]);
    Text("Targeting & Tracking System", m_.Texts[txtTargetingSystem]);
    Line();
    List("Overview", m_.Overview);
    Line();
    Line();
    const std::string source = SourceWord(m_);
    Line("Technology: " + TechnologyText(m_) + (source.empty() ? "" : " " + source));
    Line();
    Line("Type / Model Equipment");
    Line("------------------------------------------------------");
  }

  void EquipmentBlock() {
    const auto& w = m_.Weights;
    Line("Internal Structure: " + StructureWord(m_) + "    " + Fixed(w[wStructure], 1));
    Line("Engine: " + std::to_string(m_.EngineRating) + " " + EngineKindWord(m_) + "    " +
         Fixed(w[wEngine], 1));
    Line("    Walking MP: " + std::to_string(m_.WalkMP));
    Line("    Running MP: " + std::to_string(m_.RunMP));
    Line("    Jumping MP: " + std::to_string(m_.JumpMP));
    Line("Heat Sinks: " + std::to_string(m_.HeatSinks) + " " + HeatSinkWord(m_) + " [" +
         std::to_string(Dissipation(m_)) + "]   " + Fixed(w[wHeatSinks], 1));
    Line("Gyro - " + Fixed(w[wGyro], 1));
    Line("Cockpit - " + Fixed(w[wCockpit], 1));
    // The reader takes the third character after the factor: "F" of " FF" for Ferro-Fibrous.
    Line("Armor Factor: " + std::to_string(m_.ArmorPoints) + (IsFerroFibrous(m_) ? " FF " : " Std ") +
         Fixed(w[wArmor], 1));
    Line("                      Internal   Armor");
    Line("                      Structure  Value");
    const auto& a = m_.Armor;
    const auto& s = m_.Structure;
    auto num = [](int v) { return std::to_string(v); };
    Line("    Head: " + num(s[bsHead]) + " " + num(a[asHead]));
    Line("    Center Torso: " + num(s[bsCenterTorso]) + " " + num(a[asCenterTorso]));
    Line("    Center Torso (rear): " + num(a[asCenterTorsoRear]));
    Line("    R/L Torso: " + num(s[bsSideTorso]) + " " + num(a[asRightTorso]));
    Line("    R/L Torso (rear): " + num(a[asRightTorsoRear]));
    Line("    R/L Arm: " + num(s[bsArm]) + " " + num(a[asRightArm]));
    Line("    R/L Leg: " + num(s[bsLeg]) + " " + num(a[asRightLeg]));
    Line();
  }

  // A configuration: its name (an Omni design's only; the heading of a fixed
  // design begins with a blank instead), the heading, one line per item, the
  // actuators, and a blank line that ends it.
  void Configuration(int k, bool first) {
    const TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (m_.IsOmni()) {
      Line(ReadoutConfigName(k));
    } else if (!first) {
      return;
    }
    Line(" Weapons and Ammo          Location  Critical  Heat  Tonnage");
    Line("-----------------------------------------------------------");
    for (int loc = locCenterTorso; loc <= locLeftTorso; ++loc)
      if (c.CaseKind[static_cast<std::size_t>(loc)] != caseNone)
        ItemLine("CASE", ' ', ReadoutLocation(loc, false), "1", 0, 0.5);
    for (const auto& item : c.Items) {
      const TWepInfoStruct* row = RowOf(*item, lists_);
      if (!row) continue;
      std::string slots = std::to_string(item->Slots);
      if ((item->Location & lcSplit) && !(item->Location & (lcTurret | lcBin))) {
        const int primary = PrimarySlots(c, *item);
        slots = std::to_string(primary) + "/" + std::to_string(item->Slots - primary);
      }
      ItemLine(row->Name, TechnologyMarker(*item, m_), ReadoutLocation(item->Location, m_.IsQuad()), slots,
               item->Heat, item->Tons);
    }
    static constexpr const char* kActuators[4] = {"RH", "RA", "LH", "LA"};
    std::string act;
    for (int i = 0; i < 4; ++i)
      if (c.Actuators[static_cast<std::size_t>(i)]) act += std::string(" ") + kActuators[i];
    if (!act.empty()) Line("*ACT:" + act);
    Line();
  }

  void ItemLine(const std::string& name, char marker, const std::string& location, const std::string& slots,
                int heat, double tons) {
    Line(Pad(name.substr(0, kNameField), kNameField) + marker + Pad(location, 11) + Pad(slots, 6) + " " +
         Pad(std::to_string(heat), 5) + " " + Fixed(tons, 2));
  }

  const TMech& m_;
  const TEquipmentLists& lists_;
  std::string out_;
};

}  // namespace

std::string TextReadout(const TMech& design, const TEquipmentLists& lists, int configIndex) {
  return TTextWriter(design, lists).Run(configIndex);
}

std::string WriteTextReadout(const TMech& design, const TEquipmentLists& lists) {
  return WindowsTextFile(TextReadout(design, lists));
}

}  // namespace tfd
