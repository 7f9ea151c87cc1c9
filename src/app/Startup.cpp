#include "app/Startup.h"

#include "db/SqliteDatabase.h"
#include "equipment/DataPaths.h"
#include "equipment/EquipmentLists.h"

namespace tfd {

std::unique_ptr<TEquipmentLists> LoadEquipmentLists(const std::string& explicitPath) {
  const std::filesystem::path file = FindDatabase(DefaultDatabaseSearch(explicitPath));
  std::unique_ptr<IDatabase> db = OpenSqliteDatabase(file.string(), EOpenMode::ReadOnly);
  auto lists = std::make_unique<TEquipmentLists>();
  lists->LoadAll(*db);
  lists->KeepDatabase(std::move(db));
  return lists;
}

}  // namespace tfd
