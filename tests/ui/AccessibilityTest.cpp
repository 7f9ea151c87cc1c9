// What a screen reader hears: every input of the main window, its pages and
// its windows carries a name, from a caption label that is its buddy or from
// a name of its own, and the accessibility interface reports that name.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"

using namespace tfd;

namespace {

// The caption of the label whose buddy the widget is, without its "&".
QString BuddyCaption(const QWidget& w, const QList<QLabel*>& labels) {
  for (const QLabel* label : labels)
    if (label->buddy() == &w) return label->text().remove('&').trimmed();
  return {};
}

// A part of another control (a spin box's text, a combo box's list, a field's clear button) is
// named by that control.
bool PartOfAnotherInput(const QWidget& w) {
  for (const QWidget* p = w.parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QLineEdit*>(p))
      return true;
  return w.inherits("QComboBoxPrivateContainer");
}

bool IsInput(const QWidget& w) {
  // Qt's own parts (the menu bar's overflow button) are named by Qt.
  if (PartOfAnotherInput(w) || w.objectName().startsWith("qt_")) return false;
  if (qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QComboBox*>(&w)) return true;
  if (qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QPlainTextEdit*>(&w)) return true;
  if (const auto* text = qobject_cast<const QTextEdit*>(&w)) return !text->isReadOnly();
  if (qobject_cast<const QAbstractItemView*>(&w)) return true;
  if (qobject_cast<const QAbstractSlider*>(&w)) return !qobject_cast<const QScrollBar*>(&w);
  // A check box or option without a caption of its own.
  if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w))
    return static_cast<const QAbstractButton&>(w).text().remove('&').trimmed().isEmpty();
  // A drop-down button shows its value, not what it chooses.
  if (const auto* tool = qobject_cast<const QToolButton*>(&w); tool && tool->menu()) return true;
  // A button that shows only a picture or a colour.
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
    return button->text().remove('&').trimmed().isEmpty();
  return false;
}

// "sedtTng (TSpinEdit)" for every input under `root` that has no name.
QStringList UnnamedInputs(QWidget& root) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  const QList<QLabel*> labels = root.findChildren<QLabel*>();
  QStringList unnamed;
  for (QWidget* w : widgets) {
    if (!IsInput(*w)) continue;
    const QString described = QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    if (w->accessibleName().trimmed().isEmpty() && BuddyCaption(*w, labels).isEmpty()) {
      unnamed << described;
      continue;
    }
    // What the accessibility interface reports is what an assistive tool reads.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (!face || face->text(QAccessible::Name).trimmed().isEmpty()) unnamed << described + " reports no name";
  }
  return unnamed;
}

class Accessibility : public TWindowTest {};

}  // namespace

TEST_F(Accessibility, EveryInputOfTheWindowAndItsWindowsHasAName) {
  // Every tab shown once, so that controls built on first showing are there.
  auto* tabs = Find<QTabWidget>("pcMain");
  for (int i = 0; i < tabs->count(); ++i) tabs->setCurrentIndex(i);
  // The main window's descendants include its dialogs and tool windows.
  const QStringList unnamed = UnnamedInputs(*window);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
  // The walk finds inputs at all: the armour edits, the search field, the lists.
  for (const char* name : {"sedtAF_H", "sedtTng", "edtFindEquipment", "lbWepType", "btnEngType"}) {
    auto* w = Find<QWidget>(name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsInput(*w)) << name;
  }
}

TEST_F(Accessibility, NamesSayWhatTheInputHolds) {
  auto name = [this](const char* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Find<QWidget>(widget));
    return face ? face->text(QAccessible::Name) : QString();
  };
  EXPECT_EQ(name("sedtAF_H"), "Head Armor");
  EXPECT_EQ(name("sedtAF_CTR"), "Center Torso Rear Armor");
  EXPECT_EQ(name("sedtTng"), "Tonnage");
  EXPECT_EQ(name("sedtW_MP"), "Walking MP");
  EXPECT_EQ(name("edtFindEquipment"), "Find equipment");
  // A drop-down button says what it chooses and what is chosen, and follows the choice.
  EXPECT_EQ(name("btnEngType"), "Engine: Fusion");
  Choose("pmTech", "Inner Sphere Level 2");
  Choose("pmEng", "XL Fusion");
  EXPECT_EQ(name("btnEngType"), "Engine: XL Fusion");
  EXPECT_EQ(name("btnArmr_LT"), "Left Torso Front Armor Type: Standard");
  // The limbs of a four-legged design are named as its legs.
  Choose("pmOptions", "Quad");
  ShowTab("tsArmor");
  EXPECT_EQ(name("sedtAF_RA"), "Right Front Leg Armor");
  ShowTab("tsCriticals");
  EXPECT_EQ(name("lbCS_LL"), "Left Rear Leg slots");
  EXPECT_EQ(name("btnCASE_RT"), "Right Torso CASE: none");
  EXPECT_EQ(name("btnRT_3"), "Right Torso slot 3 armored");
  // A roster row is named after the position it shows.
  EXPECT_EQ(name("sedtUR_P3Gun"), "Position 3 gunnery");
}
