// Builds the shipped equipment database from its SQL text sources:
//   tfd-mkdb OUTPUT SOURCE.sql...
// The sources run in the order given inside one transaction; the file appears
// under its name only when every statement succeeded.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "db/SqliteDatabase.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: tfd-mkdb OUTPUT SOURCE.sql...\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  const fs::path temp = out.string() + ".part";
  std::error_code ec;
  fs::create_directories(out.parent_path().empty() ? fs::path(".") : out.parent_path(), ec);
  fs::remove(temp, ec);
  try {
    {
      auto db = tfd::OpenSqliteDatabase(temp.string(), tfd::EOpenMode::Create);
      db->Execute("BEGIN");
      for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) throw tfd::TDatabaseError(std::string("cannot read ") + argv[i]);
        std::ostringstream text;
        text << in.rdbuf();
        try {
          db->Execute(text.str());
        } catch (const tfd::TDatabaseError& e) {
          throw tfd::TDatabaseError(std::string(argv[i]) + ": " + e.what());
        }
      }
      db->Execute("COMMIT");
    }
    fs::rename(temp, out);
  } catch (const std::exception& e) {
    fs::remove(temp, ec);
    std::cerr << "tfd-mkdb: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
