#pragma once
// The Critical Sheet tab: the slots of all eight locations side by side, items
// dragged between slots and the BIN, CASE, armoured components, actuators and
// the Armless and Limiting switches.

#include <QWidget>

#include "ui_CriticalsPage.h"

namespace tfd {

class IDesignHost;
class TComponentMenus;

class TCriticalsPage : public QWidget {
  Q_OBJECT

 public:
  TCriticalsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);

  // The Critical Sheet section of the refresh.
  void Refresh(QObject* sender);

  Ui::CriticalsPage ui;

 private:
  IDesignHost& host_;
};

}  // namespace tfd
