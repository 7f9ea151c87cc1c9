#pragma once
// Connecting the equipment database and loading the 33 equipment lists at
// start-up. A database that cannot be found, opened or read throws
// TDatabaseError with the reason.

#include <memory>
#include <string>

namespace tfd {

class TEquipmentLists;

// `explicitPath` may name the database (empty: the usual places).
std::unique_ptr<TEquipmentLists> LoadEquipmentLists(const std::string& explicitPath = {});

}  // namespace tfd
