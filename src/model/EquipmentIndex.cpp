#include "model/EquipmentIndex.h"

namespace tfd {

namespace {
constexpr std::array<std::string_view, kCodeCount> kCodeNames = {
    "Gauss",      "LightGauss", "Hatchet",    "Sword",     "Arrow_IV",  "A-Pod",     "TAG",
    "Artemis_IV", "Artemis_V",  "C3Computer", "C3Slave",   "Laser_AMS", "Targ_Comp", "HS",
    "DoubleHS",   "FF",         "ES",         "TSM",       "MASC",      "Jump_Jet",  "CompactHS",
    "LaserHS",    "Imprvd_JJ",  "@MG",        "@Lt_Gauss", "@Gauss"};
}

std::string_view CodeNameText(ECode code) {
  auto i = static_cast<std::size_t>(code);
  return i < kCodeNames.size() ? kCodeNames[i] : std::string_view{};
}

std::string_view TEquipmentIndex::Abbrev(int id) const {
  const int i = id - kFirstAbbrevId;
  if (i < 0 || i >= static_cast<int>(abbrevs_.size())) return {};
  return abbrevs_[static_cast<std::size_t>(i)];
}

void TEquipmentIndex::SetAbbrev(int id, std::string abbrev) {
  const int i = id - kFirstAbbrevId;
  if (i < 0 || i >= kAbbrevCount) return;
  if (abbrevs_.empty()) abbrevs_.resize(kAbbrevCount);
  abbrevs_[static_cast<std::size_t>(i)] = std::move(abbrev);
}

std::uint8_t TEquipmentIndex::Tech(int id) const {
  const int i = id - kFirstAbbrevId;
  if (i < 0 || i >= static_cast<int>(techs_.size())) return 0;
  return techs_[static_cast<std::size_t>(i)];
}

bool TEquipmentIndex::UsesAmmo(int id) const {
  const int i = id - kFirstAbbrevId;
  if (i < 0 || i >= static_cast<int>(usesAmmo_.size())) return false;
  return usesAmmo_[static_cast<std::size_t>(i)];
}

void TEquipmentIndex::SetFacts(int id, std::uint8_t tech, bool usesAmmo) {
  const int i = id - kFirstAbbrevId;
  if (i < 0 || i >= kFactCount) return;
  if (techs_.empty()) {
    techs_.resize(kFactCount);
    usesAmmo_.resize(kFactCount);
  }
  techs_[static_cast<std::size_t>(i)] = tech;
  usesAmmo_[static_cast<std::size_t>(i)] = usesAmmo;
}

void TEquipmentIndex::Clear() {
  ids_ = {};
  abbrevs_.clear();
  techs_.clear();
  usesAmmo_.clear();
}

}  // namespace tfd
