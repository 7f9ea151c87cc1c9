#include "files/TextReadout.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "equipment/EquipmentLists.h"
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

// Slots a placement may use in a location, by the body shape.
int LocationSlots(const TMech& design, int location) {
  if (location == locHead || location == locRightLeg || location == locLeftLeg) return 6;
  if ((location == locRightArm || location == locLeftArm) && design.IsQuad()) return 6;
  return 12;
}

// Fills up to `n` empty slots of a location with the item: from the first
// empty slot on, or (backward) from the last empty slot down. What does not
// fit is dropped; the item keeps the slots it got.
void PlaceInLocation(TMech& design, TCritAlloc& crits, TWeapon* item, int location, int n, bool backward) {
  const int last = LocationSlots(design, location);
  if (backward) {
    for (int s = last; s >= 1 && n > 0; --s)
      if (crits.SlotAt(location, s).Code == ciEmpty) {
        crits.LoadSlot(location, s, item->SaveNum, item);
        --n;
      }
    return;
  }
  for (int s = 1; s <= last && n > 0; ++s)
    if (crits.SlotAt(location, s).Code == ciEmpty) {
      crits.LoadSlot(location, s, item->SaveNum, item);
      --n;
    }
}

class TTextImport {
 public:
  TTextImport(std::string_view text, TMech& design, TEquipmentLists& lists)
      : in_(text), m_(design), lists_(lists) {}

  void Run() {
    ReadDescriptiveBlock();
    ReadEquipment();
    ReadConfigurations();
  }

 private:
  std::string Line() { return FromWindows1252(TrimText(in_.ReadLine())); }
  void Skip(int n) {
    for (int i = 0; i < n; ++i) in_.SkipLine();
  }
  void ReadList(std::vector<std::string>& into) {
    in_.SkipToColon();
    const long n = in_.ReadInteger();
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
    if (SameText(line, "Inner Sphere Level 1"))
      m_.RulesLevel = rlIS1;
    else if (SameText(line, "Clan"))
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
    ReadHeatSinkType(in_.ReadLine());
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

  // The heat-sink type from the rest of the heat-sink line: a named kind, or
  // a dissipation figure ("[24]") of twice the count.
  void ReadHeatSinkType(std::string_view rest) {
    const bool clan = IsClanDesign(m_);
    if (ContainsText(rest, "Laser")) {
      m_.HeatSinkType = hsLaser;
    } else if (ContainsText(rest, "Compact")) {
      m_.HeatSinkType = hsCompact;
    } else if (ContainsText(rest, "Double")) {
      m_.HeatSinkType = clan ? hsClanDouble : hsDouble;
    } else {
      const std::size_t open = rest.find('['), close = rest.find(']');
      long figure = 0;
      if (open != std::string_view::npos && close != std::string_view::npos && close > open &&
          ParseWhole(TrimText(rest.substr(open + 1, close - open - 1)), figure) && m_.HeatSinks > 0 &&
          figure == 2L * m_.HeatSinks)
        m_.HeatSinkType = clan ? hsClanDouble : hsDouble;
    }
  }

  void ReadConfigurations() {
    std::string name;
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
    for (;;) {
      const int k = ConfigOfName(name);
      if (k < 0) return;
      PrepareEquipment(m_, lists_);
      Skip(1);
      try {
        ReadItems(k);
      } catch (const TReadError&) {
        PlaceItems(k);  // the items read so far keep their slots
        throw;
      }
      PlaceItems(k);
      if (in_.Eof()) return;
      Skip(1);
      if (in_.Eof()) return;
      name = in_.ReadLine();
      Skip(1);
    }
  }

  static bool StartsItemLine(char c) {
    return c == '*' || std::isdigit(static_cast<unsigned char>(c)) || (c >= '@' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
  }

  void ReadItems(int k) {
    while (!in_.Eof()) {
      const char first = in_.ReadChar();
      if (!StartsItemLine(first)) return;
      if (first == '*')
        SpecialLine(in_.ReadLine(), k);
      else
        ItemLine(first, k);
    }
  }

  void SpecialLine(const std::string& text, int k) {
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    std::size_t at = text.find("ACT");
    if (at != std::string::npos) {
      if (text.find("RA") != std::string::npos) c.Actuators[1] = 1;
      if (text.find("LA") != std::string::npos) c.Actuators[3] = 1;
      if (text.find("RH") != std::string::npos) c.Actuators[0] = 1;
      if (text.find("LH") != std::string::npos) c.Actuators[2] = 1;
      return;
    }
    for (auto [keyword, kind] : {std::pair{"HS", ESlotGroup::HeatSinks}, std::pair{"FF", ESlotGroup::FerroFibrous},
                                 std::pair{"ES", ESlotGroup::EndoSteel}}) {
      at = text.find(keyword);
      if (at == std::string::npos) continue;
      const std::size_t from = at + 3;
      AddSlotGroups(from < text.size() ? std::string_view(text).substr(from) : std::string_view(), kind, m_,
                    lists_, k);
      return;
    }
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

  void ItemLine(char first, int k) {
    std::string field(1, first);
    for (int i = 0; i < 25; ++i) field.push_back(in_.ReadChar());
    const char marker = in_.ReadChar();
    if (marker == '*') m_.MixedTech = true;
    const TParsedName parsed = ParseEquipmentName(field, marker, IsClanDesign(m_), lists_);
    const int location = ReadLocation();
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    if (parsed.Special == 10 || parsed.Special == 11) {
      const bool hand = parsed.Special == 11;
      if (location == locRightArm) c.Actuators[hand ? 0 : 1] = 1;
      if (location == locLeftArm) c.Actuators[hand ? 2 : 3] = 1;
    } else if (parsed.Special == 18) {
      if (location >= locCenterTorso && location <= locLeftTorso)
        c.CaseKind[static_cast<std::size_t>(location)] = LoadedCaseKind(m_);
    } else if (parsed.Row) {
      EquipmentItem(field, *parsed.Row, location, k);
    }
    in_.SkipLine();
  }

  void EquipmentItem(const std::string& field, const TWepInfoStruct& row, int location, int k) {
    const TEquipmentIndex& index = lists_.Index();
    auto w = ItemFromRow(row);
    w->Name = FromWindows1252(TrimText(field));
    // A line whose location names no location keeps its item in the BIN.
    w->Location = static_cast<std::int16_t>(location < 0 ? lcBin : location);
    const bool split = location >= 0 && (location & lcSplit) != 0;
    long slotsRead = 0, primary = 0;
    if (split) {
      std::string before;
      while (!in_.AtLineEnd()) {
        const char c = in_.ReadChar();
        if (c == '/') break;
        before.push_back(c);
      }
      if (!ParseWhole(TrimText(before), primary)) primary = 1;
      in_.ReadInteger();
    } else {
      slotsRead = in_.ReadInteger();
    }
    in_.ReadInteger();
    const double tons = in_.ReadReal();
    CompleteReadoutItem(*w, row, split, split ? static_cast<long>(w->Slots) : slotsRead, tons, k, index);
    if (split) primary_[w.get()] = static_cast<int>(std::clamp(primary, 0L, static_cast<long>(w->Slots)));
    AppendItem(m_, *m_.Configs[static_cast<std::size_t>(k)], std::move(w));
  }

  void PlaceItems(int k) {
    TConfiguration& c = *m_.Configs[static_cast<std::size_t>(k)];
    TCritAlloc& crits = c.Crits;
    if (m_.EngineType == etXL || m_.EngineType == etClanXL) {
      const int slots = IsClanDesign(m_) ? 2 : 3;
      for (int loc : {locRightTorso, locLeftTorso})
        for (int s = 1; s <= slots; ++s) crits.LoadSlot(loc, s, ciEngine, nullptr);
    }
    if (k > 0) {
      const TCritAlloc& fixed = m_.Configs[0]->Crits;
      for (int loc = 0; loc < kLocationCount; ++loc)
        for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) crits.LoadSlot(loc, s, fixed.SlotAt(loc, s).Code, nullptr);
    }
    crits.LoadSlot(locRightArm, 3, c.Actuators[1] ? ciLowerArm : ciEmpty, nullptr);
    crits.LoadSlot(locRightArm, 4, c.Actuators[0] ? ciHand : ciEmpty, nullptr);
    crits.LoadSlot(locLeftArm, 3, c.Actuators[3] ? ciLowerArm : ciEmpty, nullptr);
    crits.LoadSlot(locLeftArm, 4, c.Actuators[2] ? ciHand : ciEmpty, nullptr);
    if (c.CaseKind[locCenterTorso]) crits.LoadSlot(locCenterTorso, 12, ciCase, nullptr);

    const bool backward = k == 0 && m_.IsOmni();
    for (const auto& item : c.Items) {
      TWeapon* w = item.get();
      if (w->Location & lcBin) continue;
      const int primary = w->Location & 7;
      if (w->Location & lcSplit) {
        const auto it = primary_.find(w);
        const int first = it == primary_.end() ? w->Slots : it->second;
        PlaceInLocation(m_, crits, w, primary, first, backward);
        PlaceInLocation(m_, crits, w, TCritAlloc::SecondaryOf(primary), w->Slots - first, backward);
      } else {
        PlaceInLocation(m_, crits, w, primary, w->Slots, backward);
      }
    }
    // Copies of the fixed configuration's equipment hold no item of their own.
    if (k > 0) {
      const TCritAlloc& fixed = m_.Configs[0]->Crits;
      for (int loc = 0; loc < kLocationCount; ++loc)
        for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
          const TSlot mine = crits.SlotAt(loc, s);
          if (!mine.Item && mine.Code > kLastFixedCode && fixed.SlotAt(loc, s).Code != mine.Code)
            crits.LoadSlot(loc, s, ciEmpty, nullptr);
        }
    }
    LinkLoadedSlots(m_, k);
  }

  TTextInput in_;
  TMech& m_;
  TEquipmentLists& lists_;
  std::map<const TWeapon*, int> primary_;  // a split item's slots in its primary location
};

}  // namespace

int SourceOfWord(std::string_view word) {
  static constexpr std::pair<std::string_view, int> kWords[] = {
      {"Custom", srcCustom}, {"2750", src2750}, {"3025", src3025}, {"3050", src3050},
      {"3055", src3055},     {"3058", src3058}, {"Sourcebook", srcSourcebook}};
  for (auto [w, code] : kWords)
    if (SameText(word, w)) return code;
  return srcOther;
}

void AddSlotGroups(std::string_view tokens, ESlotGroup kind, TMech& design, const TEquipmentLists& lists, int k) {
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
    if (location < 0) continue;  // a token that names no location adds nothing
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

void ImportTextReadout(std::string_view text, TMech& design, TEquipmentLists& lists) {
  TTextImport(text, design, lists).Run();
}

}  // namespace tfd
