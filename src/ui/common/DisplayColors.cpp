#include "ui/common/DisplayColors.h"

#include <QApplication>

#include "ui/common/SystemColors.h"

namespace tfd {

TDisplayColors TDisplayColors::Defaults() { return ResolveColorSet(StartupColorSet(), QApplication::palette()); }

}  // namespace tfd
