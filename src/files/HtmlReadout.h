#pragma once
// The HTML technical readout (".htm", ".html"): read by labels, a table per
// configuration, hidden comments for what a reader of the page does not see.

#include <string>
#include <string_view>

namespace tfd {

class TMech;
class TEquipmentLists;
class TLoadLog;
struct THtmlSettings;

enum class EHtmlLineKind { Comment, BodyEnd, BodyStart, TableEnd, CaptionedTable, PlainTable, Text };

struct THtmlLine {
  EHtmlLineKind Kind = EHtmlLineKind::Text;
  std::string Text;
};

inline constexpr char kCellSeparator = '\x01';

// The text of a text line: tags become cell separators, runs of blanks one
// blank, character references ("&amp;") their characters; blanks between the
// end of a cell and the next tag are dropped.
std::string HtmlLineText(std::string_view line);

enum class EHtmlImport {
  Loaded,
  OtherVersion,  // the page is not of version 2311 (or has no version comment): nothing was read
};

// Reads a page into a freshly reset design; the page's colours go to
// `settings` whatever its version. What it cannot read becomes a warning in
// `log`, and the items' values wait there for the corrected design. Throws
// TReadError for a number that is not one where the page must have one (what
// was read stays), TLimitError past what a design may hold.
EHtmlImport ImportHtmlReadout(std::string_view text, TMech& design, TEquipmentLists& lists,
                              THtmlSettings& settings, TLoadLog& log);

}  // namespace tfd
