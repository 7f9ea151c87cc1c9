#include "files/RosterFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <system_error>

#include "model/Configuration.h"

namespace tfd {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kFormatName = "Titanframe Designer roster";
// A roster of 45 positions takes a few kilobytes; anything far larger is no roster.
constexpr std::uintmax_t kMaxRosterBytes = 1 << 20;
constexpr int kMaxSkill = 7;

// Values that do not fit: the reader's message names the field.
struct TBadField {
  std::string What;
};

const json& Member(const json& object, const char* key) {
  const auto it = object.find(key);
  if (it == object.end()) throw TBadField{std::string("\"") + key + "\" is missing"};
  return *it;
}

std::string Text(const json& object, const char* key) {
  const auto it = object.find(key);
  if (it == object.end()) return {};  // optional texts are empty when left out
  if (!it->is_string()) throw TBadField{std::string("\"") + key + "\" is not a text"};
  return it->get<std::string>();
}

int Whole(const json& object, const char* key, int low, int high) {
  const json& v = Member(object, key);
  if (!v.is_number_integer() || v.get<std::int64_t>() < low || v.get<std::int64_t>() > high)
    throw TBadField{std::string("\"") + key + "\" is not a whole number from " + std::to_string(low) +
                    " to " + std::to_string(high)};
  return static_cast<int>(v.get<std::int64_t>());
}

TPilot PilotFrom(const json& p) {
  if (!p.is_object()) throw TBadField{"\"pilot\" is not an object"};
  TPilot pilot;
  pilot.Name = Text(p, "name");
  pilot.Callsign = Text(p, "callsign");
  pilot.Rank = Text(p, "rank");
  pilot.Piloting = static_cast<std::uint8_t>(Whole(p, "piloting", 0, kMaxSkill));
  pilot.Gunnery = static_cast<std::uint8_t>(Whole(p, "gunnery", 0, kMaxSkill));
  return pilot;
}

TRosterFilePosition PositionFrom(const json& p) {
  if (!p.is_object()) throw TBadField{"a position is not an object"};
  TRosterFilePosition pos;
  pos.Position = Whole(p, "position", 1, kRosterPositions);
  pos.DesignPath = Text(p, "design");
  pos.DesignName = Text(p, "name");
  pos.Configuration = p.contains("configuration") ? Whole(p, "configuration", 0, kConfigCount - 1) : 0;
  if (p.contains("pilot")) pos.Pilot = PilotFrom(p["pilot"]);
  return pos;
}

TRosterFileData DataFrom(const json& root) {
  if (!root.is_object()) throw TBadField{"it is not a roster file"};
  const auto format = root.find("format");
  if (format == root.end() || !format->is_string() || format->get<std::string>() != kFormatName)
    throw TBadField{"it is not a roster file"};
  const int version = Whole(root, "version", 0, 1 << 30);
  if (version != kRosterFileVersion)
    throw TBadField{"it is a roster of version " + std::to_string(version) + "; this program reads version " +
                    std::to_string(kRosterFileVersion)};
  TRosterFileData data;
  const int org = Whole(root, "organization", 0, 255);
  if (org != 0 && OrganizationName(static_cast<std::uint8_t>(org)).empty())
    throw TBadField{"\"organization\" " + std::to_string(org) + " is no organisation"};
  data.Organization = static_cast<std::uint8_t>(org);
  data.Designation = Text(root, "designation");
  data.Affiliation = Text(root, "affiliation");
  data.ParentUnit = Text(root, "parentUnit");
  if (root.contains("positions")) {
    const json& list = root["positions"];
    if (!list.is_array()) throw TBadField{"\"positions\" is not a list"};
    if (list.size() > static_cast<std::size_t>(kRosterPositions))
      throw TBadField{"more than " + std::to_string(kRosterPositions) + " positions"};
    std::set<int> seen;
    for (const json& p : list) {
      data.Positions.push_back(PositionFrom(p));
      if (!seen.insert(data.Positions.back().Position).second)
        throw TBadField{"position " + std::to_string(data.Positions.back().Position) + " appears twice"};
    }
  }
  return data;
}

json PilotJson(const TPilot& pilot) {
  return json{{"name", pilot.Name},
              {"callsign", pilot.Callsign},
              {"rank", pilot.Rank},
              {"piloting", pilot.Piloting},
              {"gunnery", pilot.Gunnery}};
}

}  // namespace

std::string RosterToJson(const TRosterFileData& data) {
  json positions = json::array();
  for (const auto& p : data.Positions)
    positions.push_back(json{{"position", p.Position},
                             {"design", p.DesignPath},
                             {"name", p.DesignName},
                             {"configuration", p.Configuration},
                             {"pilot", PilotJson(p.Pilot)}});
  json root{{"format", kFormatName},
            {"version", kRosterFileVersion},
            {"organization", data.Organization},
            {"designation", data.Designation},
            {"affiliation", data.Affiliation},
            {"parentUnit", data.ParentUnit},
            {"positions", std::move(positions)}};
  // Texts from old design files may not be UTF-8; such bytes become U+FFFD
  // rather than making the file unreadable.
  return root.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

TRosterReadResult RosterFromJson(std::string_view text) {
  TRosterReadResult result;
  json root;
  try {
    root = json::parse(text.begin(), text.end());
  } catch (const json::parse_error& e) {
    result.Message = "The roster file is damaged (not valid JSON near byte " + std::to_string(e.byte) + ").";
    return result;
  } catch (const json::exception&) {
    // A number too large for any type, say.
    result.Message = "The roster file is damaged (not valid JSON: a value out of range).";
    return result;
  }
  try {
    result.Data = DataFrom(root);
  } catch (const TBadField& bad) {
    result.Message = "The roster file cannot be opened: " + bad.What + ".";
    result.Data = {};
  }
  return result;
}

std::string DesignPathForRoster(const std::string& designPath, const std::string& rosterPath) {
  if (designPath.empty()) return {};
  std::error_code ec;
  const fs::path design = fs::absolute(fs::path(designPath), ec).lexically_normal();
  const fs::path folder = fs::absolute(fs::path(rosterPath), ec).parent_path().lexically_normal();
  if (ec) return designPath;
  const fs::path relative = design.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == "..") return design.generic_string();
  return relative.generic_string();
}

std::string DesignPathFromRoster(const std::string& storedPath, const std::string& rosterPath) {
  if (storedPath.empty()) return {};
  const fs::path stored(storedPath);
  if (stored.is_absolute()) return stored.lexically_normal().string();
  std::error_code ec;
  const fs::path folder = fs::absolute(fs::path(rosterPath), ec).parent_path();
  return (folder / stored).lexically_normal().string();
}

TRosterReadResult ReadRosterFile(const std::string& path) {
  TRosterReadResult result;
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) {
    result.Message = "Cannot open the roster file \"" + path + "\".";
    return result;
  }
  if (size > kMaxRosterBytes) {
    result.Message = "The file \"" + path + "\" is too large to be a roster.";
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  if (!in) {
    result.Message = "Cannot read the roster file \"" + path + "\".";
    return result;
  }
  return RosterFromJson(all.str());
}

std::string WriteRosterFile(const std::string& path, const TRosterFileData& data) {
  const std::string text = RosterToJson(data);
  const std::string temporary = path + ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      return "Cannot write the roster file \"" + path + "\".";
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    std::remove(temporary.c_str());
    return "Cannot save the roster as \"" + path + "\": " + ec.message() + ".";
  }
  return {};
}

}  // namespace tfd
