// The small widgets of the design tabs: gauge, status light, armour diagram,
// drop-down button.

#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/widgets/ArmorDiagram.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/StatusLight.h"

using namespace tfd;

namespace {

const QColor kNormal(Qt::blue);
const QColor kError(Qt::red);

QImage Render(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Mean colour of the pixels inside a shape (the label in the middle barely moves it).
QColor MeanColour(const QImage& image, const QPainterPath& shape) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (shape.contains(QPointF(x + 0.5, y + 0.5))) {
        const QColor c = image.pixelColor(x, y);
        r += c.red(), g += c.green(), b += c.blue(), ++n;
      }
  if (n == 0) return {};
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

}  // namespace

TEST(SetGauge, ShowsTheMagnitudeAndMarksNegativeValuesInTheErrorColour) {
  TGauge gauge;
  SetGauge(gauge, 1000, -45, kNormal, kError);
  EXPECT_EQ(gauge.maximum(), 1000);
  EXPECT_EQ(gauge.progress(), 45);
  EXPECT_EQ(gauge.foreColor(), kError);
  EXPECT_EQ(gauge.backColor(), QColor(Qt::black));
  SetGauge(gauge, 1000, 0, kNormal, kError);  // exactly zero is legal
  EXPECT_EQ(gauge.progress(), 0);
  EXPECT_EQ(gauge.foreColor(), kNormal);

  // 16-bit arguments: clamped to that range first.
  SetGauge(gauge, 70000, -40000, kNormal, kError);
  EXPECT_EQ(gauge.maximum(), 32767);
  EXPECT_EQ(gauge.progress(), 32768);
  EXPECT_EQ(gauge.foreColor(), kError);
}

TEST(TGauge, FillsTheShareOfTheMaximumClampedToTheWholeGauge) {
  TGauge gauge;
  gauge.setMaximum(0);  // no maximum: nothing filled
  gauge.setProgress(10);
  EXPECT_EQ(gauge.text(), "0%");
  gauge.setMaximum(200);
  gauge.setProgress(199);
  EXPECT_EQ(gauge.text(), "99%");  // not full, so never "100%"
  gauge.setProgress(500);
  EXPECT_DOUBLE_EQ(gauge.fraction(), 1.0);
  gauge.setTextKind(TGauge::EText::Value);
  EXPECT_EQ(gauge.text(), "500");
}

TEST(TGauge, PaintsTheBarAndThePieInTheirColours) {
  TGauge bar;
  bar.resize(200, 20);
  bar.setMaximum(100);
  bar.setProgress(50);
  bar.setForeColor(Qt::red);
  bar.setBackColor(Qt::black);
  QImage image = Render(bar);
  // Away from the centred text: the left quarter is filled, the right quarter is not.
  EXPECT_EQ(image.pixelColor(40, 4), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(160, 4), QColor(Qt::black));
  bar.setProgress(0);
  EXPECT_EQ(Render(bar).pixelColor(40, 4), QColor(Qt::black));

  TGauge pie;
  pie.setKind(TGauge::EKind::Pie);
  pie.resize(100, 100);
  pie.setMaximum(4);
  pie.setProgress(1);  // a quarter, clockwise from twelve o'clock
  pie.setForeColor(Qt::blue);
  pie.setBackColor(Qt::black);
  image = Render(pie);
  EXPECT_EQ(image.pixelColor(70, 25), QColor(Qt::blue));   // upper right
  EXPECT_EQ(image.pixelColor(30, 25), QColor(Qt::black));  // upper left
  EXPECT_EQ(image.pixelColor(70, 75), QColor(Qt::black));  // lower right
}

TEST(TGauge, WritesItsTextInAColourThatReadsOnEachPart) {
  // Half filled with yellow over black: the text crosses the edge, dark on the
  // yellow half and light on the black half.
  TGauge bar;
  bar.resize(200, 24);
  bar.setMaximum(100);
  bar.setProgress(50);
  bar.setForeColor(Qt::yellow);
  bar.setBackColor(Qt::black);
  const QImage image = Render(bar);
  QSet<QRgb> onYellow, onBlack;
  for (int y = 2; y < 22; ++y)
    for (int x = 70; x < 130; ++x) (x < 100 ? onYellow : onBlack) << image.pixel(x, y);
  EXPECT_TRUE(onYellow.contains(qRgb(0, 0, 0)));
  EXPECT_TRUE(onBlack.contains(qRgb(255, 255, 255)));
}

TEST(StatusLightFrame, HasThirteenDifferentFramesPerStatusInThreeDifferentSets) {
  QSet<QByteArray> all;
  for (int status = 0; status < 3; ++status)
    for (int frame = 0; frame < kStatusLightFrames; ++frame) {
      const QPixmap pixmap = StatusLightFrame(status, frame);
      ASSERT_EQ(pixmap.size(), QSize(93, 14)) << status << "/" << frame;
      const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
      all << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
      // Drawn once: the same picture comes back.
      EXPECT_EQ(StatusLightFrame(status, frame).cacheKey(), pixmap.cacheKey());
    }
  EXPECT_EQ(all.size(), 3 * kStatusLightFrames);
  // Out of range: clamped to the nearest frame and status.
  EXPECT_EQ(StatusLightFrame(7, 40).cacheKey(), StatusLightFrame(2, 12).cacheKey());
  EXPECT_EQ(StatusLightFrame(-1, -1).cacheKey(), StatusLightFrame(0, 0).cacheKey());
}

TEST(StatusLightFrame, GlowsInTheColourOfTheStatus) {
  // The middle lamp of the still frame.
  const QColor green = StatusLightFrame(0, 0).toImage().pixelColor(46, 7);
  const QColor yellow = StatusLightFrame(1, 0).toImage().pixelColor(46, 7);
  const QColor red = StatusLightFrame(2, 0).toImage().pixelColor(46, 7);
  EXPECT_GT(green.green(), green.red() + 80);
  EXPECT_GT(red.red(), red.green() + 80);
  EXPECT_GT(yellow.red(), yellow.blue() + 80);
  EXPECT_GT(yellow.green(), yellow.blue() + 80);
}

TEST(TStatusLight, ShowsTheFrameItIsGivenAndReportsLeftClicks) {
  TStatusLight light;
  EXPECT_EQ(light.size(), QSize(93, 14));
  light.setFrame(2, 5);
  EXPECT_EQ(light.status(), 2);
  EXPECT_EQ(light.frame(), 5);
  EXPECT_EQ(light.pixmap().cacheKey(), StatusLightFrame(2, 5).cacheKey());
  light.setFrame(9, 13);
  EXPECT_EQ(light.status(), 2);
  EXPECT_EQ(light.frame(), 12);

  QSignalSpy clicked(&light, &TStatusLight::clicked);
  QTest::mouseClick(&light, Qt::LeftButton, {}, QPoint(40, 7));
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseClick(&light, Qt::RightButton, {}, QPoint(40, 7));
  EXPECT_EQ(clicked.count(), 1);
}

TEST(TArmorDiagram, PicturesHighlightTheirLocations) {
  const QList<QList<int>> expected{{}, {0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {2, 3}, {4, 5}, {6, 7}};
  for (int picture = 0; picture < TArmorDiagram::kPictures; ++picture)
    EXPECT_EQ(TArmorDiagram::HighlightedLocations(picture), expected[picture]) << picture;

  TArmorDiagram diagram;
  diagram.setPicture(12);
  EXPECT_EQ(diagram.picture(), 0);
  diagram.setPicture(-3);
  EXPECT_EQ(diagram.picture(), 0);
}

TEST(TArmorDiagram, FillsExactlyTheHighlightedLocations) {
  for (const bool quad : {false, true}) {
    TArmorDiagram diagram;
    diagram.setQuad(quad);
    for (int picture = 0; picture < TArmorDiagram::kPictures; ++picture) {
      diagram.setPicture(picture);
      const QImage image = Render(diagram);
      const QList<int> lit = TArmorDiagram::HighlightedLocations(picture);
      for (int loc = 0; loc < 8; ++loc) {
        const QColor mean = MeanColour(image, diagram.locationShape(loc));
        // The highlight is a warm orange; the rest of the body is grey steel.
        const bool warm = mean.red() > mean.blue() + 60;
        EXPECT_EQ(warm, lit.contains(loc))
            << "quad " << quad << " picture " << picture << " location " << loc;
      }
    }
  }
}

TEST(TArmorDiagram, BodyPartsLieInsideTheDiagramWithoutOverlapping) {
  for (const bool quad : {false, true}) {
    TArmorDiagram diagram;
    diagram.setQuad(quad);
    const QRectF area(QPointF(0, 0), diagram.size());
    for (int a = 0; a < 8; ++a) {
      const QPainterPath shape = diagram.locationShape(a);
      EXPECT_TRUE(area.contains(shape.boundingRect())) << quad << " " << a;
      for (int b = a + 1; b < 8; ++b)
        EXPECT_FALSE(shape.intersects(diagram.locationShape(b))) << quad << " " << a << "/" << b;
    }
    // Right is on the viewer's left; the head is on top, the legs at the bottom.
    EXPECT_LT(diagram.locationShape(2).boundingRect().center().x(),
              diagram.locationShape(3).boundingRect().center().x());
    EXPECT_LT(diagram.locationShape(4).boundingRect().center().x(),
              diagram.locationShape(5).boundingRect().center().x());
    EXPECT_LT(diagram.locationShape(0).boundingRect().bottom(),
              diagram.locationShape(1).boundingRect().center().y());
    EXPECT_GT(diagram.locationShape(6).boundingRect().bottom(), area.height() * 0.9);
  }
}

TEST(TDropButton, OpensItsMenuOnAClickAndTakesTheFocus) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  auto* button = new TDropButton(&window);
  button->setText("Fusion");
  layout->addWidget(other);
  layout->addWidget(button);
  QMenu menu;
  menu.addAction("Fusion");
  button->setMenu(&menu);

  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  other->setFocus();

  QSignalSpy focused(button, &TDropButton::focused);
  QSignalSpy shown(&menu, &QMenu::aboutToShow);
  QTimer::singleShot(50, &menu, &QMenu::close);
  QTest::mouseClick(button, Qt::LeftButton);  // returns once the menu is closed
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(focused.count(), 1);
  EXPECT_EQ(QApplication::focusWidget(), button);
}
