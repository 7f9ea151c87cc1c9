#pragma once
// What tfd-report prints for one design: a readable page, or one JSON object
// on one line.

#include <string>
#include <vector>

#include "files/LoadLog.h"

namespace tfd {

class TMech;

struct TReportOptions {
  int Gunnery = 4;
  int Piloting = 5;
};

// For a design that loaded and was rated (ComputeRatings, damage by range),
// with what the reader could not read (JSON key "warnings").
std::string JsonReport(const TMech& design, const std::string& file, const TReportOptions& options,
                       const std::vector<TLoadWarning>& warnings = {});
std::string TextReport(const TMech& design, const std::string& file, const TReportOptions& options,
                       const std::vector<TLoadWarning>& warnings = {});
// For a file that did not load.
std::string JsonFailure(const std::string& file, const std::string& message,
                        const std::vector<TLoadWarning>& warnings = {});

// A message for a terminal: the line break of a two-line message becomes ": ".
std::string HumanMessage(const std::string& message);

// A JSON string literal of a text (invalid UTF-8 is read as Windows-1252).
std::string JsonString(const std::string& text);
// A number with the fewest digits that read back as the same value.
std::string JsonNumber(double value);

}  // namespace tfd
