// The display colours on the main window: system colours of the desktop, the
// display options taking a scheme over, every control painted (pages and
// windows added later too), and the other settings windows from the menu.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "ui/Colors/Colors.h"
#include "ui/DispOpts/DispOpts.h"
#include "ui/Errs/Errs.h"
#include "ui/common/ColorApplier.h"
#include "ui/common/SystemColors.h"
#include "ui/defvals/defvals.h"
#include "ui/main/MainItemsPage.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/Graph.h"
#include "ui/widgets/SpinEdit.h"

namespace tfd {
namespace {

constexpr std::uint32_t Ref(int r, int g, int b) {
  return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

TEST(SystemColors, EachNumberStandsForTheRoleThatPlaysItsPart) {
  EXPECT_EQ(SystemColorRole(8), QPalette::WindowText);
  EXPECT_EQ(SystemColorRole(15), QPalette::Window);
  EXPECT_EQ(SystemColorRole(5), QPalette::Base);
  EXPECT_EQ(SystemColorRole(13), QPalette::Highlight);
  EXPECT_EQ(SystemColorRole(14), QPalette::HighlightedText);
  EXPECT_EQ(SystemColorRole(18), QPalette::ButtonText);
  EXPECT_EQ(SystemColorRole(24), QPalette::ToolTipBase);
  EXPECT_FALSE(SystemColorRole(25));
  EXPECT_FALSE(SystemColorRole(31));
  EXPECT_FALSE(SystemColorRole(-1));

  QPalette desktop;
  desktop.setColor(QPalette::Window, QColor(40, 40, 40));
  desktop.setColor(QPalette::WindowText, QColor(230, 230, 230));
  desktop.setColor(QPalette::Base, QColor(20, 20, 20));
  desktop.setColor(QPalette::Text, QColor(250, 250, 250));
  EXPECT_EQ(ResolveColorRef(kSystemColor + 15, desktop), QColor(40, 40, 40));
  EXPECT_EQ(ResolveColorRef(kSystemColor + 5, desktop), QColor(20, 20, 20));
  EXPECT_EQ(ResolveColorRef(kSystemColor + 99, desktop), QColor(Qt::black));
  EXPECT_EQ(ResolveColorRef(Ref(1, 2, 3), desktop), QColor(1, 2, 3));
  // The high byte of a palette-relative reference names no other colour.
  EXPECT_EQ(ResolveColorRef(0x02000080u, desktop), QColor(128, 0, 0));
  EXPECT_EQ(ColorRef(QColor(1, 2, 3)), Ref(1, 2, 3));

  // The start-up set on a dark desktop: the text takes the desktop's text
  // colour for the button face it stands on, never black on dark grey.
  const TDisplayColors startup = ResolveColorSet(StartupColorSet(), desktop);
  EXPECT_EQ(startup[dcTextB], QColor(40, 40, 40));
  EXPECT_EQ(startup[dcTextF], QColor(230, 230, 230));
  EXPECT_EQ(startup[dcEditF], QColor(230, 230, 230));
  EXPECT_EQ(startup[dcGaugeN], QColor(0, 0, 255));
  // Literal text keeps its colour, and black on a literal background stays black.
  TColorSet set = StartupColorSet();
  set[dcTextF] = Ref(255, 255, 0);
  set[dcEditB] = kSystemColor + 5;
  EXPECT_EQ(ResolveColorSet(set, desktop)[dcTextF], QColor(255, 255, 0));
  EXPECT_EQ(ResolveColorSet(set, desktop)[dcEditF], QColor(250, 250, 250));
  EXPECT_EQ(ResolveColorSet(StandardColorSet(), desktop)[dcTextF], QColor(Qt::black));
  // "Windows 95 Standard" follows the desktop throughout.
  const TDisplayColors w95 = ResolveColorSet(Windows95ColorSet(), desktop);
  EXPECT_EQ(w95[dcTextF], QColor(230, 230, 230));
  EXPECT_EQ(w95[dcEditB], QColor(20, 20, 20));
}

// Nine colours no control has by chance.
TColorSet DistinctSet() {
  return {Ref(11, 0, 0),  Ref(0, 22, 0), Ref(0, 0, 33), Ref(44, 44, 0), Ref(0, 55, 55),
          Ref(66, 0, 66), Ref(77, 1, 1), Ref(1, 88, 1), Ref(1, 1, 99)};
}

class DisplayColors : public TWindowTest {
 protected:
  // Runs a menu entry whose window is modal, acting in the window once it shows.
  void WithModal(QAction* entry, const std::function<void(QDialog*)>& act) {
    bool acted = false;
    QTimer::singleShot(0, window.get(), [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      acted = true;
      act(dialog);
    });
    entry->trigger();
    EXPECT_TRUE(acted);
  }
  void ChooseScheme(const QString& name, int trackBar = -1) {
    WithModal(Find<QAction>("OptionsDisplayItem"), [&](QDialog* d) {
      d->findChild<QComboBox*>("cbSchemes")->setEditText(name);
      if (trackBar >= 0) d->findChild<QSlider*>("tbSpeed")->setValue(trackBar);
      d->findChild<QPushButton*>("btnOK")->click();
    });
  }
  QColor Of(EDisplayColor c) { return ResolveColorRef(DistinctSet()[c], QApplication::palette()); }

  // Checks one control's colours by its kind; returns how many it checked.
  int CheckControl(QWidget* w) {
    const QPalette p = w->palette();
    const std::string name = w->objectName().toStdString() + " (" + w->metaObject()->className() + ")";
    if (const auto field = TColorApplier::FieldOf(w)) {
      EXPECT_EQ(p.color(QPalette::Active, QPalette::WindowText), Of(*field)) << name;
      return 1;
    }
    if (auto* graph = qobject_cast<TGraph*>(w)) {
      EXPECT_EQ(graph->backgroundColor(), Of(dcTextB));
      EXPECT_EQ(graph->marginColor(), Of(dcTextB));
      EXPECT_EQ(graph->axesColor(), Of(dcTextF));
      EXPECT_EQ(graph->gridColor(), Of(dcTextF));
      EXPECT_EQ(graph->labelColor(), Of(dcTextF));
      EXPECT_EQ(graph->seriesColor(1), Of(dcGraphHtP));
      EXPECT_EQ(graph->seriesColor(2), Of(dcGraphDmgP));
      EXPECT_EQ(graph->seriesColor(3), Of(dcGraphHtD));
      return 1;
    }
    if (qobject_cast<QComboBox*>(w)) {
      EXPECT_EQ(p.color(QPalette::Active, QPalette::ButtonText), Of(dcEditF)) << name;
      EXPECT_EQ(p.color(QPalette::Active, QPalette::Button), Of(dcEditB)) << name;
      EXPECT_EQ(p.color(QPalette::Active, QPalette::Text), Of(dcEditF)) << name;
      return 1;
    }
    if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QTextEdit*>(w)) {
      EXPECT_EQ(p.color(QPalette::Active, QPalette::Text), Of(dcEditF)) << name;
      EXPECT_EQ(p.color(QPalette::Active, QPalette::Base), Of(dcEditB)) << name;
      return 1;
    }
    if (qobject_cast<QLabel*>(w) || qobject_cast<QToolButton*>(w) || qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(p.color(QPalette::Active, QPalette::WindowText), Of(dcTextF)) << name;
      EXPECT_EQ(p.color(QPalette::Active, QPalette::ButtonText), Of(dcTextF)) << name;
      EXPECT_EQ(p.color(QPalette::Active, QPalette::Window), Of(dcTextB)) << name;
      return 1;
    }
    return 0;
  }
  // Walks a window's tree; every control of a known kind shows its colours.
  int CheckTree(QWidget* root) {
    int checked = CheckControl(root);
    for (QWidget* w : root->findChildren<QWidget*>()) {
      if (w->window() != root->window()) continue;  // a dialog of its own
      // Controls that show a colour of the design or a fixed picture.
      if (w->property(kDisplayColorProperty).toString() == "none") continue;
      if (qobject_cast<TGauge*>(w) || qobject_cast<QScrollBar*>(w->parentWidget())) continue;
      if (w->parentWidget() && w->parentWidget()->property(kDisplayColorProperty).toString() == "none")
        continue;
      checked += CheckControl(w);
    }
    return checked;
  }
};

TEST_F(DisplayColors, OkPutsTheChosenSchemeOnEveryControlAndPagesAddedLater) {
  window->ColorSchemes().Store("Distinct", DistinctSet());
  ChooseScheme("Distinct");
  EXPECT_EQ(window->ActiveColorSet(), DistinctSet());
  EXPECT_EQ(window->palette().color(QPalette::Window), Of(dcTextB));
  // Several hundred controls over the seven tabs and the status bar.
  EXPECT_GT(CheckTree(window.get()), 300);

  // The Reports tab's heat and damage labels, though the tab is not shown.
  EXPECT_EQ(Find<QLabel>("lblHtPotNum")->palette().color(QPalette::WindowText), Of(dcGraphHtP));
  EXPECT_EQ(Find<QLabel>("lblHtDisp")->palette().color(QPalette::WindowText), Of(dcGraphHtD));
  EXPECT_EQ(Find<QLabel>("lblD")->palette().color(QPalette::WindowText), Of(dcGraphDmgP));
  EXPECT_EQ(Find<TGraph>("grphDmg")->seriesColor(2), Of(dcGraphDmgP));

  // The gauges by their sign, the error report in the illegal-status colour.
  EXPECT_EQ(Find<TGauge>("GaugeTng")->foreColor(), Of(dcGaugeN));
  window->ShowErrorReport();
  EXPECT_EQ(window->ErrorReport()->palette().color(QPalette::WindowText), Of(dcGaugeE));
  EXPECT_EQ(window->ErrorReport()->palette().color(QPalette::Window), Of(dcTextB));
  window->ErrorReport()->hide();

  // The settings and ratings windows are auxiliary windows.
  for (const char* name : {"frmDispOpts", "frmColor", "frmDefValues", "TfrmBV", "TfrmCost", "TfrmGrphOpts"}) {
    auto* d = Find<QDialog>(name);
    if (!d) continue;
    d->show();
    EXPECT_EQ(d->palette().color(QPalette::Window), Of(dcTextB)) << d->objectName().toStdString();
    EXPECT_GT(CheckTree(d), 5) << d->objectName().toStdString();
    d->hide();
  }

  // A page added afterwards takes the colours without any code of its own,
  // and so do a dialog and a control tagged with a graph colour.
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* heat = new QLabel("Heat");
  heat->setProperty(kDisplayColorProperty, "GraphHtP");
  for (QWidget* w : std::initializer_list<QWidget*>{new QLabel("Later"), new QComboBox, new TSpinEdit,
                                                    new QLineEdit, new QListWidget, new QToolButton, heat})
    layout->addWidget(w);
  Find<QTabWidget>("pcMain")->addTab(page, "Later");
  ShowTab("tsMain");
  Find<QTabWidget>("pcMain")->setCurrentWidget(page);
  QApplication::processEvents();
  EXPECT_EQ(CheckTree(page), 8);
  EXPECT_EQ(heat->palette().color(QPalette::WindowText), Of(dcGraphHtP));
  heat->setProperty(kDisplayColorProperty, "GraphDmgP");
  EXPECT_EQ(heat->palette().color(QPalette::WindowText), Of(dcGraphDmgP));

  QDialog later(window.get());
  new QLineEdit(&later);
  new QLabel("Later", &later);
  later.show();
  EXPECT_EQ(later.palette().color(QPalette::Window), Of(dcTextB));
  EXPECT_EQ(CheckTree(&later), 2);
  later.hide();

  // A disabled control still looks disabled.
  const QPalette p = Find<QLabel>("lblTng")->palette();
  EXPECT_NE(p.color(QPalette::Disabled, QPalette::WindowText), Of(dcTextF));

  // Back to the standard scheme, everywhere, the later page too.
  ChooseScheme(kStandardSchemeName);
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(page->findChild<QComboBox*>()->palette().color(QPalette::Button), QColor(192, 192, 192));
  EXPECT_EQ(heat->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(DisplayColors, CancelKeepsTheColoursAndTheLightRestartsWithItsSpeed) {
  const QColor before = window->palette().color(QPalette::Window);
  WithModal(Find<QAction>("OptionsDisplayItem"), [](QDialog* d) {
    d->findChild<QComboBox*>("cbSchemes")->setEditText(kStandardSchemeName);
    d->findChild<QSlider*>("tbSpeed")->setValue(0);
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(window->ActiveColorSet(), StartupColorSet());
  EXPECT_EQ(window->palette().color(QPalette::Window), before);
  EXPECT_EQ(window->ErrorLightSpeed(), 25);
  EXPECT_GT(window->AnimationFrame(), 0);

  ChooseScheme(kWindows95SchemeName, 0);
  EXPECT_EQ(window->ErrorLightSpeed(), 0);
  EXPECT_EQ(window->AnimationFrame(), 0);
  EXPECT_EQ(window->ActiveColorSet(), Windows95ColorSet());
  EXPECT_EQ(window->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  ChooseScheme(kStandardSchemeName, 50);
  EXPECT_EQ(window->ErrorLightSpeed(), 1);
}

TEST_F(DisplayColors, SystemColoursFollowAChangeOfTheDesktopTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(30, 32, 36));
  dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
  QApplication::setPalette(dark);
  // The start-up set: the desktop's face, and its text on it rather than black.
  EXPECT_EQ(window->Colors()[dcTextB], QColor(30, 32, 36));
  EXPECT_EQ(window->Colors()[dcTextF], QColor(235, 235, 235));
  EXPECT_EQ(Find<QLabel>("lblTng")->palette().color(QPalette::Active, QPalette::WindowText),
            QColor(235, 235, 235));
  QApplication::setPalette(light);
  EXPECT_EQ(window->Colors()[dcTextB], light.color(QPalette::Window));
}

TEST_F(DisplayColors, NewStartsFromTheDefaultValuesOnceTheyAreChosen) {
  Choose("FileMenu", "&New");
  EXPECT_EQ(Design().Tonnage, 20);
  WithModal(Find<QAction>("OptionsDefaultsItem"), [](QDialog* d) {
    d->findChild<TSpinEdit*>("sedtTonnage")->setValue(60);
    d->findChild<TSpinEdit*>("sedtWalkMP")->setValue(5);
    d->findChild<QRadioButton*>("rbTechnology1")->click();
    d->findChild<QRadioButton*>("rbSource4")->click();
    d->findChild<QPushButton*>("btnOK")->click();
  });
  // Only New takes them, not the design being edited.
  EXPECT_EQ(Design().Tonnage, 20);
  window->NewDesign();
  EXPECT_EQ(Design().Tonnage, 60);
  EXPECT_EQ(Design().WalkMP, 5);
  EXPECT_EQ(Design().RulesLevel, rlIS2);
  EXPECT_EQ(Design().Source, src3055);
  EXPECT_EQ(Find<QSpinBox>("sedtTng")->value(), 60);
  EXPECT_FALSE(window->Modified());
}

TEST_F(DisplayColors, AnHtmlImportsColoursShowInTheHtmlOptions) {
  window->LoadFromFile(TFD_TEST_DATA "/hollow-warden-hw3.html");
  WithModal(Find<QAction>("OptionsHTMLItem"), [](QDialog* d) {
    auto* html = qobject_cast<TfrmColor*>(d);
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(html->TextChannels(), (std::array<int, 3>{192, 192, 192}));
    EXPECT_EQ(html->BackChannels(), (std::array<int, 3>{63, 63, 63}));
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(window->HtmlSettings().TextColor, "C0C0C0");
}

}  // namespace
}  // namespace tfd
