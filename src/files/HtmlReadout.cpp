#include "files/HtmlReadout.h"

#include <algorithm>
#include <vector>

#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadSupport.h"
#include "files/NameParsers.h"
#include "files/ReadError.h"
#include "files/TextInput.h"
#include "files/TextReadout.h"
#include "model/Mech.h"

namespace tfd {

std::string HtmlLineText(std::string_view line) {
  std::string out;
  bool inTag = false;
  bool separatorLast = false;  // a separator was appended with no text or blank since
  bool blankLast = false;      // the previous character outside the tags was a blank
  for (char c : line) {
    if (inTag) {
      if (c == '>') inTag = false;
      continue;
    }
    if (c == '<') {
      if (!separatorLast) out.push_back(kCellSeparator);
      separatorLast = true;
      inTag = true;
      continue;
    }
    if (c == ' ' || c == '\t') {
      if (!blankLast) out.push_back(' ');
      blankLast = true;
      separatorLast = false;
      continue;
    }
    blankLast = false;
    separatorLast = false;
    out.push_back(c);
  }
  return TrimText(out);
}

namespace {

class THtmlLines {
 public:
  explicit THtmlLines(std::string_view text) : in_(text) {}
  bool Eof() const { return in_.Eof(); }

  // The next classified line; at the end of the page a text line with no text.
  THtmlLine Next() {
    if (in_.Eof()) return {};
    return Classify(in_.ReadLine());
  }

 private:
  static std::string CommentText(const std::string& line) {
    const std::size_t open = line.find("<!--") + 4;
    const std::size_t close = line.find("-->", open);
    return TrimText(std::string_view(line).substr(open, close == std::string::npos ? std::string::npos : close - open));
  }

  THtmlLine Classify(const std::string& line) {
    if (line.find("<!--") != std::string::npos) return {EHtmlLineKind::Comment, CommentText(line)};
    std::size_t at = line.find("BODY");
    if (at != std::string::npos) {
      if (at > 0 && line[at - 1] == '/') return {EHtmlLineKind::BodyEnd, {}};
      const std::size_t close = line.find('>', at);
      return {EHtmlLineKind::BodyStart,
              TrimText(std::string_view(line).substr(at, close == std::string::npos ? std::string::npos : close - at))};
    }
    at = line.find("TABLE");
    if (at != std::string::npos) {
      if (at > 0 && line[at - 1] == '/') return {EHtmlLineKind::TableEnd, {}};
      // The line after a table's start is its caption when it is a comment;
      // either way it is taken.
      if (in_.Eof()) return {EHtmlLineKind::PlainTable, {}};
      const std::string next = in_.ReadLine();
      if (next.find("<!--") != std::string::npos) return {EHtmlLineKind::CaptionedTable, CommentText(next)};
      return {EHtmlLineKind::PlainTable, {}};
    }
    return {EHtmlLineKind::Text, HtmlLineText(line)};
  }

  TTextInput in_;
};

// Cells of a text line.
std::string LabelCell(const std::string& t) { return t.substr(0, t.find(kCellSeparator)); }
std::string FirstCell(const std::string& t) {
  const std::size_t sep = t.find(kCellSeparator);
  return sep == std::string::npos ? std::string() : t.substr(sep + 1);
}
std::string LastCell(const std::string& t) {
  const std::size_t sep = t.rfind(kCellSeparator);
  return sep == std::string::npos ? t : t.substr(sep + 1);
}
std::string CellBeforeLast(const std::string& t) {
  const std::size_t last = t.rfind(kCellSeparator);
  if (last == std::string::npos) return {};
  const std::size_t before = last == 0 ? std::string::npos : t.rfind(kCellSeparator, last - 1);
  const std::size_t from = before == std::string::npos ? 0 : before + 1;
  return t.substr(from, last - from);
}
// Up to `n` characters after the first separator, ending at the next separator.
std::string AfterFirst(const std::string& t, std::size_t n) {
  std::string cell = FirstCell(t).substr(0, n);
  const std::size_t sep = cell.find(kCellSeparator);
  return sep == std::string::npos ? cell : cell.substr(0, sep);
}
long WholeOr(const std::string& s, long fallback) {
  long v = 0;
  return ParseWhole(s, v) ? v : fallback;
}
double DecimalOrThrow(const std::string& s) {
  double v = 0.0;
  if (!ParseDecimal(s, v)) throw TReadError(NotAFloat(FromWindows1252(s)));
  return v;
}
std::uint8_t ToByte(long v) { return static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)); }
bool Has(const std::string& t, std::string_view label) { return t.find(label) != std::string::npos; }

int HexValue(std::string_view s) {
  if (s.size() != 4) return -1;
  int v = 0;
  for (char c : s) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

class THtmlImport {
 public:
  THtmlImport(std::string_view text, TMech& design, TEquipmentLists& lists, THtmlSettings& settings)
      : lines_(text), m_(design), lists_(lists), settings_(settings) {}

  EHtmlImport Run() {
    if (!ReadHead()) return EHtmlImport::OtherVersion;
    ReadDescriptiveBlock();
    ReadEquipment();
    ReadConfigurations();
    return EHtmlImport::Loaded;
  }

 private:
  bool ReadHead() {
    THtmlLine line;
    do {
      if (lines_.Eof()) return false;
      line = lines_.Next();
    } while (line.Kind != EHtmlLineKind::BodyStart);
    const std::string& body = line.Text;
    std::size_t at = body.find("TEXT");
    settings_.TextColor = at == std::string::npos ? "FFFFFF" : body.substr(std::min(body.size(), at + 6), 6);
    at = body.find("BGCOLOR");
    settings_.BackgroundColor = at == std::string::npos ? ComplementColor(settings_.TextColor)
                                                        : body.substr(std::min(body.size(), at + 9), 6);
    at = body.find("BACKGROUND");
    settings_.UseTexture = at != std::string::npos;
    settings_.Texture.clear();
    if (at != std::string::npos) {
      const std::size_t q1 = body.find('"', at);
      const std::size_t q2 = q1 == std::string::npos ? q1 : body.find('"', q1 + 1);
      if (q2 != std::string::npos) settings_.Texture = FromWindows1252(body.substr(q1 + 1, q2 - q1 - 1));
    }
    do {
      if (lines_.Eof()) return false;
      line = lines_.Next();
    } while (!Has(line.Text, "VER"));
    const std::size_t v = line.Text.find("VER");
    return HexValue(std::string_view(line.Text).substr(std::min(line.Text.size(), v + 4), 4)) == 2311;
  }

  void ReadList(std::vector<std::string>& into, bool skipOne) {
    const THtmlLine count = lines_.Next();
    if (count.Kind != EHtmlLineKind::Comment) return;
    const long n = WholeOr(count.Text, 0);
    if (skipOne) lines_.Next();
    for (long i = 0; i < n && !lines_.Eof(); ++i) into.push_back(FromWindows1252(lines_.Next().Text));
  }

  void ReadDescriptiveBlock() {
    while (!lines_.Eof()) {
      const THtmlLine line = lines_.Next();
      if (line.Kind == EHtmlLineKind::CaptionedTable && SameText(line.Text, "Equipment")) return;
      const std::string& t = line.Text;
      // Labels are looked for in the label cell: a value that happens to hold
      // a label's word ("Oskar Type 4") must not fill another field.
      const std::string label = LabelCell(t);
      auto first = [&] { return FromWindows1252(TrimText(FirstCell(t))); };
      if (Has(label, "Chassis")) m_.Texts[txtChassis] = first();
      if (Has(label, "Power Plant")) m_.Texts[txtPowerPlant] = first();
      if (Has(label, "Jump Jets")) m_.Texts[txtJumpJets] = first();
      if (Has(label, "Armor")) m_.Texts[txtArmor] = first();
      if (Has(label, "Communications System")) m_.Texts[txtComSystem] = first();
      if (Has(label, "Targeting & Tracking System")) m_.Texts[txtTargetingSystem] = first();
      if (Has(label, "Type")) m_.Texts[txtModel] = first();
      if (Has(label, "Technology Base")) Technology(FirstCell(t));
      if (Has(label, "Tonnage")) m_.Tonnage = ToByte(WholeOr(AfterFirst(t, 4), 20));
      if (Has(label, "Armament")) ReadList(m_.Armament, false);
      if (Has(label, "Manufacturer(s)")) ReadList(m_.Manufacturers, false);
      if (Has(label, "Overview")) ReadList(m_.Overview, true);
    }
  }

  void Technology(const std::string& cell) {
    if (!Has(cell, "Inner")) {
      m_.RulesLevel = rlClan2;
      return;
    }
    m_.RulesLevel = Has(cell, "Level 2") ? rlIS2 : rlIS1;
    static constexpr std::pair<std::string_view, int> kSources[] = {
        {"Custom", srcCustom}, {"2750", src2750}, {"3025", src3025}, {"3050", src3050},
        {"3055", src3055},     {"3058", src3058}, {"Sourcebook", srcSourcebook}};
    m_.Source = srcOther;
    for (auto [word, code] : kSources)
      if (Has(cell, word)) {
        m_.Source = static_cast<std::uint8_t>(code);
        break;
      }
  }

  void ReadEquipment() {
    const bool clan = IsClanDesign(m_);
    long armStructure = 0, legStructure = 1;
    auto& a = m_.Armor;
    while (!lines_.Eof()) {
      const THtmlLine line = lines_.Next();
      if (line.Kind == EHtmlLineKind::TableEnd) break;
      const std::string& t = line.Text;
      const std::string label = LabelCell(t);
      auto last = [&] { return ToByte(WholeOr(TrimText(LastCell(t)), 0)); };
      if (Has(label, "Internal Structure") && Has(t, "ES")) m_.StructureType = clan ? stClanEndoSteel : stEndoSteel;
      if (Has(label, "Engine") && Has(t, "XL")) m_.EngineType = clan ? etClanXL : etXL;
      if (Has(label, "Walking MP")) m_.WalkMP = ToByte(WholeOr(AfterFirst(t, 3), 1));
      if (Has(label, "Jumping MP")) m_.JumpMP = ToByte(WholeOr(AfterFirst(t, 3), 0));
      if (Has(label, "Heat Sinks")) {
        m_.HeatSinks = ToByte(WholeOr(TrimText(AfterFirst(t, 2)), 10));
        HeatSinkType(t);
      }
      if (Has(label, "Armor Factor")) {
        if (Has(t, "FF")) m_.ArmorType = clan ? atClanFF : atFerroFibrous;
        DecimalOrThrow(LastCell(t));  // armour mass: the rules derive it
      }
      if (Has(label, "Head")) a[asHead] = last();
      if (Has(label, "Center Torso")) (Has(t, "Rear") ? a[asCenterTorsoRear] : a[asCenterTorso]) = last();
      if (Has(label, "R/L Torso")) {
        if (Has(t, "Rear"))
          a[asRightTorsoRear] = a[asLeftTorsoRear] = last();
        else
          a[asRightTorso] = a[asLeftTorso] = last();
      }
      if (Has(label, "R/L Arm")) {
        a[asRightArm] = a[asLeftArm] = last();
        armStructure = WholeOr(TrimText(CellBeforeLast(t)), 0);
      }
      if (Has(label, "R/L Leg")) {
        a[asRightLeg] = a[asLeftLeg] = last();
        legStructure = WholeOr(TrimText(CellBeforeLast(t)), 1);
      }
    }
    if (armStructure == legStructure) m_.Options |= optQuad;
    const std::uint8_t on = m_.IsQuad() ? 1 : 0;
    for (int k = 0; k < 8; ++k) m_.Configs[static_cast<std::size_t>(k)]->Actuators = {on, on, on, on};
  }

  // The heat-sink type: a named kind on the line, or a dissipation figure of
  // twice the count in a cell ("[24]" or "24").
  void HeatSinkType(const std::string& t) {
    const bool clan = IsClanDesign(m_);
    if (Has(t, "Laser")) {
      m_.HeatSinkType = hsLaser;
    } else if (Has(t, "Compact")) {
      m_.HeatSinkType = hsCompact;
    } else if (Has(t, "Double")) {
      m_.HeatSinkType = clan ? hsClanDouble : hsDouble;
    } else if (m_.HeatSinks > 0) {
      const std::size_t open = t.find('['), close = t.find(']');
      long figure = 0;
      if (open != std::string::npos && close != std::string::npos && close > open &&
          ParseWhole(TrimText(t.substr(open + 1, close - open - 1)), figure) && figure == 2L * m_.HeatSinks)
        m_.HeatSinkType = clan ? hsClanDouble : hsDouble;
    }
  }

  static int ConfigOfCaption(const std::string& caption) {
    static constexpr std::string_view kNames[] = {"Prime", "A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 7; ++i)
      if (SameText(caption, kNames[i])) return i + 1;
    return 0;
  }

  void ReadConfigurations() {
    while (!lines_.Eof()) {
      const THtmlLine line = lines_.Next();
      if (line.Kind == EHtmlLineKind::BodyEnd) return;
      if (line.Kind != EHtmlLineKind::CaptionedTable) continue;
      const int k = ConfigOfCaption(line.Text);
      if (k > 0) m_.Options |= optOmni;
      lines_.Next();
      PrepareEquipment(m_, lists_);
      try {
        while (!lines_.Eof()) {
          const THtmlLine row = lines_.Next();
          if (row.Kind == EHtmlLineKind::TableEnd) break;
          if (row.Kind == EHtmlLineKind::Text) EquipmentRow(row.Text, k);
          if (row.Kind == EHtmlLineKind::Comment) CommentLine(row.Text, k);
        }
      } catch (const TReadError&) {
        LinkItems(k);  // the items read so far keep their slots
        throw;
      }
      LinkItems(k);
    }
  }

  void EquipmentRow(const std::string& t, int k) {
    const std::size_t s1 = t.find(kCellSeparator);
    if (s1 == std::string::npos) return;
    const std::string name = t.substr(0, s1);
    const char marker = s1 + 1 < t.size() ? t[s1 + 1] : ' ';
    if (marker == '*') m_.MixedTech = true;
    const std::size_t s2 = t.find(kCellSeparator, s1 + 1);
    const std::size_t s3 = s2 == std::string::npos ? s2 : t.find(kCellSeparator, s2 + 1);
    const std::string locationText =
        s2 == std::string::npos ? std::string() : t.substr(s2 + 1, s3 == std::string::npos ? std::string::npos : s3 - s2 - 1);
    const int location = ParseLocationCode(locationText);
    const TParsedName parsed = ParseEquipmentName(name, marker, IsClanDesign(m_), lists_);
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (parsed.Special == 18) {
      if (location >= locCenterTorso && location <= locLeftTorso)
        c.CaseKind[static_cast<std::size_t>(location)] = LoadedCaseKind(m_);
      return;
    }
    if (!parsed.Row) return;
    const TWepInfoStruct& row = *parsed.Row;
    const TEquipmentIndex& index = lists_.Index();
    auto w = ItemFromRow(row);
    w->Name = FromWindows1252(TrimText(name));
    w->Location = static_cast<std::int16_t>(location < 0 ? lcBin : location);
    const bool split = location >= 0 && (location & lcSplit) != 0;
    const double tons = DecimalOrThrow(LastCell(t));
    // The slots: the cell before the one before the last.
    const std::size_t last = t.rfind(kCellSeparator);
    const std::size_t before = last == 0 ? std::string::npos : t.rfind(kCellSeparator, last - 1);
    std::string slotsCell;
    if (before != std::string::npos && before > 0) {
      const std::size_t start = t.rfind(kCellSeparator, before - 1);
      if (start != std::string::npos) slotsCell = t.substr(start + 1, before - start - 1);
    }
    long slotsRead = 0;
    if (!ParseWhole(TrimText(slotsCell), slotsRead)) slotsRead = 0;
    CompleteReadoutItem(*w, row, split, slotsRead, tons, k, index);
    AppendItem(m_, c, std::move(w));
  }

  void CommentLine(const std::string& t, int k) {
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (t.rfind("ACT", 0) == 0) {
      if (Has(t, "RA")) c.Actuators[1] = 1;
      if (Has(t, "RH")) c.Actuators[0] = 1;
      if (Has(t, "LA")) c.Actuators[3] = 1;
      if (Has(t, "LH")) c.Actuators[2] = 1;
      return;
    }
    const std::string_view rest = t.size() > 3 ? std::string_view(t).substr(3) : std::string_view();
    if (t.rfind("HS", 0) == 0) return AddSlotGroups(rest, ESlotGroup::HeatSinks, m_, lists_, k);
    if (t.rfind("ES", 0) == 0) return AddSlotGroups(rest, ESlotGroup::EndoSteel, m_, lists_, k);
    if (t.rfind("FF", 0) == 0) return AddSlotGroups(rest, ESlotGroup::FerroFibrous, m_, lists_, k);
    SlotLine(t, c);
  }

  void SlotLine(const std::string& t, TConfiguration& c) {
    static constexpr std::pair<std::string_view, int> kNames[] = {
        {"H", locHead},      {"CT", locCenterTorso}, {"RT", locRightTorso}, {"LT", locLeftTorso},
        {"RA", locRightArm}, {"LA", locLeftArm},     {"RL", locRightLeg},   {"LL", locLeftLeg}};
    for (auto [name, loc] : kNames) {
      const std::size_t at = t.find(name);
      if (at == std::string::npos) continue;
      const int count = (loc == locHead || loc == locRightLeg || loc == locLeftLeg) ? 6 : 12;
      std::size_t pos = at + (loc == locHead ? 2 : 3);
      for (int s = 1; s <= count && pos + 4 <= t.size(); ++s, pos += 5) {
        const int number = HexValue(std::string_view(t).substr(pos, 4));
        if (number < 0) break;  // the rest of the location keeps what it had
        std::int16_t code = ciEmpty;
        if (number >= 1 && number <= kLastFixedCode) {
          code = static_cast<std::int16_t>(number);
        } else if (number > kLastFixedCode) {
          const TWepInfo* rec = lists_.BySave97(number);
          code = rec ? rec->Info.SaveNum : static_cast<std::int16_t>(ciEmpty);
        }
        c.Crits.LoadSlot(loc, s, code, nullptr);
      }
      return;
    }
  }

  // Takes consecutive slots of a location from `from` that carry the item's
  // code and are not yet taken, up to `limit`; returns how many.
  int Take(TConfiguration& c, const TCritAlloc* fixed, TWeapon* w, int loc, int limit) {
    const int count = (loc == locHead || loc == locRightLeg || loc == locLeftLeg) ? 6 : 12;
    auto freeFor = [&](int s) {
      const TSlot cell = c.Crits.SlotAt(loc, s);
      return cell.Code == w->SaveNum && !cell.Item && !(fixed && fixed->SlotAt(loc, s).Item);
    };
    int first = 0;
    for (int s = 1; s <= count && !first; ++s)
      if (freeFor(s)) first = s;
    if (!first) return 0;
    int taken = 0;
    for (int s = first; s <= count && taken < limit && freeFor(s); ++s, ++taken)
      c.Crits.LoadSlot(loc, s, w->SaveNum, w);
    return taken;
  }

  void LinkItems(int k) {
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    const TCritAlloc* fixed = k > 0 ? &m_.Configs[0]->Crits : nullptr;
    for (const auto& item : c.Items) {
      TWeapon* w = item.get();
      if (w->Location & lcBin) continue;
      const int primary = w->Location & 7;
      if (w->Location & lcSplit) {
        const int got = Take(c, fixed, w, primary, TCritAlloc::kMaxSlots);
        Take(c, fixed, w, TCritAlloc::SecondaryOf(primary), std::max(0, w->Slots - got));
      } else {
        Take(c, fixed, w, primary, w->Slots);
      }
    }
    LinkLoadedSlots(m_, k);
  }

  THtmlLines lines_;
  TMech& m_;
  TEquipmentLists& lists_;
  THtmlSettings& settings_;
};

}  // namespace

EHtmlImport ImportHtmlReadout(std::string_view text, TMech& design, TEquipmentLists& lists,
                              THtmlSettings& settings) {
  return THtmlImport(text, design, lists, settings).Run();
}

}  // namespace tfd
