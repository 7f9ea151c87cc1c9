#pragma once
// What the pages and menus of the main window ask of it: the one design, the
// rules pass and the refresh, the modified flag, and the refresh guard that
// tells a handler that a change came from the refresh, not from the user.

#include <QObject>

namespace tfd {

class TMech;
class TEquipmentLists;
struct TDisplayColors;

class IDesignHost {
 public:
  virtual ~IDesignHost() = default;
  virtual TMech& Design() = 0;
  virtual const TDisplayColors& Colors() const = 0;
  // The rules pass with a request mask; equipment it moves to the BIN is reported.
  virtual void Recalc(int request) = 0;
  virtual void RefreshPages(int mask, QObject* sender) = 0;
  virtual void SetModified() = 0;
  // Names the undo step of the command being run ("Add Medium Laser"); a
  // command that names none gets a general name.
  virtual void NameStep(const QString& name) { (void)name; }
  virtual bool Refreshing() const = 0;
  virtual void NewDesign() = 0;
  virtual void ShowErrorReport() = 0;
  // The loaded equipment lists; null only when the window runs without a database.
  virtual TEquipmentLists* Equipment() = 0;
  // The page bit of the tab being shown.
  virtual int ActivePageMask() const = 0;
  // Whether the Options menu's "Use BIN" carries its check mark.
  virtual bool UseBin() const = 0;
  // The title bar from the design's type name and file.
  virtual void UpdateCaption() = 0;
};

// Page bits of the refresh.
enum : int {
  pgMain = 1,
  pgArmor = 2,
  pgWeapons = 4,
  pgCriticals = 8,
  pgReports = 16,
  pgSpecs = 32,
  pgUnitRoster = 64
};

}  // namespace tfd
