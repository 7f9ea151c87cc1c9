#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <fstream>

#include "FilesKit.h"
#include "files/LoadLimits.h"

namespace tfd {
namespace {

using kit::Line;

const std::vector<std::string> kOmniNames = {"Primary Configuration",     "Alternate Configuration A",
                                             "Alternate Configuration B", "Alternate Configuration C",
                                             "Alternate Configuration D", "Alternate Configuration E",
                                             "Alternate Configuration F"};

// A text readout of `n` configuration sections of one item each, the names
// taken in turn, so that each configuration is named again and again.
std::string RepeatedSections(int n) {
  const std::string laser = Line("Medium Laser", "RA", "1 3 1.00");
  std::string s = kit::Readout("Inner Sphere Level 2", "10", 8, 12, {laser}, kOmniNames[0]);
  for (int i = 1; i < n; ++i) s += kit::Section(kOmniNames[static_cast<std::size_t>(i) % 7], {laser});
  return s;
}

// The same as an HTML page: `n` captioned tables of one row each.
std::string RepeatedTables(int n) {
  static const char* kCaptions[] = {"Prime", "A", "B", "C", "D", "E", "F"};
  std::vector<std::string> lines = kit::Chassis("8", "12");
  for (int i = 0; i < n; ++i) {
    lines.push_back("<TABLE>");
    lines.push_back(std::string("<!-- ") + kCaptions[i % 7] + " -->");
    lines.push_back("<TR><TH>heading</TH></TR>");
    lines.push_back(kit::Row({"Medium Laser", " ", "RA", "1", "3", "1.0"}));
    lines.push_back("<!-- RA 0008 0009 0066 0000 0000 0000 0000 0000 0000 0000 0000 0000 -->");
    lines.push_back("</TABLE>");
  }
  return kit::Page("<BODY>", "0907", lines);
}

// Processor time of the quickest of three loads.
double LoadSeconds(const std::string& name, const std::string& bytes) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    kit::TLoader l;
    const std::clock_t start = std::clock();
    const TLoadResult r = l.Load(name, bytes);
    const std::clock_t end = std::clock();
    EXPECT_TRUE(r.Ok()) << r.Message;
    best = std::min(best, static_cast<double>(end - start) / CLOCKS_PER_SEC);
  }
  return std::max(best, 1e-6);
}

TEST(ReaderLimits, LoadTimeGrowsWithTheFileNotItsSquare) {
  // Sixteen times the sections may take about sixteen times as long; laying
  // every configuration again after each section took 256 times as long.
  constexpr int kSections = 250;
  const double text = LoadSeconds("r.txt", RepeatedSections(16 * kSections)) /
                      LoadSeconds("r.txt", RepeatedSections(kSections));
  const double html =
      LoadSeconds("r.htm", RepeatedTables(16 * kSections)) / LoadSeconds("r.htm", RepeatedTables(kSections));
  EXPECT_LT(text, 48.0);
  EXPECT_LT(html, 48.0);
  // Every section's item is there, each placed once.
  kit::TLoader l;
  ASSERT_TRUE(l.Load("r.txt", RepeatedSections(70)).Ok());
  for (int k = 1; k < 8; ++k) EXPECT_EQ(l.design.Configs[static_cast<std::size_t>(k)]->Items.Size(), 10) << k;
  EXPECT_EQ(kit::ReferencedSlots(*l.design.Configs[1]), 10);  // the arm's free slots, no more
  kit::ExpectReleaseLeavesNothing(l.design);
}

std::string Repeat(const std::string& unit, std::size_t n) {
  std::string s;
  s.reserve(unit.size() * n);
  for (std::size_t i = 0; i < n; ++i) s += unit;
  return s;
}

std::string WithOverview(long lines, const std::string& line) {
  std::string r = kit::Readout("Inner Sphere Level 2", "10", 8, 12, {});
  const std::string from = "Overview: 0\n";
  r.replace(r.find(from), from.size(),
            "Overview: " + std::to_string(lines) + "\n" +
                Repeat(line + "\n", static_cast<std::size_t>(std::min(lines, 2000L))));
  return r;
}

std::string HtmlWithOverview(long lines) {
  std::vector<std::string> page = kit::Chassis("8", "12");
  page.insert(page.begin() + 2,
              {kit::Row({"Overview:", ""}), "<!-- " + std::to_string(lines) + " -->", "<TR><TD>"});
  for (long i = 0; i < std::min(lines, 2000L); ++i) page.insert(page.begin() + 5, "A line.");
  return kit::Page("<BODY>", "0907", page);
}

std::string DesignFileWith(std::vector<std::string> overview, std::string type = "T") {
  kit::TFileDesign d;
  d.overview = std::move(overview);
  d.texts[0] = std::move(type);
  return kit::Write(d);
}

struct TRefusal {
  std::string name;
  std::string bytes;
  std::string message;
};

std::vector<TRefusal> FilesJustPastTheLimits() {
  return {
      {"es.txt", kit::Readout("Inner Sphere Level 2", "10", 8, 12, {"*ES:" + Repeat(" CT1", 1001)}),
       TooManyItemsMessage()},
      {"items.txt",
       kit::Readout("Inner Sphere Level 2", "10", 8, 12,
                    std::vector<std::string>(1001, Line("Medium Laser", "RA", "1 3 1.00"))),
       TooManyItemsMessage()},
      {"overview.txt", WithOverview(1001, ""), ListTooLongMessage()},
      {"chassis.txt",
       [] {
         std::string r = kit::Readout("Inner Sphere Level 2", "10", 8, 12, {});
         return r.replace(r.find("Chassis: C"), 10, "Chassis: " + std::string(kMaxTextChars + 1, 'x'));
       }(),
       TextTooLongMessage()},
      {"es.htm",
       [] {
         auto page = kit::Chassis("8", "12");
         for (const std::string& l :
              {std::string("<TABLE>"), std::string("<!-- Fixed -->"), std::string("<TR></TR>"),
               "<!-- ES:" + Repeat(" CT1", 1001) + " -->", std::string("</TABLE>")})
           page.push_back(l);
         return kit::Page("<BODY>", "0907", page);
       }(),
       TooManyItemsMessage()},
      {"overview.html", HtmlWithOverview(1001), ListTooLongMessage()},
      {"overview.TFI", DesignFileWith(std::vector<std::string>(1001, "")), ListTooLongMessage()},
      {"type.TFI", DesignFileWith({}, std::string(kMaxTextChars + 1, 'x')), TextTooLongMessage()},
      {"big.txt", std::string(kMaxFileBytes + 1, '\n'), FileTooLargeMessage()},
  };
}

TEST(ReaderLimits, AFilePastALimitIsRefusedAndLeavesANewDesign) {
  for (const TRefusal& f : FilesJustPastTheLimits()) {
    kit::TLoader l;
    ASSERT_TRUE(l.LoadSample("skarn-prime.txt").Ok());
    const TLoadResult r = l.Load(f.name, f.bytes);
    EXPECT_EQ(r.Status, ELoadStatus::Failed) << f.name;
    EXPECT_EQ(r.Message, f.message) << f.name;
    EXPECT_EQ(l.design.Tonnage, 20) << f.name;
    EXPECT_FALSE(l.design.IsOmni()) << f.name;
    for (const auto& c : l.design.Configs) EXPECT_TRUE(c->Items.Empty()) << f.name;
    EXPECT_TRUE(l.design.Overview.empty()) << f.name;
  }
  // At the limits themselves everything loads.
  kit::TLoader l;
  ASSERT_TRUE(
      l.Load("es.txt", kit::Readout("Inner Sphere Level 2", "10", 8, 12, {"*ES:" + Repeat(" CT1", 1000)}))
          .Ok());
  EXPECT_EQ(l.design.Configs[0]->Items.Size(), kMaxItemsPerConfiguration);
  ASSERT_TRUE(l.Load("o.txt", WithOverview(1000, std::string(kMaxTextChars, 'o'))).Ok());
  EXPECT_EQ(l.design.Overview.size(), 1000u);
  ASSERT_TRUE(l.Load("o.html", HtmlWithOverview(1000)).Ok());
  EXPECT_EQ(l.design.Overview.size(), 1000u);
}

TEST(ReaderLimits, AFileOnDiskPastTheSizeLimitIsNotReadWhole) {
  const std::string path = ::testing::TempDir() + "tfd-big-readout.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string(kMaxFileBytes + 1, ' ');
  }
  kit::TLoader l;
  const TLoadResult r = LoadDesign(l.design, path, l.context);
  EXPECT_EQ(r.Status, ELoadStatus::Failed);
  EXPECT_EQ(r.Message, FileTooLargeMessage());
  std::remove(path.c_str());
}

#if defined(__SANITIZE_ADDRESS__)
#define TFD_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TFD_UNDER_ASAN 1
#endif
#endif

#ifndef TFD_UNDER_ASAN
// Runs a load in a child process whose address space may grow by `headroom`
// bytes at most; true when the load ends with `message`. A load that aborts
// (an exception left it) or needs more memory than that is false.
bool LoadsWithinMemory(const std::string& name, const std::string& bytes, std::size_t headroom,
                       const std::string& message) {
  kit::Lists();  // loaded before the limit
  const pid_t child = fork();
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t now = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    const rlimit limit{now + headroom, now + headroom};
    setrlimit(RLIMIT_AS, &limit);
    kit::TLoader l;
    const TLoadResult r = l.Load(name, bytes);
    _exit(r.Status == ELoadStatus::Failed && r.Message == message ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(ReaderLimits, HostileFilesAreRefusedWithinBoundedMemory) {
  // 15 MB of slot-group tokens or of empty overview lines: each once took
  // more than a gigabyte and ended the process.
  constexpr std::size_t kHeadroom = std::size_t{128} << 20;
  const std::size_t tokens = (std::size_t{15} << 20) / 4;
  EXPECT_TRUE(LoadsWithinMemory(
      "es.txt", kit::Readout("Inner Sphere Level 2", "10", 8, 12, {"*ES:" + Repeat(" CT1", tokens)}),
      kHeadroom, TooManyItemsMessage()));
  std::string lines = kit::Readout("Inner Sphere Level 2", "10", 8, 12, {});
  lines.replace(lines.find("Overview: 0\n"), 12,
                "Overview: 2000000000\n" + std::string(std::size_t{15} << 20, '\n'));
  EXPECT_TRUE(LoadsWithinMemory("o.txt", lines, kHeadroom, ListTooLongMessage()));
}
#endif

}  // namespace
}  // namespace tfd
