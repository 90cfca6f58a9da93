#include "ui/look.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace wazenie {

QFont number_font(int point_size) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int size = point_size > 0 ? point_size : QFont().pointSize();
    if (size > 0) {
        font.setPointSize(size);
    }
    return font;
}

QLabel* number_label(const QString& name, int width_chars, QWidget* parent, int point_size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(number_font(point_size));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    // Opaque and of a fixed size: a new value repaints the field alone and lays nothing out again, which
    // matters at several values a second.
    label->setAutoFillBackground(true);
    const QFontMetrics metrics(label->font());
    label->setFixedSize(metrics.horizontalAdvance(QString(width_chars, QLatin1Char('0'))) + 10,
                        label->sizeHint().height());
    return label;
}

QLabel* caption_label(const QString& text, QWidget* field, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(field);
    return caption;
}

QLabel* caption_value(QLabel* caption, QLabel* value) {
    caption->setBuddy(value);
    QString description = caption->text().trimmed();
    if (description.endsWith(QLatin1Char(':'))) {
        description.chop(1);
    }
    value->setAccessibleDescription(description);
    return caption;
}

QPushButton* named_button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QToolButton* tool_button(QWidget* parent, const QString& name, const QString& text, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

namespace {

// What every report-style list shares, whether it holds its own items or shows a model.
template <typename List>
List* report_list(const QString& name, QWidget* parent) {
    auto* list = new List(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

}  // namespace

QTreeWidget* make_list(const QString& name, const QStringList& headers, std::initializer_list<int> numbers,
                       QWidget* parent) {
    auto* list = report_list<QTreeWidget>(name, parent);
    list->setHeaderLabels(headers);
    for (int column : numbers) {
        list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    return list;
}

QTreeView* make_list_view(const QString& name, QAbstractItemModel* model, QWidget* parent) {
    auto* list = report_list<QTreeView>(name, parent);
    list->setModel(model);
    return list;
}

void fit_columns(QTreeWidget* list) {
    QHeaderView* header = list->header();
    header->resizeSections(QHeaderView::ResizeToContents);
    for (int column = 0; column < header->count(); ++column) {
        header->resizeSection(column, header->sectionSize(column) + 16);
    }
}

void fill_list(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows,
               const std::vector<bool>& marked, const std::set<int>& numbers) {
    const QSignalBlocker quiet(list);
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int column = static_cast<int>(c);
            item->setText(column, to_qt(rows[r][c]));
            if (numbers.count(column) > 0) {
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
                item->setFont(column, number_font());
            }
            if (r < marked.size() && marked[r]) {
                item->setBackground(column, kAmber);
            }
        }
        items.append(item);
    }
    list->addTopLevelItems(items);
    fit_columns(list);
}

}  // namespace wazenie
