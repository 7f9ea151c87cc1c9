#pragma once
// What assistive tools are told of a drop-down button: a button with a menu,
// named after what it chooses and what it shows ("Engine: XL Fusion"). The
// caption is the button's accessible name, or else the label whose buddy it
// is; without either the button's own text is its name.

namespace tfd {

// Makes the description above that of every drop-down button; once per program.
void InstallDropButtonAccessibility();

}  // namespace tfd
