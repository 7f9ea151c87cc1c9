#pragma once
// The drop-down menus that choose the design's components. Each menu marks,
// shows and enables its entries by the design when it pops up, and stores the
// chosen entry's tag, read when it is chosen.

#include <QMenu>
#include <QObject>
#include <functional>

#include "rules/MenuRules.h"

namespace tfd {

class IDesignHost;

class TComponentMenus : public QObject {
  Q_OBJECT

 public:
  TComponentMenus(IDesignHost& host, QWidget* parent);

  QMenu* pmTech;
  QMenu* pmOptions;
  QMenu* pmIS;
  QMenu* pmEng;
  QMenu* pmHS;
  QMenu* pmGyro;
  QMenu* pmCockpit;
  QMenu* pmTargeting;
  QMenu* pmJJType;
  QMenu* pmArmor;
  QMenu* pmTurret;
  QMenu* pmSupChrg;
  QMenu* pmConfig;   // the configuration edited and shown (Omni designs)
  QMenu* pmWepType;  // the technology of the equipment lists

  // The armour target: 1 the whole design, 2..12 one section's button.
  int ArmorTarget() const { return armorTarget_; }
  void SetArmorTarget(int tag) { armorTarget_ = tag; }
  // Asked when pmArmor pops up, so the button that opened it is the target.
  std::function<int()> FindArmorTarget;

  // Runs the rule of a menu on its entries (also what popping it up does).
  static void ApplyRule(QMenu* menu, const TMenu& rule);

 signals:
  // The equipment filter changed: the Weapons tab refills its list.
  void weaponFilterChosen();

 private:
  using Rule = std::function<TMenu(const TMech&)>;
  using Command = std::function<void(int tag)>;
  QMenu* Make(const char* name, QWidget* parent, Rule rule, Command command, bool exclusive = true);

  // The common command: store the chosen value, rules pass, refresh of `page`.
  void Choose(EMenu menu, int tag, int page);

  IDesignHost& host_;
  int armorTarget_ = 1;
};

}  // namespace tfd
