#include "ui/main/ComponentMenus.h"

#include <QActionGroup>

#include "model/Mech.h"
#include "rules/RulesPass.h"
#include "ui/main/DesignHost.h"

namespace tfd {

TComponentMenus::TComponentMenus(IDesignHost& host, QWidget* parent) : QObject(parent), host_(host) {
  auto design = [this]() -> TMech& { return host_.Design(); };

  pmTech = Make("pmTech", parent, TechMenu, [this, design](int tag) {
    Store(design().RulesLevel, tag, rqAll, pgMain);
  });
  pmOptions = Make(
      "pmOptions", parent, OptionsMenu,
      [this, design](int tag) {
        TMech& m = design();
        m.Options = static_cast<std::uint8_t>(m.Options ^ tag);
        m.Config->Crits.SetQuad(m.IsQuad());
        host_.Recalc(rqChassis);
        host_.RefreshPages(pgMain, this);
        host_.SetModified();
      },
      false);
  pmIS = Make("pmIS", parent, StructureMenu, [this, design](int tag) {
    Store(design().StructureType, tag, rqChassis, pgMain);
  });
  pmEng = Make("pmEng", parent, EngineMenu, [this, design](int tag) {
    TMech& m = design();
    m.Config->Crits.SetEngine(static_cast<std::uint8_t>(tag), m.EngineRating > 400);
    Store(m.EngineType, tag, rqChassis, pgMain);
  });
  pmHS = Make("pmHS", parent, HeatSinkMenu, [this, design](int tag) {
    Store(design().HeatSinkType, tag, rqChassis, pgMain);
  });
  pmGyro = Make("pmGyro", parent, GyroMenu, [this, design](int tag) {
    design().Config->Crits.SetGyro(static_cast<std::uint8_t>(tag));
    Store(design().GyroType, tag, rqChassis, pgMain);
  });
  pmCockpit = Make("pmCockpit", parent, CockpitMenu, [this, design](int tag) {
    design().Config->Crits.SetCockpit(static_cast<std::uint8_t>(tag));
    Store(design().CockpitType, tag, rqChassis, pgMain);
  });
  pmTargeting = Make("pmTargeting", parent, TargetingMenu, [this, design](int tag) {
    design().Config->Crits.SetTargeting(static_cast<std::uint8_t>(tag));
    Store(design().TargetingType, tag, rqChassis, pgMain);
  });
  pmJJType = Make("pmJJType", parent, JumpJetMenu, [this, design](int tag) {
    Store(design().JumpJetType, tag, rqChassis, pgMain);
  });
  pmTurret = Make("pmTurret", parent, TurretMenu, [this, design](int tag) {
    design().Config->Crits.SetTurret(static_cast<std::uint8_t>(tag));
    Store(design().Config->Turret, tag, rqChassis, pgMain);
  });
  pmSupChrg = Make("pmSupChrg", parent, SuperchargerMenu, [this, design](int tag) {
    // Only the location bits of the configuration's supercharger byte change.
    TConfiguration& c = *design().Config;
    Store(c.Supercharger, (c.Supercharger & ~3) | (tag & 3), rqChassis, pgMain);
  });
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
      [this, design](int tag) {
        TMech& m = design();
        const auto before = m.ArmorTypes;
        const std::uint8_t typeBefore = m.ArmorType;
        const auto value = static_cast<std::uint8_t>(tag);
        if (armorTarget_ <= 1) {
          m.ArmorType = value;
          if (value != atPatchwork) m.ArmorTypes.fill(value);
        } else if (armorTarget_ <= 12) {
          m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(armorTarget_))] = value;
        }
        host_.Recalc(rqChassis | rqArmor);
        host_.RefreshPages(pgMain | pgArmor, this);
        if (m.ArmorType != typeBefore || m.ArmorTypes != before) host_.SetModified();
      });
  connect(pmArmor, &QMenu::aboutToShow, this, [this] {
    if (FindArmorTarget) {
      const int tag = FindArmorTarget();
      if (tag > 0) armorTarget_ = tag;
    }
    ApplyRule(pmArmor, ArmorMenu(host_.Design(), armorTarget_));
  });
}

template <typename T>
void TComponentMenus::Store(T& field, int tag, int request, int page) {
  const T before = field;
  field = static_cast<T>(tag);
  host_.Recalc(request);
  host_.RefreshPages(page, this);
  if (before != field) host_.SetModified();
}

QMenu* TComponentMenus::Make(const char* name, QWidget* parent, Rule rule, Command command,
                             bool exclusive) {
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
