#pragma once
// The nine display colours: standard text, edit-box text, standard background,
// edit-box background, gauge in legal status, gauge in illegal status, graph
// heat potential, graph heat dissipation, graph damage potential. Resolved
// for this desktop from a colour set (ResolveColorSet).

#include <QColor>
#include <array>

namespace tfd {

enum EDisplayColor {
  dcTextF,
  dcEditF,
  dcTextB,
  dcEditB,
  dcGaugeN,
  dcGaugeE,
  dcGraphHtP,
  dcGraphHtD,
  dcGraphDmgP,
  dcCount
};

struct TDisplayColors {
  std::array<QColor, dcCount> Colors;

  const QColor& operator[](EDisplayColor i) const { return Colors[static_cast<std::size_t>(i)]; }
  QColor& operator[](EDisplayColor i) { return Colors[static_cast<std::size_t>(i)]; }
};

}  // namespace tfd
