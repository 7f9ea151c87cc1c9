#include "ui/common/ConfigChoiceMenu.h"

#include <QAbstractButton>
#include <QActionGroup>

#include "model/Configuration.h"
#include "model/Mech.h"

namespace tfd {

void ShowConfigButton(QAbstractButton& button, const TMech& design) {
  button.setText(QString::fromStdString(design.ConfigName(design.ConfigIndex)));
  button.setEnabled(design.IsOmni());
}

TConfigChoiceMenu::TConfigChoiceMenu(std::function<int()> current, QWidget* parent)
    : QMenu(parent), current_(std::move(current)) {
  auto* group = new QActionGroup(this);
  for (int i = 0; i < kConfigCount; ++i) {
    QAction* a = addAction(QString::fromStdString(ConfigMenuLabel(i)));
    a->setCheckable(true);
    a->setData(i);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, a] { emit chosen(a->data().toInt()); });
  }
  // Marks come from the design, never from the last click.
  connect(this, &QMenu::aboutToShow, this, [this] {
    if (QAction* a = Entry(current_())) a->setChecked(true);
  });
}

QAction* TConfigChoiceMenu::Entry(int index) const {
  const QList<QAction*> entries = actions();
  return index >= 0 && index < entries.size() ? entries[index] : nullptr;
}

}  // namespace tfd
