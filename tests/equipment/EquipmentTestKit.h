#pragma once
// Databases for the equipment tests: an in-memory database with the shipped
// schema, rows added one by one, and the database the build made from data/.

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "db/SqliteDatabase.h"

namespace tfd::test {

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// An empty database with the shipped tables.
inline std::unique_ptr<IDatabase> SchemaDb() {
  auto db = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  db->Execute(ReadText(TFD_SCHEMA_SQL));
  return db;
}

inline void AddRow(IDatabase& db, int id, const std::string& name, const std::string& abbr = "",
                   int save97 = 0, const std::string& moreColumns = "", const std::string& moreValues = "") {
  db.Execute("INSERT INTO WepTable (IDNUM, SAVENUM, SAVE97, NAME, ABBR" + moreColumns + ") VALUES (" +
             std::to_string(id) + ", " + std::to_string(id) + ", " + std::to_string(save97) + ", '" + name +
             "', '" + abbr + "'" + moreValues + ")");
}

// The database the build made from the text sources in data/.
inline std::unique_ptr<IDatabase> ShippedDb() {
  return OpenSqliteDatabase(TFD_TEST_DATABASE, EOpenMode::ReadOnly);
}

}  // namespace tfd::test
