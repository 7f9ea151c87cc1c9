#include "files/HtmlReadoutWriter.h"

#include <cstdio>

#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/ReadoutParts.h"
#include "files/Windows1252.h"
#include "model/Mech.h"

namespace tfd {

namespace {

constexpr const char* kSlotLineNames[kLocationCount] = {"H", "CT", "RT", "LT", "RA", "LA", "RL", "LL"};

// Text for a cell. Ampersands and angle brackets go as character references
// (the reader decodes them); the words the reader takes
// for the page's structure (its body and tables) are written with one letter
// as a character reference, so a value never passes for a line of structure.
std::string Cell(std::string_view text) {
  std::string out;
  for (char c : OneLine(text)) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  for (const auto& [word, written] : {std::pair{"BODY", "B&#79;DY"}, std::pair{"TABLE", "T&#65;BLE"}}) {
    for (std::size_t at = out.find(word); at != std::string::npos; at = out.find(word, at + 1))
      out.replace(at, std::string_view(word).size(), written);
  }
  return out;
}

std::string Hex4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(v) & 0xFFFFu);
  return buf;
}

class THtmlWriter {
 public:
  THtmlWriter(const TMech& m, const TEquipmentLists& lists, const THtmlPage& page)
      : m_(m), lists_(lists), page_(page) {}

  std::string Run(int configIndex) {
    Head();
    DescriptiveTable();
    EquipmentTable();
    for (int k : ReadoutConfigs(m_, configIndex)) ConfigurationTable(k);
    if (page_.Settings && page_.Settings->IncludeFooter && !page_.Footer.empty()) Raw(page_.Footer);
    Line("</BODY>");
    Line("</HTML>");
    return std::move(out_);
  }

 private:
  void Line(const std::string& text) {
    out_ += text;
    out_ += '\n';
  }
  // Text of the user's own (header, footer), kept apart from the lines of the page.
  void Raw(const std::string& text) {
    out_ += text;
    if (!text.empty() && text.back() != '\n') out_ += '\n';
  }
  void Row(const std::string& label, const std::string& value) {
    Line("<TR><TD>" + label + "</TD><TD>" + value + "</TD></TR>");
  }
  void List(const std::string& label, const std::vector<std::string>& lines) {
    Row(label, "");
    Line("<!-- " + std::to_string(lines.size()) + " -->");
    for (const auto& l : lines) Line("<TR><TD COLSPAN=2>" + Cell(l) + "</TD></TR>");
  }

  void Head() {
    const THtmlSettings* s = page_.Settings;
    const std::string text = ColorText(ColorChannels(s ? s->TextColor : "", {0, 0, 0}));
    const std::string background = ColorText(ColorChannels(s ? s->BackgroundColor : "", {255, 255, 255}));
    std::string body = "<BODY TEXT=#" + text + " BGCOLOR=#" + background;
    if (s && s->UseTexture) {
      std::string url;
      for (char c : OneLine(s->Texture)) url += c == '"' ? std::string("%22") : std::string(1, c);
      body += " BACKGROUND=\"" + url + "\"";
    }
    Line("<HTML>");
    Line("<HEAD><TITLE>" + Cell(m_.Texts[txtModel]) + "</TITLE></HEAD>");
    Line(body + ">");
    Line("<!-- VER 0907 -->");
    if (s && s->IncludeHeader && !page_.Header.empty()) Raw(page_.Header);
    Line("<H2>Titanframe Technical Readout</H2>");
  }

  void DescriptiveTable() {
    Line("<TABLE>");
    Line("<TR><TH COLSPAN=2>Design Data</TH></TR>");
    Row("Type:", Cell(m_.Texts[txtModel]));
    Row("Tonnage:", std::to_string(m_.Tonnage));
    const std::string source = SourceWord(m_);
    Row("Technology Base:", TechnologyText(m_) + (source.empty() ? "" : " (" + source + ")"));
    Row("Chassis:", Cell(m_.Texts[txtChassis]));
    Row("Power Plant:", Cell(m_.Texts[txtPowerPlant]));
    Row("Jump Jets:", Cell(m_.Texts[txtJumpJets]));
    Row("Armor:", Cell(m_.Texts[txtArmor]));
    List("Armament:", ArmamentForFile(m_));
    List("Manufacturer(s):", m_.Manufacturers);
    Row("Communications System:", Cell(m_.Texts[txtComSystem]));
    Row("Targeting & Tracking System:", Cell(m_.Texts[txtTargetingSystem]));
    Row("Battle Value:", std::to_string(m_.BattleValue));
    Row("Cost:", Fixed(m_.Cost, 0) + " C-bills");
    Row("Overview:", "");
    Line("<!-- " + std::to_string(m_.Overview.size()) + " -->");
    Line("<TR><TD COLSPAN=2>");
    for (const auto& l : m_.Overview) Line(Cell(l) + "<BR>");
    Line("</TD></TR>");
    Line("</TABLE>");
  }

  void EquipmentTable() {
    const auto& w = m_.Weights;
    const auto& a = m_.Armor;
    const auto& s = m_.Structure;
    auto num = [](int v) { return std::to_string(v); };
    auto row3 = [&](const std::string& label, const std::string& b, const std::string& c) {
      Line("<TR><TD>" + label + "</TD><TD>" + b + "</TD><TD>" + c + "</TD></TR>");
    };
    Line("<TABLE>");
    Line("<!-- Equipment -->");
    row3("Internal Structure:", IsEndoSteel(m_) ? "ES" : StructureWord(m_), Fixed(w[wStructure], 1));
    row3("Engine:", num(m_.EngineRating) + " " + EngineKindWord(m_), Fixed(w[wEngine], 1));
    Row("Walking MP:", num(m_.WalkMP));
    Row("Running MP:", num(m_.RunMP));
    Row("Jumping MP:", num(m_.JumpMP));
    Line("<TR><TD>Heat Sinks:</TD><TD>" + num(m_.HeatSinks) + "</TD><TD>" + HeatSinkWord(m_) + " [" +
         num(Dissipation(m_)) + "]</TD><TD>" + Fixed(w[wHeatSinks], 1) + "</TD></TR>");
    row3("Gyro:", " ", Fixed(w[wGyro], 1));
    row3("Cockpit:", " ", Fixed(w[wCockpit], 1));
    row3("Armor Factor:", num(m_.ArmorPoints) + (IsFerroFibrous(m_) ? " FF" : " Std"), Fixed(w[wArmor], 1));
    row3(" ", "Internal Structure", "Armor Value");
    row3("Head", num(s[bsHead]), num(a[asHead]));
    row3("Center Torso", num(s[bsCenterTorso]), num(a[asCenterTorso]));
    row3("Center Torso (Rear)", " ", num(a[asCenterTorsoRear]));
    row3("R/L Torso", num(s[bsSideTorso]), num(a[asRightTorso]));
    row3("R/L Torso (Rear)", " ", num(a[asRightTorsoRear]));
    row3("R/L Arm", num(s[bsArm]), num(a[asRightArm]));
    row3("R/L Leg", num(s[bsLeg]), num(a[asRightLeg]));
    Line("</TABLE>");
  }

  static std::string Caption(int k) {
    static constexpr const char* kCaptions[kSavedConfigCount] = {"Fixed", "Prime", "A", "B",
                                                                 "C",     "D",     "E", "F"};
    return kCaptions[k];
  }

  void ItemRow(const std::string& name, char marker, const std::string& location, int slots, int heat,
               double tons) {
    Line("<TR><TD>" + Cell(name) + "</TD><TD>" + std::string(1, marker) + "</TD><TD>" + location +
         "</TD><TD>" + std::to_string(slots) + "</TD><TD>" + std::to_string(heat) + "</TD><TD>" +
         Fixed(tons, 2) + "</TD></TR>");
  }

  void ConfigurationTable(int k) {
    const TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    Line("<TABLE>");
    Line("<!-- " + Caption(k) + " -->");
    Line(
        "<TR><TD>Weapons and Ammo</TD><TD> "
        "</TD><TD>Location</TD><TD>Critical</TD><TD>Heat</TD><TD>Tonnage</TD></TR>");
    for (int loc = locCenterTorso; loc <= locLeftTorso; ++loc)
      if (c.CaseKind[static_cast<std::size_t>(loc)] != caseNone)
        ItemRow("CASE", ' ', ReadoutLocation(loc, false), 1, 0, 0.5);
    for (const auto& item : c.Items) {
      const TWepInfoStruct* row = RowOf(*item, lists_);
      if (!row) continue;
      ItemRow(row->Name, TechnologyMarker(*item, m_), ReadoutLocation(item->Location, m_.IsQuad()),
              item->Slots, item->Heat, item->Tons);
    }
    static constexpr const char* kActuators[4] = {"RH", "RA", "LH", "LA"};
    std::string act;
    for (int i = 0; i < 4; ++i)
      if (c.Actuators[static_cast<std::size_t>(i)]) act += std::string(" ") + kActuators[i];
    Line("<!-- ACT" + act + " -->");
    for (int loc = 0; loc < kLocationCount; ++loc) {
      std::string line = "<!-- ";
      line += kSlotLineNames[loc];
      for (int s = 1; s <= kLocationSlots[static_cast<std::size_t>(loc)]; ++s) {
        const int code = c.Crits.SlotAt(loc, s).Code;
        line += ' ';
        line += Hex4(code <= kLastFixedCode ? code : lists_.Save97Of(code));
      }
      Line(line + " -->");
    }
    Line("</TABLE>");
  }

  const TMech& m_;
  const TEquipmentLists& lists_;
  const THtmlPage& page_;
  std::string out_;
};

}  // namespace

std::string HtmlReadout(const TMech& design, const TEquipmentLists& lists, const THtmlPage& page,
                        int configIndex) {
  return THtmlWriter(design, lists, page).Run(configIndex);
}

std::string WriteHtmlReadout(const TMech& design, const TEquipmentLists& lists, const THtmlPage& page) {
  return WindowsTextFile(HtmlReadout(design, lists, page));
}

}  // namespace tfd
