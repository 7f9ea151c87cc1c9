#include "equipment/DataPaths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "equipment/Database.h"

namespace tfd {
namespace {

namespace fs = std::filesystem;

class DatabaseSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tfd-paths-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin" / "data");
    fs::create_directories(root_ / "share" / "titanframe-designer");
    fs::create_directories(root_ / "installed");
    search_.executableDir = root_ / "bin";
    search_.installedDir = root_ / "installed";
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path Touch(const fs::path& p) {
    std::ofstream(p) << "x";
    return p;
  }
  fs::path root_;
  TDatabaseSearch search_;
};

TEST_F(DatabaseSearch, TheNamedPathThenTheEnvironmentThenBesideTheProgramThenTheInstallation) {
  const fs::path installed = Touch(root_ / "installed" / kDatabaseFileName);
  EXPECT_EQ(FindDatabase(search_), installed);
  const fs::path relocated = Touch(root_ / "share" / "titanframe-designer" / kDatabaseFileName);
  EXPECT_EQ(FindDatabase(search_), relocated);
  const fs::path beside = Touch(root_ / "bin" / "data" / kDatabaseFileName);
  EXPECT_EQ(FindDatabase(search_), beside);
  search_.environment = (root_ / "env.sqlite").string();
  EXPECT_EQ(FindDatabase(search_), root_ / "env.sqlite") << "taken even though it does not exist";
  search_.explicitPath = root_.string();
  EXPECT_EQ(FindDatabase(search_), root_ / kDatabaseFileName) << "a folder names the database in it";
}

TEST_F(DatabaseSearch, NothingFoundNamesEveryPlaceLookedAt) {
  try {
    FindDatabase(search_);
    FAIL() << "found a database in an empty tree";
  } catch (const TDatabaseError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find((root_ / "bin" / "data").string()), std::string::npos) << what;
    EXPECT_NE(what.find((root_ / "installed").string()), std::string::npos) << what;
  }
}

TEST(UserData, FollowsXdgDataHomeOrTheHomeFolder) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_DATA_HOME", "/somewhere/data", 1);
  EXPECT_EQ(UserDataFolder(), fs::path("/somewhere/data/titanframe-designer"));
  ::setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
  EXPECT_EQ(UserDataFolder().filename(), "titanframe-designer");
  EXPECT_NE(UserDataFolder().string().find(".local/share"), std::string::npos);
  if (old)
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else
    ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace tfd
