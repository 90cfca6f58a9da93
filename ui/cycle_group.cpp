#include "ui/cycle_group.h"

#include "station/station.h"
#include "ui/list_sync.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace wazenie {

namespace {
enum Column { kIcon, kNumber, kJest, kMaByc };
}

CycleGroup::CycleGroup(Station& station, QWidget* parent)
    : QGroupBox(QStringLiteral("Pokazywany cykl "), parent), station_(station) {
    setObjectName(QStringLiteral("GBview_cycle"));
    number_ = number_label(QStringLiteral("Lview_cycle"), 2, this, QFont().pointSize() + 4);
    number_->setAlignment(Qt::AlignCenter);
    number_->setAccessibleDescription(QStringLiteral("Pokazywany cykl"));

    current_ = make_button(QStringLiteral("SBview_current"), QStringLiteral("Pokazuj aktualny"), {});
    current_->setCheckable(true);
    current_->setChecked(true);
    connect(current_, &QPushButton::clicked, this, [this] {
        station_.show_current_cycle();
        follow_station();
    });
    auto* previous = make_button(QStringLiteral("SBview_previous"), QStringLiteral("<"),
                                 QStringLiteral("Pokaż poprzedni cykl"));
    connect(previous, &QPushButton::clicked, this, [this] {
        station_.show_previous_cycle();
        follow_station();
    });
    auto* next = make_button(QStringLiteral("SBview_next"), QStringLiteral(">"),
                             QStringLiteral("Pokaż następny cykl"));
    connect(next, &QPushButton::clicked, this, [this] {
        station_.show_next_cycle();
        follow_station();
    });
    for (QPushButton* arrow : {previous, next}) {
        arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 12);
    }

    list_ = make_list(QStringLiteral("LVcycles"), {"i", "N", "Jest", "Ma być"}, {kJest, kMaByc}, this);
    const int digit = QFontMetrics(number_font()).horizontalAdvance(QLatin1Char('0'));
    list_->header()->setSectionResizeMode(QHeaderView::Fixed);
    list_->header()->setSectionResizeMode(kMaByc, QHeaderView::Stretch);
    list_->setColumnWidth(kIcon, 22);
    list_->setColumnWidth(kNumber, 26);
    list_->setColumnWidth(kJest, digit * 9 + 10);
    list_->setMinimumWidth(22 + 26 + 2 * (digit * 9 + 10) + 8);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->addWidget(number_, 0, 0);
    grid->addWidget(previous, 0, 1);
    grid->addWidget(next, 0, 2);
    grid->addWidget(current_, 0, 3);
    grid->addWidget(list_, 1, 0, 1, 4);
    grid->setRowStretch(1, 1);
}

QPushButton* CycleGroup::make_button(const QString& name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        button->setAccessibleName(hint);
    }
    return button;
}

// A click toggles the button by itself; whether it is down is the station's to say.
void CycleGroup::follow_station() {
    sync::checked(current_, station_.showing_current_cycle());
}

void CycleGroup::show_number(const std::string& number, bool current_down) {
    sync::text(number_, number);
    sync::checked(current_, current_down);
}

void CycleGroup::show_rows(const std::vector<CycleRow>& rows) {
    if (rows_ == rows) {
        return;
    }
    rows_ = rows;
    sync::row_count(list_, static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const CycleRow& row = rows[static_cast<std::size_t>(i)];
        QTreeWidgetItem* item = list_->topLevelItem(i);
        sync::icon(item, kIcon, row.icon);
        sync::cell(item, kNumber, row.n);
        sync::cell(item, kJest, row.jest);
        sync::cell(item, kMaByc, row.ma_byc);
    }
}

}  // namespace wazenie
