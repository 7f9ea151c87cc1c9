#include <gtest/gtest.h>

#include <filesystem>

#include "FilesKit.h"
#include "files/HtmlSettings.h"
#include "files/ReadError.h"

namespace tfd {
namespace {

TEST(LoadDesign, ReaderFollowsTheExtensionWithoutRegardToCase) {
  EXPECT_EQ(FileKindOf("a.txt"), EFileKind::TextReadout);
  EXPECT_EQ(FileKindOf("/x/A.TXT"), EFileKind::TextReadout);
  EXPECT_EQ(FileKindOf("a.HTML"), EFileKind::HtmlReadout);
  EXPECT_EQ(FileKindOf("a.htm"), EFileKind::HtmlReadout);
  EXPECT_EQ(FileKindOf("a.TFC"), EFileKind::DesignFile);
  EXPECT_EQ(FileKindOf("noextension"), EFileKind::DesignFile);
  EXPECT_EQ(FileKindOf("dir.txt/design"), EFileKind::DesignFile);
  EXPECT_EQ(FileKindOf("a.html.bak"), EFileKind::DesignFile);
}

TEST(LoadDesign, WrongVersionLeavesAResetUnnamedDesign) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("hollow-warden-hw3.txt").Ok());
  std::string bytes = kit::Write(kit::TFileDesign{}, 2310);
  const TLoadResult r = l.Load("old.TFI", bytes);
  EXPECT_EQ(r.Status, ELoadStatus::WrongVersion);
  EXPECT_EQ(r.Message, "Cannot Open File\rWrong Version");
  EXPECT_TRUE(l.design.Texts[txtFilePath].empty());
  EXPECT_EQ(l.design.Tonnage, 20);
  EXPECT_TRUE(l.design.Configs[0]->Items.Empty());
  EXPECT_TRUE(l.design.Brands->Empty());
  EXPECT_TRUE(l.design.Armament.empty());
}

TEST(LoadDesign, ALoadReplacesEverythingOfThePreviousDesign) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("skarn-prime.txt").Ok());
  ASSERT_TRUE(l.Load("plain.TFI", kit::Write(kit::TFileDesign{})).Ok());
  EXPECT_FALSE(l.design.IsOmni());
  EXPECT_FALSE(l.design.MixedTech);
  for (const auto& c : l.design.Configs) EXPECT_TRUE(c->Items.Empty());
  EXPECT_EQ(l.design.Texts[txtFilePath], "plain.TFI");
  EXPECT_EQ(l.design.Texts[txtModel], "Brennock BK-1");
}

TEST(LoadDesign, FilesOnDiskAndMissingFiles) {
  kit::TLoader l;
  const std::string sample = std::string(TFD_TEST_DATA) + "/hollow-warden-hw3.html";
  TLoadResult r = LoadDesign(l.design, sample, l.context);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(l.design.Texts[txtFilePath], sample);
  r = LoadDesign(l.design, std::string(TFD_TEST_DATA) + "/no-such-design.TFI", l.context);
  EXPECT_EQ(r.Status, ELoadStatus::Failed);
  EXPECT_FALSE(r.Message.empty());
  EXPECT_TRUE(l.design.Texts[txtModel].empty());
  r = LoadDesign(l.design, TFD_TEST_DATA, l.context);  // a folder
  EXPECT_EQ(r.Status, ELoadStatus::Failed);
}

TEST(LoadDesign, EverySampleLoads) {
  for (const auto& entry : std::filesystem::directory_iterator(TFD_TEST_DATA)) {
    if (entry.path().extension() == ".py") continue;  // the generator of the binary samples
    kit::TLoader l;
    const TLoadResult r = LoadDesign(l.design, entry.path().string(), l.context);
    EXPECT_TRUE(r.Ok()) << entry.path() << ": " << r.Message;
    EXPECT_FALSE(l.design.Texts[txtModel].empty()) << entry.path();
    kit::ExpectReleaseLeavesNothing(l.design);
  }
}

TEST(HtmlSettings, ChannelsStepsAndComplement) {
  EXPECT_EQ(ColorChannels("C0C0C0", {0, 0, 0}), (std::array<int, 3>{192, 192, 192}));
  EXPECT_EQ(ColorChannels("", {0, 0, 0}), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(ColorChannels("12345G", {255, 255, 255}), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(ColorText({255, 0, 300}), "FF00FF");
  EXPECT_EQ(ComplementColor("C0C0C0"), "3F3F3F");
  EXPECT_EQ(ComplementColor("FFzF"), "0000");
  EXPECT_EQ(ChannelStepUp(240), 255);
  EXPECT_EQ(ChannelStepUp(300), 255);
  EXPECT_EQ(ChannelStepUp(0), 16);
  EXPECT_EQ(ChannelStepDown(255), 240);
  EXPECT_EQ(ChannelStepDown(8), 0);
  EXPECT_EQ(ChannelStepDown(-4), 0);
  EXPECT_EQ(ChannelStepDown(32), 16);
}

}  // namespace
}  // namespace tfd
