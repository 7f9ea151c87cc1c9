#pragma once
// The database interface of the core, answered by SQLite. This is the only
// part of the program that talks to the SQLite library.

#include <memory>
#include <string>

#include "equipment/Database.h"

namespace tfd {

enum class EOpenMode { ReadOnly, ReadWrite, Create };

// Opens a database file (Create makes it when missing). Throws TDatabaseError
// with the engine's own error text and the file name.
std::unique_ptr<IDatabase> OpenSqliteDatabase(const std::string& path, EOpenMode mode);

}  // namespace tfd
