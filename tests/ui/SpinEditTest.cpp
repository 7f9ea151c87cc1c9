// The spin edit: typed numbers outside the range, empty texts at focus out and
// steps routed to the owner.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "ui/widgets/SpinEdit.h"

using namespace tfd;

namespace {

// A window with the edit and a second control to move the focus to.
class SpinEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    edit = new TSpinEdit(&window);
    other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
  }

  QLineEdit* line() const { return edit->findChild<QLineEdit*>(); }

  void retype(const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  QWidget window;
  TSpinEdit* edit = nullptr;
  QLineEdit* other = nullptr;
};

}  // namespace

TEST_F(SpinEditTest, KeepsATypedNumberAboveTheMaximumAndClampsItOnCommit) {
  edit->setRange(0, 9);
  edit->setValue(0);
  QSignalSpy changed(edit, &QSpinBox::valueChanged);
  retype("12");
  EXPECT_EQ(line()->text(), "12");  // not "1"
  EXPECT_EQ(edit->value(), 1);      // "1" was in range and followed at once
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->value(), 9);
  EXPECT_EQ(line()->text(), "9");
  ASSERT_GE(changed.count(), 2);
  EXPECT_EQ(changed.last().at(0).toInt(), 9);

  // Keyboard tracking: each keystroke inside the range is a change at once.
  retype("7");
  EXPECT_EQ(edit->value(), 7);
}

TEST_F(SpinEditTest, ClampsNumbersOutsideTheRangeWhenTheFocusLeaves) {
  edit->setRange(20, 100);
  edit->setSingleStep(5);
  edit->setValue(50);
  retype("103");
  EXPECT_EQ(line()->text(), "103");
  other->setFocus();
  EXPECT_EQ(edit->value(), 100);
  EXPECT_EQ(line()->text(), "100");

  // Below the minimum is clamped too, not put back to the old value.
  edit->setFocus();
  retype("5");
  other->setFocus();
  EXPECT_EQ(edit->value(), 20);
}

TEST_F(SpinEditTest, RefusesWhatIsNoNumber) {
  edit->setRange(0, 9);
  edit->setValue(3);
  retype("4x-");
  EXPECT_EQ(line()->text(), "4");
  retype("-2");  // no sign where the minimum is not negative
  EXPECT_EQ(line()->text(), "2");
  retype("1234567890123");  // far too long to be a number of this edit
  EXPECT_LE(line()->text().size(), 9);

  edit->setRange(-5, 5);
  retype("-8");
  EXPECT_EQ(line()->text(), "-8");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->value(), -5);
}

TEST_F(SpinEditTest, LetsTheOwnerSeeAnEmptyTextWhenTheFocusLeaves) {
  edit->setRange(0, 30);
  edit->setValue(12);
  QSignalSpy entered(edit, &TSpinEdit::focusIn);
  bool emptyAtFocusOut = false;
  int focusOuts = 0;
  QObject::connect(edit, &TSpinEdit::focusOut, [&] {
    ++focusOuts;
    emptyAtFocusOut = edit->textEmpty();
  });
  retype("");
  EXPECT_TRUE(edit->textEmpty());
  EXPECT_EQ(edit->value(), 12);  // an empty text changes nothing
  other->setFocus();
  EXPECT_EQ(focusOuts, 1);
  EXPECT_TRUE(emptyAtFocusOut);
  EXPECT_FALSE(edit->textEmpty());  // fixed up after the owner had its say

  // The owner may put a value in while it still sees the empty text.
  QObject::disconnect(edit, &TSpinEdit::focusOut, nullptr, nullptr);
  QObject::connect(edit, &TSpinEdit::focusOut, [&] {
    if (edit->textEmpty()) edit->setValue(0);
  });
  edit->setFocus();
  EXPECT_EQ(entered.count(), 1);
  retype("");
  other->setFocus();
  EXPECT_EQ(edit->value(), 0);
  EXPECT_EQ(line()->text(), "0");
}

TEST_F(SpinEditTest, RoutesEveryKindOfStepToTheOwner) {
  edit->setRange(20, 100);
  edit->setSingleStep(5);
  edit->setValue(50);
  edit->setRouteSteps(true);
  QSignalSpy steps(edit, &TSpinEdit::stepRequested);
  QSignalSpy changed(edit, &QSpinBox::valueChanged);

  QTest::keyClick(edit, Qt::Key_Up);
  QTest::keyClick(edit, Qt::Key_Down);
  QTest::keyClick(edit, Qt::Key_PageUp);
  QTest::keyClick(edit, Qt::Key_PageDown);
  QWheelEvent wheel(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(edit, &wheel);
  // A click on the up arrow, at the right end of the upper half.
  QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 5, 4));

  QList<int> got;
  for (const auto& args : steps) got << args.at(0).toInt();
  EXPECT_EQ(got, (QList<int>{1, -1, 10, -10, 1, 1}));
  EXPECT_EQ(edit->value(), 50);
  EXPECT_EQ(changed.count(), 0);

  // Read-only edits ask for nothing; without routing the edit steps itself.
  edit->setReadOnly(true);
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(steps.count(), 6);
  edit->setReadOnly(false);
  edit->setRouteSteps(false);
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(edit->value(), 55);
  EXPECT_EQ(steps.count(), 6);
}
