#pragma once

#include <QPixmap>

namespace wazenie {

// The program's own picture, a dosing hopper over its weighing dial, drawn in code: size x size
// pixels on a transparent background (the about boxes and the main window's logo use it).
QPixmap program_logo(int size);

}  // namespace wazenie
