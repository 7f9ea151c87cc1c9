#include <gtest/gtest.h>

#include "FilesKit.h"
#include "RandomDesigns.h"
#include "files/TextReadoutWriter.h"

namespace tfd {
namespace {

// What a readout keeps: construction values and items, not slot positions
// (the reader places the items afresh) nor what the layout has no place for.
constexpr kit::TCompareOptions kReadout{.Texts = true, .Slots = false, .ExactChassis = false, .Configs = 8};

TEST(TextReadoutWriter, SamplesLoadBackToTheSameConstructionValuesAndItems) {
  for (const char* name : {"hollow-warden-hw3.txt", "skarn-prime.txt", "quillon-qn2.txt", "brennock-bk1.TFI",
                           "vashti-prime.TFC"}) {
    kit::TLoader first, second;
    ASSERT_TRUE(first.LoadSample(name).Ok()) << name;
    const std::string text = WriteTextReadout(first.design, kit::Lists());
    const TLoadResult r = second.Load("copy.txt", text);
    ASSERT_TRUE(r.Ok()) << name << ": " << r.Message;
    kit::ExpectSameDesign(first.design, second.design, name, kReadout);
    EXPECT_EQ(WriteTextReadout(second.design, kit::Lists()), text) << name;
  }
}

TEST(TextReadoutWriter, RandomDesignsLoadBackToTheSameConstructionValuesAndItems) {
  kit::TRandomDesigns random(16);
  for (int i = 0; i < 1000; ++i) {
    kit::TLoader original, loaded;
    random.Fill(original.design, false, true);
    const std::string text = WriteTextReadout(original.design, kit::Lists());
    const TLoadResult r = loaded.Load("random.txt", text);
    ASSERT_TRUE(r.Ok()) << i << ": " << r.Message;
    kit::ExpectSameDesign(original.design, loaded.design, "design " + std::to_string(i), kReadout);
    if (HasFailure()) {
      ADD_FAILURE() << text;
      break;
    }
  }
}

TEST(TextReadoutWriter, TextsBecomeSingleLinesOfTheCodePage) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("hollow-warden-hw3.txt").Ok());
  l.design.Texts[txtChassis] = "Two\r\nlines \xc3\xa9";
  l.design.Overview = {"Caf\xc3\xa9 \xe6\xb5\x8b"};
  const std::string text = WriteTextReadout(l.design, kit::Lists());
  EXPECT_NE(text.find("Chassis: Two  lines \xe9\r\n"), std::string::npos);
  EXPECT_NE(text.find("    Caf\xe9 ?\r\n"), std::string::npos);
  kit::TLoader back;
  ASSERT_TRUE(back.Load("x.txt", text).Ok());
  EXPECT_EQ(back.design.Texts[txtChassis], "Two  lines \xc3\xa9");
  EXPECT_EQ(back.design.Overview, std::vector<std::string>{"Caf\xc3\xa9 ?"});
  EXPECT_EQ(TextReadout(l.design, kit::Lists()).find('\r'), std::string::npos);
}

TEST(TextReadoutWriter, OneConfigurationOfAnOmniDesignComesAfterTheFixedOne) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("vashti-prime.TFC").Ok());
  const std::string text = TextReadout(l.design, kit::Lists(), 2);
  EXPECT_NE(text.find("Fixed Configuration\n"), std::string::npos);
  EXPECT_NE(text.find("Alternate Configuration A\n"), std::string::npos);
  EXPECT_EQ(text.find("Primary Configuration"), std::string::npos);
}

}  // namespace
}  // namespace tfd
