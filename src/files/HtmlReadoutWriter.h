#pragma once
// Writing the HTML technical readout (".htm", ".html"): the page that
// ImportHtmlReadout reads by its labels, its captioned tables and its hidden
// comments, in the colours of the HTML settings.

#include <string>

#include "files/ReadoutParts.h"

namespace tfd {

class TMech;
class TEquipmentLists;
struct THtmlSettings;

// What goes around the readout: the settings' colours and texture, and the
// header and footer texts (included when the settings ask for them).
struct THtmlPage {
  const THtmlSettings* Settings = nullptr;  // none: black on white, nothing around
  std::string Header;                       // contents of head.txt
  std::string Footer;                       // contents of foot.txt
};

// The page in UTF-8 (for the screen, the clipboard and printing): every
// configuration for kAllConfigs, else the one given (after the fixed one of
// an Omni design).
std::string HtmlReadout(const TMech& design, const TEquipmentLists& lists, const THtmlPage& page = {},
                        int configIndex = kAllConfigs);

// The page as a file holds it: 8-bit Windows text, CR LF line ends.
std::string WriteHtmlReadout(const TMech& design, const TEquipmentLists& lists, const THtmlPage& page);

}  // namespace tfd
