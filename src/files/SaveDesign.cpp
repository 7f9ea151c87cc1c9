#include "files/SaveDesign.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "files/DesignFileWriter.h"
#include "files/HtmlReadoutWriter.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "files/TextReadoutWriter.h"
#include "model/Mech.h"

namespace tfd {

namespace {

// A header or footer file; a missing or unreadable one adds nothing.
std::string ReadSmallFile(const std::filesystem::path& path) {
  constexpr std::streamsize kLimit = 1 << 20;
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string out(static_cast<std::size_t>(kLimit), '\0');
  in.read(out.data(), kLimit);
  out.resize(static_cast<std::size_t>(in.gcount()));
  return out;
}

}  // namespace

std::filesystem::path UserConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "titanframe-designer";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".config" / "titanframe-designer";
}

std::string DesignBytes(const TMech& design, const std::string& fileName, const TSaveContext& context) {
  switch (FileKindOf(fileName)) {
    case EFileKind::TextReadout: return WriteTextReadout(design, context.Lists);
    case EFileKind::HtmlReadout: {
      THtmlPage page{&context.Html, {}, {}};
      if (context.Html.IncludeHeader) page.Header = ReadSmallFile(context.ConfigFolder / "head.txt");
      if (context.Html.IncludeFooter) page.Footer = ReadSmallFile(context.ConfigFolder / "foot.txt");
      return WriteHtmlReadout(design, context.Lists, page);
    }
    case EFileKind::DesignFile: break;
  }
  return WriteDesignFile(design, context.Lists);
}

TWriteResult SaveDesign(TMech& design, const std::string& fileName, const TSaveContext& context) {
  TWriteResult result = WriteFileAtomically(fileName, DesignBytes(design, fileName, context), context.Flush);
  if (result.Ok) design.Texts[txtFilePath] = fileName;
  return result;
}

}  // namespace tfd
