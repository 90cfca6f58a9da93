#include "ui/recipe_scale_panel.h"

#include "platform/qt_text.h"
#include "ui/list_sync.h"
#include "ui/look.h"
#include "windows/recipe_editor_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

enum Column { kNumber, kName, kMass, kPercent };

QString numbered(const char* name, int n) {
    return QString::fromLatin1(name) + QString::number(n);
}

}  // namespace

RecipeScalePanel::RecipeScalePanel(int n, RecipeEditor& controller, std::function<void()> changed,
                                   QWidget* parent)
    : QGroupBox(QStringLiteral("Waga ") + QString::number(n), parent),
      n_(n),
      controller_(controller),
      changed_(std::move(changed)),
      capacity_(new QLabel(this)),
      list_(make_list(numbered("LVweight", n), {"N", "Substancja", "[kg]", "[%]"}, {kMass, kPercent}, this)) {
    setObjectName(numbered("Pweight", n));
    capacity_->setObjectName(numbered("Lmax_weight", n));

    const int digit = QFontMetrics(number_font()).horizontalAdvance(QLatin1Char('0'));
    QHeaderView* header = list_->header();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    list_->setColumnWidth(kNumber, list_->fontMetrics().horizontalAdvance(QStringLiteral("N7.")) + 10);
    list_->setColumnWidth(kMass, digit * 9 + 10);
    list_->setColumnWidth(kPercent, digit * 5 + 10);
    list_->setMinimumWidth(340);
    // Seven rows, the most a scale holds, fit without a scroll bar.
    const int row = QFontMetrics(number_font()).height() + 2;
    list_->setFixedHeight(header->sizeHint().height() + row * 7 + 2 * list_->frameWidth() + 2);
    list_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> picked = list_->selectedItems();
        controller_.select_material(
            n_, picked.isEmpty() ? RowIndex() : RowIndex(list_->indexOfTopLevelItem(picked.first())));
    });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(forward("add", QStringLiteral("Dodaj"), QStringLiteral("dodaj substancję"),
                               &RecipeEditor::add_material));
    buttons->addWidget(forward("del", QStringLiteral("Usuń"), QStringLiteral("usuń substancję"),
                               &RecipeEditor::delete_material));
    buttons->addWidget(forward("edit", QStringLiteral("Masa"), QStringLiteral("zmień masę substancji"),
                               &RecipeEditor::change_mass));
    buttons->addStretch();
    QToolButton* up = forward("up", QString(), QString(), &RecipeEditor::move_up);
    up->setArrowType(Qt::UpArrow);
    up->setAccessibleName(QStringLiteral("w górę"));
    QToolButton* down = forward("down", QString(), QString(), &RecipeEditor::move_down);
    down->setArrowType(Qt::DownArrow);
    down->setAccessibleName(QStringLiteral("w dół"));
    buttons->addWidget(up);
    buttons->addWidget(down);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    column->addWidget(capacity_);
    column->addWidget(list_);
    column->addLayout(buttons);
}

QToolButton* RecipeScalePanel::forward(const char* kind, const QString& text, const QString& hint,
                                       void (RecipeEditor::*command)(int)) {
    QToolButton* button =
        tool_button(this, numbered("SBweight", n_) + QLatin1Char('_') + QLatin1String(kind), text, hint);
    connect(button, &QToolButton::clicked, this, [this, command] {
        (controller_.*command)(n_);
        changed_();
        // An added material brings the focus to its list; no command sends it to another scale's.
        if (controller_.focus() == n_) {
            take_focus();
        }
    });
    buttons_.append(button);
    return button;
}

void RecipeScalePanel::show_state() {
    sync::text(capacity_, controller_.max_weight_label(n_));
    const MaterialList& rows = controller_.lists()[n_];
    const QSignalBlocker quiet(list_);
    sync::row_count(list_, static_cast<int>(rows.size()));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(k));
        sync::cell(item, kNumber, rows[k].number);
        sync::cell(item, kName, rows[k].name);
        sync::cell(item, kMass, rows[k].mass);
        sync::cell(item, kPercent, rows[k].percent);
    }
    const RowIndex picked = controller_.selected_material(n_);
    if (picked) {
        list_->setCurrentItem(list_->topLevelItem(static_cast<int>(*picked)));
    } else {
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
    }
    const bool on = controller_.material_controls_enabled();
    for (QToolButton* button : buttons_) {
        sync::enabled(button, on);
    }
}

void RecipeScalePanel::take_focus() {
    list_->setFocus();
}

}  // namespace wazenie
