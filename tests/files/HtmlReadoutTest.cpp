#include <gtest/gtest.h>

#include "FilesKit.h"
#include "files/HtmlReadout.h"
#include "rules/RulesPass.h"

namespace tfd {
namespace {

const std::string kSep(1, kCellSeparator);

TEST(HtmlLines, TagsBecomeSeparatorsAndBlanksCollapse) {
  EXPECT_EQ(HtmlLineText("<TR><TD>Chassis:</TD><TD>Oskar  Type\t4</TD></TR>"),
            "Chassis:" + kSep + "Oskar Type 4");
  // An empty cell leaves no trace; a blank cell keeps its blank.
  EXPECT_EQ(HtmlLineText("<TD>A</TD><TD></TD><TD>B</TD>"), "A" + kSep + "B");
  EXPECT_EQ(HtmlLineText("<TD>A</TD><TD> </TD><TD>B</TD>"), "A" + kSep + " " + kSep + "B");
  EXPECT_EQ(HtmlLineText("   plain text   "), "plain text");
  EXPECT_EQ(HtmlLineText("<unclosed tag"), "");
  // Blanks between cells belong to no cell; references are their characters.
  EXPECT_EQ(HtmlLineText("<TD>Tonnage:</TD> <TD>55</TD>"), "Tonnage:" + kSep + "55");
  EXPECT_EQ(HtmlLineText("<td>A</td>\t<td> </td> <td>B</td>"), "A" + kSep + " " + kSep + "B");
  EXPECT_EQ(HtmlLineText("<TD>T &amp; T &AMP; &lt;x&gt; caf&#233; &#x41;&nbsp;&bogus;</TD>"),
            "T & T & <x> caf\xe9 A &bogus;");
}

using kit::Chassis;
using kit::Page;
using kit::Row;

TEST(HtmlReadout, BodyColoursAndTextureGoToTheSettings) {
  struct Case {
    const char* body;
    const char* text;
    const char* background;
    bool texture;
    const char* url;
  };
  for (const Case& c : {Case{"<BODY TEXT=#C0C0C0>", "C0C0C0", "3F3F3F", false, ""},
                        Case{"<BODY>", "FFFFFF", "000000", false, ""},
                        Case{"<BODY TEXT=#102030 BGCOLOR=#A0B0C0 BACKGROUND=\"plates.gif\">", "102030",
                             "A0B0C0", true, "plates.gif"}}) {
    kit::TLoader l;
    l.html.UseTexture = !c.texture;
    l.Load("p.htm", Page(c.body, "0907", Chassis("8", "12")));
    EXPECT_EQ(l.html.TextColor, c.text) << c.body;
    EXPECT_EQ(l.html.BackgroundColor, c.background) << c.body;
    EXPECT_EQ(l.html.UseTexture, c.texture) << c.body;
    EXPECT_EQ(l.html.Texture, c.url) << c.body;
  }
}

TEST(HtmlReadout, AnotherVersionReadsNothingButTheColours) {
  kit::TLoader l;
  const TLoadResult r = l.Load("old.html", Page("<BODY TEXT=#C0C0C0>", "0906", Chassis("8", "12")));
  EXPECT_EQ(r.Status, ELoadStatus::OtherVersion);
  EXPECT_EQ(l.html.TextColor, "C0C0C0");
  EXPECT_TRUE(l.design.Texts[txtModel].empty());
  EXPECT_EQ(l.design.Tonnage, 20);
  // A page that ends before its body or its version comment reads nothing either.
  EXPECT_EQ(l.Load("short.htm", "<HTML>\n<HEAD>\n").Status, ELoadStatus::OtherVersion);
  EXPECT_EQ(l.Load("short.htm", "<BODY>\n<P>\n").Status, ELoadStatus::OtherVersion);
}

TEST(HtmlReadout, TonnageTechnologyAndQuad) {
  kit::TLoader l;
  ASSERT_TRUE(l.Load("q.htm", Page("<BODY>", "0907", Chassis("12", "12"))).Ok());
  EXPECT_EQ(l.design.Tonnage, 50);
  EXPECT_EQ(l.design.RulesLevel, rlIS2);
  EXPECT_EQ(l.design.Source, srcSourcebook);
  EXPECT_TRUE(l.design.IsQuad());
  auto lines = Chassis("8", "12");
  lines[3] = Row({"Tonnage:", "50 tons"});
  ASSERT_TRUE(l.Load("t.htm", Page("<BODY>", "0907", lines)).Ok());
  EXPECT_EQ(l.design.Tonnage, 20);
  EXPECT_FALSE(l.design.IsQuad());
}

TEST(HtmlReadout, ArmourMassThatIsNoNumberIsReported) {
  auto lines = Chassis("8", "12");
  lines[10] = Row({"Armor Factor:", "100", "six"});
  kit::TLoader l;
  const TLoadResult r = l.Load("bad.html", Page("<BODY>", "0907", lines));
  EXPECT_EQ(r.Status, ELoadStatus::Failed);
  EXPECT_EQ(r.Message, "'six' is not a valid floating point value");
  EXPECT_EQ(l.design.Texts[txtModel], "Test Frame");
}

TEST(HtmlReadout, OmniTablesKeywordsSlotLinesAndLinking) {
  auto lines = Chassis("8", "12");
  const std::string laser = "0066", ammo = "03EA", srm = "0192";  // file numbers 102, 1002, 402
  for (const std::string& l :
       {std::string("<TABLE>"), std::string("<!-- Prime -->"), std::string("<TR><TH>heading</TH></TR>"),
        Row({"Medium Laser", " ", "LA", "1", "3", "1.0"}), Row({"Medium Laser", " ", "LA", "1", "3", "1.0"}),
        Row({"SRM 6", " ", "LT", "2", "4", "3.0"}), Row({"@SRM 6 (15)", " ", "LT", "1", "0", "1.0"}),
        Row({"CASE", " ", "LT", "1", "0", "0.5"}), Row({"Unknown Gadget", " ", "RT", "1", "0", "1.0"}),
        std::string("<!-- ACT RA LA -->"), std::string("<!-- H 0005 0004 0001 0000 0004 0005 -->"),
        "<!-- LT " + srm + " " + srm + " " + ammo + " 0012 0000 0000 0000 0000 0000 0000 0000 0000 -->",
        "<!-- LA 0008 0009 000A " + laser + " " + laser + " 0000 0000 0000 0000 0000 0000 0000 -->",
        std::string("</TABLE>")})
    lines.push_back(l);
  kit::TLoader l;
  const TLoadResult r = l.Load("omni.HTML", Page("<BODY>", "0907", lines));
  ASSERT_TRUE(r.Ok()) << r.Message;
  TMech& m = l.design;
  EXPECT_TRUE(m.IsOmni());
  TConfiguration& c = *m.Configs[1];
  ASSERT_EQ(c.Items.Size(), 4);
  EXPECT_EQ(c.Actuators[1], 1);
  EXPECT_EQ(c.Actuators[3], 1);
  EXPECT_EQ(c.Actuators[0], 0);
  EXPECT_EQ(c.Actuators[2], 0);
  EXPECT_EQ(c.CaseKind[locLeftTorso], caseIS);
  // Two lasers with the same code take one slot each, in list order.
  const TWeapon* first = c.Items.AddrOf(0);
  const TWeapon* second = c.Items.AddrOf(1);
  EXPECT_EQ(first->SlotsFirst, SlotLink(locLeftArm, 4));
  EXPECT_EQ(second->SlotsFirst, SlotLink(locLeftArm, 5));
  EXPECT_EQ(c.Crits.SlotAt(locLeftArm, 4).Code, kit::RowBySave97(102).SaveNum);
  const TWeapon* launcher = c.Items.AddrOf(2);
  EXPECT_EQ(launcher->SlotsFirst, SlotLink(locLeftTorso, 1));
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 2).Item, launcher);
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 3).Code, kit::RowBySave97(1002).SaveNum);
  kit::ExpectReleaseLeavesNothing(m);
}

TEST(HtmlReadout, AnItemWithNoSlotOfItsCodeStaysUnlinked) {
  auto lines = Chassis("8", "12");
  for (const std::string& l :
       {std::string("<TABLE>"), std::string("<!-- Fixed -->"), std::string("<TR></TR>"),
        Row({"Medium Laser", " ", "RA", "1", "3", "1.0"}),
        std::string("<!-- RA 0008 0009 000A 000B 0065 0000 0000 0000 0000 0000 00 -->"),
        std::string("</TABLE>")})
    lines.push_back(l);
  kit::TLoader l;
  ASSERT_TRUE(l.Load("u.htm", Page("<BODY>", "0907", lines)).Ok());
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 1);
  EXPECT_EQ(c.Items.AddrOf(0)->SlotsFirst, 0);
  EXPECT_EQ(kit::ReferencedSlots(c), 0);
}

TEST(HtmlReadout, LowerCaseTagsBlanksBetweenCellsAndReferences) {
  // The same page as written by other hands: lower-case tags, blanks between
  // the cells, "&amp;" for "&".
  std::vector<std::string> lines = {"<table>",
                                    "<tr><th>Specs</th></tr>",
                                    "<tr><td>Type:</td> <td>Test Frame</td></tr>",
                                    "<tr><td>Tonnage:</td> <td>55</td></tr>",
                                    "<tr><td>Technology Base:</td> <td>Inner Sphere Level 2</td></tr>",
                                    "<tr><td>Targeting &amp; Tracking System:</td> <td>Vigil 2</td></tr>",
                                    "</table>",
                                    "<table>",
                                    "<!-- Equipment -->",
                                    "<tr><td>Walking MP:</td> <td>5</td></tr>",
                                    "<tr><td>Heat Sinks:</td> <td>12</td> <td>[12]</td></tr>",
                                    "<tr><td>Armor Factor:</td> <td>100</td> <td>6.0</td></tr>",
                                    "<tr><td>R/L Arm</td> <td>9</td> <td>12</td></tr>",
                                    "<tr><td>R/L Leg</td> <td>13</td> <td>14</td></tr>",
                                    "</table>"};
  kit::TLoader l;
  const TLoadResult r = l.Load("lower.html", Page("<body text=#c0c0c0>", "0907", lines));
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(l.design.Tonnage, 55);
  EXPECT_EQ(l.design.WalkMP, 5);
  EXPECT_EQ(l.design.HeatSinks, 12);
  EXPECT_EQ(l.design.Texts[txtTargetingSystem], "Vigil 2");
  EXPECT_EQ(l.html.TextColor, "C0C0C0");
  EXPECT_EQ(l.html.BackgroundColor, "3F3F3F");
}

TEST(HtmlReadout, ItemsWithoutSlotCommentsArePlacedAsInATextReadout) {
  auto lines = Chassis("8", "12");
  for (const std::string& l : {std::string("<TABLE>"), std::string("<!-- Fixed -->"),
                               std::string("<TR></TR>"), Row({"Medium Laser", " ", "RA", "1", "3", "1.0"}),
                               Row({"Double Heat Sink", " ", "RA/T", "2/1", "0", "1.0"}),
                               Row({"SRM 6", " ", "LT", "2", "4", "3.0"}), std::string("</TABLE>")})
    lines.push_back(l);
  kit::TLoader l;
  const TLoadResult r = l.Load("p.htm", Page("<BODY>", "0907", lines));
  ASSERT_TRUE(r.Ok()) << r.Message;
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 3);
  EXPECT_EQ(c.Items.AddrOf(0)->SlotsFirst, SlotLink(locRightArm, 3));
  // The split heat sink: the slots its cell gives, two in the arm and one in the torso.
  EXPECT_EQ(c.Items.AddrOf(1)->Slots, 3);
  EXPECT_EQ(c.Items.AddrOf(1)->SlotsFirst, SlotLink(locRightArm, 4));
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 1).Item, c.Items.AddrOf(1));
  EXPECT_EQ(c.Crits.SlotAt(locRightTorso, 2).Item, nullptr);
  EXPECT_EQ(c.Items.AddrOf(2)->SlotsFirst, SlotLink(locLeftTorso, 1));
  kit::ExpectReleaseLeavesNothing(l.design);
}

TEST(HtmlReadout, DesignDependentEquipmentFollowsTheCorrectedDesign) {
  auto lines = Chassis("8", "12");
  lines[3] = Row({"Tonnage:", "103"});
  for (const std::string& l :
       {std::string("<TABLE>"), std::string("<!-- Fixed -->"), std::string("<TR></TR>"),
        Row({"Triple Strength Myomer", " ", "RT", "6", "0", "0.0"}),
        Row({"MASC", " ", "LT", "5", "0", "5.0"}), std::string("</TABLE>")})
    lines.push_back(l);
  kit::TLoader l;
  ASSERT_TRUE(l.Load("m.htm", Page("<BODY>", "0907", lines)).Ok());
  EXPECT_EQ(l.design.Tonnage, 100);
  EXPECT_DOUBLE_EQ(l.design.Configs[0]->Items.AddrOf(0)->Cost, 1600000.0);
  EXPECT_DOUBLE_EQ(l.design.Configs[0]->Items.AddrOf(1)->Tons, 5.0);
  EXPECT_DOUBLE_EQ(l.design.Configs[0]->Items.AddrOf(1)->Cost, 400 * 5 * 1000.0);
}

TEST(HtmlReadout, WhatCannotBeReadBecomesAWarning) {
  auto lines = Chassis("8", "12");
  const std::vector<std::string> table = {
      "<TABLE>",
      "<!-- Fixed -->",
      "<TR></TR>",
      Row({"Medium Laser", " ", "RA", "1", "3", "1.0"}),
      Row({"Quantum Flux Cannon", " ", "RT", "3", "9", "7.0"}),
      Row({"Large Laser", " ", "ZZ", "2", "8", "5.0"}),
      "<TR><TD>stray words</TR>",
      "<!-- HS: CT1 QQ2 -->",
      "<!-- written by hand -->",
      "<!-- RA 0008 0009 0066 0000 0000 0000 0000 0000 0000 0000 0000 0000 -->",
      "</TABLE>"};
  lines.insert(lines.end(), table.begin(), table.end());
  const std::string page = Page("<BODY>", "0907", lines);
  kit::TLoader l;
  const TLoadResult r = l.Load("w.htm", page);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(
      kit::WarningLines(r),
      (std::vector<std::string>{std::to_string(kit::LineOf(page, "Quantum")) + ": unknown equipment",
                                std::to_string(kit::LineOf(page, "Large Laser")) + ": no location",
                                std::to_string(kit::LineOf(page, "stray")) + ": line not understood",
                                std::to_string(kit::LineOf(page, "HS:")) + ": no location",
                                std::to_string(kit::LineOf(page, "by hand")) + ": line not understood"}));
  EXPECT_EQ(r.Warnings[0].Text, "Quantum Flux Cannon RT 3 9 7.0");
  const TConfiguration& c = *l.design.Configs[0];
  ASSERT_EQ(c.Items.Size(), 3);  // the laser, the laser in the BIN, one heat sink
  EXPECT_EQ(c.Items.AddrOf(0)->SlotsFirst, SlotLink(locRightArm, 3));
  EXPECT_EQ(c.Items.AddrOf(1)->Location, lcBin);
}

TEST(HtmlReadout, SampleMatchesItsTextReadout) {
  kit::TLoader html, text;
  ASSERT_TRUE(html.LoadSample("hollow-warden-hw3.html").Ok());
  ASSERT_TRUE(text.LoadSample("hollow-warden-hw3.txt").Ok());
  const TMech& a = html.design;
  const TMech& b = text.design;
  EXPECT_EQ(a.Texts[txtModel], "Hollow Warden HW-3");
  EXPECT_EQ(a.Texts[txtChassis], b.Texts[txtChassis]);
  EXPECT_EQ(a.Armament, b.Armament);
  EXPECT_EQ(a.Overview, b.Overview);
  EXPECT_EQ(a.Source, b.Source);
  EXPECT_EQ(a.HeatSinkType, b.HeatSinkType);
  EXPECT_EQ(a.Weights, b.Weights);
  EXPECT_EQ(a.Armor, b.Armor);
  const TConfiguration& ca = *a.Configs[0];
  const TConfiguration& cb = *b.Configs[0];
  EXPECT_EQ(ca.Actuators, cb.Actuators);
  EXPECT_EQ(ca.CaseKind, cb.CaseKind);
  ASSERT_EQ(ca.Items.Size(), cb.Items.Size());
  for (int i = 0; i < ca.Items.Size(); ++i) {
    const TWeapon* x = ca.Items.AddrOf(i);
    const TWeapon* y = cb.Items.AddrOf(i);
    EXPECT_EQ(x->SaveNum, y->SaveNum) << i;
    EXPECT_EQ(x->Slots, y->Slots) << i;
    EXPECT_DOUBLE_EQ(x->Tons, y->Tons) << i;
    EXPECT_DOUBLE_EQ(x->BV, y->BV) << i;
    EXPECT_EQ(x->SlotsFirst, y->SlotsFirst) << x->Name;
  }
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= 12; ++s)
      EXPECT_EQ(ca.Crits.SlotAt(loc, s).Code, cb.Crits.SlotAt(loc, s).Code) << loc << "/" << s;
  EXPECT_EQ(html.html.TextColor, "C0C0C0");
  EXPECT_EQ(html.html.BackgroundColor, "3F3F3F");
  EXPECT_TRUE(html.html.UseTexture);
}

}  // namespace
}  // namespace tfd
