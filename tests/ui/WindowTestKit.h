#pragma once
// What the GUI tests of the main window share: the real window built offscreen
// with the shipped equipment, controls found by name, menu entries chosen as a
// user chooses them, and the check that the slot grid and the item lists agree.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <memory>
#include <set>

#include "app/LoadServing.h"
#include "app/Startup.h"
#include "model/Mech.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/TfrmTFD.h"
#include "ui/widgets/SpinEdit.h"

namespace tfd {

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TMessageSeam::ClearShown();
    window = std::make_unique<TfrmTFD>(LoadEquipmentLists());
    // Wired as the program wires it: File > Open and the roster load through it.
    serving = std::make_unique<TLoadServing>(*window);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    TMessageSeam::SetNextAnswer(QMessageBox::No);  // never block on the close question
    serving.reset();
    window.reset();
    TMessageSeam::ClearShown();
  }

  template <typename T>
  T* Find(const char* name) {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString Text(const char* label) { return Find<QLabel>(label)->text(); }
  // Types into a spin edit the way a user does: everything selected, then keys.
  void Type(const char* editName, const QString& text) {
    auto* edit = Find<TSpinEdit>(editName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  TMech& Design() { return window->Design(); }

  // Pops a menu up (its rules run) and returns the entry of that caption.
  QAction* Entry(const char* menuName, const QString& caption) {
    auto* menu = Find<QMenu>(menuName);
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
      if (a->text() == caption) return a;
    ADD_FAILURE() << "no entry " << caption.toStdString() << " in " << menuName;
    return nullptr;
  }
  // Chooses an entry that must be offered.
  void Choose(const char* menuName, const QString& caption) {
    QAction* a = Entry(menuName, caption);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isVisible() && a->isEnabled()) << caption.toStdString();
    a->trigger();
  }
  void ShowTab(const char* pageName) {
    Find<QTabWidget>("pcMain")->setCurrentWidget(Find<QWidget>(pageName));
  }

  std::unique_ptr<TfrmTFD> window;
  std::unique_ptr<TLoadServing> serving;
};

// Every placed item's chain holds exactly the slots that name it; a BIN item
// holds none; no slot names an item that is in neither the configuration's
// list nor, in an Omni alternate, the fixed configuration's (and those sit
// where the fixed configuration has them).
inline ::testing::AssertionResult GridConsistent(const TMech& m) {
  const TConfiguration& c = *m.Config;
  const bool alternate = c.Parent && m.IsOmni();
  std::map<const TWeapon*, std::set<int>> named;
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
      const TSlot slot = c.Crits.SlotAt(loc, s);
      if (!slot.Item) continue;
      if (slot.Code != slot.Item->SaveNum)
        return ::testing::AssertionFailure() << "slot " << loc << "/" << s << " code " << slot.Code;
      if (c.Items.IndexOf(slot.Item) >= 0) {
        named[slot.Item].insert(SlotLink(loc, s));
      } else if (alternate && c.Parent->Items.IndexOf(slot.Item) >= 0) {
        if (c.Parent->Crits.SlotAt(loc, s).Item != slot.Item)
          return ::testing::AssertionFailure() << "fixed item out of place at " << loc << "/" << s;
      } else {
        return ::testing::AssertionFailure() << "slot " << loc << "/" << s << " names a foreign item";
      }
    }
  for (const auto& item : c.Items) {
    const auto it = named.find(item.get());
    if (item->Location == lcBin) {
      if (it != named.end() || item->SlotsFirst != 0)
        return ::testing::AssertionFailure() << item->Name << " is in the BIN but holds slots";
      continue;
    }
    std::set<int> chain;
    for (std::int16_t link = item->SlotsFirst; link != 0;) {
      const int loc = link >> 8, s = link & 0xFF;
      if (loc < 0 || loc >= kLocationCount || s < 1 || s > TCritAlloc::kMaxSlots ||
          !chain.insert(link).second)
        return ::testing::AssertionFailure() << item->Name << " has a broken chain";
      link = c.Crits.SlotAt(loc, s).Link;
    }
    if (it == named.end() || chain != it->second)
      return ::testing::AssertionFailure() << item->Name << ": its chain and the slots naming it differ";
    if (static_cast<int>(chain.size()) != item->Slots)
      return ::testing::AssertionFailure() << item->Name << " holds " << chain.size() << " slots";
    if ((*chain.begin() >> 8) != (item->Location & 7) && (item->SlotsFirst >> 8) != (item->Location & 7))
      return ::testing::AssertionFailure() << item->Name << ": location code and slots differ";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace tfd
