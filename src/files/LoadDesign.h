#pragma once
// Loading a design: the one path the window and the command-line report
// share. The design is reset, the reader is chosen by the file name's
// extension, and the design is recalculated afterwards whatever the read
// left.

#include <string>
#include <string_view>
#include <vector>

#include "files/LoadLog.h"

namespace tfd {

class TMech;
class TEquipmentLists;
class TEngineMakers;
struct THtmlSettings;

enum class ELoadStatus {
  Loaded,
  WrongVersion,  // a design file of another version: "Cannot Open File\rWrong Version"
  OtherVersion,  // an HTML readout of another version: nothing read (the window says nothing)
  Failed,        // the file could not be opened, its layout did not match, or it
                 // went past what a design may hold
};

struct TLoadResult {
  ELoadStatus Status = ELoadStatus::Loaded;
  std::string Message;  // the user's words; empty when loaded
  // What the reader could not read, in file order; a load with warnings
  // still succeeds.
  std::vector<TLoadWarning> Warnings;
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
// stays), the file name kept in the design unless the version was wrong, the
// rules pass, the items' design-dependent values from the corrected design,
// the full rules pass again, and the power-plant text rebuilt for the engine.
// A file past the limits of LoadLimits.h is refused and leaves a new design.
// No exception leaves it: every failure is a result.
TLoadResult LoadDesign(TMech& design, const std::string& fileName, TLoadContext& context);

// The same with the file's contents at hand (for tests and fuzzing).
TLoadResult LoadDesignFromBytes(TMech& design, const std::string& fileName, std::string_view bytes,
                                TLoadContext& context);

}  // namespace tfd
