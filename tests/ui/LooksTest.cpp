// How the main window looks where a look can be measured: the equipment
// list's columns follow its width, the Armor tab is laid out as the body, the
// Weapons tab fits the smallest window, and the drop-down buttons read as
// buttons, disabled ones as disabled, in both built-in colour schemes.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "WindowTestKit.h"
#include "equipment/ColorSchemes.h"
#include "equipment/EquipmentLists.h"
#include "ui/main/EquipmentDelegate.h"
#include "ui/widgets/ArmorDiagram.h"
#include "ui/widgets/DropButton.h"

using namespace tfd;

namespace {

class Looks : public TWindowTest {
 protected:
  void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  // The right edge of a widget in the coordinates of the window.
  int RightIn(const QWidget* w) { return w->mapTo(window.get(), QPoint(w->width(), 0)).x(); }
  int LeftIn(const QWidget* w) { return w->mapTo(window.get(), QPoint(0, 0)).x(); }
  int TopIn(const QWidget* w) { return w->mapTo(window.get(), QPoint(0, 0)).y(); }
};

double Lightness(const QColor& c) { return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF(); }

TEST_F(Looks, EquipmentColumnsKeepToTheRightEdgeAndTheNameTakesTheRest) {
  ShowTab("tsWeapons");
  window->resize(1100, 760);
  Settle();
  auto* list = Find<QListWidget>("lbWepType");
  auto* cost = Find<QLabel>("lblWep12");
  auto* tons = Find<QLabel>("lblWep2");
  const QFontMetrics fm(list->font());
  const int narrowList = list->width();
  const int narrowName = NameColumnWidth(fm, EntryTextWidth(*list));
  const int narrowCostGap = RightIn(list) - RightIn(cost);
  const int narrowTons = RightIn(tons);

  window->resize(1366, 760);
  Settle();
  const int grown = list->width() - narrowList;
  ASSERT_GT(grown, 100);
  // The figures keep their distance from the list's right edge; the name
  // column, and the headings with their columns, move by what the list grew.
  EXPECT_EQ(RightIn(list) - RightIn(cost), narrowCostGap);
  EXPECT_EQ(NameColumnWidth(fm, EntryTextWidth(*list)), narrowName + grown);
  EXPECT_EQ(RightIn(tons), narrowTons + grown);
  EXPECT_EQ(ColumnRight(ecCost, fm, EntryTextWidth(*list)) + 4, EntryTextWidth(*list));

  // Narrower than the columns need, they keep their natural places.
  EXPECT_EQ(ColumnRight(ecBV, fm, 10), ColumnRight(ecBV, fm));
}

TEST_F(Looks, ArmorEditsOfOneWidthStandAroundADiagramThatGrowsWithThePage) {
  ShowTab("tsArmor");
  window->resize(1024, 700);
  Settle();
  auto* diagram = Find<TArmorDiagram>("imgOwens");
  const QSize small = diagram->size();
  EXPECT_GE(small.width(), 150);
  EXPECT_GE(small.height(), 170);

  // The page scrolls up and down if it must, never sideways.
  EXPECT_EQ(Find<QScrollArea>("pgArmorScroll")->horizontalScrollBar()->maximum(), 0);

  const char* edits[] = {"sedtAF_H",   "sedtAF_CT", "sedtAF_CTR", "sedtAF_RT", "sedtAF_RTR", "sedtAF_LT",
                         "sedtAF_LTR", "sedtAF_RA", "sedtAF_LA",  "sedtAF_RL", "sedtAF_LL"};
  const int width = Find<QAbstractSpinBox>("sedtAF_H")->width();
  for (const char* name : edits) EXPECT_EQ(Find<QAbstractSpinBox>(name)->width(), width) << name;

  // As on the body: the right side on the viewer's left, the head above.
  for (const char* name : {"sedtAF_RT", "sedtAF_RA", "sedtAF_RL"})
    EXPECT_LT(RightIn(Find<QWidget>(name)), LeftIn(diagram)) << name;
  for (const char* name : {"sedtAF_LT", "sedtAF_LA", "sedtAF_LL"})
    EXPECT_GT(LeftIn(Find<QWidget>(name)), RightIn(diagram)) << name;
  EXPECT_LT(TopIn(Find<QWidget>("sedtAF_H")), TopIn(Find<QWidget>("sedtAF_CT")));
  EXPECT_LT(TopIn(Find<QWidget>("sedtAF_CT")), TopIn(diagram));
  EXPECT_LT(TopIn(Find<QWidget>("sedtAF_RA")), TopIn(Find<QWidget>("sedtAF_RL")));

  window->resize(1366, 900);
  Settle();
  EXPECT_GT(diagram->height(), small.height());
  EXPECT_GT(diagram->width(), small.width());
  EXPECT_EQ(Find<QAbstractSpinBox>("sedtAF_CT")->width(), width);
}

TEST_F(Looks, WeaponsPageFitsTheSmallestWindowWithoutScrollingSideways) {
  ShowTab("tsWeapons");
  window->resize(1024, 700);
  Settle();
  // Neither the page nor the equipment list with all its columns scrolls sideways.
  EXPECT_EQ(Find<QScrollArea>("pgWeaponsScroll")->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(Find<QListWidget>("lbWepType")->horizontalScrollBar()->maximum(), 0);
  // The categories, the technology and configuration choices and the buttons
  // stand inside the window, none squeezed below what its caption needs.
  for (const char* name :
       {"btnEnergy", "btnAmmo", "btnWepType", "btnConfig", "btnAddWep", "btnClearCfg", "Image3"}) {
    auto* w = Find<QWidget>(name);
    EXPECT_LE(RightIn(w), window->width()) << name;
    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name;
  }
}

TEST_F(Looks, DropButtonsAreButtonsAndDisabledOnesReadAsDisabledInEveryBuiltInScheme) {
  ShowTab("tsMain");
  Settle();
  // A new design offers some choices and not others.
  TDropButton* enabled = nullptr;
  TDropButton* disabled = nullptr;
  for (TDropButton* b : Find<QWidget>("tsMain")->findChildren<TDropButton*>()) {
    if (!b->isVisible()) continue;
    (b->isEnabled() ? enabled : disabled) = b;
  }
  ASSERT_NE(enabled, nullptr);
  ASSERT_NE(disabled, nullptr);
  for (TDropButton* b : {enabled, disabled}) {
    EXPECT_FALSE(b->autoRaise()) << b->objectName().toStdString();
    // The arrow beside the caption, not under it.
    const QRect arrow = b->arrowRect();
    EXPECT_GE(arrow.left(), b->fontMetrics().horizontalAdvance(b->text())) << b->objectName().toStdString();
    EXPECT_GE(arrow.top(), 0);
    EXPECT_LE(arrow.bottom(), b->height());
  }

  for (const TColorSet* set : {&StandardColorSet(), &Windows95ColorSet()}) {
    window->SetActiveColorSet(*set);
    Settle();
    const QPalette p = disabled->palette();
    const QColor face = p.color(QPalette::Disabled, QPalette::Window);
    const QColor text = p.color(QPalette::Active, QPalette::ButtonText);
    const QColor grey = p.color(QPalette::Disabled, QPalette::ButtonText);
    EXPECT_NE(grey, text);
    // The disabled caption stands out from the face, but by clearly less.
    const double normal = std::abs(Lightness(text) - Lightness(p.color(QPalette::Active, QPalette::Window)));
    const double dimmed = std::abs(Lightness(grey) - Lightness(face));
    EXPECT_GT(dimmed, 0.1);
    EXPECT_LT(dimmed, 0.75 * normal);
    EXPECT_EQ(enabled->palette().color(QPalette::Active, QPalette::ButtonText), text);
  }
}

}  // namespace
