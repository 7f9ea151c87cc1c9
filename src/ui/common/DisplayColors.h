#pragma once
// The nine display colours: standard text, edit-box text, standard background,
// edit-box background, gauge in legal status, gauge in illegal status, graph
// heat potential, graph heat dissipation, graph damage potential.

#include <QColor>
#include <array>

namespace tfd {

enum EDisplayColor {
  dcTextF, dcEditF, dcTextB, dcEditB, dcGaugeN, dcGaugeE, dcGraphHtP, dcGraphHtD, dcGraphDmgP,
  dcCount
};

struct TDisplayColors {
  std::array<QColor, dcCount> Colors;

  const QColor& operator[](EDisplayColor i) const { return Colors[static_cast<std::size_t>(i)]; }
  QColor& operator[](EDisplayColor i) { return Colors[static_cast<std::size_t>(i)]; }

  // The start-up set on this desktop: the desktop's text on its button face,
  // blue and red gauges, red, teal and blue graph lines.
  static TDisplayColors Defaults();
};

}  // namespace tfd
