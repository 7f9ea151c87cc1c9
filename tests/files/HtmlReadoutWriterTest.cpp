#include <gtest/gtest.h>

#include "FilesKit.h"
#include "RandomDesigns.h"
#include "files/HtmlReadoutWriter.h"
#include "files/HtmlSettings.h"

namespace tfd {
namespace {

constexpr kit::TCompareOptions kReadout{.Texts = true, .Slots = false, .ExactChassis = false, .Configs = 8};

TEST(HtmlReadoutWriter, SamplesLoadBackToTheSameConstructionValuesAndItems) {
  for (const char* name : {"hollow-warden-hw3.html", "hollow-warden-hw3.txt", "skarn-prime.txt",
                           "brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC", "quillon-qn2.txt"}) {
    kit::TLoader first, second;
    ASSERT_TRUE(first.LoadSample(name).Ok()) << name;
    const THtmlPage page{&first.html, "", ""};
    const std::string html = WriteHtmlReadout(first.design, kit::Lists(), page);
    const TLoadResult r = second.Load("copy.html", html);
    ASSERT_TRUE(r.Ok()) << name << ": " << r.Message;
    // A Clan page carries no source.
    if (first.design.RulesLevel == rlClan2) second.design.Source = first.design.Source;
    kit::ExpectSameDesign(first.design, second.design, name, kReadout);
  }
}

TEST(HtmlReadoutWriter, RandomDesignsLoadBackToTheSameConstructionValuesAndItems) {
  kit::TRandomDesigns random(17);
  for (int i = 0; i < 1000; ++i) {
    kit::TLoader original, loaded;
    random.Fill(original.design, false, true);
    const std::string html = WriteHtmlReadout(original.design, kit::Lists(), {});
    const TLoadResult r = loaded.Load("random.htm", html);
    ASSERT_TRUE(r.Ok()) << i << ": " << r.Message;
    if (original.design.RulesLevel == rlClan2) loaded.design.Source = original.design.Source;
    kit::ExpectSameDesign(original.design, loaded.design, "design " + std::to_string(i), kReadout);
    if (HasFailure()) {
      ADD_FAILURE() << html;
      break;
    }
  }
}

TEST(HtmlReadoutWriter, PageTakesTheSettingsAndTheReaderGivesThemBack) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("brennock-bk1.TFI").Ok());
  THtmlSettings settings;
  settings.TextColor = "C0C0C0";
  settings.BackgroundColor = "102030";
  settings.UseTexture = true;
  settings.Texture = "plates \"new\".gif";
  settings.IncludeHeader = true;
  settings.IncludeFooter = false;
  const std::string html =
      HtmlReadout(l.design, kit::Lists(), {&settings, "<P>Clan Wolf archives</P>", "<P>footer</P>"});
  EXPECT_NE(html.find("<BODY TEXT=#C0C0C0 BGCOLOR=#102030 BACKGROUND=\"plates %22new%22.gif\">"),
            std::string::npos);
  EXPECT_LT(html.find("VER 0907"), html.find("Clan Wolf archives"));
  EXPECT_EQ(html.find("footer"), std::string::npos);  // its box is not checked

  kit::TLoader back;
  ASSERT_TRUE(back.Load("page.html", html).Ok());
  EXPECT_EQ(back.html.TextColor, "C0C0C0");
  EXPECT_EQ(back.html.BackgroundColor, "102030");
  EXPECT_TRUE(back.html.UseTexture);
  EXPECT_EQ(back.html.Texture, "plates %22new%22.gif");

  // Nothing chosen yet: black on white, no texture.
  const std::string plain = HtmlReadout(l.design, kit::Lists());
  EXPECT_NE(plain.find("<BODY TEXT=#000000 BGCOLOR=#FFFFFF>"), std::string::npos);
}

TEST(HtmlReadoutWriter, TextsThatLookLikeThePagesStructureStayTexts) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("hollow-warden-hw3.html").Ok());
  l.design.Texts[txtModel] = "TABLE TOP BODY";
  l.design.Texts[txtChassis] = "Type 4 Armor";  // holds other labels' words
  l.design.Texts[txtComSystem] = "Fish &amp; Chips & more";
  l.design.Manufacturers = {"<!-- 99 -->", "Tonnage: 5"};
  const std::string html = WriteHtmlReadout(l.design, kit::Lists(), {});
  kit::TLoader back;
  const TLoadResult r = back.Load("tricky.html", html);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(back.design.Texts[txtModel], "TABLE TOP BODY");
  EXPECT_EQ(back.design.Texts[txtChassis], "Type 4 Armor");
  EXPECT_EQ(back.design.Texts[txtComSystem], "Fish &amp; Chips & more");
  EXPECT_EQ(back.design.Texts[txtArmor], l.design.Texts[txtArmor]);
  EXPECT_EQ(back.design.Manufacturers, (std::vector<std::string>{"<!-- 99 -->", "Tonnage: 5"}));
  EXPECT_EQ(back.design.Tonnage, l.design.Tonnage);
  kit::ExpectSameDesign(l.design, back.design, "tricky texts",
                        {.Texts = false, .Slots = false, .ExactChassis = false, .Configs = 8});
}

}  // namespace
}  // namespace tfd
