#include "ui/common/Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QToolButton>

namespace tfd {

namespace {

QString WithoutMnemonic(QString text) {
  text.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
  return text.trimmed();
}

class TAccessibility : public QAccessibleWidget {
 public:
  explicit TAccessibility(QToolButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QString value = WithoutMnemonic(Button()->text());
    const QString caption = Caption();
    if (caption.isEmpty()) return value;
    if (value.isEmpty()) return caption;
    return QStringLiteral("%1: %2").arg(caption, value);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    s.pressed = Button()->isDown();
    return s;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (!Button()->isEnabled()) return;
    if (action == showMenuAction() || action == pressAction())
      Button()->showMenu();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }

  QString Caption() const {
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    return BuddyCaption(*widget());
  }
};

QAccessibleInterface* DropButtonInterface(const QString& key, QObject* object) {
  auto* button = qobject_cast<QToolButton*>(object);
  if (key != QLatin1String("tfd::TDropButton") || !button) return nullptr;
  return new TAccessibility(button);
}

}  // namespace

QString BuddyCaption(const QWidget& control) {
  const QWidget* parent = control.parentWidget();
  if (!parent) return {};
  for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (label->buddy() == &control) {
      QString caption = WithoutMnemonic(label->text());
      while (caption.endsWith(':')) caption.chop(1);
      return caption;
    }
  return {};
}

void InstallDropButtonAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(DropButtonInterface);
    return true;
  }();
  (void)installed;
}

void NameForReaders(QWidget& control, const QString& name) {
  if (control.accessibleName() != name) control.setAccessibleName(name);
}

}  // namespace tfd
