#pragma once

#include "station/window_model.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace wazenie {

// The pictures of the lists and of the scale panels, drawn once and kept for the program's life.
// A row without an icon gets a null icon.
const QIcon& row_icon(RowIcon icon);
const QPixmap& state_pixmap(StateIcon icon);
// What a screen reader says for a row's icon: "w toku", "zakończony", or nothing.
QString row_icon_name(RowIcon icon);
// What a screen reader says for a state picture: "zbiornik otwarty", "cykl zakończony".
QString state_name(StateIcon icon);

}  // namespace wazenie
