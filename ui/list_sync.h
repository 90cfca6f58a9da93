#pragma once

#include <string>

#include "station/window_model.h"

#include <QString>

class QAbstractButton;
class QLabel;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace wazenie::sync {

// The panels are refreshed after every meter answer: each helper writes to its widget only when the
// widget shows something else, so an unchanged refresh repaints nothing and the lists never flicker.

// Every write the helpers made since the program started; a refresh that changed nothing adds none.
long long writes();

void text(QLabel* label, const std::string& value);
void colour(QLabel* label, Colour value);
void value(QProgressBar* gauge, int percent);
void checked(QAbstractButton* button, bool down);
void enabled(QWidget* widget, bool on);
void shown(QWidget* widget, bool on);

// Adds or removes rows at the end only when the count differs; new rows get the list's alignments.
void row_count(QTreeWidget* list, int count);
void cell(QTreeWidgetItem* item, int column, const std::string& value);
void icon(QTreeWidgetItem* item, int column, RowIcon value);
// A cell that needs the operator's eye: an amber background (never the red of a lost scale) and the
// reason in its tooltip; unmarked, a plain background and no tooltip.
void marked(QTreeWidgetItem* item, int column, bool on, const std::string& tooltip);
void tooltip(QTreeWidgetItem* item, int column, const std::string& text);

}  // namespace wazenie::sync
