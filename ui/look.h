#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt_text.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QLabel;
class QPushButton;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QWidget;

namespace wazenie {

// The one colour of a value the operator must look at (a dose outside its tolerance): calm enough
// for a cell that stays marked, and readable with black text.
inline constexpr QColor kAmber(0xFF, 0xD2, 0x7F);

// Numbers in a font whose digits all have one width, so a changing mass does not make its field jump.
QFont number_font(int point_size = 0);

// A right-aligned number field with a sunken frame; width_chars digits fit without clipping.
QLabel* number_label(const QString& name, int width_chars, QWidget* parent, int point_size = 0);

// The caption of an edit: a screen reader announces the edit by the caption's text.
QLabel* caption_label(const QString& text, QWidget* field, QWidget* parent);

// Makes `caption` the caption of a value field and returns it. A screen reader reads the field as the
// value it shows and the caption, without its colon, as the field's description.
QLabel* caption_value(QLabel* caption, QLabel* value);

// A push button with its object name that never takes Enter for itself: in these dialogs only OK does.
QPushButton* named_button(QWidget* parent, const char* name, const QString& text);

// A tool button with its object name, text and hint.
QToolButton* tool_button(QWidget* parent, const QString& name, const QString& text, const QString& hint);

// Column titles as the logic names them.
template <typename Names>
QStringList headers_of(const Names& names) {
    QStringList headers;
    for (const std::string_view name : names) {
        headers.append(to_qt(std::string(name)));
    }
    return headers;
}

// A report-style list: no tree decoration, whole rows selected, one header per column; the columns
// named in `numbers` are right-aligned in the number font.
QTreeWidget* make_list(const QString& name, const QStringList& headers, std::initializer_list<int> numbers,
                       QWidget* parent);

// Each column as wide as its contents and some room more: the contents alone would make the numbers
// of neighbouring columns run into each other.
void fit_columns(QTreeWidget* list);

// The rows as given, the columns then fitted; the columns named in `numbers` right-aligned in the
// number font, a row marked in `marked` amber.
void fill_list(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows,
               const std::vector<bool>& marked, const std::set<int>& numbers);

// The same list over a model, which names the columns and aligns them: for lists too long for an
// item per row.
QTreeView* make_list_view(const QString& name, QAbstractItemModel* model, QWidget* parent);

}  // namespace wazenie
