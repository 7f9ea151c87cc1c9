#pragma once
// Where the program finds its equipment database and keeps the user's own.

#include <filesystem>
#include <string>
#include <vector>

namespace tfd {

inline constexpr const char* kDatabaseFileName = "TFDData.sqlite";
inline constexpr const char* kUserDatabaseFileName = "TFDUser.sqlite";

// The places looked at, in order: a path the caller names (a file, or a
// folder holding the database), the environment variable TFD_DATA (the same),
// the "data" folder beside the executable, the installed share folder. A path
// named by the caller or by TFD_DATA is taken as it is, existing or not, so a
// mistyped name is reported instead of quietly replaced.
struct TDatabaseSearch {
  std::string explicitPath;
  std::string environment;              // the value of TFD_DATA, empty when unset
  std::filesystem::path executableDir;  // empty when unknown
  std::filesystem::path installedDir;   // the share folder of the installation
};

// The search with TFD_DATA, the running executable and the installation.
TDatabaseSearch DefaultDatabaseSearch(const std::string& explicitPath);

// The database file to open. Throws TDatabaseError naming every place looked
// at when nothing is found.
std::filesystem::path FindDatabase(const TDatabaseSearch& search);

// The user's data folder ($XDG_DATA_HOME/titanframe-designer, or
// ~/.local/share/titanframe-designer); it is not created here.
std::filesystem::path UserDataFolder();

}  // namespace tfd
