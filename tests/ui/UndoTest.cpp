// Undo and redo as a player uses them: each command one step, named in the
// Edit menu, giving back the design field by field; the modified flag follows
// the saved state; New and a load start afresh; and the keys of the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <map>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "files/ReadoutParts.h"
#include "model/DesignCompare.h"
#include "ui/main/CriticalsPage.h"
#include "ui/main/DesignUndo.h"
#include "ui/main/EditCommands.h"
#include "ui/widgets/SpinEdit.h"

using namespace tfd;

namespace {

// The entries of a list that the search leaves shown.
QStringList ShownEntries(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i)
    if (!list.item(i)->isHidden()) names << list.item(i)->text();
  return names;
}

class Undo : public TWindowTest {
 protected:
  // Lets the window finish the command: the step is taken once it has run.
  void Settle() { QCoreApplication::processEvents(); }
  QAction* UndoEntry() { return window->EditCommands()->UndoAction(); }
  QAction* RedoEntry() { return window->EditCommands()->RedoAction(); }
  int Steps() { return window->DesignUndo().Stack().count(); }

  // Runs a command; undoing it must give the design before it, redoing it the
  // design after it, each field by field.
  void ExpectUndoable(const char* what, const std::function<void()>& command) {
    SCOPED_TRACE(what);
    Settle();
    const TMech before(Design());
    const bool consistent = GridConsistent(Design());
    const int steps = Steps();
    command();
    Settle();
    const TMech after(Design());
    ASSERT_NE(DesignDifference(before, after), "") << "the command changed nothing";
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_TRUE(UndoEntry()->isEnabled());
    UndoEntry()->trigger();
    EXPECT_EQ(DesignDifference(Design(), before), "");
    if (consistent) {
      EXPECT_TRUE(GridConsistent(Design()));
    }
    ASSERT_TRUE(RedoEntry()->isEnabled());
    RedoEntry()->trigger();
    EXPECT_EQ(DesignDifference(Design(), after), "");
    if (consistent) {
      EXPECT_TRUE(GridConsistent(Design()));
    }
  }
  void Type(const char* editName, const QString& text) {
    auto* edit = Find<TSpinEdit>(editName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  void ShowWeapons() {
    ShowTab("tsMain");
    ShowTab("tsWeapons");
  }
  // Choosing the item and the location is no command of its own.
  void ChooseMediumLaser() {
    auto* list = Find<QListWidget>("lbWepType");
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text() == "Medium Laser") list->setCurrentRow(i);
    Find<QToolButton>("btnLoc_RT")->click();
  }
  void AddMediumLaser() {
    ChooseMediumLaser();
    Find<QPushButton>("btnAddWep")->click();
  }
};

}  // namespace

TEST_F(Undo, EveryKindOfCommandIsOneStepBackAndForth) {
  ExpectUndoable("component menu", [&] { Choose("pmTech", "Inner Sphere Level 2"); });
  ExpectUndoable("engine menu", [&] { Choose("pmEng", "XL Fusion"); });
  ExpectUndoable("typed tonnage", [&] {
    Type("sedtTng", "55");
    ShowTab("tsArmor");
  });
  ExpectUndoable("armour edit", [&] { Type("sedtAF_H", "7"); });
  ExpectUndoable("check box", [&] { Find<QCheckBox>("chkEQ_ST")->click(); });
  ShowWeapons();
  ChooseMediumLaser();
  ExpectUndoable("add", [&] { Find<QPushButton>("btnAddWep")->click(); });
  EXPECT_EQ(UndoEntry()->text(), "&Undo Add Medium Laser");
  ExpectUndoable("delete", [&] {
    Find<QListWidget>("lbWepList")->setCurrentRow(0);
    Find<QPushButton>("btnDelWep")->click();
  });
  EXPECT_EQ(UndoEntry()->text(), "&Undo Delete Medium Laser");
  ShowTab("tsCriticals");
  ExpectUndoable("CASE", [&] { Find<QToolButton>("btnCASE_RT")->click(); });
  ExpectUndoable("actuator", [&] { Find<QCheckBox>("chkRA_HA")->click(); });
  ShowTab("tsSpecifications");
  ExpectUndoable("specifications text", [&] {
    auto* type = Find<QLineEdit>("edtType");
    type->setFocus();
    QTest::keyClicks(type, "Warden");
  });
  EXPECT_EQ(Design().Texts[txtModel], "Warden");

  // All the way back is the new design, and the flag is clear there.
  while (UndoEntry()->isEnabled()) UndoEntry()->trigger();
  EXPECT_EQ(DesignDifference(Design(), TMech(Design())), "");
  EXPECT_EQ(Design().RulesLevel, rlIS1);
  EXPECT_TRUE(Design().Config->Items.Empty());
  EXPECT_FALSE(window->Modified());
  EXPECT_EQ(UndoEntry()->text(), "&Undo");
}

TEST_F(Undo, TypingIsOneStepUntilAPauseAndAnUnchangedCommitIsNone) {
  ShowTab("tsArmor");
  auto* head = Find<TSpinEdit>("sedtAF_H");
  head->setFocus();
  head->selectAll();
  for (const char* key : {"1", "2"}) {  // "12" is clamped to 9 on the way
    QTest::keyClicks(head, key);
    Settle();
  }
  EXPECT_EQ(Steps(), 1);
  QTest::qWait(TDesignUndo::kTypingPauseMs + 100);
  Type("sedtAF_H", "3");
  Settle();
  EXPECT_EQ(Steps(), 2);
  UndoEntry()->trigger();
  EXPECT_EQ(Design().Armor[asHead], 9);
  EXPECT_EQ(head->value(), 9);

  // Focus leaving an edit that changed nothing adds nothing.
  const int steps = Steps();
  Find<TSpinEdit>("sedtAF_CT")->setFocus();
  Settle();
  EXPECT_EQ(Steps(), steps);
}

TEST_F(Undo, ModifiedFollowsTheSavedStateAndNewStartsAfresh) {
  ShowWeapons();
  AddMediumLaser();
  Settle();
  EXPECT_TRUE(window->Modified());
  UndoEntry()->trigger();
  EXPECT_FALSE(window->Modified());
  RedoEntry()->trigger();
  EXPECT_TRUE(window->Modified());

  window->MarkSaved();
  EXPECT_FALSE(window->Modified());
  UndoEntry()->trigger();
  EXPECT_TRUE(window->Modified());
  RedoEntry()->trigger();
  EXPECT_FALSE(window->Modified());

  UndoEntry()->trigger();
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  window->NewDesign();
  EXPECT_EQ(Steps(), 0);
  EXPECT_FALSE(UndoEntry()->isEnabled());
  EXPECT_FALSE(RedoEntry()->isEnabled());
  EXPECT_FALSE(window->Modified());
}

TEST_F(Undo, ALoadStartsAfresh) {
  Choose("pmTech", "Inner Sphere Level 2");
  Settle();
  ASSERT_EQ(Steps(), 1);
  window->LoadFromFile(TFD_TEST_DATA "/skarn-prime.txt");
  EXPECT_EQ(Steps(), 0);
  EXPECT_FALSE(UndoEntry()->isEnabled());
  // A step in an alternate configuration comes back in that configuration.
  ASSERT_TRUE(Design().IsOmni());
  Choose("pmConfig", "Alternate A");
  ExpectUndoable("after a load", [&] { Choose("pmTech", "Clan Level 3"); });
  EXPECT_EQ(Design().ConfigIndex, 2);
}

TEST_F(Undo, EditMenuAndNoShortcutTakenTwice) {
  const QList<QAction*> bar = window->menuBar()->actions();
  QStringList titles;
  for (QAction* a : bar) titles << a->text();
  EXPECT_EQ(titles.mid(0, 3), (QStringList{"&File", "&Edit", "&Options"}));

  // Every key of every window-wide action and shortcut, once.
  std::map<QString, QString> taken;
  auto take = [&taken](const QKeySequence& key, const QString& owner) {
    const QString text = key.toString(QKeySequence::PortableText);
    const auto [it, fresh] = taken.emplace(text, owner);
    EXPECT_TRUE(fresh) << text.toStdString() << " taken by " << it->second.toStdString() << " and "
                       << owner.toStdString();
  };
  for (QAction* a : window->findChildren<QAction*>())
    for (const QKeySequence& key : a->shortcuts()) take(key, a->objectName() + a->text());
  for (QShortcut* s : window->findChildren<QShortcut*>())
    if (s->context() == Qt::WindowShortcut || s->context() == Qt::ApplicationShortcut)
      take(s->key(), s->objectName());

  const std::map<QString, QString> expected = {
      {"Ctrl+Z", "EditUndoItem"},         {"Ctrl+Shift+Z", "EditRedoItem"},
      {"Ctrl+Y", "EditRedoItem"},         {"Ctrl+N", "FileNewItem"},
      {"Ctrl+O", "FileOpenItem"},         {"F3", "FileOpenItem"},
      {"Ctrl+S", "FileSaveItem"},         {"F2", "FileSaveItem"},
      {"Ctrl+Shift+S", "FileSaveAsItem"}, {"Ctrl+P", "FilePrintItem"},
      {"Ctrl+Q", "FileExitItem"},         {"F1", "HelpAboutItem"},
      {"Ctrl+Tab", "NextTabItem"},        {"Ctrl+Shift+Tab", "PreviousTabItem"},
      {"Ctrl+F", "EditFindItem"}};
  for (const auto& [key, owner] : expected) {
    ASSERT_TRUE(taken.count(key)) << key.toStdString();
    EXPECT_TRUE(taken[key].startsWith(owner)) << key.toStdString() << " is " << taken[key].toStdString();
  }
}

TEST_F(Undo, KeysMoveBetweenTabsAndDeleteAPlacedItem) {
  ShowWeapons();
  AddMediumLaser();
  auto* tabs = Find<QTabWidget>("pcMain");
  const int at = tabs->currentIndex();
  Find<QAction>("NextTabItem")->trigger();
  EXPECT_EQ(tabs->currentIndex(), at + 1);
  Find<QAction>("PreviousTabItem")->trigger();
  EXPECT_EQ(tabs->currentIndex(), at);

  auto* placed = Find<QListWidget>("lbWepList");
  ASSERT_EQ(placed->count(), 1);
  placed->setCurrentRow(0);
  placed->setFocus();
  QTest::keyClick(placed, Qt::Key_Delete);
  EXPECT_EQ(placed->count(), 0);
  EXPECT_TRUE(Design().Config->Items.Empty());
}

TEST_F(Undo, SearchFiltersByNameOrAbbreviationAndEnterAdds) {
  Choose("pmTech", "Inner Sphere Level 2");
  Find<QAction>("EditFindItem")->trigger();
  EXPECT_EQ(Find<QTabWidget>("pcMain")->currentWidget(), Find<QWidget>("tsWeapons"));
  auto* field = Find<QLineEdit>("edtFindEquipment");
  EXPECT_TRUE(field->hasFocus());
  auto* list = Find<QListWidget>("lbWepType");
  auto shown = [list] { return ShownEntries(*list); };
  const QStringList all = shown();
  ASSERT_GT(all.size(), 3);

  QTest::keyClicks(field, "LASER");
  QStringList lasers = shown();
  ASSERT_FALSE(lasers.isEmpty());
  EXPECT_LT(lasers.size(), all.size());
  for (const QString& name : lasers) EXPECT_TRUE(name.contains("Laser", Qt::CaseInsensitive));

  // By abbreviation: the code name of one entry finds it even where the name lacks it.
  const auto* medium = [&]() -> const TWepInfo* {
    for (const auto& info : window->Equipment()->For(catEnergy, Design().WeaponFilter, false))
      if (info->Info.Name == "Medium Laser") return info.get();
    return nullptr;
  }();
  ASSERT_NE(medium, nullptr);
  field->setText(QString::fromStdString(medium->Info.Abbrev).toLower());
  EXPECT_TRUE(shown().contains("Medium Laser"));

  // Enter adds the single match, or the chosen one, as Add does.
  Find<QToolButton>("btnLoc_RT")->click();
  field->setText("er medium");
  ASSERT_EQ(shown(), QStringList{"ER Medium Laser"});
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(Design().Config->Items.Size(), 1);
  EXPECT_EQ(Design().Config->Items.AddrOf(0)->Name, "ER Medium Laser");
  field->setText("Medium Laser");
  ASSERT_EQ(shown(), (QStringList{"Medium Laser", "ER Medium Laser"}));
  list->setCurrentItem(nullptr);
  QTest::keyClick(field, Qt::Key_Return);  // two matches, none chosen: nothing
  EXPECT_EQ(Design().Config->Items.Size(), 1);
  list->setCurrentItem(list->findItems("Medium Laser", Qt::MatchExactly).value(0));
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(Design().Config->Items.Size(), 2);
  EXPECT_EQ(Design().Config->Items.AddrOf(1)->Name, "Medium Laser");
  QCoreApplication::processEvents();
  EXPECT_EQ(UndoEntry()->text(), "&Undo Add Medium Laser");

  // A list rebuilt for another category is filtered too.
  field->setText("laser");
  Find<QToolButton>("btnBallistic")->click();
  QCoreApplication::processEvents();
  for (const QString& name : shown())
    EXPECT_TRUE(name.contains("laser", Qt::CaseInsensitive)) << name.toStdString();
  Find<QToolButton>("btnEnergy")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(), lasers);

  // An emptied field shows the whole list again.
  field->clear();
  EXPECT_EQ(shown(), all);
  field->setText("zzzz-no-such");
  EXPECT_TRUE(shown().isEmpty());
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(Design().Config->Items.Size(), 2);
}

// "All categories" searches every list the tab offers, weapons and
// ammunition alike; Enter adds what it finds as Add does; leaving it, or an
// empty field, gives back the tab's own list.
TEST_F(Undo, SearchOfEveryCategoryFindsAndAddsAcrossTheLists) {
  Choose("pmTech", "Inner Sphere Level 2");
  Find<QAction>("EditFindItem")->trigger();
  auto* field = Find<QLineEdit>("edtFindEquipment");
  auto* everyList = Find<QCheckBox>("chkFindAll");
  auto* list = Find<QListWidget>("lbWepType");
  auto shown = [list] { return ShownEntries(*list); };
  const QStringList energy = shown();
  // Ticked with an empty field: the tab's own list, as it builds it.
  everyList->setChecked(true);
  EXPECT_EQ(shown(), energy);

  Find<QToolButton>("btnLoc_RT")->click();
  field->setText("lrm 10");
  QCoreApplication::processEvents();
  const QStringList found = shown();
  EXPECT_TRUE(found.contains("LRM 10")) << found.join(", ").toStdString();
  EXPECT_TRUE(found.contains("@LRM 10")) << found.join(", ").toStdString();
  for (const QString& name : found)
    EXPECT_TRUE(name.contains("LRM 10", Qt::CaseInsensitive)) << name.toStdString();
  // Only what the technology filter allows: no Clan entries in an Inner Sphere design.
  for (int i = 0; i < list->count(); ++i) {
    const auto* info = list->item(i)->data(Qt::UserRole + 1).value<const TWepInfo*>();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Info.Tech & Design().WeaponFilter, Design().WeaponFilter) << info->Info.Name;
  }

  // Enter adds the chosen entry: ammunition while the tab shows energy weapons,
  // then a weapon, each as what it is.
  list->setCurrentItem(list->findItems("@LRM 10", Qt::MatchExactly).value(0));
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(Design().Config->Items.Size(), 1);
  EXPECT_TRUE(Design().Config->Items.AddrOf(0)->IsAmmo());
  EXPECT_DOUBLE_EQ(Design().Config->Items.AddrOf(0)->Tons, 1.0);
  list->setCurrentItem(list->findItems("LRM 10", Qt::MatchExactly).value(0));
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(Design().Config->Items.Size(), 2);
  EXPECT_EQ(Design().Config->Items.AddrOf(1)->Name, "LRM 10");
  EXPECT_FALSE(Design().Config->Items.AddrOf(1)->IsAmmo());
  EXPECT_EQ(Design().Config->Items.AddrOf(1)->Slots, 2);
  // A single match is added without choosing it.
  field->setText("er medium laser");
  QCoreApplication::processEvents();
  ASSERT_EQ(shown(), QStringList{"ER Medium Laser"});
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(Design().Config->Items.Size(), 3);
  EXPECT_EQ(Design().Config->Items.AddrOf(2)->Name, "ER Medium Laser");

  // A category chosen meanwhile does not narrow the search.
  field->setText("lrm 10");
  Find<QToolButton>("btnBallistic")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(), found);

  // Unticked: the search is within the category shown again.
  everyList->setChecked(false);
  QCoreApplication::processEvents();
  EXPECT_TRUE(shown().isEmpty()) << shown().join(", ").toStdString();
  Find<QToolButton>("btnEnergy")->click();
  everyList->setChecked(true);
  field->clear();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(), energy);
}

// Every command names its step, and the Edit menu says which one Undo takes back.
TEST_F(Undo, EveryCommandNamesItsStep) {
  auto expectStep = [this](const char* what, const QString& name, const std::function<void()>& command) {
    SCOPED_TRACE(what);
    const int steps = Steps();
    command();
    Settle();
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(UndoEntry()->text(), "&Undo " + name);
  };
  expectStep("rules level", "Set Rules Level", [&] { Choose("pmTech", "Inner Sphere Level 2"); });
  expectStep("engine", "Set Engine Type", [&] { Choose("pmEng", "XL Fusion"); });
  expectStep("tonnage", "Set Tonnage", [&] {
    Type("sedtTng", "55");
    ShowTab("tsArmor");
  });
  expectStep("armour", "Set Center Torso Rear Armor", [&] { Type("sedtAF_CTR", "4"); });
  expectStep("preset", "Armor Preset 75%", [&] { Find<QPushButton>("btnArmr75")->click(); });
  expectStep("equalise", "Toggle Equalize Legs", [&] { Find<QCheckBox>("chkEQ_L")->click(); });
  ShowWeapons();
  expectStep("add", "Add Medium Laser", [&] { AddMediumLaser(); });
  ShowTab("tsCriticals");
  expectStep("CASE", "Set CASE in Left Torso", [&] { Find<QToolButton>("btnCASE_LT")->click(); });
  expectStep("actuator", "Toggle Left Hand Actuator", [&] { Find<QCheckBox>("chkLA_HA")->click(); });
  expectStep("move", "Move Medium Laser", [&] {
    auto* from = Find<TSlotList>("lbCS_RT");
    auto* to = Find<TSlotList>("lbCS_CT");
    std::unique_ptr<QMimeData> mime(TCriticalsPage::DragData(Design().Config->Items.AddrOf(0), *from));
    const QPoint at = to->visualItemRect(to->item(to->count() - 1)).center();  // a free slot
    QDragEnterEvent enter(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &move);
    QDropEvent drop(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &drop);
  });
  EXPECT_EQ(Design().Config->Items.AddrOf(0)->Location & 7, locCenterTorso);
  ShowTab("tsSpecifications");
  expectStep("specifications", "Edit Type", [&] {
    auto* type = Find<QLineEdit>("edtType");
    type->setFocus();
    QTest::keyClicks(type, "Warden");
  });
  // Undo takes them back in turn, each under its own name.
  UndoEntry()->trigger();
  EXPECT_EQ(UndoEntry()->text(), "&Undo Move Medium Laser");
  EXPECT_EQ(RedoEntry()->text(), "&Redo Edit Type");
}

namespace {

// What the clipboard holds, written to a file our reader can load.
QString ClipboardAsFile(const QTemporaryDir& dir, const char* name) {
  QFile file(dir.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(QGuiApplication::clipboard()->text().toUtf8());
  return file.fileName();
}

}  // namespace

TEST_F(Undo, CopiedReadoutLoadsBackToTheSameDesign) {
  window->LoadFromFile(TFD_TEST_DATA "/vashti-prime.TFC");
  ASSERT_TRUE(Design().IsOmni());
  Design().SelectConfig(2);
  window->Recalc(63);
  const TMech original(Design());
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());

  // Only an Omni design offers every configuration at once.
  QMenu* menu = window->EditCommands()->Menu();
  QMetaObject::invokeMethod(menu, "aboutToShow");
  EXPECT_TRUE(window->EditCommands()->CopyAllAction()->isEnabled());

  window->EditCommands()->CopyReadoutAction()->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasHtml());
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QString::fromStdString(ReadoutConfigName(2))));
  window->LoadFromFile(ClipboardAsFile(dir, "one.txt"));
  EXPECT_EQ(Design().Tonnage, original.Tonnage);
  EXPECT_EQ(Design().WalkMP, original.WalkMP);
  EXPECT_EQ(Design().EngineRating, original.EngineRating);
  EXPECT_EQ(Design().HeatSinks, original.HeatSinks);
  EXPECT_EQ(Design().Configs[2]->Items.Size(), original.Configs[2]->Items.Size());

  window->LoadFromFile(TFD_TEST_DATA "/vashti-prime.TFC");
  window->EditCommands()->CopyAllAction()->trigger();
  window->LoadFromFile(ClipboardAsFile(dir, "all.txt"));
  for (int c = 0; c < kConfigCount; ++c)
    EXPECT_EQ(Design().Configs[c]->Items.Size(), original.Configs[c]->Items.Size()) << original.ConfigName(c);

  // A plain design has one configuration: "all" has nothing more to give.
  window->LoadFromFile(TFD_TEST_DATA "/brennock-bk1.TFI");
  QMetaObject::invokeMethod(menu, "aboutToShow");
  EXPECT_FALSE(window->EditCommands()->CopyAllAction()->isEnabled());
  EXPECT_TRUE(window->EditCommands()->CopyReadoutAction()->isEnabled());
}
