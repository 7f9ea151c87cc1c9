#pragma once
// Writing the binary design file (".TFI", ".TFC"), the inverse of
// ReadDesignFile: format version 2311, the layout the reader walks, and after
// it an extension block that keeps what the layout has no place for.

#include <string>
#include <string_view>
#include <vector>

namespace tfd {

class TMech;
class TEquipmentLists;

// The whole file. Equipment is written under the files' older numbering.
std::string WriteDesignFile(const TMech& design, const TEquipmentLists& lists);

// What a design file of this design cannot keep, in the user's words (one
// entry per kind of loss); empty when it keeps everything.
std::vector<std::string> DesignFileLosses(const TMech& design, const TEquipmentLists& lists);

// Takes over what the extension block at the end of a design file keeps (the
// exact rules level and component types, every armour section, CASE kinds,
// turret and supercharger, armoured slots, turret mountings, texts beyond the
// 8-bit code page) into a design the reader has just filled. A file without
// the block (or with a damaged one) changes nothing; returns whether it had one.
bool ApplyDesignFileExtension(std::string_view bytes, TMech& design);

}  // namespace tfd
