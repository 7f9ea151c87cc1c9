// The splash window, the about box and the error report window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "ui/About/About.h"
#include "ui/Errs/Errs.h"
#include "ui/Splash/Splash.h"

using namespace tfd;

namespace {

int TopLevelsNamed(const QString& name) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) ++n;
  return n;
}

}  // namespace

TEST(TfrmSplash, IsABorderlessPictureWithTheWaitingLineAlongTheBottom) {
  TfrmSplash splash;
  EXPECT_EQ(splash.size(), QSize(519, 345));
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(splash.windowType(), Qt::SplashScreen);

  QLabel* line = splash.waitLine();
  EXPECT_EQ(line->text(), "Verifying security clearance...  One moment please...");
  EXPECT_EQ(line->geometry().bottom(), 344);
  EXPECT_EQ(line->width(), 519);
  EXPECT_TRUE(line->alignment().testFlag(Qt::AlignHCenter));

  splash.showAndPaint();
  EXPECT_TRUE(splash.isVisible());
  const QImage image = splash.grab().toImage();
  // Red on black at the bottom edge.
  QSet<QRgb> bottom;
  for (int x = 0; x < 519; ++x) bottom << image.pixel(x, 344 - 11);
  EXPECT_TRUE(bottom.contains(qRgb(0, 0, 0)));
  bool red = false;
  for (QRgb c : bottom) red = red || (qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80);
  EXPECT_TRUE(red);
  // A picture above it, not an empty window.
  QSet<QRgb> picture;
  for (int y = 0; y < 320; y += 4)
    for (int x = 0; x < 519; x += 4) picture << image.pixel(x, y);
  EXPECT_GT(picture.size(), 200);
}

// Long enough to read its line, never more than half a second after start-up,
// and gone by itself once the main window is up.
TEST(TfrmSplash, StaysToBeReadThenClosesByItselfOverTheMainWindow) {
  auto* splash = new TfrmSplash;
  QPointer<TfrmSplash> alive(splash);
  EXPECT_EQ(splash->remainingMs(), 0);  // not yet shown
  splash->showAndPaint();
  EXPECT_TRUE(splash->windowHandle()->isExposed());
  EXPECT_GT(splash->remainingMs(), 0);
  EXPECT_LE(splash->remainingMs(), TfrmSplash::kLongestExtraMs);

  QWidget main;
  main.show();
  splash->finish(&main);
  EXPECT_TRUE(splash->isVisible());
  QDeadlineTimer deadline(5000);
  while (alive && !deadline.hasExpired()) QTest::qWait(20);
  EXPECT_TRUE(alive.isNull());
}

TEST(TfrmSplash, GoesAtOnceWhenABoxOpensWhileItWaits) {
  auto* splash = new TfrmSplash;
  QPointer<TfrmSplash> alive(splash);
  splash->showAndPaint();
  QWidget main;
  main.show();
  // Gone long before the wait it is given at the end of start-up.
  const int wait = splash->remainingMs();
  QElapsedTimer since;
  since.start();
  splash->finish(&main);
  QDialog box(&main);
  box.setModal(true);
  box.show();
  QDeadlineTimer deadline(5000);
  while (alive && !deadline.hasExpired()) QTest::qWait(5);
  EXPECT_TRUE(alive.isNull());
  EXPECT_LT(since.elapsed(), wait / 2);
}

TEST(TfrmAboutBox, NamesTheProgramItsVersionAndLicenceAndClosesWithOk) {
  TfrmAboutBox about;
  EXPECT_EQ(about.objectName(), "frmAboutBox");
  EXPECT_FALSE(TfrmAboutBox::Version().isEmpty());
  EXPECT_NE(TfrmAboutBox::Version(), "unknown");
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  const QString all = texts.join('\n');
  EXPECT_TRUE(all.contains("Titanframe Designer"));
  EXPECT_TRUE(all.contains("Version " + TfrmAboutBox::Version()));
  EXPECT_TRUE(all.contains("GNU General Public License, version 3 or (at your option) any later"));

  about.open();
  ASSERT_TRUE(about.isVisible());
  auto* box = about.findChild<QDialogButtonBox*>();
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(TfrmErrorRpt, IsABoldToolWindowWithoutSystemButtons) {
  TfrmErrorRpt report;
  EXPECT_EQ(report.windowTitle(), "Error Report");
  EXPECT_EQ(report.windowType(), Qt::Tool);
  EXPECT_FALSE(report.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(report.windowFlags().testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(report.font().bold());
  EXPECT_FALSE(report.isModal());
  EXPECT_NE(report.findChild<QListWidget*>("lbToAlloc"), nullptr);
  EXPECT_EQ(report.findChild<QPushButton*>("btnClose")->text(), "Close");

  report.setColors(Qt::red, Qt::lightGray);
  EXPECT_EQ(report.list()->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(report.list()->palette().color(QPalette::Base), QColor(Qt::lightGray));
  EXPECT_EQ(report.palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST(TfrmErrorRpt, CloseHidesTheWindowAndKeepsTheList) {
  QWidget main;
  main.show();
  auto* report = new TfrmErrorRpt(&main);
  report->setObjectName("frmErrorRpt");
  report->list()->addItems({"Equipment not allocated", "Over weight"});
  report->showReport();
  EXPECT_TRUE(report->isVisible());

  QTest::mouseClick(report->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
  EXPECT_FALSE(report->isVisible());
  EXPECT_EQ(report->list()->count(), 2);
  QTest::keyClick(report, Qt::Key_Escape);  // Escape hides it as well, keeping the lines
  EXPECT_EQ(report->list()->count(), 2);

  // Shown again: the same window, the same lines.
  report->showReport();
  EXPECT_TRUE(report->isVisible());
  EXPECT_EQ(report->list()->count(), 2);
  QTest::keyClick(report, Qt::Key_Escape);
  EXPECT_FALSE(report->isVisible());
  EXPECT_EQ(report->list()->item(1)->text(), "Over weight");
}

TEST(TfrmErrorRpt, ASecondRequestOnlyBringsTheOpenWindowToTheFront) {
  QWidget main;
  main.show();
  auto* report = new TfrmErrorRpt(&main);
  report->showReport();
  const QPoint placed = report->pos();
  report->move(placed + QPoint(30, 20));  // the user moved it
  report->list()->addItem("Too many slots");
  report->showReport();
  report->showReport();
  EXPECT_TRUE(report->isVisible());
  EXPECT_EQ(TopLevelsNamed("frmErrorRpt"), 1);
  EXPECT_EQ(report->pos(), placed + QPoint(30, 20));  // not put back in the middle
  EXPECT_EQ(report->list()->count(), 1);

  // Hidden and asked for again: where the user left it.
  report->hide();
  report->showReport();
  EXPECT_EQ(report->pos(), placed + QPoint(30, 20));
}
