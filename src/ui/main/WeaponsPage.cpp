#include "ui/main/WeaponsPage.h"

#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"

namespace tfd {

TWeaponsPage::TWeaponsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), host_(host) {
  ui.setupUi(this);
  setObjectName("pgWeapons");
  (void)menus;
}

void TWeaponsPage::Refresh(QObject* sender) { (void)sender; }

}  // namespace tfd
