#include "ui/main/CriticalsPage.h"

#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"

namespace tfd {

TCriticalsPage::TCriticalsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), host_(host) {
  ui.setupUi(this);
  setObjectName("pgCriticals");
  (void)menus;
}

void TCriticalsPage::Refresh(QObject* sender) { (void)sender; }

}  // namespace tfd
