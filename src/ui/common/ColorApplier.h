#pragma once
// Puts the nine display colours on a main window, everything inside it and
// its own dialogs, through palettes alone. The window's palette carries the
// standard text and background and the edit colours, and every control
// inherits it: labels, tab sheets and flat buttons take the standard
// colours; spin edits, line edits, memos and lists the edit colours.
// Two kinds of control get a palette of their own: combo boxes (their face is
// drawn as a button, and they are edit controls here), and any widget whose
// dynamic property "displayColor" names a colour field ("GraphHtP",
// "GraphHtD", "GraphDmgP", "GaugeE", ...): its text is drawn in that colour.
// The damage graph is given its frame and line colours.
// "none" keeps a widget (or a dialog) out of it.
// Controls and dialogs added later are painted when Qt polishes them, so a new
// page or window needs no code of its own to take the colours.

#include <QObject>
#include <QPalette>
#include <optional>

#include "ui/common/DisplayColors.h"

class QWidget;

namespace tfd {

inline constexpr char kDisplayColorProperty[] = "displayColor";

class TColorApplier : public QObject {
  Q_OBJECT

 public:
  explicit TColorApplier(QWidget* mainWindow);
  ~TColorApplier() override;

  // Paints the main window and its dialogs in these colours.
  void Apply(const TDisplayColors& colors);
  bool Applied() const { return applied_; }

  // What a widget of the main window or one of its dialogs shows: the colour
  // field its property names, or none.
  static std::optional<EDisplayColor> FieldOf(const QWidget* widget);

 signals:
  // The desktop's palette changed (a new theme): system colours mean others now.
  void DesktopPaletteChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether a widget lies in the main window or in one of its dialogs.
  bool Covers(const QWidget* widget) const;
  bool IsOwnDialog(const QWidget* window) const;
  void Paint(QWidget* widget) const;
  QPalette WindowPalette() const;

  QWidget* main_;
  TDisplayColors colors_;
  bool applied_ = false;
};

}  // namespace tfd
