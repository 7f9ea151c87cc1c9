#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/AtomicWrite.h"

namespace tfd {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tfd-atomic-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // Names in the folder besides `keep`: temporary files left behind.
  int Leftovers(const std::string& keep) const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder_))
      if (e.path().filename() != keep) ++n;
    return n;
  }

  fs::path folder_;
};

TEST_F(AtomicWrite, CreatesAndReplacesKeepingThePermissionsOfTheOldFile) {
  const std::string target = Path("design.TFC");
  ASSERT_TRUE(WriteFileAtomically(target, "first").Ok);
  EXPECT_EQ(Contents(target), "first");
  ::chmod(target.c_str(), 0640);
  const TWriteResult r = WriteFileAtomically(target, std::string(100000, 'x'));
  ASSERT_TRUE(r.Ok) << r.Message;
  EXPECT_EQ(Contents(target), std::string(100000, 'x'));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Leftovers("design.TFC"), 0);
}

TEST_F(AtomicWrite, FailuresLeaveTheOldFileAndNoTemporaryFileAndSayWhy) {
  // A target that is a folder.
  fs::create_directories(folder_ / "sub.TFC");
  TWriteResult r = WriteFileAtomically(Path("sub.TFC"), "x");
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Message.find("folder"), std::string::npos) << r.Message;
  EXPECT_TRUE(fs::is_directory(folder_ / "sub.TFC"));

  // A folder that is not there (any more).
  r = WriteFileAtomically(Path("gone/design.TFC"), "x");
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Message.find("No such file or directory"), std::string::npos) << r.Message;
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
  EXPECT_EQ(Leftovers("sub.TFC"), 0);

  // No file name at all.
  EXPECT_FALSE(WriteFileAtomically("", "x").Ok);
}

TEST_F(AtomicWrite, ReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) {
    // Permissions do not bind the superuser; a folder of the kernel's takes no files.
    const TWriteResult r = WriteFileAtomically("/proc/design.TFC", "new");
    EXPECT_FALSE(r.Ok);
    EXPECT_NE(r.Message.find("cannot create a file in its folder"), std::string::npos) << r.Message;
    return;
  }
  const std::string target = Path("design.TFC");
  Put(target, "old");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  const TWriteResult r = WriteFileAtomically(target, "new");
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Message.find("Permission denied"), std::string::npos) << r.Message;
  EXPECT_EQ(Contents(target), "old");
  EXPECT_EQ(Leftovers("design.TFC"), 0);
}

TEST_F(AtomicWrite, FullDiskKeepsTheOldFileAndRemovesTheTemporaryOne) {
  // A file-size limit makes every write beyond it fail as a full disk would.
  const std::string target = Path("design.TFC");
  Put(target, "old contents");
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const TWriteResult r = WriteFileAtomically(target, std::string(100000, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Message.find("cannot write"), std::string::npos) << r.Message;
  EXPECT_EQ(Contents(target), "old contents");
  EXPECT_EQ(Leftovers("design.TFC"), 0);
}

}  // namespace
}  // namespace tfd
