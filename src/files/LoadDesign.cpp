#include "files/LoadDesign.h"

#include <fstream>
#include <new>

#include "equipment/EquipmentLists.h"
#include "equipment/Specs.h"
#include "equipment/SpecsLists.h"
#include "files/DesignFile.h"
#include "files/DesignFileWriter.h"
#include "files/HtmlReadout.h"
#include "files/LoadLimits.h"
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

TLoadResult Read(TMech& design, const std::string& fileName, std::string_view bytes, TLoadContext& context,
                 TLoadLog& log) {
  try {
    switch (FileKindOf(fileName)) {
      case EFileKind::TextReadout: ImportTextReadout(bytes, design, context.Lists, log); break;
      case EFileKind::HtmlReadout:
        if (ImportHtmlReadout(bytes, design, context.Lists, context.Html, log) == EHtmlImport::OtherVersion)
          return {
              ELoadStatus::OtherVersion, "Not loaded: the page is not an HTML readout of version 2311", {}};
        break;
      case EFileKind::DesignFile:
        ReadDesignFile(bytes, design, context.Lists, log);
        ApplyDesignFileExtension(bytes, design);
        break;
    }
  } catch (const TLimitError&) {
    throw;  // nothing of such a file is kept
  } catch (const TReadError& e) {
    if (std::string_view(e.what()) == kWrongVersion) {
      design.Texts[txtFilePath].clear();
      return {ELoadStatus::WrongVersion, e.what(), {}};
    }
    return {ELoadStatus::Failed, e.what(), {}};
  }
  return {};
}

// The formulas of design-dependent equipment (tonnage, engine rating) read
// the design as the rules leave it, not as the file gave it: a file of 103
// tons is a design of 100.
void CompleteItems(TMech& design, TLoadContext& context, TLoadLog& log) {
  Recalculate(design, rqAll);
  context.Lists.UpdateDesignDependent(design);
  log.RunDeferred();
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

// A new design, for a file that could not be read at all.
TLoadResult Refused(TMech& design, TLoadContext& context, std::string message) {
  design.Equipment = &context.Lists.Index();
  NewDesign(design);
  Finish(design, context);
  return {ELoadStatus::Failed, std::move(message), {}};
}

TLoadResult Load(TMech& design, const std::string& fileName, std::string_view bytes, TLoadContext& context) {
  design.Equipment = &context.Lists.Index();
  NewDesign(design);
  design.Texts[txtFilePath] = fileName;
  if (bytes.size() > kMaxFileBytes) throw TLimitError(FileTooLargeMessage());
  TLoadLog log;
  TLoadResult result = Read(design, fileName, bytes, context, log);
  CompleteItems(design, context, log);
  Finish(design, context);
  result.Warnings = log.TakeWarnings();
  return result;
}

// Every failure of a load as a result: the limits' refusal, memory running
// out, or anything else thrown on the way.
template <typename Body>
TLoadResult Guarded(TMech& design, TLoadContext& context, Body body) {
  try {
    try {
      return body();
    } catch (const TLimitError& e) {
      return Refused(design, context, e.what());
    } catch (const std::bad_alloc&) {
      return Refused(design, context, "Not loaded: there is not enough memory to read the file");
    } catch (const std::exception& e) {
      return Refused(design, context, std::string("Not loaded: ") + e.what());
    } catch (...) {
      return Refused(design, context, "Not loaded: the file could not be read");
    }
  } catch (...) {
    // Even the reset failed (no memory left for a new design).
    return {ELoadStatus::Failed, "Not loaded: there is not enough memory to read the file", {}};
  }
}

}  // namespace

TLoadResult LoadDesignFromBytes(TMech& design, const std::string& fileName, std::string_view bytes,
                                TLoadContext& context) {
  return Guarded(design, context, [&] { return Load(design, fileName, bytes, context); });
}

TLoadResult LoadDesign(TMech& design, const std::string& fileName, TLoadContext& context) {
  return Guarded(design, context, [&]() -> TLoadResult {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) return Refused(design, context, "Cannot open file \"" + fileName + "\"");
    // Read no more than the limit allows, whatever the file claims to be.
    std::string bytes;
    char block[1 << 16];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
      bytes.append(block, static_cast<std::size_t>(file.gcount()));
      if (bytes.size() > kMaxFileBytes) throw TLimitError(FileTooLargeMessage());
    }
    if (file.bad()) return Refused(design, context, "Cannot open file \"" + fileName + "\"");
    return Load(design, fileName, bytes, context);
  });
}

}  // namespace tfd
