// An Armless design with equipment in an arm is rated alike by the window and
// by the command-line report: the rules pass itself moves the arm equipment
// to the BIN, so a loaded design, tfd-report and the window agree.

#include <QCheckBox>
#include <QStatusBar>

#include "Report.h"
#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"
#include "rules/RulesPass.h"

namespace tfd {

namespace {

const std::string kSample = std::string(TFD_TEST_DATA) + "/brennock-bk1.TFI";

// What tfd-report prints for a design: ratings, damage by range, the JSON line.
std::string ReportOf(TMech& design) {
  ComputeRatings(design);
  ComputeDamageByRange(design, 0);
  return JsonReport(design, kSample, TReportOptions{});
}

// The design's right-arm equipment (the sample carries a laser there).
std::vector<const TWeapon*> RightArmItems(const TMech& m) {
  std::vector<const TWeapon*> items;
  for (const auto& item : m.Config->Items)
    if ((item->Location & 7) == locRightArm && !(item->Location & lcBin)) items.push_back(item.get());
  return items;
}

}  // namespace

class ArmlessAgreement : public TWindowTest {};

TEST_F(ArmlessAgreement, ReportAndWindowRateTheArmlessDesignAlike) {
  // The command line's way: load, the flag set, the full pass.
  TMech loaded;
  THtmlSettings html;
  TLoadContext context{*window->Equipment(), html, nullptr};
  ASSERT_TRUE(LoadDesign(loaded, kSample, context).Ok());
  ASSERT_FALSE(RightArmItems(loaded).empty());
  loaded.RulesLevel = rlIS3;
  loaded.MiscFlags = mfArmless;
  const TRulesReport moved = Recalculate(loaded, rqAll);
  EXPECT_TRUE(RightArmItems(loaded).empty());
  EXPECT_GT(moved.MovedCount, 0);
  ASSERT_TRUE(GridConsistent(loaded));

  // The window's way: the same file, the rules level and the check box.
  window->LoadFromFile(QString::fromStdString(kSample));
  Choose("pmTech", "Inner Sphere Level 3");
  ShowTab("tsCriticals");
  auto* armless = Find<QCheckBox>("chkArmless");
  ASSERT_TRUE(armless->isEnabled());
  armless->click();
  ASSERT_TRUE(Design().MiscFlags & mfArmless);
  EXPECT_TRUE(RightArmItems(Design()).empty());
  EXPECT_TRUE(window->statusBar()->currentMessage().contains("Moved to the BIN"));

  EXPECT_EQ(ReportOf(Design()), ReportOf(loaded));
}

}  // namespace tfd
