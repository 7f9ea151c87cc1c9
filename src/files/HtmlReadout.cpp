#include "files/HtmlReadout.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadLimits.h"
#include "files/LoadLog.h"
#include "files/LoadSupport.h"
#include "files/NameParsers.h"
#include "files/ReadError.h"
#include "files/TextInput.h"
#include "files/TextReadout.h"
#include "model/Mech.h"

namespace tfd {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// A character reference ("&amp;", "&#233;", "&#xE9;") at the start of `s`,
// names without regard to case: the Windows-1252 character it stands for and
// the length it takes; length 0 when `s` starts no known reference. A
// non-breaking space is a blank.
std::pair<char, std::size_t> CharacterReference(std::string_view s) {
  const std::size_t semi = s.substr(0, 10).find(';');
  if (s.size() < 3 || s[0] != '&' || semi == std::string_view::npos) return {0, 0};
  std::string name;
  for (char c : s.substr(1, semi - 1)) name.push_back(LowerAscii(c));
  static constexpr std::pair<std::string_view, char> kNamed[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
  for (auto [n, c] : kNamed)
    if (name == n) return {c, semi + 1};
  if (name.size() < 2 || name[0] != '#') return {0, 0};
  long code = 0;
  const bool hex = name[1] == 'x';
  const std::string digits = name.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 6) return {0, 0};
  for (char c : digits) {
    const int d = (c >= '0' && c <= '9') ? c - '0' : (hex && c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    if (d < 0) return {0, 0};
    code = code * (hex ? 16 : 10) + d;
  }
  if (code == 0xA0 || code == '\t') return {' ', semi + 1};
  if (code >= 32 && code <= 255) return {static_cast<char>(code), semi + 1};
  return {'?', semi + 1};  // beyond the page's 8-bit characters
}

}  // namespace

std::string HtmlLineText(std::string_view line) {
  std::string out;
  bool separatorLast = false;    // a separator was appended with no text or blank since
  bool blankLast = false;        // the previous character outside the tags was a blank
  bool afterClosingTag = false;  // the last tag closed a cell or row, and no text came since
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '<') {
      if (!separatorLast) out.push_back(kCellSeparator);
      separatorLast = true;
      afterClosingTag = i + 1 < line.size() && line[i + 1] == '/';
      const std::size_t close = line.find('>', i);
      if (close == std::string_view::npos) break;  // the rest is inside the tag
      i = close;
      continue;
    }
    std::size_t used = 1;
    if (c == '&') {
      const auto [decoded, length] = CharacterReference(line.substr(i));
      if (length > 0) {
        c = decoded;
        used = length;
      }
    }
    if (c == ' ' || c == '\t') {
      // Blanks between the end of one cell and the next tag belong to no cell.
      if (afterClosingTag) {
        std::size_t j = i + used;
        while (j < line.size() && (line[j] == ' ' || line[j] == '\t')) ++j;
        if (j >= line.size() || line[j] == '<') {
          i = j - 1;
          continue;
        }
      }
      if (!blankLast) out.push_back(' ');
      blankLast = true;
      separatorLast = false;
    } else {
      blankLast = false;
      separatorLast = false;
      afterClosingTag = false;
      out.push_back(c);
    }
    i += used - 1;
  }
  return TrimText(out);
}

namespace {

// Where a tag of the given name ("body", "/table") begins in a line, without
// regard to case: the position of its name, npos when the line has none.
std::size_t FindTag(std::string_view line, std::string_view name) {
  for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
    const std::size_t from = at + 1;
    if (line.size() - from < name.size()) return std::string_view::npos;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) same = LowerAscii(line[from + i]) == name[i];
    const std::size_t end = from + name.size();
    const bool whole = end == line.size() || !std::isalnum(static_cast<unsigned char>(line[end]));
    if (same && whole) return from;
  }
  return std::string_view::npos;
}

class THtmlLines {
 public:
  explicit THtmlLines(std::string_view text) : in_(text) {}
  bool Eof() const { return in_.Eof(); }

  // The next classified line; at the end of the page a text line with no text.
  THtmlLine Next() {
    if (in_.Eof()) return {};
    lineNumber_ = in_.LineNumber();
    return Classify(in_.ReadLine());
  }
  // The line number of the line Next returned last.
  int LineNumber() const { return lineNumber_; }

 private:
  static std::string CommentText(const std::string& line) {
    const std::size_t open = line.find("<!--") + 4;
    const std::size_t close = line.find("-->", open);
    return TrimText(
        std::string_view(line).substr(open, close == std::string::npos ? std::string::npos : close - open));
  }

  // Tags are known by their names without regard to case.
  THtmlLine Classify(const std::string& line) {
    if (line.find("<!--") != std::string::npos) return {EHtmlLineKind::Comment, CommentText(line)};
    if (FindTag(line, "/body") != std::string::npos) return {EHtmlLineKind::BodyEnd, {}};
    const std::size_t at = FindTag(line, "body");
    if (at != std::string::npos) {
      const std::size_t close = line.find('>', at);
      return {EHtmlLineKind::BodyStart,
              TrimText(std::string_view(line).substr(
                  at, close == std::string::npos ? std::string::npos : close - at))};
    }
    if (FindTag(line, "/table") != std::string::npos) return {EHtmlLineKind::TableEnd, {}};
    if (FindTag(line, "table") != std::string::npos) {
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
  int lineNumber_ = 0;
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
  THtmlImport(std::string_view text, TMech& design, TEquipmentLists& lists, THtmlSettings& settings,
              TLoadLog& log)
      : lines_(text), m_(design), lists_(lists), settings_(settings), log_(log) {}

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
    // Attribute names without regard to case; colours in upper case.
    const std::string& body = line.Text;
    std::string upper = body;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto colour = [&](std::size_t from) { return upper.substr(std::min(upper.size(), from), 6); };
    std::size_t at = upper.find("TEXT");
    settings_.TextColor = at == std::string::npos ? "FFFFFF" : colour(at + 6);
    at = upper.find("BGCOLOR");
    settings_.BackgroundColor =
        at == std::string::npos ? ComplementColor(settings_.TextColor) : colour(at + 9);
    at = upper.find("BACKGROUND");
    settings_.UseTexture = at != std::string::npos;
    settings_.Texture.clear();
    if (at != std::string::npos) {
      const std::size_t q1 = body.find('"', at);
      const std::size_t q2 = q1 == std::string::npos ? q1 : body.find('"', q1 + 1);
      if (q2 != std::string::npos) settings_.Texture = Text(body.substr(q1 + 1, q2 - q1 - 1));
    }
    do {
      if (lines_.Eof()) return false;
      line = lines_.Next();
    } while (!Has(line.Text, "VER"));
    const std::size_t v = line.Text.find("VER");
    return HexValue(std::string_view(line.Text).substr(std::min(line.Text.size(), v + 4), 4)) == 2311;
  }

  // A text of the page within what a design may hold.
  static std::string Text(const std::string& raw) {
    CheckTextChars(raw.size());
    return FromWindows1252(raw);
  }

  void ReadList(std::vector<std::string>& into, bool skipOne) {
    const THtmlLine count = lines_.Next();
    if (count.Kind != EHtmlLineKind::Comment) return;
    const long n = WholeOr(count.Text, 0);
    CheckListLines(n);
    if (skipOne) lines_.Next();
    for (long i = 0; i < n && !lines_.Eof(); ++i) into.push_back(Text(lines_.Next().Text));
  }

  void ReadDescriptiveBlock() {
    while (!lines_.Eof()) {
      const THtmlLine line = lines_.Next();
      if (line.Kind == EHtmlLineKind::CaptionedTable && SameText(line.Text, "Equipment")) return;
      const std::string& t = line.Text;
      // Labels are looked for in the label cell: a value that happens to hold
      // a label's word ("Oskar Type 4") must not fill another field.
      const std::string label = LabelCell(t);
      auto first = [&] { return Text(TrimText(FirstCell(t))); };
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
    m_.Source = static_cast<std::uint8_t>(SourceNamedIn(cell));
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
      if (Has(label, "Internal Structure") && Has(t, "ES"))
        m_.StructureType = clan ? stClanEndoSteel : stEndoSteel;
      if (Has(label, "Engine") && Has(t, "XL")) m_.EngineType = clan ? etClanXL : etXL;
      if (Has(label, "Walking MP")) m_.WalkMP = ToByte(WholeOr(AfterFirst(t, 3), 1));
      if (Has(label, "Jumping MP")) m_.JumpMP = ToByte(WholeOr(AfterFirst(t, 3), 0));
      if (Has(label, "Heat Sinks")) {
        m_.HeatSinks = ToByte(WholeOr(TrimText(AfterFirst(t, 2)), 10));
        m_.HeatSinkType = HeatSinkTypeOfLine(t, m_.HeatSinks, IsClanDesign(m_), m_.HeatSinkType);
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
    for (int k = 0; k < kSavedConfigCount; ++k)
      m_.Configs[static_cast<std::size_t>(k)]->Actuators = {on, on, on, on};
  }

  static int ConfigOfCaption(const std::string& caption) {
    static constexpr std::string_view kNames[] = {"Prime", "A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 7; ++i)
      if (SameText(caption, kNames[i])) return i + 1;
    return 0;
  }

  // Each configuration is linked once, after the last table: a caption named
  // again adds its rows to the same list, and linking the whole list after
  // every table would cost time that grows with the square of the page.
  void ReadConfigurations() {
    try {
      while (!lines_.Eof()) {
        const THtmlLine line = lines_.Next();
        if (line.Kind == EHtmlLineKind::BodyEnd) break;
        if (line.Kind != EHtmlLineKind::CaptionedTable) continue;
        const int k = ConfigOfCaption(line.Text);
        if (k > 0) m_.Options |= optOmni;
        seen_[static_cast<std::size_t>(k)] = true;
        lines_.Next();
        while (!lines_.Eof()) {
          const THtmlLine row = lines_.Next();
          if (row.Kind == EHtmlLineKind::TableEnd) break;
          if (row.Kind == EHtmlLineKind::Text) EquipmentRow(row.Text, k);
          if (row.Kind == EHtmlLineKind::Comment) CommentLine(row.Text, k);
        }
      }
    } catch (const TLimitError&) {
      throw;
    } catch (const TReadError&) {
      LinkSeen();  // the items read so far keep their slots
      throw;
    }
    LinkSeen();
  }

  // The fixed configuration first: the alternates look at its slots. A
  // configuration without slot lines is laid as a text readout is.
  void LinkSeen() {
    for (int k = 0; k < kSavedConfigCount; ++k) {
      const auto i = static_cast<std::size_t>(k);
      if (!seen_[i]) continue;
      if (slotLines_[i])
        LinkItems(k);
      else
        PlaceInFirstFreeSlots(m_, k);
    }
  }

  // The slots cell of a row: a count, or for a split item the counts of its
  // two locations ("4/2"); -1 when it is neither.
  static long SlotsOfCell(const std::string& cell, long& primary) {
    const std::string t = TrimText(cell);
    const std::size_t slash = t.find('/');
    long a = 0, b = 0;
    if (slash == std::string::npos) {
      if (!ParseWhole(t, a)) return -1;
      primary = a;
      return a;
    }
    if (!ParseWhole(TrimText(t.substr(0, slash)), a) || !ParseWhole(TrimText(t.substr(slash + 1)), b))
      return -1;
    primary = std::clamp(a, 0L, static_cast<long>(TCritAlloc::kMaxSlots));
    return primary + std::clamp(b, 0L, static_cast<long>(TCritAlloc::kMaxSlots));
  }

  // The row as the page shows it: its cells, blanks between.
  static std::string ShownRow(const std::string& t) {
    std::string line;
    std::size_t from = 0;
    for (;;) {
      const std::size_t sep = t.find(kCellSeparator, from);
      const std::string cell =
          TrimText(std::string_view(t).substr(from, sep == std::string::npos ? sep : sep - from));
      if (!cell.empty()) line += (line.empty() ? "" : " ") + cell;
      if (sep == std::string::npos) return line;
      from = sep + 1;
    }
  }

  // The third cell, which names the location.
  static std::string LocationCell(const std::string& t, std::size_t s1) {
    const std::size_t s2 = t.find(kCellSeparator, s1 + 1);
    if (s2 == std::string::npos) return {};
    const std::size_t s3 = t.find(kCellSeparator, s2 + 1);
    return t.substr(s2 + 1, s3 == std::string::npos ? std::string::npos : s3 - s2 - 1);
  }

  // The slots: the cell before the one before the last.
  static std::string SlotsCell(const std::string& t) {
    const std::size_t last = t.rfind(kCellSeparator);
    const std::size_t before = last == 0 ? std::string::npos : t.rfind(kCellSeparator, last - 1);
    if (before == std::string::npos || before == 0) return {};
    const std::size_t start = t.rfind(kCellSeparator, before - 1);
    return start == std::string::npos ? std::string() : t.substr(start + 1, before - start - 1);
  }

  // CASE in a torso; elsewhere it has no place to go.
  void CaseRow(const std::string& t, int location, TConfiguration& c) {
    if (location >= locCenterTorso && location <= locLeftTorso)
      c.CaseKind[static_cast<std::size_t>(location)] = LoadedCaseKind(m_);
    else if (location < 0)
      log_.Warn(lines_.LineNumber(), ShownRow(t), kWhyNoLocation);
  }

  void EquipmentRow(const std::string& t, int k) {
    if (t.empty()) return;
    const int number = lines_.LineNumber();
    const std::size_t s1 = t.find(kCellSeparator);
    if (s1 == std::string::npos) {
      log_.Warn(number, t, kWhyNotUnderstood);
      return;
    }
    const std::string name = t.substr(0, s1);
    const char marker = s1 + 1 < t.size() ? t[s1 + 1] : ' ';
    if (marker == '*') m_.MixedTech = true;
    const int location = ParseLocationCode(LocationCell(t, s1));
    const TParsedName parsed = ParseEquipmentName(name, marker, IsClanDesign(m_), lists_);
    if (!parsed.Row && !parsed.Special) return log_.Warn(number, ShownRow(t), kWhyUnknownEquipment);
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (parsed.Special == ciCase) return CaseRow(t, location, c);
    if (!parsed.Row) return;  // actuators: the ACT comment gives them
    if (location < 0) log_.Warn(number, ShownRow(t), kWhyNoLocation);
    const TWepInfoStruct& row = *parsed.Row;
    auto w = MakeWeapon(row, EItemSource::Read);
    w->Name = FromWindows1252(TrimText(name));
    w->Location = static_cast<std::int16_t>(location < 0 ? lcBin : location);
    const bool split = location >= 0 && (location & lcSplit) != 0;
    const double tons = DecimalOrThrow(LastCell(t));
    long primary = 0;
    long slots = SlotsOfCell(SlotsCell(t), primary);
    if (slots < 0) {
      // Unreadable: a split item keeps one unit's slots, in its primary location.
      slots = split ? SlotsPerUnit(row, lists_.Index()) : 0;
      primary = slots;
    }
    w->Slots = SlotsOfLine(slots);
    w->SlotsFirst = static_cast<std::int16_t>(std::clamp(primary, 0L, static_cast<long>(w->Slots)));
    TWeapon* item = AppendItem(m_, c, std::move(w));
    DeferReadoutItem(log_, lists_, item, row, tons, k);
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
    const int number = lines_.LineNumber();
    const std::string_view rest = t.size() > 3 ? std::string_view(t).substr(3) : std::string_view();
    if (t.rfind("HS", 0) == 0) return AddSlotGroups(rest, ESlotGroup::HeatSinks, m_, lists_, k, log_, number);
    if (t.rfind("ES", 0) == 0) return AddSlotGroups(rest, ESlotGroup::EndoSteel, m_, lists_, k, log_, number);
    if (t.rfind("FF", 0) == 0)
      return AddSlotGroups(rest, ESlotGroup::FerroFibrous, m_, lists_, k, log_, number);
    if (SlotLine(t, c))
      slotLines_[static_cast<std::size_t>(k)] = true;
    else
      log_.Warn(number, "<!-- " + t + " -->", kWhyNotUnderstood);
  }

  // Stores the codes of a slot line; false when the comment is none (no
  // location name, or not one code that reads).
  bool SlotLine(const std::string& t, TConfiguration& c) {
    static constexpr std::pair<std::string_view, int> kNames[] = {
        {"H", locHead},      {"CT", locCenterTorso}, {"RT", locRightTorso}, {"LT", locLeftTorso},
        {"RA", locRightArm}, {"LA", locLeftArm},     {"RL", locRightLeg},   {"LL", locLeftLeg}};
    for (auto [name, loc] : kNames) {
      const std::size_t at = t.find(name);
      if (at == std::string::npos) continue;
      const int count = kLocationSlots[static_cast<std::size_t>(loc)];
      std::size_t pos = at + (loc == locHead ? 2 : 3);
      int read = 0;
      for (int s = 1; s <= count && pos + 4 <= t.size(); ++s, pos += 5) {
        const int number = HexValue(std::string_view(t).substr(pos, 4));
        if (number < 0) break;  // the rest of the location keeps what it had
        c.Crits.LoadSlot(loc, s, SlotCodeOfFileNumber(lists_, number), nullptr);
        ++read;
      }
      return read > 0;
    }
    return false;
  }

  // Takes consecutive slots of a location from `from` that carry the item's
  // code and are not yet taken, up to `limit`; returns how many.
  int Take(TConfiguration& c, const TCritAlloc* fixed, TWeapon* w, int loc, int limit) {
    const int count = kLocationSlots[static_cast<std::size_t>(loc)];
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
      const int primary = w->Location & lcLocationMask;
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
  TLoadLog& log_;
  std::array<bool, kSavedConfigCount> seen_{};       // configurations with a table
  std::array<bool, kSavedConfigCount> slotLines_{};  // configurations whose tables give slot codes
};

}  // namespace

EHtmlImport ImportHtmlReadout(std::string_view text, TMech& design, TEquipmentLists& lists,
                              THtmlSettings& settings, TLoadLog& log) {
  return THtmlImport(text, design, lists, settings, log).Run();
}

}  // namespace tfd
