#include "ui/main/ArmorBody.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace tfd {

namespace {

// The widest preferred width of the page's controls whose names begin with
// `prefix` (and are not `except`), and that width given to all of them.
template <class Control>
int SameWidth(QWidget& page, const QString& prefix, const QString& except = {}) {
  QList<Control*> controls;
  for (Control* c : page.findChildren<Control*>())
    if (c->objectName().startsWith(prefix) && c->objectName() != except) controls << c;
  int width = 0;
  for (const Control* c : controls) width = std::max({width, c->sizeHint().width(), c->minimumWidth()});
  for (Control* c : controls) c->setFixedWidth(width);
  return width;
}

// The captions "Armor", "Front", "Rear" and "Internal" take one column width.
void SameCaptionWidth(QWidget& page) {
  QList<QLabel*> captions;
  for (QLabel* l : page.findChildren<QLabel*>()) {
    const QString n = l->objectName();
    if (n.startsWith("lblArmrFront_") || n.startsWith("lblArmrRear_") || n.startsWith("lblISCaption_"))
      captions << l;
  }
  int width = 0;
  for (const QLabel* l : captions) width = std::max(width, l->sizeHint().width());
  for (QLabel* l : captions) l->setMinimumWidth(width);
}

// Where a section's group of controls sits in the body grid, and which way it
// leans: the machine's right side (on the viewer's left) towards the diagram,
// its left side likewise, the head and centre torso centred above it.
struct TGroupPlace {
  const char* Layout;
  Qt::Alignment Lean;
};

}  // namespace

void ArrangeArmorBody(QWidget& page) {
  const int editWidth = SameWidth<QAbstractSpinBox>(page, "sedtAF_");
  for (QLabel* l : page.findChildren<QLabel*>())
    if (l->objectName().startsWith("lblIS_")) l->setFixedWidth(editWidth);
  SameWidth<QToolButton>(page, "btnArmr_");
  SameCaptionWidth(page);

  auto* body = page.findChild<QGridLayout*>("gridBody");
  if (!body) return;
  const TGroupPlace places[] = {
      {"lay_H_3", Qt::AlignHCenter}, {"lay_CT_13", Qt::AlignHCenter}, {"lay_RT_8", Qt::AlignRight},
      {"lay_RA_22", Qt::AlignRight}, {"lay_RL_30", Qt::AlignRight},   {"lay_LT_18", Qt::AlignLeft},
      {"lay_LA_26", Qt::AlignLeft},  {"lay_LL_34", Qt::AlignLeft},
  };
  for (const TGroupPlace& place : places)
    if (auto* group = page.findChild<QLayout*>(place.Layout)) body->setAlignment(group, place.Lean);

  // Close enough to fit a small screen without scrolling sideways.
  body->setHorizontalSpacing(body->verticalSpacing() + 4);
  // The diagram's rows take the height the page has to spare, and the diagram
  // as much width as that height needs; the body stands centred.
  body->setRowStretch(2, 1);
  body->setRowStretch(3, 1);
  if (auto* pageLayout = qobject_cast<QBoxLayout*>(page.layout())) {
    pageLayout->setStretch(0, 1);
    pageLayout->setAlignment(body, Qt::AlignHCenter);
  }
}

}  // namespace tfd
