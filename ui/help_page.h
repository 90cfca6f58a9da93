#pragma once

#include <QString>

namespace wazenie {

// The operator's help page beside the program ("doc/pomoc.htm"), or where an installation puts it
// ("../share/wazenie/doc/pomoc.htm", packaging/CMakeLists.txt); empty when neither exists.
QString help_page_path();

// Opens the help page with the system's viewer; false when there is none or it could not be opened.
bool open_help_page();

}  // namespace wazenie
