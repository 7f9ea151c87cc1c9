// Titanframe Designer. The windows come later; for now the program shows the
// new default design as the core computes it.

#include <cstdio>

#include "model/Enums.h"
#include "model/Mech.h"

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  tfd::TMech design;
  std::printf("Titanframe Designer\n");
  std::printf("%s, %d tons, %s engine rating %d\n",
              std::string(tfd::RulesLevelName(design.RulesLevel)).c_str(), design.Tonnage,
              std::string(tfd::EngineTypeName(design.EngineType)).c_str(), design.EngineRating);
  std::printf("Walk %d, run %d, jump %d; %d %s heat sinks\n", design.WalkMP, design.RunMP,
              design.JumpMP, design.HeatSinks,
              std::string(tfd::HeatSinkTypeName(design.HeatSinkType)).c_str());
  std::printf("Tonnage remaining: %.1f\n", design.Weights[tfd::wFree]);
  return 0;
}
