#pragma once
// Saving a design: the one path the window and the command-line report
// share. The writer is chosen by the file name's extension as the reader is
// (".txt" a text readout, ".htm" and ".html" an HTML readout, anything else a
// design file), and the file is replaced only when written whole.

#include <filesystem>
#include <string>

#include "files/AtomicWrite.h"

namespace tfd {

class TMech;
class TEquipmentLists;
struct THtmlSettings;

struct TSaveContext {
  const TEquipmentLists& Lists;
  const THtmlSettings& Html;
  std::filesystem::path ConfigFolder;  // holds head.txt and foot.txt for HTML pages
  bool Flush = true;                   // false: the caller flushes a batch once (FlushFolder)
};

// The user's configuration folder ($XDG_CONFIG_HOME/titanframe-designer, or
// ~/.config/titanframe-designer); it is not created here.
std::filesystem::path UserConfigFolder();

// The file's contents for the design in the format the name's extension names.
std::string DesignBytes(const TMech& design, const std::string& fileName, const TSaveContext& context);

// Writes the file. On success the design takes the name (shown in the title
// bar); on failure nothing changes and the result says why.
TWriteResult SaveDesign(TMech& design, const std::string& fileName, const TSaveContext& context);

}  // namespace tfd
