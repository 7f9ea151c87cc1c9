#include "files/LoadDesign.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "equipment/EquipmentLists.h"
#include "equipment/Specs.h"
#include "equipment/SpecsLists.h"
#include "files/DesignFile.h"
#include "files/HtmlReadout.h"
#include "files/ReadError.h"
#include "files/TextInput.h"
#include "files/TextReadout.h"
#include "model/Mech.h"
#include "rules/RulesPass.h"
#include "rules/TargetingComputer.h"

namespace tfd {

EFileKind FileKindOf(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of("/\\:");
  const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = base.rfind('.');
  if (dot == std::string_view::npos) return EFileKind::DesignFile;
  const std::string_view ext = base.substr(dot);
  if (SameText(ext, ".txt")) return EFileKind::TextReadout;
  if (SameText(ext, ".htm") || SameText(ext, ".html")) return EFileKind::HtmlReadout;
  return EFileKind::DesignFile;
}

namespace {

TLoadResult Read(TMech& design, const std::string& fileName, std::string_view bytes, TLoadContext& context) {
  try {
    switch (FileKindOf(fileName)) {
      case EFileKind::TextReadout: ImportTextReadout(bytes, design, context.Lists); break;
      case EFileKind::HtmlReadout:
        if (ImportHtmlReadout(bytes, design, context.Lists, context.Html) == EHtmlImport::OtherVersion)
          return {ELoadStatus::OtherVersion, "Not loaded: the page is not an HTML readout of version 2311"};
        break;
      case EFileKind::DesignFile: ReadDesignFile(bytes, design, context.Lists); break;
    }
  } catch (const TReadError& e) {
    if (std::string_view(e.what()) == kWrongVersion) {
      design.Texts[txtFilePath].clear();
      return {ELoadStatus::WrongVersion, e.what()};
    }
    return {ELoadStatus::Failed, e.what()};
  }
  return {};
}

void Finish(TMech& design, TLoadContext& context) {
  design.Equipment = &context.Lists.Index();
  // A file's targeting computers weigh and cost what the weapons they serve
  // make them, in every configuration, not what the file states.
  for (const auto& config : design.Configs)
    if (config) UpdateTargetingComputers(*config, design);
  Recalculate(design, rqAll);
  TakeArmamentBrands(design);
  static const TEngineMakers kNoMakers;
  design.Texts[txtPowerPlant] =
      RebuildPowerPlant(design.Texts[txtPowerPlant], design, context.Makers ? *context.Makers : kNoMakers);
}

}  // namespace

TLoadResult LoadDesignFromBytes(TMech& design, const std::string& fileName, std::string_view bytes,
                                TLoadContext& context) {
  design.Equipment = &context.Lists.Index();
  design.Clear();
  design.Texts[txtFilePath] = fileName;
  TLoadResult result = Read(design, fileName, bytes, context);
  Finish(design, context);
  return result;
}

TLoadResult LoadDesign(TMech& design, const std::string& fileName, TLoadContext& context) {
  std::ifstream file(fileName, std::ios::binary);
  std::string bytes;
  if (file) {
    std::ostringstream all;
    all << file.rdbuf();
    bytes = all.str();
  }
  if (!file) {
    design.Equipment = &context.Lists.Index();
    design.Clear();
    Finish(design, context);
    return {ELoadStatus::Failed, "Cannot open file \"" + fileName + "\""};
  }
  return LoadDesignFromBytes(design, fileName, bytes, context);
}

}  // namespace tfd
