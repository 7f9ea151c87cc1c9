#include "ui/common/ColorApplier.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>

#include "equipment/ColorSchemes.h"
#include "ui/widgets/Graph.h"

namespace tfd {

namespace {

QColor Blend(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// Sets a role for the active and inactive window; a disabled control shows
// `disabled` instead, so that it still looks disabled in any scheme.
void SetRole(QPalette& p, QPalette::ColorRole role, const QColor& color, const QColor& disabled) {
  p.setColor(QPalette::Active, role, color);
  p.setColor(QPalette::Inactive, role, color);
  p.setColor(QPalette::Disabled, role, disabled);
}

void SetForeground(QPalette& p, const QColor& text, const QColor& back) {
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    SetRole(p, role, text, Blend(text, back));
}

// Dialogs of the toolkit (questions, files, colours) keep the desktop's look.
bool IsToolkitDialog(const QWidget* w) {
  return qobject_cast<const QMessageBox*>(w) || qobject_cast<const QColorDialog*>(w) ||
         qobject_cast<const QFileDialog*>(w) || qobject_cast<const QFontDialog*>(w) ||
         qobject_cast<const QInputDialog*>(w) || qobject_cast<const QProgressDialog*>(w);
}

bool OptedOut(const QWidget* w) {
  return w->property(kDisplayColorProperty).toString() == QLatin1String("none");
}

}  // namespace

TColorApplier::TColorApplier(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow) {
  qApp->installEventFilter(this);
}

TColorApplier::~TColorApplier() { qApp->removeEventFilter(this); }

std::optional<EDisplayColor> TColorApplier::FieldOf(const QWidget* widget) {
  const QVariant v = widget->property(kDisplayColorProperty);
  if (!v.isValid()) return std::nullopt;
  const std::string name = v.toString().toStdString();
  const auto& fields = ColorFieldNames();
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (name == fields[i]) return static_cast<EDisplayColor>(i);
  return std::nullopt;
}

QPalette TColorApplier::WindowPalette() const {
  const QColor& text = colors_[dcTextF];
  const QColor& back = colors_[dcTextB];
  const QColor& editText = colors_[dcEditF];
  const QColor& editBack = colors_[dcEditB];
  QPalette p;
  SetRole(p, QPalette::WindowText, text, Blend(text, back));
  SetRole(p, QPalette::ButtonText, text, Blend(text, back));
  SetRole(p, QPalette::Window, back, back);
  SetRole(p, QPalette::Button, back, back);
  // The bevels of frames and buttons follow the face they are cut into.
  SetRole(p, QPalette::Light, back.lighter(150), back.lighter(150));
  SetRole(p, QPalette::Midlight, back.lighter(125), back.lighter(125));
  SetRole(p, QPalette::Mid, back.darker(150), back.darker(150));
  SetRole(p, QPalette::Dark, back.darker(200), back.darker(200));
  SetRole(p, QPalette::Text, editText, Blend(editText, editBack));
  SetRole(p, QPalette::Base, editBack, back);
  SetRole(p, QPalette::AlternateBase, editBack, back);
  SetRole(p, QPalette::PlaceholderText, Blend(editText, editBack), Blend(editText, editBack));
  return p;
}

bool TColorApplier::IsOwnDialog(const QWidget* window) const {
  if (window == main_ || !qobject_cast<const QDialog*>(window) || IsToolkitDialog(window)) return false;
  for (const QWidget* w = window->parentWidget(); w; w = w->parentWidget())
    if (w == main_) return true;
  return false;
}

bool TColorApplier::Covers(const QWidget* widget) const {
  const QWidget* window = widget->window();
  return window == main_ || IsOwnDialog(window);
}

void TColorApplier::Paint(QWidget* widget) const {
  if (OptedOut(widget)) return;
  const auto field = FieldOf(widget);
  if (widget == main_ || (widget->isWindow() && IsOwnDialog(widget))) {
    QPalette p = WindowPalette();
    if (field) SetForeground(p, colors_[*field], colors_[dcTextB]);
    widget->setPalette(p);
  } else if (field) {
    QPalette p;
    SetForeground(p, colors_[*field], colors_[dcTextB]);
    widget->setPalette(p);
  } else if (auto* graph = qobject_cast<TGraph*>(widget)) {
    // The damage graph: its frame in the standard colours, its lines in the
    // heat potential, damage potential and heat dissipation colours.
    graph->setBackgroundColor(colors_[dcTextB]);
    graph->setMarginColor(colors_[dcTextB]);
    graph->setAxesColor(colors_[dcTextF]);
    graph->setGridColor(colors_[dcTextF]);
    graph->setLabelColor(colors_[dcTextF]);
    graph->setSeriesColor(1, colors_[dcGraphHtP]);
    graph->setSeriesColor(2, colors_[dcGraphDmgP]);
    graph->setSeriesColor(3, colors_[dcGraphHtD]);
  } else if (qobject_cast<QComboBox*>(widget)) {
    // A combo box without an edit line draws its face in the button colours.
    QPalette p;
    SetRole(p, QPalette::ButtonText, colors_[dcEditF], Blend(colors_[dcEditF], colors_[dcEditB]));
    SetRole(p, QPalette::Button, colors_[dcEditB], colors_[dcTextB]);
    widget->setPalette(p);
  }
}

void TColorApplier::Apply(const TDisplayColors& colors) {
  colors_ = colors;
  applied_ = true;
  Paint(main_);
  const QList<QWidget*> all = main_->findChildren<QWidget*>();
  for (QWidget* w : all)
    if (Covers(w)) Paint(w);
}

bool TColorApplier::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ApplicationPaletteChange && watched == qApp && applied_) emit DesktopPaletteChanged();
  if (applied_ && (type == QEvent::Polish || type == QEvent::DynamicPropertyChange) &&
      watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    const bool relevant =
        type == QEvent::Polish ||
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kDisplayColorProperty;
    if (relevant && Covers(widget)) Paint(widget);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tfd
