#pragma once
// Opening a design file in the window: the open dialog's entries, the read
// through the loader the command line uses too, and what the user is told of
// a file that could not be read, or read only in part.

#include <QString>

#include "files/LoadDesign.h"
#include "ui/common/FileDialogSeam.h"

namespace tfd {

// The open dialog's entries, the third chosen at first.
TOpenDialogSettings OpenDialogSettings();

// Reads a design file or readout into the design through the loader the
// command line uses too: its status, the message for the user (empty when it
// loaded) and what the reader could not read. The engine makers give a
// power-plant text its default maker.
TLoadResult ReadDesignFile(TMech& design, TEquipmentLists* lists, THtmlSettings& html,
                           const QString& fileName, const TEngineMakers* makers = nullptr);
// A load warning as one line of the error report: "line 12, unknown
// equipment: Quantum Cannon RT 3 9 7.00".
QString WarningLine(const TLoadWarning& warning);

// What the user is told of a load that failed: the file by its name and what
// went wrong in plain words.
QString LoadFailureMessage(const QString& fileName, const TLoadResult& result);

}  // namespace tfd
