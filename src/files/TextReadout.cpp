#include "files/TextReadout.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "equipment/EquipmentLists.h"
#include "files/LoadLimits.h"
#include "files/LoadLog.h"
#include "files/LoadSupport.h"
#include "files/NameParsers.h"
#include "files/ReadError.h"
#include "files/TextInput.h"
#include "model/Mech.h"

namespace tfd {

namespace {

constexpr const char* kHeader = "Titanframe Technical Readout";

std::uint8_t ToByte(long v) { return static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)); }

// The configuration a name stands for, -1 for any other name.
int ConfigOfName(std::string_view name) {
  const std::string t = TrimText(name);
  if (SameText(t, "Fixed Configuration")) return 0;
  if (SameText(t, "Primary Configuration")) return 1;
  static constexpr std::string_view kAlternate = "Alternate Configuration ";
  if (t.size() == kAlternate.size() + 1 && SameText(t.substr(0, kAlternate.size()), kAlternate)) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(t.back())));
    if (c >= 'A' && c <= 'F') return 2 + (c - 'A');
  }
  return -1;
}

// The location of a slot-group token: "H2" is the head, "CT2" the centre torso.
int TokenLocation(std::string_view token, long& count) {
  static constexpr std::string_view kNames[] = {"CT", "RT", "LT", "RA", "LA", "RL", "LL"};
  int location = -1;
  std::string_view digits;
  if (!token.empty() && (token[0] == 'H' || token[0] == 'h')) {
    location = locHead;
    digits = token.substr(1, 2);
  } else if (token.size() >= 2) {
    for (int i = 0; i < 7; ++i)
      if (SameText(token.substr(0, 2), kNames[i])) location = i + 1;
    digits = token.substr(2, 2);
  }
  if (!ParseWhole(TrimText(digits), count) || count < 1) count = 1;
  return location;
}

class TTextImport {
 public:
  TTextImport(std::string_view text, TMech& design, TEquipmentLists& lists, TLoadLog& log)
      : in_(text), m_(design), lists_(lists), log_(log) {}

  void Run() {
    ReadDescriptiveBlock();
    ReadEquipment();
    ReadConfigurations();
  }

 private:
  // A descriptive text: trimmed, and within what a design may hold.
  std::string Line() {
    std::string text = TrimText(in_.ReadLine());
    CheckTextChars(text.size());
    return FromWindows1252(text);
  }
  void Skip(int n) {
    for (int i = 0; i < n; ++i) in_.SkipLine();
  }
  void ReadList(std::vector<std::string>& into) {
    in_.SkipToColon();
    const long n = in_.ReadInteger();
    CheckListLines(n);
    in_.SkipLine();
    for (long i = 0; i < n; ++i) into.push_back(Line());
  }

  void ReadDescriptiveBlock() {
    for (;;) {
      if (in_.Eof()) throw TReadError(kReadBeyondEnd);
      if (in_.ReadLine().find(kHeader) != std::string::npos) break;
    }
    Skip(1);
    m_.Texts[txtModel] = Line();
    Skip(1);
    in_.SkipToColon();
    m_.Tonnage = ToByte(in_.ReadInteger());
    Skip(1);
    in_.SkipToColon();
    m_.Texts[txtChassis] = Line();
    in_.SkipToColon();
    m_.Texts[txtPowerPlant] = Line();
    Skip(2);
    in_.SkipToColon();
    m_.Texts[txtJumpJets] = Line();
    Skip(1);
    in_.SkipToColon();
    m_.Texts[txtArmor] = Line();
    ReadList(m_.Armament);
    ReadList(m_.Manufacturers);
    in_.SkipToColon();
    m_.Texts[txtComSystem] = Line();
    in_.SkipToColon();
    m_.Texts[txtTargetingSystem] = Line();
    Skip(1);
    ReadList(m_.Overview);
    Skip(2);
    in_.SkipToColon();
    ReadTechnology(TrimText(in_.ReadLine()));
    Skip(3);
  }

  void ReadTechnology(std::string line) {
    const std::size_t blank = line.find_last_of(' ');
    int source = srcOther;
    if (blank != std::string::npos) {
      const std::string word = line.substr(blank + 1);
      if (word != "1" && word != "2") {
        source = SourceOfWord(word);
        line = TrimText(line.substr(0, blank));
      }
    }
    m_.Source = static_cast<std::uint8_t>(source);
    // A Clan design is "Clan", or "Clan Level 2" where the level is given.
    if (SameText(line, "Inner Sphere Level 1"))
      m_.RulesLevel = rlIS1;
    else if (SameText(line, "Clan") || SameText(line, "Clan Level 2"))
      m_.RulesLevel = rlClan2;
    else
      m_.RulesLevel = rlIS2;
  }

  void ReadEquipment() {
    const bool clan = IsClanDesign(m_);
    in_.SkipToColon();
    in_.ReadChar();
    if (in_.ReadChar() == 'E') m_.StructureType = clan ? stClanEndoSteel : stEndoSteel;
    Skip(1);
    in_.SkipToColon();
    in_.ReadInteger();
    in_.ReadChar();
    if (in_.ReadChar() == 'X') m_.EngineType = clan ? etClanXL : etXL;
    Skip(1);
    in_.SkipToColon();
    m_.WalkMP = ToByte(in_.ReadInteger());
    Skip(2);
    in_.SkipToColon();
    m_.JumpMP = ToByte(in_.ReadInteger());
    Skip(1);
    in_.SkipToColon();
    m_.HeatSinks = ToByte(in_.ReadInteger());
    m_.HeatSinkType = HeatSinkTypeOfLine(in_.ReadLine(), m_.HeatSinks, IsClanDesign(m_), m_.HeatSinkType);
    Skip(2);
    in_.SkipToColon();
    in_.ReadInteger();
    in_.ReadChar();
    in_.ReadChar();
    if (in_.ReadChar() == 'F') m_.ArmorType = clan ? atClanFF : atFerroFibrous;
    in_.ReadChar();
    in_.ReadReal();  // armour mass: the rules derive it
    Skip(3);
    auto& a = m_.Armor;
    auto pair = [&](std::uint8_t& armor) {
      in_.SkipToColon();
      const long structure = in_.ReadInteger();
      armor = ToByte(in_.ReadInteger());
      Skip(1);
      return structure;
    };
    auto single = [&](std::uint8_t& armor) {
      in_.SkipToColon();
      armor = ToByte(in_.ReadInteger());
      Skip(1);
    };
    pair(a[asHead]);
    pair(a[asCenterTorso]);
    single(a[asCenterTorsoRear]);
    pair(a[asRightTorso]);
    a[asLeftTorso] = a[asRightTorso];
    single(a[asRightTorsoRear]);
    a[asLeftTorsoRear] = a[asRightTorsoRear];
    const long armStructure = pair(a[asRightArm]);
    a[asLeftArm] = a[asRightArm];
    const long legStructure = pair(a[asRightLeg]);
    a[asLeftLeg] = a[asRightLeg];
    if (armStructure == legStructure) m_.Options |= optQuad;
    Skip(1);
  }

  void ReadConfigurations() {
    std::string name;
    nameLine_ = in_.LineNumber();
    const char first = in_.ReadChar();
    if (first == ' ') {
      name = "Fixed Configuration";
      Skip(1);
    } else {
      m_.Options |= optOmni;
      name = std::string(1, first) + in_.ReadLine();
      Skip(1);
    }
    for (auto& c : m_.Configs) {
      c->CaseKind = {};
      const std::uint8_t on = m_.IsQuad() ? 1 : 0;
      c->Actuators = {on, on, on, on};
    }
    // Each configuration is laid once, after the whole list is read: a
    // configuration named again adds its items to the same list, and laying
    // the list again after every section would cost time that grows with the
    // square of the file.
    std::array<bool, kSavedConfigCount> seen{};
    try {
      for (;;) {
        const int k = ConfigOfName(name);
        if (k < 0) {
          if (!TrimText(name).empty()) log_.Warn(nameLine_, name, kWhyNotUnderstood);
          break;
        }
        seen[static_cast<std::size_t>(k)] = true;
        Skip(1);
        ReadItems(k);
        if (in_.Eof()) break;
        Skip(1);
        SkipBlankLines();
        if (in_.Eof()) break;
        nameLine_ = in_.LineNumber();
        name = in_.ReadLine();
        Skip(1);
      }
    } catch (const TLimitError&) {
      throw;
    } catch (const TReadError&) {
      PlaceSeen(seen);  // the items read so far keep their slots
      throw;
    }
    PlaceSeen(seen);
  }

  // The fixed configuration first: the alternates copy its codes.
  void PlaceSeen(const std::array<bool, kSavedConfigCount>& seen) {
    for (int k = 0; k < kSavedConfigCount; ++k)
      if (seen[static_cast<std::size_t>(k)]) PlaceInFirstFreeSlots(m_, k);
  }

  static bool IsBlank(std::string_view line) { return TrimText(line).empty(); }

  void SkipBlankLines() {
    while (!in_.Eof() && IsBlank(in_.PeekLine())) in_.SkipLine();
  }

  static bool StartsItemLine(char c) {
    return c == '*' || std::isdigit(static_cast<unsigned char>(c)) || (c >= '@' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
  }

  void ReadItems(int k) {
    while (!in_.Eof()) {
      const std::string_view line = in_.PeekLine();
      if (IsBlank(line)) {
        if (ListGoesOnAfterBlanks()) continue;
        return;
      }
      if (!StartsItemLine(line[0])) return;
      const int number = in_.LineNumber();
      if (line[0] == '*') {
        in_.ReadChar();
        SpecialLine(in_.ReadLine(), k, number);
      } else {
        ItemLine(k, number);
      }
    }
  }

  // Blank lines inside an item list: the list goes on when the next line
  // that is not blank is an item line of the same table (a special line or
  // known equipment), not the next configuration's name. Otherwise the
  // position stays at the first blank line.
  bool ListGoesOnAfterBlanks() {
    const std::size_t blank = in_.Position();
    SkipBlankLines();
    if (!in_.Eof()) {
      const std::string_view next = in_.PeekLine();
      if (StartsItemLine(next[0]) && ConfigOfName(next) < 0) {
        if (next[0] == '*') return true;
        const TNameField f = SplitNameField(next);
        const TParsedName parsed = ParseEquipmentName(f.name, f.marker, IsClanDesign(m_), lists_);
        if (parsed.Row || parsed.Special) return true;
      }
    }
    in_.Seek(blank);
    return false;
  }

  // The name field of an item line and its marker: the first 26 characters
  // and the 27th. Where tabs separate the columns the field ends at the first
  // tab, and a marker "*" may follow the tabs. `used` counts what they take.
  struct TNameField {
    std::string_view name;
    char marker = ' ';
    std::size_t used = 0;
  };
  static TNameField SplitNameField(std::string_view line) {
    constexpr std::size_t kWidth = 26;
    const std::size_t tab = line.substr(0, std::min(line.size(), kWidth)).find('\t');
    if (tab == std::string_view::npos) {
      if (line.size() > kWidth) return {line.substr(0, kWidth), line[kWidth], kWidth + 1};
      return {line, ' ', line.size()};
    }
    std::size_t at = tab;
    while (at < line.size() && line[at] == '\t') ++at;
    if (at < line.size() && line[at] == '*') return {line.substr(0, tab), '*', at + 1};
    return {line.substr(0, tab), ' ', at};
  }

  void SpecialLine(const std::string& text, int k, int number) {
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    std::size_t at = text.find("ACT");
    if (at != std::string::npos) {
      if (text.find("RA") != std::string::npos) c.Actuators[1] = 1;
      if (text.find("LA") != std::string::npos) c.Actuators[3] = 1;
      if (text.find("RH") != std::string::npos) c.Actuators[0] = 1;
      if (text.find("LH") != std::string::npos) c.Actuators[2] = 1;
      return;
    }
    for (auto [keyword, kind] :
         {std::pair{"HS", ESlotGroup::HeatSinks}, std::pair{"FF", ESlotGroup::FerroFibrous},
          std::pair{"ES", ESlotGroup::EndoSteel}}) {
      at = text.find(keyword);
      if (at == std::string::npos) continue;
      const std::size_t from = at + 3;
      AddSlotGroups(from < text.size() ? std::string_view(text).substr(from) : std::string_view(), kind, m_,
                    lists_, k, log_, number);
      return;
    }
    log_.Warn(number, "*" + text, kWhyNotUnderstood);
  }

  // Reads the location name that follows on the line; -1 when none does.
  int ReadLocation() {
    std::string name;
    while (!in_.AtLineEnd()) {
      const char c = in_.ReadChar();
      if (std::isalpha(static_cast<unsigned char>(c)) || c == '/') {
        name.push_back(c);
        break;
      }
    }
    while (!in_.AtLineEnd()) {
      const char c = in_.ReadChar();
      if (!(std::isalpha(static_cast<unsigned char>(c)) || c == '/')) break;
      name.push_back(c);
    }
    return name.empty() ? -1 : ParseLocationCode(name);
  }

  void ItemLine(int k, int number) {
    const std::string line(in_.PeekLine());
    const TNameField f = SplitNameField(line);
    const std::string field(f.name);
    const char marker = f.marker;
    for (std::size_t i = 0; i < f.used; ++i) in_.ReadChar();
    if (marker == '*') m_.MixedTech = true;
    const TParsedName parsed = ParseEquipmentName(field, marker, IsClanDesign(m_), lists_);
    const int location = ReadLocation();
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (!parsed.Row && !parsed.Special) {
      log_.Warn(number, line, kWhyUnknownEquipment);
    } else if (location < 0) {
      log_.Warn(number, line, kWhyNoLocation);
      // Equipment keeps its item, in the BIN.
      if (parsed.Row) EquipmentItem(field, *parsed.Row, location, k);
    } else if (parsed.Special == 10 || parsed.Special == 11) {
      const bool hand = parsed.Special == 11;
      if (location == locRightArm) c.Actuators[hand ? 0 : 1] = 1;
      if (location == locLeftArm) c.Actuators[hand ? 2 : 3] = 1;
    } else if (parsed.Special == ciCase) {
      if (location >= locCenterTorso && location <= locLeftTorso)
        c.CaseKind[static_cast<std::size_t>(location)] = LoadedCaseKind(m_);
    } else if (parsed.Row) {
      EquipmentItem(field, *parsed.Row, location, k);
    }
    in_.SkipLine();
  }

  void EquipmentItem(const std::string& field, const TWepInfoStruct& row, int location, int k) {
    auto w = MakeWeapon(row, EItemSource::Read);
    w->Name = FromWindows1252(TrimText(field));
    // A line whose location names no location keeps its item in the BIN.
    w->Location = static_cast<std::int16_t>(location < 0 ? lcBin : location);
    const bool split = location >= 0 && (location & lcSplit) != 0;
    if (split) {
      // Slots in the primary location, "/", slots in the secondary one.
      std::string before;
      while (!in_.AtLineEnd()) {
        const char c = in_.ReadChar();
        if (c == '/') break;
        before.push_back(c);
      }
      long primary = 0;
      if (!ParseWhole(TrimText(before), primary)) primary = 1;
      const long secondary = in_.ReadInteger();
      primary = std::clamp(primary, 0L, static_cast<long>(TCritAlloc::kMaxSlots));
      w->Slots = SlotsOfLine(primary + std::clamp(secondary, 0L, static_cast<long>(TCritAlloc::kMaxSlots)));
      w->SlotsFirst = static_cast<std::int16_t>(primary);
    } else {
      w->Slots = SlotsOfLine(in_.ReadInteger());
    }
    in_.ReadInteger();
    const double tons = in_.ReadReal();
    TWeapon* item = AppendItem(m_, *m_.Configs[static_cast<std::size_t>(k)], std::move(w));
    DeferReadoutItem(log_, lists_, item, row, tons, k);
  }

  TTextInput in_;
  TMech& m_;
  TEquipmentLists& lists_;
  TLoadLog& log_;
  int nameLine_ = 0;  // the line of the configuration name being read
};

}  // namespace

namespace {

// The sources a readout's technology line names, by their word.
constexpr std::pair<std::string_view, int> kSourceWords[] = {{"Custom", srcCustom},
                                                             {"2750", src2750},
                                                             {"3025", src3025},
                                                             {"3050", src3050},
                                                             {"3055", src3055},
                                                             {"3058", src3058},
                                                             {"Sourcebook", srcSourcebook}};

}  // namespace

int SourceOfWord(std::string_view word) {
  for (auto [w, code] : kSourceWords)
    if (SameText(word, w)) return code;
  return srcOther;
}

int SourceNamedIn(std::string_view text) {
  for (auto [w, code] : kSourceWords)
    if (text.find(w) != std::string_view::npos) return code;
  return srcOther;
}

void AddSlotGroups(std::string_view tokens, ESlotGroup kind, TMech& design, const TEquipmentLists& lists,
                   int k, TLoadLog& log, int line) {
  const TEquipmentIndex& index = lists.Index();
  const bool clan = IsClanDesign(design);
  const ETech tech = clan ? techClan : techInnerSphere;
  int perUnit = 1;
  ECode code = ECode::HS;
  switch (kind) {
    case ESlotGroup::HeatSinks:
      switch (design.HeatSinkType) {
        case hsDouble:
        case hsClanDouble:
          code = ECode::DoubleHS;
          perUnit = clan ? 2 : 3;
          break;
        case hsCompact: code = ECode::CompactHS; break;
        case hsLaser:
          code = ECode::LaserHS;
          perUnit = 2;
          break;
        default: code = ECode::HS; break;
      }
      break;
    case ESlotGroup::FerroFibrous: code = ECode::FF; break;
    case ESlotGroup::EndoSteel: code = ECode::ES; break;
  }
  const TWepInfo* rec = lists.BySaveNum(index.Id(tech, code));
  if (!rec) return;
  const TWepInfoStruct& row = rec->Info;
  TConfiguration& c = *design.Configs[static_cast<std::size_t>(k)];
  std::size_t pos = 0;
  while (pos < tokens.size()) {
    while (pos < tokens.size() && (tokens[pos] == ' ' || tokens[pos] == '\t')) ++pos;
    std::size_t end = pos;
    while (end < tokens.size() && tokens[end] != ' ' && tokens[end] != '\t') ++end;
    const std::string_view token = tokens.substr(pos, end - pos);
    pos = end;
    if (token.empty()) continue;
    long count = 1;
    const int location = TokenLocation(token, count);
    if (location < 0) {
      log.Warn(line, token, kWhyNoLocation);  // a token that names no location adds nothing
      continue;
    }
    count = std::min(count, static_cast<long>(TCritAlloc::kMaxSlots));
    auto w = std::make_unique<TWeapon>();
    w->SaveNum = row.SaveNum;
    w->IdNum = row.IdNum;
    w->Abbrev = row.Abbrev;
    w->Options = row.Options;
    w->Name = (count >= 2 ? std::to_string(count) + " " : std::string()) + row.Name;
    w->Location = static_cast<std::int16_t>(location);
    const int slots = static_cast<int>(count) * (kind == ESlotGroup::HeatSinks ? perUnit : 1);
    w->Slots = static_cast<std::int16_t>(std::min(slots, TCritAlloc::kMaxSlots));
    w->Tons = kind == ESlotGroup::HeatSinks && k > 0 ? static_cast<double>(count) : 0.0;
    AppendItem(design, c, std::move(w));
  }
}

void ImportTextReadout(std::string_view text, TMech& design, TEquipmentLists& lists, TLoadLog& log) {
  TTextImport(text, design, lists, log).Run();
}

}  // namespace tfd
