// The graph widget of the Reports tab.

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "ui/widgets/Graph.h"

using namespace tfd;

namespace {

struct TPaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

TEST(TGraph, PointsStayInOrderOfXAndReplaceAtTheSameX) {
  TGraph g;
  g.addPoint(1, 5, 10);
  g.addPoint(1, 2, 20);
  g.addPoint(1, 9, 30);
  g.addPoint(1, 5, 11);  // replaces
  EXPECT_EQ(g.points(1), (QList<QPointF>{{2, 20}, {5, 11}, {9, 30}}));
  EXPECT_TRUE(g.points(2).isEmpty());
  // Series are addressed 1..3; others are ignored.
  g.addPoint(0, 1, 1);
  g.addPoint(4, 1, 1);
  EXPECT_TRUE(g.points(0).isEmpty());
  EXPECT_TRUE(g.points(4).isEmpty());
  // Points that cannot be drawn are refused.
  g.addPoint(1, qQNaN(), 1);
  g.addPoint(1, 3, qInf());
  EXPECT_EQ(g.points(1).size(), 3);
  g.clearSeries(1);
  EXPECT_TRUE(g.points(1).isEmpty());
}

TEST(TGraph, YAxisGrowsInStepsToShowTheHighestPoint) {
  TGraph g;
  g.setYAxis(120, 20, 0);
  EXPECT_EQ(g.yMaximum(), 120);
  g.addPoint(3, 1, 120);
  EXPECT_EQ(g.yMaximum(), 120);
  g.addPoint(2, 4, 121);
  EXPECT_EQ(g.yMaximum(), 140);
  g.addPoint(1, 4, 263);
  EXPECT_EQ(g.yMaximum(), 280);
  // The largest value a range can hold still draws, with a sparser grid.
  g.addPoint(1, 5, 32767);
  EXPECT_EQ(g.yMaximum(), 32780);
  g.resize(400, 240);
  EXPECT_FALSE(g.grab().isNull());
}

TEST(TGraph, PixelsAndXValuesConvertBothWaysAndAClickReportsTheX) {
  TGraph g;
  g.resize(600, 300);
  g.setXAxis(1, 30, 1, 0);
  const QRect area = g.plotArea();
  EXPECT_DOUBLE_EQ(g.xFromPixel(area.left()), 1.0);
  EXPECT_DOUBLE_EQ(g.xFromPixel(area.right()), 30.0);
  for (double x : {1.0, 7.0, 12.4, 30.0}) EXPECT_NEAR(g.xFromPixel(g.pixelFromX(x)), x, 0.06);
  EXPECT_LT(g.xFromPixel(0), 1.0);
  EXPECT_GT(g.xFromPixel(599), 30.0);

  QSignalSpy down(&g, &TGraph::mouseDown);
  QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(g.pixelFromX(12), 100));
  ASSERT_EQ(down.count(), 1);
  EXPECT_NEAR(down.first().first().toDouble(), 12.0, 0.06);
}

TEST(TGraph, HeldSeriesRepaintOnlyWhenReleasedAndColoursAreDrawn) {
  TGraph g;
  g.resize(400, 240);
  g.setBackgroundColor(Qt::black);
  g.setSeriesColor(2, QColor(0, 255, 0));
  g.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
  QCoreApplication::processEvents();
  TPaintCounter counter;
  g.installEventFilter(&counter);
  g.holdRedraw(2);
  EXPECT_TRUE(g.redrawHeld(2));
  EXPECT_FALSE(g.redrawHeld(1));
  for (int x = 1; x <= 30; ++x) g.addPoint(2, x, 60);
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  g.releaseRedraw(2);
  EXPECT_FALSE(g.redrawHeld(2));
  QCoreApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  g.releaseRedraw(2);  // one release too many changes nothing
  EXPECT_FALSE(g.redrawHeld(2));

  const QImage image = g.grab().toImage();
  const QRect area = g.plotArea();
  EXPECT_EQ(image.pixelColor(area.center().x() + 3, area.top() + 3), QColor(Qt::black));
  // The level line at 60 of 120 runs through the middle of the plot area.
  bool green = false;
  for (int y = area.center().y() - 3; y <= area.center().y() + 3; ++y)
    green = green || image.pixelColor(area.center().x(), y).green() > 200;
  EXPECT_TRUE(green);

  // Colours set after the first paint show at the next one.
  g.setBackgroundColor(Qt::white);
  g.setSeriesColor(2, QColor(255, 0, 255));
  const QImage again = g.grab().toImage();
  EXPECT_EQ(again.pixelColor(area.center().x() + 3, area.top() + 3), QColor(Qt::white));
  bool magenta = false;
  for (int y = area.center().y() - 3; y <= area.center().y() + 3; ++y) {
    const QColor c = again.pixelColor(area.center().x(), y);
    magenta = magenta || (c.red() > 200 && c.blue() > 200 && c.green() < 80);
  }
  EXPECT_TRUE(magenta);
}
