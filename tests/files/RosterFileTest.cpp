#include "files/RosterFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tfd {
namespace {

namespace fs = std::filesystem;

TRosterFileData SampleRoster() {
  TRosterFileData d;
  d.Organization = 32;
  d.Designation = "Striker Star";
  d.Affiliation = "Clan Vashti";
  d.ParentUnit = "Third Talon Cluster";
  TRosterFilePosition a{1, "designs/vashti-prime.TFC", "Vashti Prime", 3, {}};
  a.Pilot.Name = "Ilsa Kerrow";
  a.Pilot.Callsign = "Ember";
  a.Pilot.Rank = "Star Commander";
  a.Pilot.Piloting = 2;
  a.Pilot.Gunnery = 1;
  TRosterFilePosition b{5, "/elsewhere/torvek-tk4q.TFI", "Torvek TK-4Q", 0, {}};
  b.Pilot.Name = "Jörg Ødegård";  // texts beyond ASCII survive
  d.Positions = {a, b};
  return d;
}

void ExpectSame(const TRosterFileData& a, const TRosterFileData& b) {
  EXPECT_EQ(a.Organization, b.Organization);
  EXPECT_EQ(a.Designation, b.Designation);
  EXPECT_EQ(a.Affiliation, b.Affiliation);
  EXPECT_EQ(a.ParentUnit, b.ParentUnit);
  ASSERT_EQ(a.Positions.size(), b.Positions.size());
  for (std::size_t i = 0; i < a.Positions.size(); ++i) {
    const auto& x = a.Positions[i];
    const auto& y = b.Positions[i];
    EXPECT_EQ(x.Position, y.Position);
    EXPECT_EQ(x.DesignPath, y.DesignPath);
    EXPECT_EQ(x.DesignName, y.DesignName);
    EXPECT_EQ(x.Configuration, y.Configuration);
    EXPECT_EQ(x.Pilot.Name, y.Pilot.Name);
    EXPECT_EQ(x.Pilot.Callsign, y.Pilot.Callsign);
    EXPECT_EQ(x.Pilot.Rank, y.Pilot.Rank);
    EXPECT_EQ(x.Pilot.Piloting, y.Pilot.Piloting);
    EXPECT_EQ(x.Pilot.Gunnery, y.Pilot.Gunnery);
  }
}

// A folder of its own for each case, removed afterwards.
class RosterFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() / (std::string("tfd-roster-") + info->name() + "-" +
                                       std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }
  fs::path dir;
};

TEST(RosterFile, EverythingWrittenIsReadBack) {
  const TRosterFileData d = SampleRoster();
  const TRosterReadResult r = RosterFromJson(RosterToJson(d));
  ASSERT_TRUE(r.Ok()) << r.Message;
  ExpectSame(r.Data, d);
  // Left-out texts and configuration read as empty and 0; a pilot left out is a new pilot.
  const TRosterReadResult lean = RosterFromJson(
      R"({"format":"Titanframe Designer roster","version":1,"organization":0,"positions":[{"position":45}]})");
  ASSERT_TRUE(lean.Ok()) << lean.Message;
  EXPECT_EQ(lean.Data.Positions.at(0).Configuration, 0);
  EXPECT_EQ(lean.Data.Positions.at(0).Pilot.Piloting, 5);
  EXPECT_EQ(lean.Data.Positions.at(0).Pilot.Gunnery, 4);
}

TEST(RosterFile, WhatIsNoRosterOfThisVersionIsRefusedWithItsReason) {
  const std::string head = R"({"format":"Titanframe Designer roster","version":1,"organization":16,)";
  const struct {
    std::string text;
    std::string says;
  } cases[] = {
      {"", "not valid JSON"},
      {"{\"format\": \"Titanframe Designer roster\", \"version\": 1,", "not valid JSON"},
      {"{\"format\": 1e999}", "not valid JSON"},
      {"[1, 2, 3]", "not a roster file"},
      {R"({"format":4,"version":1,"organization":0})", "not a roster file"},
      {R"({"format":"something else","version":1,"organization":0})", "not a roster file"},
      {R"({"format":"Titanframe Designer roster","version":2,"organization":0})", "version 2"},
      {R"({"format":"Titanframe Designer roster","version":"1","organization":0})", "\"version\""},
      {R"({"format":"Titanframe Designer roster","version":1,"organization":21})", "no organisation"},
      {head + R"("positions":[{"position":46}]})", "\"position\""},
      {head + R"("positions":[{"position":0}]})", "\"position\""},
      {head + R"("positions":[{"position":2},{"position":2}]})", "appears twice"},
      {head + R"("positions":[{"position":2,"configuration":28}]})", "\"configuration\""},
      {head + R"("positions":[{"position":2,"pilot":{"piloting":8,"gunnery":4}}]})", "\"piloting\""},
      {head + R"("positions":[{"position":2,"pilot":{"piloting":1.5,"gunnery":4}}]})", "\"piloting\""},
      {head + R"("positions":[{"position":2,"design":7}]})", "\"design\""},
      {head + R"("positions":{"position":2}})", "\"positions\""},
  };
  for (const auto& c : cases) {
    const TRosterReadResult r = RosterFromJson(c.text);
    EXPECT_FALSE(r.Ok()) << c.text;
    EXPECT_NE(r.Message.find(c.says), std::string::npos) << c.text << " -> " << r.Message;
    EXPECT_TRUE(r.Data.Positions.empty()) << c.text;
  }
}

TEST(RosterFile, DesignsBelowTheRosterAreStoredRelativeToIt) {
  EXPECT_EQ(DesignPathForRoster("/games/unit/designs/a.TFI", "/games/unit/lance.tfr"), "designs/a.TFI");
  EXPECT_EQ(DesignPathForRoster("/games/unit/./b.txt", "/games/unit/lance.tfr"), "b.txt");
  EXPECT_EQ(DesignPathForRoster("/games/other/c.TFC", "/games/unit/lance.tfr"), "/games/other/c.TFC");
  EXPECT_EQ(DesignPathForRoster("", "/games/unit/lance.tfr"), "");
  EXPECT_EQ(DesignPathFromRoster("designs/a.TFI", "/games/unit/lance.tfr"), "/games/unit/designs/a.TFI");
  EXPECT_EQ(DesignPathFromRoster("/games/other/c.TFC", "/games/unit/lance.tfr"), "/games/other/c.TFC");
  EXPECT_EQ(DesignPathFromRoster("../other/c.TFC", "/games/unit/lance.tfr"), "/games/other/c.TFC");
}

TEST_F(RosterFileOnDisk, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  const std::string path = Path("unit.tfr");
  {
    std::ofstream old(path);
    old << std::string(50000, 'x');  // a longer old file: nothing of it may remain
  }
  ASSERT_EQ(WriteRosterFile(path, SampleRoster()), "");
  const TRosterReadResult r = ReadRosterFile(path);
  ASSERT_TRUE(r.Ok()) << r.Message;
  ExpectSame(r.Data, SampleRoster());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(RosterFileOnDisk, AFailedSaveSaysSoAndKeepsTheOldFile) {
  const std::string path = Path("unit.tfr");
  ASSERT_EQ(WriteRosterFile(path, SampleRoster()), "");
  const std::string before = Contents(path);
  // A folder where the roster should go cannot be replaced by a file.
  fs::create_directories(dir / "taken.tfr" / "inside");
  EXPECT_NE(WriteRosterFile(Path("taken.tfr"), TRosterFileData{}), "");
  EXPECT_NE(WriteRosterFile(Path("no/such/folder/unit.tfr"), TRosterFileData{}), "");
  EXPECT_EQ(Contents(path), before);
  EXPECT_FALSE(fs::exists(Path("taken.tfr.saving")));
}

TEST_F(RosterFileOnDisk, UnreadableFilesAreRefused) {
  EXPECT_NE(ReadRosterFile(Path("absent.tfr")).Message.find("Cannot open"), std::string::npos);
  {
    std::ofstream big(Path("big.tfr"));
    big << std::string((1 << 20) + 1, ' ');
  }
  EXPECT_NE(ReadRosterFile(Path("big.tfr")).Message.find("too large"), std::string::npos);
  { std::ofstream empty(Path("empty.tfr")); }
  EXPECT_FALSE(ReadRosterFile(Path("empty.tfr")).Ok());
}

}  // namespace
}  // namespace tfd
