#include "ui/Splash/Splash.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "ui/widgets/TitanframeArt.h"

namespace tfd {

namespace {
constexpr int kLineHeight = 22;
// The longest wait for the window system to map the window.
constexpr int kMappingMs = 1000;
}  // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      wait_(new QLabel(this)),
      picture_(kWidth, kHeight - kLineHeight) {
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

  // The scene is drawn once; every paint copies it.
  picture_.fill(Qt::black);
  QPainter scene(&picture_);
  PaintSplashScene(scene, QRectF(0, 0, kWidth, kHeight - kLineHeight));
  scene.end();

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
  // A window painted before the window system has mapped it stays black, so
  // wait for it to be exposed; no user input is taken meanwhile.
  const QDeadlineTimer deadline(kMappingMs);
  while (windowHandle() && !windowHandle()->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(5);
  }
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  shown_.start();
}

int TfrmSplash::remainingMs() const {
  if (!shown_.isValid()) return 0;
  const auto left = kReadingMs - shown_.elapsed();
  return static_cast<int>(std::clamp<qint64>(left, 0, kLongestExtraMs));
}

void TfrmSplash::finish(QWidget* mainWindow) {
  QPointer<QWidget> main(mainWindow);
  // Over the main window, which was mapped after it.
  raise();
  QTimer::singleShot(remainingMs(), this, [this, main] {
    if (main) main->activateWindow();
    close();
    deleteLater();
  });
  // A box that opens meanwhile (a file named at start-up that cannot be read)
  // is never hidden behind the splash: the splash goes at once.
  auto* watch = new QTimer(this);
  connect(watch, &QTimer::timeout, this, [this] {
    if (!QApplication::activeModalWidget()) return;
    close();
    deleteLater();
  });
  watch->start(kModalWatchMs);
}

void TfrmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

}  // namespace tfd
