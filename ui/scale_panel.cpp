#include "ui/scale_panel.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "ui/icons.h"
#include "ui/list_sync.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

enum Column { kIcon, kNumber, kName, kJest, kMaByc };

QString numbered(const char* name, int n) {
    return QString::fromLatin1(name) + QString::number(n);
}

QLabel* state_label(const QString& name, StateIcon icon, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(state_pixmap(icon));
    label->setAccessibleName(state_name(icon));
    label->setToolTip(state_name(icon));
    label->hide();
    return label;
}

}  // namespace

ScalePanel::ScalePanel(int n, QWidget* parent) : QFrame(parent), n_(n) {
    setObjectName(numbered("Pweight", n));
    setFrameShape(QFrame::StyledPanel);

    message_ = new QLabel(this);
    message_->setObjectName(numbered("Lconnection", n));
    message_->setMinimumHeight(message_->fontMetrics().height());

    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(numbered("Gweight", n));
    gauge_->setOrientation(Qt::Vertical);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    gauge_->setFixedWidth(14);
    gauge_->setAccessibleName(to_qt(scale_title(n)) + QStringLiteral(": napełnienie"));

    materials_ =
        make_list(numbered("LVweight", n), {"i", "N", "Substancja", "Jest", "Ma być"}, {kJest, kMaByc}, this);
    // The name takes what the icon, the number and the masses leave; the masses get their width
    // with the capacity (show_layout).
    QHeaderView* header = materials_->header();
    header->setMinimumSectionSize(16);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    materials_->setColumnWidth(kIcon, 20);
    materials_->setColumnWidth(kNumber,
                               materials_->fontMetrics().horizontalAdvance(QStringLiteral("7.")) + 8);
    materials_->setMinimumHeight(materials_->fontMetrics().height() * 10);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(3);
    middle->addWidget(gauge_);
    middle->addWidget(materials_, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(make_header());
    column->addWidget(message_);
    column->addLayout(middle, 1);
    column->addWidget(make_mass_row());
    column->addWidget(make_tank_control());
}

QWidget* ScalePanel::make_header() {
    auto* header = new QWidget(this);
    title_ = new QLabel(to_qt(scale_title(n_)), header);
    title_->setObjectName(numbered("Lweight_name", n_));
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title_->setFont(bold);
    capacity_ = new QLabel(header);
    capacity_->setObjectName(numbered("Lmax_weight", n_));
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(title_);
    row->addStretch(1);
    row->addWidget(capacity_);
    return header;
}

// The reading on its own line in a large font; the cycle mass, the state icons and "(+1c)" below it.
QWidget* ScalePanel::make_mass_row() {
    auto* box = new QWidget(this);
    const int big = QFont().pointSize() + 6;
    // Read out as the value they show; whose value it is comes after, as the description.
    mass_ = number_label(numbered("Lweight", n_), 9, box, big);
    mass_->setAccessibleDescription(to_qt(scale_title(n_)) + QStringLiteral(": masa"));
    target_ = number_label(numbered("Lrecipe_weight", n_), 9, box);
    target_->setAccessibleDescription(to_qt(scale_title(n_)) + QStringLiteral(": ma być"));
    tank_open_ = state_label(numbered("Itank_open", n_), StateIcon::tank_open, box);
    completed_ = state_label(numbered("Icompleted", n_), StateIcon::completed, box);
    ahead_ = new QLabel(box);
    ahead_->setObjectName(numbered("Lahead", n_));
    ahead_->hide();
    ahead_->setMinimumWidth(ahead_->fontMetrics().horizontalAdvance(QStringLiteral("(+8c)")));

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(mass_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("kg"), box), 0, 2);
    grid->addWidget(caption_label(QStringLiteral("Ma być:"), target_, box), 1, 0, Qt::AlignRight);
    grid->addWidget(target_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("kg"), box), 1, 2);
    // The icons keep their place while hidden, so nothing shifts when a tank opens.
    auto* states = new QHBoxLayout;
    for (QLabel* icon : {tank_open_, completed_}) {
        icon->setFixedSize(state_pixmap(StateIcon::completed).size());
        states->addWidget(icon);
    }
    states->addWidget(ahead_);
    for (QWidget* kept : {static_cast<QWidget*>(tank_open_), static_cast<QWidget*>(completed_),
                          static_cast<QWidget*>(ahead_)}) {
        QSizePolicy policy = kept->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        kept->setSizePolicy(policy);
    }
    grid->addLayout(states, 0, 3, 2, 1);
    // On a wide screen the fields stay near their "kg" instead of stretching across the panel.
    for (QLabel* field : {mass_, target_}) {
        field->setMaximumWidth(field->minimumWidth() * 3 / 2);
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget* ScalePanel::make_tank_control() {
    auto* group = new QGroupBox(QStringLiteral("Sterowanie zbiornikiem "), this);
    group->setObjectName(numbered("GBtank_control", n_));
    start_ = make_button(numbered("SBstart", n_), QStringLiteral(" Start"), ScaleButton::start);
    pause_ = make_button(numbered("SBpause", n_), QStringLiteral("Pauza"), ScaleButton::pause);
    stop_ = make_button(numbered("SBstop", n_), QStringLiteral(" Stop"), ScaleButton::stop);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    for (QPushButton* button : {start_, pause_, stop_}) {
        button->setParent(group);
        row->addWidget(button);
    }
    return group;
}

QPushButton* ScalePanel::make_button(const QString& name, const QString& caption, ScaleButton which) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setCheckable(true);
    // Narrow panels share the width of the screen: the buttons shrink to their captions.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral(" Pauza ")) + 12);
    connect(button, &QPushButton::clicked, this, [this, which] { emit button_clicked(n_, which); });
    return button;
}

void ScalePanel::show_layout(const ScaleLayout& layout) {
    if (layout_ == layout) {
        return;
    }
    layout_ = layout;
    fit_mass_columns(to_qt(layout.widest_mass));
    sync::text(capacity_, layout.capacity);
    sync::colour(title_, layout.header);
}

// Each mass column as wide as its caption or the widest mass, whichever is wider, and no wider.
void ScalePanel::fit_mass_columns(const QString& widest_mass) {
    const QFontMetrics cells = materials_->fontMetrics();
    const QFontMetrics captions = materials_->header()->fontMetrics();
    const int caption_margin = 2 * materials_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const int cell_width = cells.horizontalAdvance(widest_mass) + 8;
    for (int column : {kJest, kMaByc}) {
        const int caption =
            captions.horizontalAdvance(materials_->headerItem()->text(column)) + caption_margin;
        materials_->setColumnWidth(column, std::max(caption, cell_width));
    }
}

void ScalePanel::show_connection(const ConnectionView& connection) {
    if (connection_ == connection) {
        return;
    }
    connection_ = connection;
    sync::text(message_, connection.text);
    sync::colour(message_, connection.colour);
}

void ScalePanel::show_view(const ScaleView& view) {
    if (view_ == view) {
        return;
    }
    view_ = view;
    const int rows = static_cast<int>(view.materials.size());
    sync::row_count(materials_, rows);
    for (int i = 0; i < rows; ++i) {
        const ScaleMaterialRow& row = view.materials[static_cast<std::size_t>(i)];
        QTreeWidgetItem* item = materials_->topLevelItem(i);
        sync::icon(item, kIcon, row.icon);
        sync::cell(item, kNumber, row.n);
        sync::cell(item, kName, row.name);
        sync::cell(item, kJest, row.jest);
        sync::cell(item, kMaByc, row.ma_byc);
        const std::string both = row.deviation.empty() || row.sent.empty() ? row.deviation + row.sent
                                                                           : row.deviation + "\n" + row.sent;
        sync::marked(item, kJest, row.outside_tolerance, both);
        for (const int column : {kIcon, kNumber, kName, kMaByc}) {
            sync::tooltip(item, column, row.sent);
        }
    }
    sync::text(mass_, view.mass);
    sync::text(target_, view.target);
    sync::value(gauge_, view.gauge);
    sync::shown(tank_open_, view.state == StateIcon::tank_open);
    sync::shown(completed_, view.state == StateIcon::completed);
    sync::text(ahead_, view.ahead);
    sync::shown(ahead_, !view.ahead.empty());
    show_buttons(view.down);
}

void ScalePanel::show_buttons(ScaleButton down) {
    if (view_) {
        view_->down = down;
    }
    sync::checked(start_, down == ScaleButton::start);
    sync::checked(pause_, down == ScaleButton::pause);
    sync::checked(stop_, down == ScaleButton::stop);
}

}  // namespace wazenie
