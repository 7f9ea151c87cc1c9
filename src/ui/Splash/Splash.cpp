#include "ui/Splash/Splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "ui/widgets/TitanframeArt.h"

namespace tfd {

namespace {
constexpr int kLineHeight = 22;
}

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), wait_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmSplash"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);

  wait_->setObjectName(QStringLiteral("lblWait"));
  wait_->setText(QStringLiteral("Verifying security clearance...  One moment please..."));
  wait_->setAlignment(Qt::AlignCenter);
  wait_->setAutoFillBackground(true);
  QPalette redOnBlack = wait_->palette();
  redOnBlack.setColor(QPalette::Window, Qt::black);
  redOnBlack.setColor(QPalette::WindowText, QColor(230, 20, 20));
  wait_->setPalette(redOnBlack);
  QFont bold = wait_->font();
  bold.setBold(true);
  wait_->setFont(bold);
  wait_->setGeometry(0, kHeight - kLineHeight, kWidth, kLineHeight);

  // Centred on the screen where the platform lets a program place its windows.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TfrmSplash::showAndPaint() {
  show();
  raise();
  repaint();
  // Let the window system map and draw the window before start-up continues;
  // no user input is taken here.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintSplashScene(p, QRectF(0, 0, kWidth, kHeight - kLineHeight));
}

}  // namespace tfd
