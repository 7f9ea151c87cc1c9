#include "files/DesignFileWriter.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "equipment/EquipmentLists.h"
#include "files/ByteWriter.h"
#include "files/DesignFile.h"
#include "files/ReadoutParts.h"
#include "files/Windows1252.h"
#include "model/Mech.h"
#include "rules/RulesPass.h"

namespace tfd {

namespace {

// The extension block ends the file: its contents, their length (4 bytes) and
// this mark. A reader that knows nothing of it stops before it.
constexpr char kExtensionMark[4] = {'T', 'F', 'D', 'X'};
constexpr int kExtensionVersion = 1;

constexpr int kDesignTexts[] = {txtModel, txtChassis,   txtPowerPlant,     txtJumpJets,
                                txtArmor, txtComSystem, txtTargetingSystem};

// The chassis codes of the extension, in their order.
constexpr std::uint8_t TMech::*kChassisFields[] = {
    &TMech::RulesLevel,      &TMech::Options,       &TMech::StructureType, &TMech::EngineType,
    &TMech::HeatSinkType,    &TMech::GyroType,      &TMech::CockpitType,   &TMech::TargetingType,
    &TMech::JumpJetType,     &TMech::JumpBoosterMP, &TMech::ArmorType,     &TMech::ArmorMirror,
    &TMech::TorsoRatioFront, &TMech::TorsoRatioRear};
constexpr std::size_t kChassisFieldCount = std::size(kChassisFields);
constexpr std::size_t kOptionsField = 1;
static_assert(kChassisFields[kOptionsField] == &TMech::Options);

int BlockCount(const TMech& m) { return m.IsOmni() ? kSavedConfigCount : 1; }

int TechnologyBase(const TMech& m) {
  if (IsClanLevel(m.RulesLevel)) return tbClan;
  return m.RulesLevel == rlIS1 ? tbInnerSphere1 : tbInnerSphere2;
}

int DesignFlags(const TMech& m) {
  int flags = TechnologyBase(m) << kFileTechBaseShift;
  if (IsEndoSteel(m)) flags |= dfEndoSteel;
  if (IsXLEngine(m)) flags |= dfXLEngine;
  if (m.IsOmni()) flags |= dfOmni;
  if (m.IsQuad()) flags |= dfQuad;
  if (IsFerroFibrous(m)) flags |= dfFerroFibrous;
  return flags;
}

// An identifier as the files number it: fixed slot codes as they are,
// equipment under its older number (0, empty, for equipment that has none).
int FileNumber(const TEquipmentLists& lists, int code) {
  if (code >= 0 && code <= kLastFixedCode) return code;
  return lists.Save97Of(code);
}

// The location code within what the layout knows: the body location with its
// rear and split bits, or the BIN. Turret mountings live in the extension.
int FileLocation(int code) { return (code & lcBin) ? lcBin : (code & (lcLocationMask | lcRear | lcSplit)); }

// Items the layout can hold: those with an older number, at most kFileMaxItems.
std::vector<const TWeapon*> WrittenItems(const TConfiguration& c, const TEquipmentLists& lists) {
  std::vector<const TWeapon*> items;
  for (const auto& item : c.Items)
    if (items.size() < static_cast<std::size_t>(kFileMaxItems) && lists.Save97Of(item->SaveNum) != 0)
      items.push_back(item.get());
  return items;
}

void WriteConfiguration(TByteWriter& out, const TConfiguration& c, const TEquipmentLists& lists) {
  const auto& a = c.Actuators;  // right hand, right lower arm, left hand, left lower arm
  out.Byte((a[1] ? 1 : 0) | (a[0] ? 4 : 0) | (a[3] ? 16 : 0) | (a[2] ? 64 : 0));
  int cases = 0;
  for (int i = 0; i < kFileCaseTorsos; ++i)
    if (c.CaseKind[static_cast<std::size_t>(locCenterTorso + i)] != caseNone) cases |= 1 << (2 * i);
  out.Byte(cases);

  const std::vector<const TWeapon*> items = WrittenItems(c, lists);
  out.Byte(static_cast<int>(items.size()));
  for (const TWeapon* w : items) {
    out.Word(lists.Save97Of(w->SaveNum));
    out.Word(FileLocation(w->Location));
    out.Word(w->Slots);
    out.Real(w->Tons);
  }
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= kLocationSlots[static_cast<std::size_t>(loc)]; ++s) {
      const TSlot slot = c.Crits.SlotAt(loc, s);
      const auto at = std::find(items.begin(), items.end(), slot.Item);
      const int index = slot.Item && at != items.end() ? static_cast<int>(at - items.begin()) : -1;
      out.Word(FileNumber(lists, slot.Code));
      out.Word(index);
    }
}

std::string Text1252(std::string_view s, bool& exact) {
  std::string out;
  if (!ToWindows1252(s, out)) exact = false;
  return out;
}

void WriteExtension(TByteWriter& out, const TMech& m, const TEquipmentLists& lists, bool textsExact) {
  TByteWriter ext;
  ext.Byte(kExtensionVersion);
  for (auto field : kChassisFields) ext.Byte(m.*field);
  ext.Byte(m.MixedTech ? 1 : 0);
  ext.Word(m.MiscFlags);
  for (std::uint8_t v : m.Armor) ext.Byte(v);
  for (std::uint8_t v : m.ArmorTypes) ext.Byte(v);
  for (int k = 0; k < BlockCount(m); ++k) {
    const TConfiguration& c = *m.Configs[static_cast<std::size_t>(k)];
    ext.Byte(c.Supercharger);
    ext.Byte(c.Turret);
    for (std::uint8_t kind : c.CaseKind) ext.Byte(kind);
    for (int loc = 0; loc < kLocationCount; ++loc) {
      int bits = 0;
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s)
        if (c.Crits.ArmouredAt(loc, s)) bits |= 1 << (s - 1);
      ext.Word(bits);
    }
    const std::vector<const TWeapon*> items = WrittenItems(c, lists);
    ext.Byte(static_cast<int>(items.size()));
    for (const TWeapon* w : items) ext.Word(w->Location);
  }
  // Texts the code page could not hold go again in UTF-8.
  ext.Byte(textsExact ? 0 : 1);
  if (!textsExact) {
    auto text = [&ext](const std::string& s) {
      ext.DoubleWord(static_cast<std::uint32_t>(s.size()));
      ext.Raw(s);
    };
    auto list = [&](const std::vector<std::string>& l) {
      ext.DoubleWord(static_cast<std::uint32_t>(l.size()));
      for (const auto& s : l) text(s);
    };
    for (int t : kDesignTexts) text(m.Texts[static_cast<std::size_t>(t)]);
    list(m.Manufacturers);
    list(ArmamentForFile(m));
    list(m.Overview);
  }
  out.Raw(ext.Bytes());
  out.DoubleWord(static_cast<std::uint32_t>(ext.Bytes().size()));
  out.Raw(std::string_view(kExtensionMark, 4));
}

// Bounds-checked reading of the extension block; any shortfall marks it bad.
class TExtensionReader {
 public:
  explicit TExtensionReader(std::string_view bytes) : bytes_(bytes) {}
  bool Bad() const { return bad_; }
  int Byte() {
    if (pos_ >= bytes_.size()) {
      bad_ = true;
      return 0;
    }
    return static_cast<unsigned char>(bytes_[pos_++]);
  }
  int Word() {
    const int lo = Byte();
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (Byte() << 8)));
  }
  std::uint32_t DoubleWord() {
    const auto lo = static_cast<std::uint32_t>(static_cast<std::uint16_t>(Word()));
    return lo | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(Word())) << 16);
  }
  std::string Text() {
    const std::uint32_t n = DoubleWord();
    if (bad_ || n > bytes_.size() - pos_) {
      bad_ = true;
      return {};
    }
    std::string s(bytes_.substr(pos_, n));
    pos_ += n;
    return s;
  }
  std::vector<std::string> List() {
    const std::uint32_t n = DoubleWord();
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < n && !bad_; ++i) out.push_back(Text());
    return out;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool bad_ = false;
};

}  // namespace

std::vector<std::string> DesignFileLosses(const TMech& m, const TEquipmentLists& lists) {
  int unnumbered = 0, beyondCount = 0, beyondConfigs = 0;
  for (int k = 0; k < kConfigCount; ++k) {
    const TConfiguration& c = *m.Configs[static_cast<std::size_t>(k)];
    if (k >= BlockCount(m)) {
      beyondConfigs += m.IsOmni() && !c.Items.Empty() ? 1 : 0;
      continue;
    }
    int written = 0;
    for (const auto& item : c.Items) {
      if (lists.Save97Of(item->SaveNum) == 0)
        ++unnumbered;
      else if (++written > kFileMaxItems)
        ++beyondCount;
    }
  }
  std::vector<std::string> losses;
  if (unnumbered > 0)
    losses.push_back(std::to_string(unnumbered) +
                     " item(s) of custom equipment, which the design files cannot name");
  if (beyondCount > 0)
    losses.push_back(std::to_string(beyondCount) + " item(s) beyond the " + std::to_string(kFileMaxItems) +
                     " a configuration can hold");
  if (beyondConfigs > 0)
    losses.push_back(std::to_string(beyondConfigs) + " alternate configuration(s) after F");
  return losses;
}

std::string WriteDesignFile(const TMech& m, const TEquipmentLists& lists) {
  TByteWriter out;
  bool textsExact = true;
  out.Word(kDesignFileVersion);
  for (int t : kDesignTexts) out.String(Text1252(m.Texts[static_cast<std::size_t>(t)], textsExact));
  const std::vector<std::string> armament = ArmamentForFile(m);
  for (const auto* list : {&m.Manufacturers, &armament}) {
    out.Word(static_cast<int>(std::min<std::size_t>(list->size(), kFileMaxListLines)));
    for (std::size_t i = 0; i < list->size() && i < kFileMaxListLines; ++i)
      out.String(Text1252((*list)[i], textsExact));
  }
  out.Byte(DesignFlags(m));
  out.Byte(m.Source);
  out.Byte(m.HeatSinks);
  out.Byte(m.Tonnage);
  out.Byte(m.WalkMP);
  out.Byte(m.JumpMP);
  out.Real(m.Weights[wArmor]);
  const auto& a = m.Armor;
  for (std::uint8_t section : kFileArmorSections) out.Byte(a[section]);
  for (int k = 0; k < BlockCount(m); ++k)
    WriteConfiguration(out, *m.Configs[static_cast<std::size_t>(k)], lists);
  out.Word(static_cast<int>(std::min<std::size_t>(m.Overview.size(), kFileMaxListLines)));
  for (std::size_t i = 0; i < m.Overview.size() && i < kFileMaxListLines; ++i)
    out.String(Text1252(m.Overview[i], textsExact));
  WriteExtension(out, m, lists, textsExact);
  return std::move(out.Bytes());
}

namespace {

// What an extension block holds, read whole before any of it is taken over.
struct TExtensionBlock {
  std::uint8_t Supercharger = 0, Turret = 0;
  std::array<std::uint8_t, kLocationCount> Cases{};
  std::array<int, kLocationCount> Armoured{};  // a bit per slot
  std::vector<int> Locations;                  // each written item's full location code
};

struct TExtension {
  std::array<std::uint8_t, kChassisFieldCount> Chassis{};
  bool Mixed = false;
  int MiscFlags = 0;
  std::array<std::uint8_t, kArmorSectionCount> Armor{}, ArmorTypes{};
  std::vector<TExtensionBlock> Blocks;
  bool Texts = false;
  std::vector<std::string> DesignTexts, Makers, Armament, Overview;
};

// The extension block at the end of a file, found by its mark and length.
bool FindExtension(std::string_view bytes, std::string_view& block) {
  if (bytes.size() < 8 || std::memcmp(bytes.data() + bytes.size() - 4, kExtensionMark, 4) != 0) return false;
  TExtensionReader size(bytes.substr(bytes.size() - 8, 4));
  const std::uint32_t length = size.DoubleWord();
  if (length > bytes.size() - 8) return false;
  block = bytes.substr(bytes.size() - 8 - length, length);
  return true;
}

TExtensionBlock ReadBlock(TExtensionReader& in) {
  TExtensionBlock b;
  b.Supercharger = static_cast<std::uint8_t>(in.Byte());
  b.Turret = static_cast<std::uint8_t>(in.Byte());
  for (auto& kind : b.Cases) kind = static_cast<std::uint8_t>(in.Byte());
  for (auto& bits : b.Armoured) bits = in.Word();
  const int n = in.Byte();
  for (int i = 0; i < n && !in.Bad(); ++i) b.Locations.push_back(in.Word());
  return b;
}

TExtension ReadExtension(TExtensionReader& in) {
  TExtension x;
  for (auto& v : x.Chassis) v = static_cast<std::uint8_t>(in.Byte());
  x.Mixed = in.Byte() != 0;
  x.MiscFlags = in.Word();
  for (auto& v : x.Armor) v = static_cast<std::uint8_t>(in.Byte());
  for (auto& v : x.ArmorTypes) v = static_cast<std::uint8_t>(in.Byte());
  const int blocks = (x.Chassis[kOptionsField] & optOmni) ? kSavedConfigCount : 1;
  for (int k = 0; k < blocks; ++k) x.Blocks.push_back(ReadBlock(in));
  x.Texts = in.Byte() != 0;
  if (x.Texts) {
    for (std::size_t i = 0; i < std::size(kDesignTexts); ++i) x.DesignTexts.push_back(in.Text());
    x.Makers = in.List();
    x.Armament = in.List();
    x.Overview = in.List();
  }
  return x;
}

// Supercharger, turret, CASE and the turret mountings of each configuration;
// the mountings only when the reader kept every item the block describes.
void TakeBlocks(const TExtension& x, TMech& m) {
  for (std::size_t k = 0; k < x.Blocks.size(); ++k) {
    TConfiguration& c = *m.Configs[k];
    const TExtensionBlock& b = x.Blocks[k];
    c.Supercharger = b.Supercharger;
    c.Turret = b.Turret;
    c.CaseKind = b.Cases;
    if (static_cast<int>(b.Locations.size()) != c.Items.Size()) continue;
    std::size_t i = 0;
    for (const auto& item : c.Items) {
      const int code = b.Locations[i++];
      if (FileLocation(code) == FileLocation(item->Location))
        item->Location = static_cast<std::int16_t>(code);
    }
  }
}

// Armoured components go on once the rules pass has laid the fixed items of
// their configuration (laying them afresh clears the marks).
void TakeArmouredSlots(const TExtension& x, TMech& m) {
  const int shown = m.ConfigIndex;
  bool armoured = false;
  for (std::size_t k = 0; k < x.Blocks.size(); ++k) {
    const TExtensionBlock& b = x.Blocks[k];
    if (std::all_of(b.Armoured.begin(), b.Armoured.end(), [](int bits) { return bits == 0; })) continue;
    armoured = true;
    m.SelectConfig(static_cast<int>(k));
    Recalculate(m, rqAll);
    TCritAlloc& crits = m.Configs[k]->Crits;
    for (int loc = 0; loc < kLocationCount; ++loc)
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s)
        if ((b.Armoured[static_cast<std::size_t>(loc)] >> (s - 1)) & 1) crits.SetArmoured(loc, s, true);
  }
  if (armoured) m.SelectConfig(shown);
}

void TakeTexts(const TExtension& x, TMech& m) {
  for (std::size_t i = 0; i < std::size(kDesignTexts); ++i)
    m.Texts[static_cast<std::size_t>(kDesignTexts[i])] = x.DesignTexts[i];
  m.Manufacturers = x.Makers;
  m.Armament = x.Armament;
  m.Overview = x.Overview;
}

}  // namespace

bool ApplyDesignFileExtension(std::string_view bytes, TMech& m) {
  std::string_view block;
  if (!FindExtension(bytes, block)) return false;
  TExtensionReader in(block);
  if (in.Byte() != kExtensionVersion) return false;
  const TExtension x = ReadExtension(in);
  if (in.Bad() || static_cast<int>(x.Blocks.size()) != BlockCount(m)) return false;

  for (std::size_t i = 0; i < kChassisFieldCount; ++i) m.*kChassisFields[i] = x.Chassis[i];
  m.MixedTech = x.Mixed;
  m.MiscFlags = static_cast<std::int16_t>(x.MiscFlags);
  m.Armor = x.Armor;
  m.ArmorTypes = x.ArmorTypes;
  TakeBlocks(x, m);
  TakeArmouredSlots(x, m);
  if (x.Texts) TakeTexts(x, m);
  return true;
}

}  // namespace tfd
