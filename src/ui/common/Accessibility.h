#pragma once
// What assistive tools are told of the controls: captions from the labels
// whose buddies they are, and for a drop-down button a button with a menu,
// named after what it chooses and what it shows ("Engine: XL Fusion"). The
// caption is the button's accessible name, or else the label whose buddy it
// is; without either the button's own text is its name.

#include <QString>

class QWidget;

namespace tfd {

// The caption of the label whose buddy the control is, without its mnemonic
// and closing colon ("T&T System"); empty when no label names it.
QString BuddyCaption(const QWidget& control);

// Gives a control the name a screen reader says, where it differs from the
// one it has: a refresh that names controls costs nothing when nothing changed.
void NameForReaders(QWidget& control, const QString& name);

// Makes the description above that of every drop-down button; once per program.
void InstallDropButtonAccessibility();

}  // namespace tfd
