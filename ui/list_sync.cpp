#include "ui/list_sync.h"

#include "platform/qt_text.h"
#include "ui/icons.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

namespace wazenie::sync {

namespace {

long long write_count = 0;

// The icon a row shows is kept beside it, so an unchanged icon is recognised without comparing pictures.
constexpr int kIconRole = Qt::UserRole + 1;

QColor rgb(Colour c) {
    switch (c) {
        case Colour::grey:
            return QColor(128, 128, 128);
        case Colour::red:
            return QColor(255, 0, 0);
        case Colour::black:
            break;
    }
    return QColor(0, 0, 0);
}

}  // namespace

long long writes() {
    return write_count;
}

void text(QLabel* label, const std::string& value) {
    const QString shown = to_qt(value);
    if (label->text() != shown) {
        label->setText(shown);
        ++write_count;
    }
}

void colour(QLabel* label, Colour value) {
    const QColor wanted = rgb(value);
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) != wanted) {
        palette.setColor(QPalette::WindowText, wanted);
        label->setPalette(palette);
        ++write_count;
    }
}

void value(QProgressBar* gauge, int percent) {
    if (gauge->value() != percent) {
        gauge->setValue(percent);
        ++write_count;
    }
}

void checked(QAbstractButton* button, bool down) {
    if (button->isChecked() != down) {
        button->setChecked(down);
        ++write_count;
    }
}

void enabled(QWidget* widget, bool on) {
    if (widget->isEnabled() != on) {
        widget->setEnabled(on);
        ++write_count;
    }
}

void shown(QWidget* widget, bool on) {
    if (widget->isHidden() == on) {
        widget->setVisible(on);
        ++write_count;
    }
}

void row_count(QTreeWidget* list, int count) {
    while (list->topLevelItemCount() > count) {
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
        ++write_count;
    }
    while (list->topLevelItemCount() < count) {
        auto* item = new QTreeWidgetItem(list);
        const QTreeWidgetItem* header = list->headerItem();
        for (int c = 0; c < list->columnCount(); ++c) {
            const auto alignment = Qt::Alignment::fromInt(header->textAlignment(c));
            item->setTextAlignment(c, alignment);
            if (alignment & Qt::AlignRight) {
                item->setFont(c, number_font());
            }
        }
        ++write_count;
    }
}

void cell(QTreeWidgetItem* item, int column, const std::string& value) {
    const QString shown = to_qt(value);
    if (item->text(column) != shown) {
        item->setText(column, shown);
        ++write_count;
    }
}

void icon(QTreeWidgetItem* item, int column, RowIcon value) {
    const QVariant kept = item->data(column, kIconRole);
    if (kept.isValid() && kept.toInt() == static_cast<int>(value)) {
        return;
    }
    item->setData(column, kIconRole, static_cast<int>(value));
    item->setIcon(column, row_icon(value));
    item->setData(column, Qt::AccessibleTextRole, row_icon_name(value));
    ++write_count;
}

void marked(QTreeWidgetItem* item, int column, bool on, const std::string& tooltip) {
    const QBrush background = on ? QBrush(kAmber) : QBrush();
    if (item->background(column) != background) {
        item->setBackground(column, background);
        ++write_count;
    }
    sync::tooltip(item, column, tooltip);
}

void tooltip(QTreeWidgetItem* item, int column, const std::string& text) {
    const QString tip = to_qt(text);
    if (item->toolTip(column) != tip) {
        item->setToolTip(column, tip);
        ++write_count;
    }
}

}  // namespace wazenie::sync
