#include "ui/main/ComponentMenus.h"

#include <QActionGroup>

#include "model/Mech.h"
#include "rules/RulesPass.h"
#include "ui/main/DesignHost.h"

namespace tfd {

TComponentMenus::TComponentMenus(IDesignHost& host, QWidget* parent) : QObject(parent), host_(host) {
  auto design = [this]() -> TMech& { return host_.Design(); };
  auto choose = [this](EMenu menu, int page) {
    return [this, menu, page](int tag) { Choose(menu, tag, page); };
  };
  pmTech = Make("pmTech", parent, TechMenu, choose(EMenu::Tech, pgMain));
  pmOptions = Make("pmOptions", parent, OptionsMenu, choose(EMenu::Options, pgMain), false);
  pmIS = Make("pmIS", parent, StructureMenu, choose(EMenu::Structure, pgMain));
  pmEng = Make("pmEng", parent, EngineMenu, choose(EMenu::Engine, pgMain));
  pmHS = Make("pmHS", parent, HeatSinkMenu, choose(EMenu::HeatSink, pgMain));
  pmGyro = Make("pmGyro", parent, GyroMenu, choose(EMenu::Gyro, pgMain));
  pmCockpit = Make("pmCockpit", parent, CockpitMenu, choose(EMenu::Cockpit, pgMain));
  pmTargeting = Make("pmTargeting", parent, TargetingMenu, choose(EMenu::Targeting, pgMain));
  pmJJType = Make("pmJJType", parent, JumpJetMenu, choose(EMenu::JumpJet, pgMain));
  pmTurret = Make("pmTurret", parent, TurretMenu, choose(EMenu::Turret, pgMain));
  pmSupChrg = Make("pmSupChrg", parent, SuperchargerMenu, choose(EMenu::Supercharger, pgMain));
  pmConfig = Make("pmConfig", parent, ConfigMenu, [this, design](int tag) {
    // A configuration chosen for the first time is an empty child of the fixed
    // one; its chassis items are laid at once, whatever the tab.
    TMech& m = design();
    m.SelectConfig(tag);
    const int page = host_.ActivePageMask();
    host_.Recalc(page | rqChassis | rqCase);
    host_.RefreshPages(page, this);
  });
  pmWepType = Make("pmWepType", parent, WeaponFilterMenu, [this, design](int tag) {
    TMech& m = design();
    const std::uint8_t before = m.WeaponFilter;
    m.WeaponFilter = static_cast<std::uint8_t>(tag);
    host_.Recalc(rqWeights);
    host_.RefreshPages(pgWeapons, this);
    if (before != m.WeaponFilter) emit weaponFilterChosen();
  });
  pmArmor = Make(
      "pmArmor", parent, [this](const TMech& m) { return ArmorMenu(m, armorTarget_); },
      choose(EMenu::Armor, pgMain | pgArmor));
  connect(pmArmor, &QMenu::aboutToShow, this, [this] {
    if (FindArmorTarget) {
      const int tag = FindArmorTarget();
      if (tag > 0) armorTarget_ = tag;
    }
    ApplyRule(pmArmor, ArmorMenu(host_.Design(), armorTarget_));
  });
}

namespace {

// The undo step of a choice in one of the component menus.
QString StepName(EMenu menu) {
  switch (menu) {
    case EMenu::Tech: return TComponentMenus::tr("Set Rules Level");
    case EMenu::Options: return TComponentMenus::tr("Set Design Options");
    case EMenu::Structure: return TComponentMenus::tr("Set Internal Structure");
    case EMenu::Engine: return TComponentMenus::tr("Set Engine Type");
    case EMenu::HeatSink: return TComponentMenus::tr("Set Heat Sink Type");
    case EMenu::Gyro: return TComponentMenus::tr("Set Gyro Type");
    case EMenu::Cockpit: return TComponentMenus::tr("Set Cockpit Type");
    case EMenu::Targeting: return TComponentMenus::tr("Set Targeting System");
    case EMenu::JumpJet: return TComponentMenus::tr("Set Jump Jet Type");
    case EMenu::Armor: return TComponentMenus::tr("Set Armor Type");
    case EMenu::Turret: return TComponentMenus::tr("Set Turret");
    case EMenu::Supercharger: return TComponentMenus::tr("Set Supercharger");
  }
  return {};
}

}  // namespace

void TComponentMenus::Choose(EMenu menu, int tag, int page) {
  const TMenuChoice choice = StoreMenuChoice(host_.Design(), menu, tag, armorTarget_);
  host_.Recalc(choice.Request);
  host_.RefreshPages(page, this);
  if (!choice.Changed) return;
  host_.NameStep(StepName(menu));
  host_.SetModified();
}

QMenu* TComponentMenus::Make(const char* name, QWidget* parent, Rule rule, Command command, bool exclusive) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(name);
  auto* group = new QActionGroup(menu);
  group->setExclusionPolicy(exclusive ? QActionGroup::ExclusionPolicy::ExclusiveOptional
                                      : QActionGroup::ExclusionPolicy::None);
  for (const TMenuEntry& e : rule(host_.Design())) {
    QAction* a = menu->addAction(QString::fromUtf8(e.Caption.data(), static_cast<int>(e.Caption.size())));
    a->setCheckable(true);
    a->setData(e.Tag);
    group->addAction(a);
    // The tag is read when the entry is chosen: some menus rewrite it on popping up.
    connect(a, &QAction::triggered, this, [a, command] { command(a->data().toInt()); });
  }
  if (name != std::string_view("pmArmor"))
    connect(menu, &QMenu::aboutToShow, this, [this, menu, rule] { ApplyRule(menu, rule(host_.Design())); });
  return menu;
}

void TComponentMenus::ApplyRule(QMenu* menu, const TMenu& rule) {
  const QList<QAction*> actions = menu->actions();
  for (qsizetype i = 0; i < actions.size() && i < static_cast<qsizetype>(rule.size()); ++i) {
    const TMenuEntry& e = rule[static_cast<std::size_t>(i)];
    QAction* a = actions[i];
    a->setData(e.Tag);
    a->setVisible(e.Shown);
    a->setEnabled(e.Enabled);
    a->setChecked(e.Checked);
  }
}

}  // namespace tfd
