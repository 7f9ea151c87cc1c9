#pragma once
// The Armor tab laid out as the body it shows: the head and centre torso above
// the diagram, each side's torso, arm and leg beside it, every armour edit of
// one width, and the diagram taking the room the page has.

class QWidget;

namespace tfd {

// Arranges the generated Armor form of `page` (found by the controls' names).
void ArrangeArmorBody(QWidget& page);

}  // namespace tfd
