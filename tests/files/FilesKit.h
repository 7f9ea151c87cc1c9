#pragma once
// The shipped equipment lists (loaded once for the whole test program), a
// writer of binary design files, and loading helpers for the reader tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "model/Mech.h"

namespace tfd::kit {

inline TEquipmentLists& Lists() {
  static TEquipmentLists* lists = [] {
    auto* l = new TEquipmentLists;
    auto db = OpenSqliteDatabase(TFD_TEST_DATABASE, EOpenMode::ReadOnly);
    l->LoadAll(*db);
    return l;
  }();
  return *lists;
}

inline const TWepInfoStruct& RowBySave97(int save97) {
  const TWepInfo* rec = Lists().BySave97(save97);
  EXPECT_NE(rec, nullptr) << "no row with the file number " << save97;
  return rec->Info;
}

inline std::string ReadSample(const std::string& name) {
  std::ifstream in(std::string(TFD_TEST_DATA) + "/" + name, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

// A design, the HTML settings and the load context, as the window has them.
struct TLoader {
  TMech design;
  THtmlSettings html;
  TLoadContext context{Lists(), html, nullptr};

  TLoadResult Load(const std::string& name, const std::string& bytes) {
    return LoadDesignFromBytes(design, name, bytes, context);
  }
  TLoadResult LoadSample(const std::string& name) { return Load(name, ReadSample(name)); }
};

// Every slot that refers to an item of the configuration, counted.
inline int ReferencedSlots(const TConfiguration& c) {
  int n = 0;
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= 12; ++s)
      if (c.Crits.SlotAt(loc, s).Item) ++n;
  return n;
}

// Releasing every item of every configuration must leave no slot referring to one.
inline void ExpectReleaseLeavesNothing(TMech& m) {
  for (auto& c : m.Configs) {
    for (const auto& item : c->Items) c->Crits.Release(item.get());
    EXPECT_EQ(ReferencedSlots(*c), 0);
  }
}

// Writes the binary layout of a design file.
class TDesignFileWriter {
 public:
  TDesignFileWriter& Byte(int v) {
    bytes_.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  TDesignFileWriter& Word(int v) { return Byte(v).Byte(v >> 8); }
  TDesignFileWriter& String(const std::string& s) {
    Word(static_cast<int>(s.size()));
    bytes_ += s;
    return *this;
  }
  TDesignFileWriter& Strings(const std::vector<std::string>& list) {
    Word(static_cast<int>(list.size()));
    for (const auto& s : list) String(s);
    return *this;
  }
  TDesignFileWriter& Real(double v) {
    if (v == 0.0) {
      for (int i = 0; i < 6; ++i) Byte(0);
      return *this;
    }
    int e = 0;
    const double m = std::frexp(std::fabs(v), &e);  // v = m * 2^e, m in [0.5, 1)
    const auto fraction = static_cast<std::uint64_t>(std::llround((m * 2.0 - 1.0) * 549755813888.0));
    Byte(e - 1 + 129);
    for (int i = 0; i < 5; ++i) {
      int b = static_cast<int>((fraction >> (8 * i)) & 0xFF);
      if (i == 4 && v < 0) b |= 0x80;
      Byte(b);
    }
    return *this;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

struct TFileItem {
  int number;  // file number of the row
  int location;
  int slots;
  double tons = 0.0;
};

struct TFileSlot {
  int location, slot, code, index;
};

struct TFileConfig {
  int actuators = 0x55;  // every arm actuator fitted
  int cases = 0;
  std::vector<TFileItem> items;
  std::vector<TFileSlot> slots;  // everything else empty, no item
};

struct TFileDesign {
  std::vector<std::string> texts = {"Brennock BK-1", "Cindral Frame", "Hollins 200", "",
                                    "Tessary Plate", "Vox 5",         "Sightline 3"};
  std::vector<std::string> manufacturers = {"Brennock Works"};
  std::vector<std::string> armament = {"Medium Laser: Orrin Mk1"};
  int flags = 0x40;  // Inner Sphere Level 2
  int source = 3;
  int heatSinks = 10, tonnage = 40, walk = 5, jump = 0;
  double armorMass = 8.0;
  std::vector<int> armor = {9, 12, 4, 10, 3, 8, 10};
  std::vector<TFileConfig> configs = {TFileConfig{}};
  std::vector<std::string> overview = {"A sturdy patroller.", "Second line."};
};

inline std::string Write(const TFileDesign& d, int version = 2311) {
  static constexpr int kStart[8] = {0, 6, 18, 30, 42, 54, 66, 72};  // entry of a location's slot 1
  TDesignFileWriter w;
  w.Word(version);
  for (const auto& t : d.texts) w.String(t);
  w.Strings(d.manufacturers).Strings(d.armament);
  w.Byte(d.flags).Byte(d.source).Byte(d.heatSinks).Byte(d.tonnage).Byte(d.walk).Byte(d.jump);
  w.Real(d.armorMass);
  for (int a : d.armor) w.Byte(a);
  for (const auto& c : d.configs) {
    w.Byte(c.actuators).Byte(c.cases).Byte(static_cast<int>(c.items.size()));
    for (const auto& i : c.items) w.Word(i.number).Word(i.location).Word(i.slots).Real(i.tons);
    std::vector<std::pair<int, int>> table(78, {0, -1});
    for (const auto& s : c.slots)
      table[static_cast<std::size_t>(kStart[s.location] + s.slot - 1)] = {s.code, s.index};
    for (const auto& [code, index] : table) w.Word(code).Word(index);
  }
  w.Strings(d.overview);
  return w.Bytes();
}

// A readout of the smallest layout, with the technology line, the heat-sink
// line, the arm and leg structure and the item lines given by the test.
inline std::string Readout(const std::string& technology, const std::string& heatSinks, int arm, int leg,
                           const std::vector<std::string>& items, const std::string& firstConfig = "",
                           int mass = 50) {
  std::string s = "Titanframe Technical Readout\n\nTest Frame TF-1\n\nMass: " + std::to_string(mass) +
                  " tons\nChassis: C\nPower Plant: P 200\n"
                  "a\nb\nJump Jets: J\nx\nArmor: A\nArmament: 0\nManufacturer: 0\nCommunications System: Cm\n"
                  "Targeting & Tracking System: T\n\nOverview: 0\n\n\nTechnology: " +
                  technology +
                  "\n\n\n\n"
                  "Internal Structure: Standard\nEngine: 200 Fusion\n  Walking MP: 4\n  Running MP: 6\n"
                  "  Jumping MP: 0\nHeat Sinks: " +
                  heatSinks +
                  "\nGyro\nCockpit\nArmor Factor: 100 Std 6.0\n\n\n"
                  "  Head: 3 9\n  Center Torso: 16 20\n  Center Torso (rear): 6\n  R/L Torso: 12 15\n"
                  "  R/L Torso (rear): 4\n  R/L Arm: " +
                  std::to_string(arm) + " 12\n  R/L Leg: " + std::to_string(leg) + " 14\n\n";
  s += firstConfig.empty() ? " Weapons\n----\n" : firstConfig + "\n----\n header\n";
  for (const auto& i : items) s += i + "\n";
  return s + "\n";
}

inline std::string Line(const std::string& name, const std::string& location, const std::string& numbers,
                        char marker = ' ') {
  std::string field = name;
  field.resize(26, ' ');
  return field + marker + location + " " + numbers;
}

// The 1-based line of a file on which `needle` first appears.
inline int LineOf(const std::string& file, const std::string& needle) {
  const std::size_t at = file.find(needle);
  EXPECT_NE(at, std::string::npos) << needle;
  return 1 + static_cast<int>(std::count(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// The warnings of a load as "line: why" texts, for comparing in one go.
inline std::vector<std::string> WarningLines(const TLoadResult& r) {
  std::vector<std::string> out;
  for (const auto& w : r.Warnings) out.push_back(std::to_string(w.Line) + ": " + w.Why);
  return out;
}

// One more configuration section for the end of a readout.
inline std::string Section(const std::string& name, const std::vector<std::string>& items) {
  std::string s = name + "\n----\n header\n";
  for (const auto& i : items) s += i + "\n";
  return s + "\n";
}

// A page with the given body tag, version comment and body lines.
inline std::string Page(const std::string& body, const std::string& version,
                        const std::vector<std::string>& lines) {
  std::string s = "<HTML>\n" + body + "\n<!-- VER " + version + " -->\n";
  for (const auto& l : lines) s += l + "\n";
  return s + "</BODY>\n";
}

inline std::string Row(std::initializer_list<std::string> cells) {
  std::string s = "<TR>";
  for (const auto& c : cells) s += "<TD>" + c + "</TD>";
  return s + "</TR>";
}

inline std::vector<std::string> Chassis(const std::string& arm, const std::string& leg) {
  return {"<TABLE>",
          "<TR><TH>Specs</TH></TR>",
          Row({"Type:", "Test Frame"}),
          Row({"Tonnage:", "50"}),
          Row({"Technology Base:", "Inner Sphere Level 2 Sourcebook"}),
          "</TABLE>",
          "<TABLE>",
          "<!-- Equipment -->",
          Row({"Walking MP:", "4"}),
          Row({"Heat Sinks:", "10", "[10]"}),
          Row({"Armor Factor:", "100", "6.0"}),
          Row({"R/L Arm", arm, "12"}),
          Row({"R/L Leg", leg, "14"}),
          "</TABLE>"};
}

}  // namespace tfd::kit
