#include "ui/widgets/DropButton.h"

#include <QFocusEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <algorithm>

namespace tfd {

TDropButton::TDropButton(QWidget* parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setFocusPolicy(Qt::StrongFocus);
  setAutoRaise(false);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TDropButton::focusInEvent(QFocusEvent* event) {
  QToolButton::focusInEvent(event);
  // Getting the focus back when its own menu closes is no new focus.
  if (event->reason() != Qt::PopupFocusReason) emit focused();
}

int TDropButton::ArrowSize() const { return std::max(7, fontMetrics().height() / 2); }
int TDropButton::Margin() const { return std::max(4, fontMetrics().averageCharWidth() / 2 + 2); }

bool TDropButton::ShowsIcon() const {
  return !icon().isNull() && toolButtonStyle() != Qt::ToolButtonTextOnly;
}
bool TDropButton::ShowsText() const { return toolButtonStyle() != Qt::ToolButtonIconOnly || icon().isNull(); }

QSize TDropButton::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  int width = Margin() + Margin() + ArrowSize() + Margin();
  int height = fm.height();
  if (ShowsIcon()) {
    width += iconSize().width() + (ShowsText() ? Margin() : 0);
    height = std::max(height, iconSize().height());
  }
  if (ShowsText()) width += fm.horizontalAdvance(text());
  return {width, height + 2 * std::max(3, Margin() - 1)};
}

QSize TDropButton::minimumSizeHint() const {
  return {3 * Margin() + ArrowSize() + fontMetrics().horizontalAdvance(QStringLiteral("...")),
          sizeHint().height()};
}

QRect TDropButton::arrowRect() const {
  const int size = ArrowSize();
  return {width() - Margin() - size, (height() - size) / 2, size, size};
}

void TDropButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionToolButton face;
  initStyleOption(&face);
  const QString caption = face.text;
  // The style draws the face alone; caption and arrow are placed here.
  face.text.clear();
  face.icon = QIcon();
  face.features &= ~(QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup);
  face.subControls &= ~QStyle::SC_ToolButtonMenu;
  if (isEnabled()) {
    // Raised like a push button, sunken while its menu is open.
    face.state |= QStyle::State_Raised;
    p.drawComplexControl(QStyle::CC_ToolButton, face);
  } else {
    p.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = arrowRect();
  arrow.palette.setColor(QPalette::ButtonText, palette().color(group, QPalette::ButtonText));
  arrow.palette.setColor(QPalette::WindowText, palette().color(group, QPalette::ButtonText));
  arrow.palette.setColor(QPalette::Text, palette().color(group, QPalette::ButtonText));
  p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

  int left = Margin();
  if (ShowsIcon()) {
    const QPixmap pixmap =
        icon().pixmap(iconSize(), devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    p.drawPixmap(left, (height() - iconSize().height()) / 2, pixmap);
    left += iconSize().width() + Margin();
  }
  if (!ShowsText()) return;
  const QRect textArea(left, 0, arrowRect().left() - Margin() - left, height());
  const QString shown = fontMetrics().elidedText(caption, Qt::ElideRight, textArea.width());
  p.drawItemText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                 shown, QPalette::ButtonText);
}

}  // namespace tfd
