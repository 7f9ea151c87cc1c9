#include "rules/RulesTables.h"

#include "model/Enums.h"

namespace tfd {

namespace {

// Rows by tonnage / 5, from 0 tons to 100 tons.
constexpr std::array<std::array<std::uint8_t, 5>, 21> kStructure = {{
    {3, 0, 0, 0, 0},     {3, 0, 0, 0, 0},     {3, 4, 3, 1, 2},     {3, 5, 4, 2, 3},     {3, 6, 5, 3, 4},
    {3, 8, 6, 4, 6},     {3, 10, 7, 5, 7},    {3, 11, 8, 6, 8},    {3, 12, 10, 6, 10},  {3, 14, 11, 7, 11},
    {3, 16, 12, 8, 12},  {3, 18, 13, 9, 13},  {3, 20, 14, 10, 14}, {3, 21, 15, 10, 15}, {3, 22, 15, 11, 15},
    {3, 23, 16, 12, 16}, {3, 25, 17, 13, 17}, {3, 27, 18, 14, 18}, {3, 29, 19, 15, 19}, {3, 30, 20, 16, 20},
    {3, 31, 21, 17, 21},
}};

// Fusion engine weights for ratings 5, 10, ..., 500.
constexpr std::array<double, 100> kFusion = {
    0.0,   0.5,   0.5,   0.5,   0.5,   1.0,   1.0,   1.0,   1.0,   1.5,    // 5..50
    1.5,   1.5,   2.0,   2.0,   2.0,   2.5,   2.5,   3.0,   3.0,   3.0,    // 55..100
    3.5,   3.5,   4.0,   4.0,   4.0,   4.5,   4.5,   5.0,   5.0,   5.5,    // 105..150
    5.5,   6.0,   6.0,   6.0,   7.0,   7.0,   7.5,   7.5,   8.0,   8.5,    // 155..200
    8.5,   9.0,   9.5,   10.0,  10.0,  10.5,  11.0,  11.5,  12.0,  12.5,   // 205..250
    13.0,  13.5,  14.0,  14.5,  15.5,  16.0,  16.5,  17.5,  18.0,  19.0,   // 255..300
    19.5,  20.5,  21.5,  22.5,  23.5,  24.5,  25.5,  27.0,  28.5,  29.5,   // 305..350
    31.5,  33.0,  34.5,  36.5,  38.5,  41.0,  43.5,  46.0,  49.0,  52.5,   // 355..400
    56.5,  61.0,  66.5,  72.5,  79.5,  87.5,  97.0,  107.5, 119.5, 133.5,  // 405..450
    150.0, 168.5, 190.0, 214.5, 243.0, 275.5, 313.0, 356.0, 405.5, 462.5,  // 455..500
};

}  // namespace

const std::array<std::uint8_t, 5>& StructureRow(int tonnage) {
  int i = tonnage / 5;
  if (i < 0) i = 0;
  if (i >= static_cast<int>(kStructure.size())) i = static_cast<int>(kStructure.size()) - 1;
  return kStructure[static_cast<std::size_t>(i)];
}

double FusionEngineWeight(int rating) {
  if (rating < 5) return 0.0;
  int i = rating / 5 - 1;
  if (i >= static_cast<int>(kFusion.size())) i = static_cast<int>(kFusion.size()) - 1;
  return kFusion[static_cast<std::size_t>(i)];
}

double StructureFactor(std::uint8_t structureType) {
  switch (structureType) {
    case stEndoSteel:
    case stComposite:
    case stClanEndoSteel: return 0.05;
    case stReinforced: return 0.2;
    default: return 0.1;  // standard
  }
}

double EngineFactor(std::uint8_t engineType) {
  switch (engineType) {
    case etXL:
    case etClanXL: return 0.5;
    case etXXL:
    case etClanXXL: return 1.0 / 3.0;
    case etCompact: return 1.5;
    case etICE: return 2.0;
    default: return 1.0;  // fusion
  }
}

double GyroFactor(std::uint8_t gyroType) {
  switch (gyroType) {
    case gyCompact: return 1.5;
    case gyHeavyDuty: return 2.0;
    case gyXL: return 0.5;
    default: return 1.0;  // standard
  }
}

double CockpitWeight(std::uint8_t cockpitType) {
  switch (cockpitType) {
    case cpCommandConsole: return 6.0;
    case cpSmall: return 2.0;
    case cpTorsoMounted: return 4.0;
    default: return 3.0;  // standard, enhanced imaging
  }
}

double ArmorPointsPerTon(std::uint8_t armorType) {
  switch (armorType) {
    case atStandard:
    case atLaserReflective:
    case atReactive:
    case atClanLaserReflective:
    case atClanReactive: return 16.0;
    case atFerroFibrous: return 17.92;
    case atLightFF: return 16.96;
    case atHeavyFF: return 19.84;
    case atHardened: return 8.0;
    case atClanFF: return 19.2;
    default: return 0.0;  // patchwork: each section by its own type
  }
}

bool HeatSinksDissipateTwice(std::uint8_t heatSinkType) {
  return heatSinkType == hsDouble || heatSinkType == hsLaser || heatSinkType == hsClanDouble;
}

}  // namespace tfd
