#pragma once
// What the construction rules and the slot names need to know of the loaded
// equipment table: the identifiers of a few special items, remembered by their
// code names while the table loads, and the abbreviation of every identifier.
// A default-made index is empty (nothing remembered, no abbreviations); the
// equipment loading fills it, tests fill it by hand.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tfd {

enum class ECode : std::uint8_t {
  Gauss,
  LightGauss,
  Hatchet,
  Sword,
  Arrow_IV,
  A_Pod,
  TAG,
  Artemis_IV,
  Artemis_V,
  C3Computer,
  C3Slave,
  Laser_AMS,
  Targ_Comp,
  HS,
  DoubleHS,
  FF,
  ES,
  TSM,
  MASC,
  Jump_Jet,
  CompactHS,
  LaserHS,
  Imprvd_JJ,
  AmmoMG,
  AmmoLtGauss,
  AmmoGauss,
  Count
};
constexpr std::size_t kCodeCount = static_cast<std::size_t>(ECode::Count);

// The code name as it stands in the ABBR column ("Laser_AMS", "@MG", ...).
std::string_view CodeNameText(ECode code);

enum ETech : std::uint8_t { techInnerSphere = 0, techClan = 1 };

class TEquipmentIndex {
 public:
  // Identifiers are grouped in hundreds from 100 to 2299 for the abbreviations.
  static constexpr int kFirstAbbrevId = 100;
  static constexpr int kAbbrevCount = 2200;
  // Facts are kept for every identifier from 100 to 3399 (the custom blocks too).
  static constexpr int kFactCount = 3300;

  // The remembered identifier, 0 when none was remembered.
  std::int16_t Id(ETech tech, ECode code) const { return ids_[tech][static_cast<std::size_t>(code)]; }
  void Remember(ETech tech, ECode code, std::int16_t id) { ids_[tech][static_cast<std::size_t>(code)] = id; }
  // True when `id` is the identifier remembered for `code` in either technology.
  bool Is(std::int16_t id, ECode code) const {
    return id != 0 && (id == Id(techInnerSphere, code) || id == Id(techClan, code));
  }

  // Abbreviation of an identifier; empty outside 100..2299 or when not set.
  std::string_view Abbrev(int id) const;
  void SetAbbrev(int id, std::string abbrev);

  // What validation asks of an identifier (100..3399): the rules levels the
  // table offers it at (its TECH bits, 0 when unknown) and whether it is a
  // weapon that fires ammunition of the table.
  std::uint8_t Tech(int id) const;
  bool UsesAmmo(int id) const;
  void SetFacts(int id, std::uint8_t tech, bool usesAmmo);

  void Clear();

 private:
  std::array<std::array<std::int16_t, kCodeCount>, 2> ids_{};
  std::vector<std::string> abbrevs_;  // sized on first SetAbbrev
  std::vector<std::uint8_t> techs_;   // by identifier from 100; sized on first SetFacts
  std::vector<bool> usesAmmo_;
};

}  // namespace tfd
