// The settings windows on their own: display options with its scheme table,
// HTML options and default values.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "db/SqliteDatabase.h"
#include "equipment/Database.h"
#include "ui/Colors/Colors.h"
#include "ui/DispOpts/DispOpts.h"
#include "ui/common/ColorDialogSeam.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/MessageSeam.h"
#include "ui/defvals/defvals.h"
#include "ui/widgets/SpinEdit.h"

namespace tfd {
namespace {

TColorSchemeStore MemoryStore() {
  auto db = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  CreateColorTable(*db);
  return TColorSchemeStore(std::move(db));
}

template <typename T>
T* Child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

class DisplayOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    TMessageSeam::ClearShown();
    window = std::make_unique<TfrmDispOpts>(store);
    window->SetWorkingSet(StartupColorSet());
    window->show();
  }
  void TearDown() override { TMessageSeam::ClearShown(); }
  QComboBox* Box() { return Child<QComboBox>(window.get(), "cbSchemes"); }
  void Type(const QString& text) { Box()->setEditText(text); }
  void Press(const char* button) { Child<QPushButton>(window.get(), button)->click(); }
  QStringList Entries() {
    QStringList e;
    for (int i = 0; i < Box()->count(); ++i) e << Box()->itemText(i);
    return e;
  }

  TColorSchemeStore store = MemoryStore();
  std::unique_ptr<TfrmDispOpts> window;
};

TEST_F(DisplayOptions, ChoosingANameGivesItsSetAndAnUnknownOneTheStandard) {
  EXPECT_EQ(Entries(), QStringList({kStandardSchemeName, kWindows95SchemeName}));
  EXPECT_EQ(window->WorkingSet(), StartupColorSet());
  Type(kWindows95SchemeName);
  EXPECT_EQ(window->WorkingSet(), Windows95ColorSet());
  TColorSet mine = StandardColorSet();
  mine[0] = 0x123456;
  store.Store("Mine", mine);
  Type("Mine");
  EXPECT_EQ(window->WorkingSet(), mine);
  // Case matters when choosing: "mine" is no scheme.
  Type("mine");
  EXPECT_EQ(window->WorkingSet(), StandardColorSet());
  // Choosing from the list works the same as typing.
  window->hide();
  window->show();
  Box()->setCurrentIndex(Box()->findText("Mine"));
  EXPECT_EQ(window->WorkingSet(), mine);
}

TEST_F(DisplayOptions, UpdateStoresUnderTheTypedNameButNeverABuiltInOne) {
  Type(kStandardSchemeName);
  Press("btnUpdate");
  EXPECT_TRUE(store.Names().empty());

  Type("Night");
  TColorDialogSeam::SetNextAnswer(QColor(10, 20, 30));
  Child<QToolButton>(window.get(), "shpTextB")->click();
  EXPECT_EQ(window->WorkingSet()[dcTextB], 0x1E140Au);
  Press("btnUpdate");
  ASSERT_EQ(store.Names(), std::vector<std::string>{"Night"});
  EXPECT_EQ(store.Find("Night")->at(dcTextB), 0x1E140Au);
  EXPECT_TRUE(Entries().contains("Night"));
  // A cancelled colour dialog changes nothing.
  TColorDialogSeam::SetNextAnswer(QColor());
  Child<QToolButton>(window.get(), "shpTextF")->click();
  EXPECT_EQ(window->WorkingSet()[dcTextF], StandardColorSet()[dcTextF]);

  // Another case is another name: a second row.
  Type("night");
  EXPECT_EQ(window->WorkingSet(), StandardColorSet());
  Press("btnUpdate");
  EXPECT_EQ(store.Names().size(), 2u);
  // The box is sorted without regard to case.
  EXPECT_EQ(Entries(), QStringList({"Night", "night", kStandardSchemeName, kWindows95SchemeName}));
}

TEST_F(DisplayOptions, NewProposesTheFirstFreeNameAndDeleteFreesIt) {
  for (const char* name : {"New1", "New2"}) {
    Press("btnNew");
    EXPECT_EQ(Box()->currentText(), name);
    EXPECT_EQ(window->WorkingSet(), StandardColorSet());
    Press("btnUpdate");
  }
  Press("btnNew");
  EXPECT_EQ(Box()->currentText(), "New3");
  EXPECT_EQ(store.Names().size(), 2u);  // nothing stored by New itself

  Type("New1");
  Press("btnDelete");
  EXPECT_EQ(store.Names(), std::vector<std::string>{"New2"});
  EXPECT_EQ(Box()->currentIndex(), 0);
  EXPECT_EQ(window->WorkingSet(), StandardColorSet());
  Press("btnNew");
  EXPECT_EQ(Box()->currentText(), "New1");
  // Deleting a built-in name deletes nothing.
  Type(kWindows95SchemeName);
  Press("btnDelete");
  EXPECT_EQ(store.Names(), std::vector<std::string>{"New2"});
}

TEST_F(DisplayOptions, SpeedTrackBarAndItsPreview) {
  auto* bar = Child<QSlider>(window.get(), "tbSpeed");
  EXPECT_EQ(bar->value(), 26);  // speed 25
  EXPECT_TRUE(window->PreviewRunning());
  EXPECT_EQ(window->PreviewInterval(), 250);
  bar->setValue(50);
  EXPECT_EQ(window->PreviewInterval(), 10);
  QTest::qWait(60);
  EXPECT_GT(window->PreviewFrame(), 0);
  bar->setValue(0);
  EXPECT_FALSE(window->PreviewRunning());
  EXPECT_EQ(window->PreviewFrame(), 0);
  bar->setValue(1);
  EXPECT_EQ(window->PreviewInterval(), 500);

  // Cancel keeps the speed; OK takes the bar's.
  Press("btnCancel");
  EXPECT_FALSE(window->PreviewRunning());
  EXPECT_EQ(window->Speed(), 25);
  window->show();
  bar->setValue(50);
  Press("btnOK");
  EXPECT_EQ(window->Speed(), 1);
  EXPECT_EQ(window->result(), QDialog::Accepted);
  window->show();
  EXPECT_EQ(bar->value(), 50);
  bar->setValue(0);
  Press("btnOK");
  EXPECT_EQ(window->Speed(), 0);
}

TEST(DisplayOptionsStore, AStoreThatCannotBeWrittenSaysSoOnceAndTheBuiltInsStillWork) {
  TMessageSeam::ClearShown();
  const QString path = QDir::temp().filePath("tfd-readonly-schemes.sqlite");
  QFile::remove(path);
  {
    auto db = OpenSqliteDatabase(path.toStdString(), EOpenMode::Create);
    CreateColorTable(*db);
  }
  TColorSchemeStore store(OpenSqliteDatabase(path.toStdString(), EOpenMode::ReadOnly));
  ASSERT_TRUE(store.Available());
  TfrmDispOpts window(store);
  window.show();
  window.findChild<QComboBox*>("cbSchemes")->setEditText("Mine");
  window.findChild<QPushButton*>("btnUpdate")->click();
  EXPECT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(store.Names().empty());  // nothing half-written
  window.findChild<QComboBox*>("cbSchemes")->setEditText(kWindows95SchemeName);
  EXPECT_EQ(window.WorkingSet(), Windows95ColorSet());
  QFile::remove(path);

  // A store that never opened: one message, however often the window opens.
  TMessageSeam::ClearShown();
  TColorSchemeStore missing = TColorSchemeStore::Unavailable("unable to open database file");
  TfrmDispOpts other(missing);
  other.show();
  other.hide();
  other.show();
  other.findChild<QComboBox*>("cbSchemes")->setEditText("Mine");
  other.findChild<QPushButton*>("btnUpdate")->click();
  EXPECT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(TMessageSeam::Shown().value(0).endsWith("unable to open database file"));
  other.findChild<QComboBox*>("cbSchemes")->setEditText(kStandardSchemeName);
  EXPECT_EQ(other.WorkingSet(), StandardColorSet());
  TMessageSeam::ClearShown();
}

class HtmlOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<TfrmColor>(settings);
    window->show();
  }
  TSpinEdit* Edit(const char* name) { return Child<TSpinEdit>(window.get(), name); }
  QString Label(const char* name) { return Child<QLabel>(window.get(), name)->text(); }

  THtmlSettings settings;
  std::unique_ptr<TfrmColor> window;
};

TEST_F(HtmlOptions, FreshStartShowsBlackOnWhiteAndOkStoresTheColourTexts) {
  EXPECT_EQ(window->TextChannels(), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(window->BackChannels(), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(Label("lblBackG"), "FF");
  // Cancel stores nothing.
  Child<QPushButton>(window.get(), "btnCancel")->click();
  EXPECT_TRUE(settings.TextColor.empty());
  EXPECT_TRUE(settings.BackgroundColor.empty());

  window->show();
  TColorDialogSeam::SetNextAnswer(QColor(255, 0, 0));
  Child<QPushButton>(window.get(), "btnBackColor")->click();
  EXPECT_EQ(window->BackChannels(), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(Label("lblBackR"), "FF");
  EXPECT_EQ(Label("lblBackG"), "00");
  Edit("sedtTextG")->setValue(171);
  Child<QPushButton>(window.get(), "btnRefresh")->click();
  EXPECT_EQ(Label("lblTextG"), "AB");
  Child<QPushButton>(window.get(), "btnOK")->click();
  EXPECT_EQ(settings.BackgroundColor, "FF0000");
  EXPECT_EQ(settings.TextColor, "00AB00");
  // The sample shows the page's colours.
  const QPalette sample = Child<QWidget>(window.get(), "pnlSample")->palette();
  EXPECT_EQ(sample.color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(sample.color(QPalette::WindowText), QColor(0, 171, 0));
}

TEST_F(HtmlOptions, ChannelArrowsStepBySixteenUpToTheTop) {
  TSpinEdit* red = Edit("sedtTextR");
  red->setFocus();
  red->setValue(240);
  red->stepBy(1);
  EXPECT_EQ(red->value(), 255);
  EXPECT_EQ(Label("lblTextR"), "FF");
  red->stepBy(1);
  EXPECT_EQ(red->value(), 255);
  red->stepBy(-1);
  EXPECT_EQ(red->value(), 240);
  red->setValue(8);
  red->stepBy(-1);
  EXPECT_EQ(red->value(), 0);
  red->setValue(8);
  red->stepBy(1);
  EXPECT_EQ(red->value(), 24);
  EXPECT_EQ(Label("lblTextR"), "18");
}

TEST_F(HtmlOptions, TextureEditFollowsItsBoxAndStoredSettingsShowOnOpening) {
  auto* box = Child<QCheckBox>(window.get(), "chkTexture");
  auto* url = Child<QLineEdit>(window.get(), "edtTexture");
  EXPECT_FALSE(url->isEnabled());
  box->click();
  EXPECT_TRUE(url->isEnabled());
  EXPECT_TRUE(Child<QLabel>(window.get(), "lblTexture")->isEnabled());
  url->setText("plates.gif");
  Child<QCheckBox>(window.get(), "chkFooter")->click();
  Child<QPushButton>(window.get(), "btnOK")->click();
  EXPECT_TRUE(settings.UseTexture);
  EXPECT_TRUE(settings.IncludeFooter);
  EXPECT_FALSE(settings.IncludeHeader);
  EXPECT_EQ(settings.Texture, "plates.gif");

  // What an import wrote shows the next time the window opens.
  settings = THtmlSettings{"C0C0C0", "3F3F3F", true, false, false, ""};
  window->show();
  EXPECT_EQ(window->TextChannels(), (std::array<int, 3>{192, 192, 192}));
  EXPECT_EQ(window->BackChannels(), (std::array<int, 3>{63, 63, 63}));
  EXPECT_TRUE(Child<QCheckBox>(window.get(), "chkHeader")->isChecked());
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(url->isEnabled());
}

TEST(DefaultValuesWindow, StartsAtTheLowerBoundsRoundsTheTonnageAndStoresOnlyOnOk) {
  TDefaultValues values;
  TfrmDefValues window(values);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* tons = window.findChild<TSpinEdit*>("sedtTonnage");
  auto* walk = window.findChild<TSpinEdit*>("sedtWalkMP");
  EXPECT_EQ(tons->value(), 10);
  EXPECT_EQ(walk->value(), 1);
  EXPECT_TRUE(window.findChild<QRadioButton*>("rbTechnology0")->isChecked());
  EXPECT_TRUE(window.findChild<QRadioButton*>("rbSource0")->isChecked());

  const auto typeAndLeave = [&](const char* text) {
    tons->setFocus();
    tons->selectAll();
    QTest::keyClicks(tons, text);
    walk->setFocus();
    return tons->value();
  };
  EXPECT_EQ(typeAndLeave("47"), 45);
  EXPECT_EQ(typeAndLeave("48"), 50);
  EXPECT_EQ(typeAndLeave("103"), 100);

  walk->setValue(6);
  window.findChild<QRadioButton*>("rbTechnology2")->click();
  window.findChild<QRadioButton*>("rbSource3")->click();
  window.findChild<QPushButton*>("btnCancel")->click();
  EXPECT_FALSE(values.Chosen);
  EXPECT_EQ(values.Tonnage, 0);

  window.show();
  // The window keeps what was last chosen in it.
  EXPECT_EQ(walk->value(), 6);
  typeAndLeave("62");
  window.findChild<QPushButton*>("btnOK")->click();
  EXPECT_TRUE(values.Chosen);
  EXPECT_EQ(values.Technology, dtClan2);
  EXPECT_EQ(values.Tonnage, 60);
  EXPECT_EQ(values.WalkMP, 6);
  EXPECT_EQ(values.Source, 3);
}

}  // namespace
}  // namespace tfd
