#include "equipment/DataPaths.h"

#include <cstdlib>
#include <system_error>

#include "equipment/Database.h"

#ifndef TFD_INSTALL_DATADIR
#define TFD_INSTALL_DATADIR "/usr/local/share/titanframe-designer"
#endif

namespace tfd {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// A folder names the database inside it.
fs::path AsDatabaseFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec) ? p / kDatabaseFileName : p;
}

bool IsFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

TDatabaseSearch DefaultDatabaseSearch(const std::string& explicitPath) {
  TDatabaseSearch s;
  s.explicitPath = explicitPath;
  s.environment = Env("TFD_DATA");
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) s.executableDir = exe.parent_path();
  s.installedDir = TFD_INSTALL_DATADIR;
  return s;
}

fs::path FindDatabase(const TDatabaseSearch& s) {
  if (!s.explicitPath.empty()) return AsDatabaseFile(s.explicitPath);
  if (!s.environment.empty()) return AsDatabaseFile(s.environment);
  std::vector<fs::path> candidates;
  if (!s.executableDir.empty()) {
    candidates.push_back(s.executableDir / "data" / kDatabaseFileName);
    // An installation moved elsewhere keeps bin/ and share/ side by side.
    candidates.push_back(s.executableDir.parent_path() / "share" / "titanframe-designer" / kDatabaseFileName);
  }
  if (!s.installedDir.empty()) candidates.push_back(s.installedDir / kDatabaseFileName);
  std::string looked;
  for (const auto& c : candidates) {
    if (IsFile(c)) return c;
    looked += (looked.empty() ? "" : ", ") + c.string();
  }
  throw TDatabaseError(std::string("The equipment database ") + kDatabaseFileName +
                       " was not found (looked in: " + looked + ")");
}

fs::path UserDataFolder() {
  fs::path base;
  const std::string xdg = Env("XDG_DATA_HOME");
  if (!xdg.empty() && fs::path(xdg).is_absolute())
    base = xdg;
  else {
    const std::string home = Env("HOME");
    base = fs::path(home.empty() ? "." : home) / ".local" / "share";
  }
  return base / "titanframe-designer";
}

}  // namespace tfd
