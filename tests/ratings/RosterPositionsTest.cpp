#include "ratings/RosterPositions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../files/FilesKit.h"
#include "ratings/SkillTable.h"

namespace tfd {
namespace {

namespace fs = std::filesystem;

std::string Sample(const std::string& name) { return std::string(TFD_TEST_DATA) + "/" + name; }

struct TUnit {
  TUnitRoster roster;
  TRosterPositions positions{roster, kit::Lists()};

  // The totals as the roster tab shows them.
  std::pair<int, int> Totals() {
    roster.UpdateTotals();
    return {roster.TotalTonnage, roster.TotalBV};
  }
};

TEST(RosterPositions, EveryFormatFillsAPositionWithItsOwnRatedDesign) {
  TUnit u;
  const struct {
    const char* file;
    const char* type;
    int tons;
  } samples[] = {{"brennock-bk1.TFI", "Brennock BK-1", 65},
                 {"vashti-prime.TFC", "Vashti Prime", 45},
                 {"hollow-warden-hw3.txt", "Hollow Warden HW-3", 55},
                 {"hollow-warden-hw3.html", "Hollow Warden HW-3", 55}};
  int position = 1;
  for (const auto& s : samples) {
    const TLoadResult r = u.positions.Load(position, Sample(s.file));
    ASSERT_TRUE(r.Ok()) << s.file << ": " << r.Message;
    const TRosterPosition& p = u.positions.At(position);
    ASSERT_NE(p.Design, nullptr);
    EXPECT_EQ(p.DesignName, s.type);
    EXPECT_EQ(u.positions.Tonnage(position), s.tons);
    EXPECT_GT(p.Design->BattleValue, 0) << "rated when loaded";
    EXPECT_EQ(u.roster.DesignAt(position), p.Design.get());
    ++position;
  }
  EXPECT_EQ(u.positions.BattleValue(1), 843);
  EXPECT_EQ(u.positions.BattleValue(3), 1102);
  EXPECT_EQ(u.positions.BattleValue(3), u.positions.BattleValue(4)) << "the same design from two readouts";
  EXPECT_EQ(u.positions.FilledCount(), 4);
}

TEST(RosterPositions, AFileThatDoesNotLoadLeavesThePositionAsItWas) {
  TUnit u;
  ASSERT_TRUE(u.positions.Load(2, Sample("torvek-tk4q.TFI")).Ok());
  u.positions.SetPilotName(2, "Mara Quill");
  const TMech* before = u.positions.At(2).Design.get();
  const TLoadResult r = u.positions.Load(2, Sample("no-such-design.TFI"));
  EXPECT_FALSE(r.Ok());
  EXPECT_NE(r.Message.find("no-such-design.TFI"), std::string::npos);
  EXPECT_EQ(u.positions.At(2).Design.get(), before);
  EXPECT_EQ(u.positions.At(2).DesignName, "Torvek TK-4Q");
  EXPECT_EQ(u.positions.At(2).Pilot.Name, "Mara Quill");
  EXPECT_FALSE(u.positions.Load(46, Sample("torvek-tk4q.TFI")).Ok());
  // A new design in a position keeps the pilot; clearing it drops both.
  ASSERT_TRUE(u.positions.Load(2, Sample("brennock-bk1.TFI")).Ok());
  EXPECT_EQ(u.positions.At(2).Pilot.Name, "Mara Quill");
  u.positions.Clear(2);
  EXPECT_FALSE(u.positions.At(2).Filled());
  EXPECT_EQ(u.positions.At(2).Pilot.Name, "");
  EXPECT_EQ(u.roster.DesignAt(2), nullptr);
}

TEST(RosterPositions, TotalsAreTheSumOfTheSkillAdjustedPositionsInUse) {
  TUnit u;
  u.roster.Organization = 16;  // a lance: positions 1..4
  ASSERT_TRUE(u.positions.Load(1, Sample("brennock-bk1.TFI")).Ok());
  ASSERT_TRUE(u.positions.Load(2, Sample("torvek-tk4q.TFI")).Ok());
  ASSERT_TRUE(u.positions.Load(4, Sample("hollow-warden-hw3.txt")).Ok());
  ASSERT_TRUE(u.positions.Load(5, Sample("brennock-bk1.TFI")).Ok());  // outside the lance
  EXPECT_EQ(u.Totals(), std::make_pair(65 + 60 + 55, 843 + 903 + 1102));

  u.positions.SetSkills(1, 2, 2);  // an elite pilot: 843 x 1.37 = 1154.91
  u.positions.SetSkills(2, 7, 6);  // a green one: 903 x 0.69 = 623.07
  EXPECT_DOUBLE_EQ(u.positions.At(1).Pilot.BVMultiplier, 1.37);
  EXPECT_EQ(u.positions.BattleValue(1), 1155);
  EXPECT_EQ(u.positions.BattleValue(2), 623);
  EXPECT_EQ(u.Totals().second,
            u.positions.BattleValue(1) + u.positions.BattleValue(2) + u.positions.BattleValue(4));

  TPilot ace;
  ace.Name = "Tarn Voss";
  ace.Piloting = 9;  // beyond the table: the best it allows
  ace.Gunnery = 0;
  u.positions.SetPilot(4, ace);
  EXPECT_EQ(u.positions.At(4).Pilot.Piloting, 7);
  EXPECT_DOUBLE_EQ(u.positions.At(4).Pilot.BVMultiplier, SkillMultiplier(0, 7));
  EXPECT_EQ(u.Totals().second, 1155 + 623 + FinalBattleValue(1102, 0, 7));
}

TEST(RosterPositions, AnOmniPositionFollowsItsConfiguration) {
  TUnit u;
  ASSERT_TRUE(u.positions.Load(1, Sample("vashti-prime.TFC"), 2).Ok());
  EXPECT_EQ(u.positions.At(1).Configuration, 2);
  EXPECT_EQ(u.positions.BattleValue(1), 1029);
  ASSERT_TRUE(u.positions.SetConfiguration(1, 1));
  EXPECT_EQ(u.positions.BattleValue(1), 1165);
  EXPECT_EQ(u.Totals().second, 1165);
  ASSERT_TRUE(u.positions.SetConfiguration(1, 0));
  EXPECT_EQ(u.positions.BattleValue(1), 472);
  EXPECT_FALSE(u.positions.SetConfiguration(1, 28));
  EXPECT_EQ(u.positions.At(1).Configuration, 0);

  // A design without the Omni option has its one configuration.
  ASSERT_TRUE(u.positions.Load(2, Sample("brennock-bk1.TFI"), 3).Ok());
  EXPECT_EQ(u.positions.At(2).Configuration, 0);
  EXPECT_FALSE(u.positions.SetConfiguration(2, 1));
  EXPECT_FALSE(u.positions.SetConfiguration(3, 1)) << "an empty position";

  EXPECT_EQ(RosterRowName("Vashti Prime", true, 0), "Vashti Prime Default Configuration");
  EXPECT_EQ(RosterRowName("Vashti Prime", true, 1), "Vashti Prime Primary Configuration");
  EXPECT_EQ(RosterRowName("Vashti Prime", true, 2), "Vashti Prime Alt. A Configuration");
  EXPECT_EQ(RosterRowName("Vashti Prime", true, 27), "Vashti Prime Alt. Z Configuration");
  EXPECT_EQ(RosterRowName("Brennock BK-1", false, 0), "Brennock BK-1");
}

class RosterPositionsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tfd-positions-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir / "designs");
    for (const char* f : {"vashti-prime.TFC", "torvek-tk4q.TFI", "skarn-prime.txt"})
      fs::copy_file(Sample(f), dir / "designs" / f);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(RosterPositionsOnDisk, ASavedRosterReopensWithTheSameRowsAndTotals) {
  TUnit a;
  a.roster.Organization = 34;
  a.roster.Designation = "Vanguard Trinary";
  ASSERT_TRUE(a.positions.Load(1, Path("designs/vashti-prime.TFC"), 3).Ok());
  ASSERT_TRUE(a.positions.Load(7, Path("designs/torvek-tk4q.TFI")).Ok());
  ASSERT_TRUE(a.positions.Load(15, Sample("brennock-bk1.TFI")).Ok());  // outside the roster's folder
  a.positions.SetSkills(7, 3, 2);
  a.positions.SetPilotName(7, "Kell Arden");
  a.positions.SetPilotName(9, "Spare pilot");  // a pilot waiting for a design
  const TRosterFileData data = a.positions.ToFileData(Path("unit.tfr"));
  ASSERT_EQ(data.Positions.size(), 4u);
  EXPECT_EQ(data.Positions[0].DesignPath, "designs/vashti-prime.TFC");
  EXPECT_EQ(data.Positions[2].DesignPath, "");
  EXPECT_EQ(data.Positions[3].DesignPath, fs::path(Sample("brennock-bk1.TFI")).lexically_normal().string());
  ASSERT_EQ(WriteRosterFile(Path("unit.tfr"), data), "");

  // The roster and its designs move to another folder together.
  fs::rename(dir / "designs", dir / "moved-designs");
  fs::create_directories(dir / "moved");
  fs::rename(dir / "moved-designs", dir / "moved" / "designs");
  fs::rename(Path("unit.tfr"), dir / "moved" / "unit.tfr");

  TUnit b;
  ASSERT_TRUE(b.positions.Load(3, Sample("brennock-bk1.TFI")).Ok());  // replaced by the opened roster
  const std::string moved = (dir / "moved" / "unit.tfr").string();
  const TRosterReadResult r = ReadRosterFile(moved);
  ASSERT_TRUE(r.Ok()) << r.Message;
  const TRosterOpenReport report = b.positions.FromFileData(r.Data, moved);
  EXPECT_TRUE(report.Missing.empty());
  EXPECT_TRUE(report.Unreadable.empty());
  EXPECT_EQ(b.roster.Organization, 34);
  EXPECT_EQ(b.roster.Designation, "Vanguard Trinary");
  EXPECT_FALSE(b.positions.At(3).Filled());
  for (int p = 1; p <= kRosterPositions; ++p) {
    EXPECT_EQ(b.positions.At(p).DesignName, a.positions.At(p).DesignName) << p;
    EXPECT_EQ(b.positions.At(p).Configuration, a.positions.At(p).Configuration) << p;
    EXPECT_EQ(b.positions.BattleValue(p), a.positions.BattleValue(p)) << p;
    EXPECT_EQ(b.positions.At(p).Pilot.Name, a.positions.At(p).Pilot.Name) << p;
  }
  EXPECT_EQ(b.positions.At(1).Configuration, 3);
  EXPECT_EQ(b.Totals(), a.Totals());
}

TEST_F(RosterPositionsOnDisk, AMissingDesignKeepsItsPositionAndIsSavedAgainUnchanged) {
  TUnit a;
  ASSERT_TRUE(a.positions.Load(1, Path("designs/skarn-prime.txt"), 1).Ok());
  ASSERT_TRUE(a.positions.Load(2, Path("designs/torvek-tk4q.TFI")).Ok());
  a.positions.SetPilotName(1, "Orla Venn");
  ASSERT_EQ(WriteRosterFile(Path("unit.tfr"), a.positions.ToFileData(Path("unit.tfr"))), "");
  fs::remove(dir / "designs" / "skarn-prime.txt");

  TUnit b;
  const TRosterOpenReport report =
      b.positions.FromFileData(ReadRosterFile(Path("unit.tfr")).Data, Path("unit.tfr"));
  ASSERT_EQ(report.Missing.size(), 1u);
  EXPECT_NE(report.Missing[0].find("skarn-prime.txt"), std::string::npos);
  const TRosterPosition& kept = b.positions.At(1);
  EXPECT_TRUE(kept.Missing());
  EXPECT_EQ(kept.DesignName, "Skarn Prime");
  EXPECT_EQ(kept.Pilot.Name, "Orla Venn");
  EXPECT_EQ(b.positions.BattleValue(1), 0);
  EXPECT_EQ(b.Totals().second, a.positions.BattleValue(2));

  // Saved again, the missing design is still named, so restoring the file restores the position.
  const TRosterFileData again = b.positions.ToFileData(Path("unit.tfr"));
  ASSERT_EQ(again.Positions.size(), 2u);
  EXPECT_EQ(again.Positions[0].DesignPath, "designs/skarn-prime.txt");
  EXPECT_EQ(again.Positions[0].Configuration, 1);

  // A file that is there but no design is reported with the reader's reason.
  {
    std::ofstream bad(dir / "designs" / "skarn-prime.txt");
    bad << "not a readout";
  }
  TUnit c;
  const TRosterOpenReport report2 = c.positions.FromFileData(again, Path("unit.tfr"));
  EXPECT_TRUE(report2.Missing.empty());
  EXPECT_EQ(report2.Unreadable.size(), 1u);
}

}  // namespace
}  // namespace tfd
