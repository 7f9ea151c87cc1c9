#include "equipment/ColorSchemes.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "db/SqliteDatabase.h"
#include "equipment/DataPaths.h"
#include "equipment/Database.h"

namespace tfd {
namespace {

namespace fs = std::filesystem;

// Points XDG_DATA_HOME at a fresh folder for one test.
class UserFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tfd-colors-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    const char* old = std::getenv("XDG_DATA_HOME");
    saved_ = old ? old : "";
    hadOld_ = old != nullptr;
    ::setenv("XDG_DATA_HOME", root_.c_str(), 1);
  }
  void TearDown() override {
    if (hadOld_)
      ::setenv("XDG_DATA_HOME", saved_.c_str(), 1);
    else
      ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(root_);
  }
  static TColorSchemeStore Open() {
    return TColorSchemeStore::OpenUserStore(
        [](const std::string& path) { return OpenSqliteDatabase(path, EOpenMode::Create); });
  }
  fs::path root_;
  std::string saved_;
  bool hadOld_ = false;
};

TColorSet Set(std::uint32_t first) {
  TColorSet s{};
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = first + static_cast<std::uint32_t>(i);
  return s;
}

TEST_F(UserFolder, SchemesAreStoredFoundEditedAndDeletedByExactName) {
  auto store = Open();
  ASSERT_TRUE(store.Available()) << store.Error();
  EXPECT_TRUE(fs::exists(root_ / "titanframe-designer" / kUserDatabaseFileName));
  EXPECT_TRUE(store.Names().empty());

  store.Store("New1", Set(1));
  store.Store("Dusk", Set(0x80000005u));  // a system colour survives the round trip
  store.Store("New1", Set(100));          // edits the row, no second one
  EXPECT_EQ(store.Names(), (std::vector<std::string>{"New1", "Dusk"}));
  EXPECT_EQ(store.Find("New1"), Set(100));
  EXPECT_EQ(store.Find("Dusk"), Set(0x80000005u));
  EXPECT_EQ(store.Find("new1"), std::nullopt) << "names are found with their case";
  EXPECT_EQ(store.Choose("new1"), StandardColorSet());

  store.Store("new1", Set(7));
  EXPECT_EQ(store.Names().size(), 3u) << "another case is another scheme";

  store.Delete("New1");
  store.Delete("Nothing");
  EXPECT_EQ(store.Names(), (std::vector<std::string>{"Dusk", "new1"}));

  // The schemes outlive the store.
  auto again = Open();
  EXPECT_EQ(again.Find("Dusk"), Set(0x80000005u));
}

TEST_F(UserFolder, BuiltInSchemesAreNeverStoredAndAlwaysChosen) {
  auto store = Open();
  store.Store(kStandardSchemeName, Set(1));
  store.Store(kWindows95SchemeName, Set(1));
  EXPECT_TRUE(store.Names().empty());
  EXPECT_EQ(store.Choose(kWindows95SchemeName), Windows95ColorSet());
  store.Delete(kStandardSchemeName);
  EXPECT_EQ(store.Choose(kStandardSchemeName), StandardColorSet());
}

TEST_F(UserFolder, AStoreThatCannotBeOpenedReportsWhyAndKeepsTheBuiltInSchemes) {
  // The data folder is a file: nothing can be created under it.
  ::setenv("XDG_DATA_HOME", (root_ / "blocked").c_str(), 1);
  std::ofstream(root_ / "blocked") << "x";
  auto store = Open();
  EXPECT_FALSE(store.Available());
  EXPECT_FALSE(store.Error().empty());
  EXPECT_TRUE(store.Names().empty());
  EXPECT_EQ(store.Choose(kWindows95SchemeName), Windows95ColorSet());
  EXPECT_EQ(store.Choose("Dusk"), StandardColorSet());
  EXPECT_THROW(store.Store("Dusk", Set(1)), TDatabaseError);

  // A table of another shape.
  auto odd = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  odd->Execute("CREATE TABLE Colors (Name TEXT, TextF INTEGER)");
  TColorSchemeStore shapeless(std::move(odd));
  EXPECT_FALSE(shapeless.Available());
  EXPECT_NE(shapeless.Error().find("EditF"), std::string::npos) << shapeless.Error();

  // An engine that refuses gives its own text.
  ::setenv("XDG_DATA_HOME", root_.c_str(), 1);
  auto refused = TColorSchemeStore::OpenUserStore(
      [](const std::string&) -> std::unique_ptr<IDatabase> { throw TDatabaseError("disk I/O error"); });
  EXPECT_EQ(refused.Error(), "disk I/O error");
}

TEST(ColorSchemes, NewNamesSkipTakenOnesWithoutRegardToCase) {
  EXPECT_EQ(NextNewSchemeName({}), "New1");
  EXPECT_EQ(NextNewSchemeName({"New1", "New2"}), "New3");
  EXPECT_EQ(NextNewSchemeName({"New2"}), "New1");
  EXPECT_EQ(NextNewSchemeName({"NEW1", kStandardSchemeName}), "New2");
}

}  // namespace
}  // namespace tfd

namespace tfd {
namespace {

TEST(ColorSchemes, ErrorLightTrackBarRunsAgainstTheSpeed) {
  // Fastest at the right end, standing still at the left.
  EXPECT_EQ(ErrorLightSpeed(50), 1);
  EXPECT_EQ(ErrorLightSpeed(1), 50);
  EXPECT_EQ(ErrorLightSpeed(0), 0);
  EXPECT_EQ(ErrorLightPosition(kDefaultErrorLightSpeed), 26);
  EXPECT_EQ(ErrorLightPosition(0), 0);
  for (int position = 0; position <= 50; ++position)
    EXPECT_EQ(ErrorLightPosition(ErrorLightSpeed(position)), position);
  // Out of range values are held at the ends.
  EXPECT_EQ(ErrorLightSpeed(99), 1);
  EXPECT_EQ(ErrorLightPosition(-3), 0);
}

TEST(ColorSchemes, StartUpSetPairsBlackTextWithTheButtonFace) {
  const TColorSet& s = StartupColorSet();
  EXPECT_EQ(s[0], 0u);
  EXPECT_EQ(s[2], kSystemColor + 15);
  EXPECT_EQ(s[3], kSystemColor + 15);
  // The gauge and graph colours are those of the built-in standard.
  for (std::size_t i = 4; i < s.size(); ++i) EXPECT_EQ(s[i], StandardColorSet()[i]) << i;
}

}  // namespace
}  // namespace tfd
