#pragma once
// Loading a design: the one path the window and the command-line report
// share. The design is reset, the reader is chosen by the file name's
// extension, and the design is recalculated afterwards whatever the read
// left.

#include <string>
#include <string_view>

namespace tfd {

class TMech;
class TEquipmentLists;
class TEngineMakers;
struct THtmlSettings;

enum class ELoadStatus {
  Loaded,
  WrongVersion,   // a design file of another version: "Cannot Open File\rWrong Version"
  OtherVersion,   // an HTML readout of another version: nothing read (the window says nothing)
  Failed,         // the file could not be opened, or its layout did not match
};

struct TLoadResult {
  ELoadStatus Status = ELoadStatus::Loaded;
  std::string Message;  // the user's words; empty when loaded
  bool Ok() const { return Status == ELoadStatus::Loaded; }
};

enum class EFileKind { DesignFile, TextReadout, HtmlReadout };
// ".txt" is a text readout, ".htm" and ".html" an HTML readout (without
// regard to case); anything else is a design file.
EFileKind FileKindOf(std::string_view fileName);

struct TLoadContext {
  TEquipmentLists& Lists;
  THtmlSettings& Html;                    // the HTML import writes the page's colours here
  const TEngineMakers* Makers = nullptr;  // the power-plant pick list; none: no default makers
};

// Loads the file into the design: reset, read (what was read before an error
// stays), the file name kept in the design unless the version was wrong,
// the full rules pass, and the power-plant text rebuilt for the engine.
TLoadResult LoadDesign(TMech& design, const std::string& fileName, TLoadContext& context);

// The same with the file's contents at hand (for tests and fuzzing).
TLoadResult LoadDesignFromBytes(TMech& design, const std::string& fileName, std::string_view bytes,
                                TLoadContext& context);

}  // namespace tfd
