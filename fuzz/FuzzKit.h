#pragma once
// What every reader target shares: the shipped equipment lists, loaded once,
// and one design that each input is loaded into as the window would.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "model/Mech.h"

namespace tfd::fuzz {

inline TEquipmentLists& Lists() {
  static TEquipmentLists* lists = [] {
    auto* l = new TEquipmentLists;
    const char* path = std::getenv("TFD_DATA");
    auto db = OpenSqliteDatabase(path ? path : TFD_FUZZ_DATABASE, EOpenMode::ReadOnly);
    l->LoadAll(*db);
    return l;
  }();
  return *lists;
}

// Loads the input under a name with the given extension; whatever happens,
// every item's slots must chain back to it.
inline void Load(const std::uint8_t* data, std::size_t size, const char* name) {
  static TMech* design = new TMech;
  static THtmlSettings html;
  TLoadContext context{Lists(), html, nullptr};
  LoadDesignFromBytes(*design, name, std::string_view(reinterpret_cast<const char*>(data), size), context);
  for (const auto& c : design->Configs)
    for (const auto& item : c->Items) {
      c->Crits.Release(item.get());
      for (int loc = 0; loc < 8; ++loc)
        for (int s = 1; s <= 12; ++s)
          if (c->Crits.SlotAt(loc, s).Item == item.get()) {
            std::fprintf(stderr, "slot %d/%d still holds \"%s\" after its release\n", loc, s,
                         item->Name.c_str());
            std::abort();
          }
    }
}

}  // namespace tfd::fuzz
