#include <gtest/gtest.h>

#include "FilesKit.h"
#include "model/DesignCompare.h"
#include "rules/RulesPass.h"

namespace tfd {
namespace {

// Every slot item of every grid of `copy` is an item of `copy` itself.
void ExpectNoPointerIntoOriginal(const TMech& original, const TMech& copy) {
  for (int i = 0; i < kConfigCount; ++i) {
    EXPECT_NE(copy.Configs[i].get(), original.Configs[i].get());
    for (int loc = 0; loc < 8; ++loc)
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
        const TWeapon* item = copy.Configs[i]->Crits.SlotAt(loc, s).Item;
        if (!item) continue;
        bool own = false;
        for (const auto& c : copy.Configs)
          for (const auto& it : c->Items) own = own || it.get() == item;
        EXPECT_TRUE(own) << "config " << i << " slot " << loc << "/" << s;
      }
  }
  EXPECT_NE(copy.Brands.get(), original.Brands.get());
}

TEST(DesignCopy, ACopyOfAnOmniDesignIsEqualAndIndependent) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("skarn-prime.txt").Ok());
  ASSERT_TRUE(l.design.IsOmni());
  l.design.SelectConfig(2);
  ASSERT_FALSE(l.design.Config->Items.Empty());

  TMech copy(l.design);
  EXPECT_EQ(DesignDifference(l.design, copy), "");
  EXPECT_EQ(copy.Config, copy.Configs[2].get());
  EXPECT_EQ(copy.Configs[3]->Parent, copy.Configs[0].get());
  EXPECT_EQ(copy.Configs[3]->Crits.Parent, &copy.Configs[0]->Crits);
  ExpectNoPointerIntoOriginal(l.design, copy);

  // Changing the copy leaves the original alone, item, grid and text alike.
  const TMech before(l.design);
  TWeapon* first = copy.Configs[0]->Items.AddrOf(0);
  ASSERT_NE(first, nullptr);
  copy.Configs[0]->Crits.Release(first);
  copy.Configs[0]->Items.Delete(first);
  copy.Texts[txtModel] = "Changed";
  copy.Overview.push_back("more");
  Recalculate(copy, rqAll);
  EXPECT_EQ(DesignDifference(l.design, before), "");
  EXPECT_NE(DesignDifference(l.design, copy), "");

  // Assigning back makes them equal again; the released slots come back.
  copy = l.design;
  EXPECT_EQ(DesignDifference(l.design, copy), "");
  ExpectNoPointerIntoOriginal(l.design, copy);
  // The copy's rules pass gives what the original's gives.
  Recalculate(copy, rqAll);
  Recalculate(l.design, rqAll);
  EXPECT_EQ(DesignDifference(l.design, copy), "");
}

TEST(DesignCopy, TheComparisonNamesTheValueThatDiffers) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("hollow-warden-hw3.txt").Ok());
  const TMech original(l.design);
  auto differenceAfter = [&](auto&& change) {
    TMech copy(original);
    change(copy);
    return DesignDifference(original, copy);
  };
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Tonnage = 95; }), "Tonnage");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Armor[3] = 1; }), "Armor");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Texts[txtChassis] = "x"; }), "Texts[3]");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Configs[0]->Actuators[1] = 0; }), "Configs[0].Actuators");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Configs[0]->CaseKind[2] = 1; }), "Configs[0].CaseKind");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Configs[0]->Items.AddrOf(0)->Location = 5; }),
            "Configs[0].Items[0].Location");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Configs[0]->Crits.SetArmoured(0, 1, true); }),
            "Configs[0].Crits.Armoured[0][1]");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.SelectConfig(1); }), "ConfigIndex");
  EXPECT_EQ(differenceAfter([](TMech& m) { m.Brands->Insert(7, "Widget"); }), "Brands.Size");
  // Two items swapped between slots: same codes, different items.
  EXPECT_NE(differenceAfter([](TMech& m) {
              TConfiguration& c = *m.Configs[0];
              TWeapon* a = c.Items.AddrOf(0);
              c.Crits.Release(a);
              c.Items.Insert(std::make_unique<TWeapon>(*a));
              c.Items.Delete(a);
            }),
            "");
}

}  // namespace
}  // namespace tfd
