#include "ratings/DamageByRange.h"

#include <algorithm>
#include <array>
#include <limits>

#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "model/Rounding.h"
#include "ratings/Ratings.h"

namespace tfd {

namespace {

// The equipment table's categories of missile launchers (Inner Sphere, Clan,
// Custom): long-range ones fire missiles of one point each, short-range ones
// of two.
bool InCategory(int id, ECategory category) {
  const int block = id / 100 * 100;
  for (ETechColumn column : {tcInnerSphere, tcClan, tcCustom})
    if (block == BlockStart(category, column)) return true;
  return false;
}
bool IsLongRangeLauncher(int id) { return InCategory(id, catLRM); }
bool IsShortRangeLauncher(int id) { return InCategory(id, catSRM); }

bool FiresForward(int code) { return code >= 0 && code < lcBin && (code & lcRear) == 0; }

// Damage of one volley when only the hits of a roll of 7 on the cluster table land.
double ClusterDamage(const TWeapon& w) {
  const int perMissile = IsShortRangeLauncher(w.SaveNum) ? 2 : 1;
  const int size = w.Damage / perMissile;
  if (size < 2) return w.Damage;
  return static_cast<double>(ClusterHitsOnSeven(size) * perMissile);
}

std::int16_t ToWord(double v) {
  return static_cast<std::int16_t>(std::clamp<long>(Round(v), std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

int ClusterHitsOnSeven(int size) {
  static constexpr std::array<int, 21> kHits = {0, 1, 1, 2, 2, 3,  4,  4,  5,  5, 6,
                                                7, 8, 8, 9, 9, 10, 10, 11, 11, 12};
  if (size <= 0) return 0;
  if (size < static_cast<int>(kHits.size())) return kHits[static_cast<std::size_t>(size)];
  // Larger volleys land three in five, as the table's largest columns do.
  return static_cast<int>(Round(size * 0.6));
}

void ComputeDamageByRange(TMech& m, std::uint8_t options) {
  std::array<double, kRangeCount> damage{}, heat{};
  const TConfiguration& c = *m.Config;

  auto add = [&](const TWeapon& w) {
    if (!(w.Options & woOffensive) || w.IsAmmo() || !FiresForward(w.Location)) return;
    const int reach = std::min<int>(kRangeCount, std::max({w.Ranges[1], w.Ranges[2], w.Ranges[3]}));
    if (reach <= 0) return;

    const bool ultra = (w.Options & woUltra) != 0;
    const bool streak = (w.Options & woStreak) != 0;
    double volley = w.Damage;
    if ((options & goDamageCluster) && !streak &&
        ((w.Options & woLBX) || IsLongRangeLauncher(w.SaveNum) || IsShortRangeLauncher(w.SaveNum)))
      volley = ClusterDamage(w);
    if (ultra && (options & goDamageUltra)) volley *= 2.0;
    if (streak && (options & goDamageStreak)) volley *= 0.5;

    double warmth = w.Heat;
    if (ultra && (options & goHeatUltra)) warmth *= 2.0;
    if (streak && (options & goHeatStreak)) warmth *= 0.5;

    const int minimum = w.Ranges[0];
    for (int r = 1; r <= reach; ++r) {
      const bool tooClose = r <= minimum;
      if (!(tooClose && (options & goDamageMinRange))) damage[static_cast<std::size_t>(r - 1)] += volley;
      if (!(tooClose && (options & goHeatMinRange))) heat[static_cast<std::size_t>(r - 1)] += warmth;
    }
  };

  if (IsAlternate(c, m))
    for (const auto& item : c.Parent->Items) add(*item);
  for (const auto& item : c.Items) add(*item);

  for (std::size_t i = 0; i < damage.size(); ++i) {
    m.DamageByRange[i] = ToWord(damage[i]);
    m.HeatByRange[i] = ToWord(heat[i]);
  }
}

}  // namespace tfd
