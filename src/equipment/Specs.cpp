#include "equipment/Specs.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <tuple>
#include <utility>

#include "equipment/Database.h"
#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {

namespace {

constexpr std::array<const char*, kEngineMakerCount> kMakers = {
    "Omni",   "GM",   "Pitban", "Nissan", "VOX",      "DAV",   "Leenex",
    "Hermes", "Vlar", "Magna",  "LTV",    "Core Tek", "Strand"};

// Ratings / 5 to the maker, from rating 0 to 400.
constexpr int kMaxMakerRating = 400;
const std::array<std::int8_t, kMaxMakerRating / 5 + 1>& MakerByRating() {
  static const auto table = [] {
    std::array<std::int8_t, kMaxMakerRating / 5 + 1> t{};
    t.fill(-1);
    const std::array<std::vector<int>, kEngineMakerCount> ratings = {{
        {10, 25, 70, 145, 175, 290},
        {15, 40, 45, 75, 110, 115, 120, 150, 155, 180, 185, 210, 235, 270, 295, 305, 315, 375, 380},
        {20, 240, 285, 320},
        {30, 65, 95, 195, 200},
        {35, 55, 80, 165, 225, 280, 325, 330, 340},
        {50, 85, 90, 105, 170, 190, 220},
        {60, 140, 230, 335},
        {100, 135, 360, 365, 395},
        {125, 205, 265, 300, 345},
        {130, 245, 250, 260, 310, 350, 370, 390},
        {160, 355, 385, 400},
        {215, 275},
        {255},
    }};
    for (int m = 0; m < kEngineMakerCount; ++m)
      for (int r : ratings[static_cast<std::size_t>(m)])
        t[static_cast<std::size_t>(r / 5)] = static_cast<std::int8_t>(m);
    return t;
  }();
  return table;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trim(std::string_view s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

// A word of digits only, as a whole number; 0 for anything else (and for a
// number too long to be a rating).
int WholeNumber(std::string_view w) {
  if (w.empty() || w.size() > 6) return 0;
  int n = 0;
  for (char c : w) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string_view EngineWord(std::uint8_t engineType) {
  switch (engineType) {
    case etXL:
    case etClanXL: return "XL";
    case etXXL:
    case etClanXXL: return "XXL";
    case etCompact: return "Compact";
    case etICE: return "I.C.E.";
    default: return "";
  }
}

}  // namespace

void FillPickList(IQuery& q, TPickList& list, int type, const std::string& currentText,
                  const std::string& firstEntry) {
  list.Tag = type;
  list.Entries.clear();
  list.ItemIndex = -1;
  list.FirstEntry = firstEntry;
  ++list.Revision;
  if (!firstEntry.empty()) list.Entries.push_back(firstEntry);
  q.Close();
  q.ClearText();
  q.AddLine("SELECT * FROM SPECS");
  q.AddLine("WHERE TYPE=" + std::to_string(type));
  q.AddLine("ORDER BY NAME");
  q.Open();
  const int name = q.Require("NAME");
  for (; !q.Eof(); q.Next()) list.Entries.push_back(q.AsString(name));
  q.Close();
  list.Text = currentText;
  for (std::size_t i = 0; i < list.Entries.size(); ++i)
    if (list.Entries[i] == currentText) {
      list.ItemIndex = static_cast<int>(i);
      break;
    }
}

const std::array<const char*, kEngineMakerCount>& EngineMakerNames() { return kMakers; }

int DefaultEngineMaker(int rating) {
  if (rating < 0 || rating > kMaxMakerRating || rating % 5 != 0) return -1;
  return MakerByRating()[static_cast<std::size_t>(rating / 5)];
}

void TEngineMakers::Locate(const std::vector<std::string>& entries) {
  entries_ = entries;
  for (int m = 0; m < kEngineMakerCount; ++m) {
    const auto it = std::find(entries.begin(), entries.end(), kMakers[static_cast<std::size_t>(m)]);
    positions_[static_cast<std::size_t>(m)] =
        it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
  }
}

int TEngineMakers::PositionFor(int rating) const {
  const int m = DefaultEngineMaker(rating);
  if (m < 0) return 0;
  const int p = positions_[static_cast<std::size_t>(m)];
  return p < 0 ? 0 : p;
}

std::string TEngineMakers::NameFor(int rating) const {
  const int p = PositionFor(rating);
  return p < static_cast<int>(entries_.size()) ? entries_[static_cast<std::size_t>(p)] : std::string();
}

std::string RebuildPowerPlant(const std::string& text, const TMech& design, const TEngineMakers& makers) {
  // The word that should carry the rating: the last one, or the one before an
  // engine kind. Runs of blanks count as one.
  const std::string trimmed = Trim(text);
  const std::string_view t = trimmed;
  auto wordBefore = [&](std::size_t end) {  // [start, end) of the last word of t[0, end)
    while (end > 0 && t[end - 1] == ' ') --end;
    std::size_t start = end;
    while (start > 0 && t[start - 1] != ' ') --start;
    return std::pair{start, end};
  };
  auto [wordStart, wordEnd] = wordBefore(t.size());
  const std::string_view last = t.substr(wordStart, wordEnd - wordStart);
  if (SameText(last, "XL") || SameText(last, "XXL") || SameText(last, "Compact") || SameText(last, "I.C.E."))
    std::tie(wordStart, wordEnd) = wordBefore(wordStart);
  const std::string_view word = t.substr(wordStart, wordEnd - wordStart);
  const int r = WholeNumber(word);
  // A rating of 0 is still the rating word: were it taken into the maker,
  // every rebuild of a design at rating 0 would add another "0".
  const bool ratingWord = r != 0 || (!word.empty() && word.size() <= 6 &&
                                     word.find_first_not_of("0123456789") == std::string_view::npos);
  std::string maker = Trim(t.substr(0, ratingWord ? wordStart : wordEnd));

  const bool innerSphere = (design.RulesLevel & (rlIS1 | rlIS2 | rlIS3)) != 0;
  if (innerSphere) {
    if (!maker.empty()) {
      if (r != 0 && maker == makers.NameFor(r)) maker = makers.NameFor(design.EngineRating);
    } else {
      maker = makers.NameFor(design.EngineRating);
    }
  }
  if (SameText(maker, "Unknown")) maker.clear();

  std::string out =
      maker + " " + std::to_string(design.EngineRating) + " " + std::string(EngineWord(design.EngineType));
  return Trim(out);
}

}  // namespace tfd
