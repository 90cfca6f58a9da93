#include "ui/recipe_editor_window.h"

#include "platform/qt_text.h"
#include "ui/list_sync.h"
#include "ui/look.h"
#include "ui/recipe_description_group.h"
#include "ui/recipe_scale_panel.h"
#include "windows/recipe_editor_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

enum Column { kName, kTotal };

QPushButton* dialog_button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFrecipe::TFrecipe(RecipeEditor& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      LVrecipe(make_list(QStringLiteral("LVrecipe"), {"Nazwa receptury", "[kg]"}, {kTotal}, this)),
      GBopis(new RecipeDescriptionGroup(controller, this)),
      BBok(dialog_button(this, "BBok", QStringLiteral("OK"))),
      BBcancel(dialog_button(this, "BBcancel", QStringLiteral("Anuluj"))) {
    setObjectName(QStringLiteral("TFrecipe"));
    setWindowTitle(QStringLiteral("Baza receptur"));
    BBok->setDefault(true);

    const int digit = QFontMetrics(number_font()).horizontalAdvance(QLatin1Char('0'));
    LVrecipe->header()->setSectionResizeMode(QHeaderView::Fixed);
    LVrecipe->header()->setSectionResizeMode(kName, QHeaderView::Stretch);
    LVrecipe->setColumnWidth(kTotal, digit * 10 + 10);
    LVrecipe->setMinimumWidth(320);
    connect(LVrecipe, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> picked = LVrecipe->selectedItems();
        controller_.select_recipe(picked.isEmpty() ? RowIndex()
                                                   : RowIndex(LVrecipe->indexOfTopLevelItem(picked.first())));
        show_state();
    });

    SBrecipe_add = recipe_button("SBrecipe_add", QStringLiteral("Dodaj"), QStringLiteral("dodaj recepturę"),
                                 &RecipeEditor::add_recipe, true);
    SBrecipe_del = recipe_button("SBrecipe_del", QStringLiteral("Usuń"), QStringLiteral("usuń recepturę"),
                                 &RecipeEditor::delete_recipe, true);
    SBrecipe_copy = recipe_button("SBrecipe_copy", QStringLiteral("Kopiuj"),
                                  QStringLiteral("kopiuj recepturę"), &RecipeEditor::copy_recipe, true);
    SBrecipe_edit =
        recipe_button("SBrecipe_edit", QStringLiteral("Modyfikuj"),
                      QStringLiteral("modyfikuj składniki receptury"), &RecipeEditor::modify, false);
    SBrecipe_edit->setCheckable(true);
    SBrecipe_save =
        recipe_button("SBrecipe_save", QStringLiteral(" Zapisz"),
                      QStringLiteral("zapisz zmiany w składnikach receptury"), &RecipeEditor::save, true);

    auto* recipe_buttons = new QHBoxLayout;
    recipe_buttons->setSpacing(2);
    for (QToolButton* button : {SBrecipe_add, SBrecipe_del, SBrecipe_copy}) {
        recipe_buttons->addWidget(button);
    }
    recipe_buttons->addStretch();
    recipe_buttons->addWidget(SBrecipe_edit);
    recipe_buttons->addWidget(SBrecipe_save);

    auto* recipes = new QVBoxLayout;
    recipes->addWidget(new QLabel(QStringLiteral("Receptury"), this));
    recipes->addWidget(LVrecipe, 1);
    recipes->addLayout(recipe_buttons);
    recipes->addWidget(GBopis);

    auto* grid = new QGridLayout;
    for (int n = 1; n <= kScales; ++n) {
        scales_[n] = new RecipeScalePanel(
            n, controller_, [this] { show_state(); }, this);
        grid->addWidget(scales_[n], (n - 1) / 2, (n - 1) % 2);
    }

    auto* top = new QHBoxLayout;
    top->addLayout(recipes, 1);
    top->addLayout(grid, 2);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBok, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBcancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFrecipe::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFrecipe::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
}

QToolButton* TFrecipe::recipe_button(const char* name, const QString& text, const QString& hint,
                                     void (RecipeEditor::*command)(), bool takes_focus) {
    QToolButton* button = tool_button(this, QLatin1String(name), text, hint);
    connect(button, &QToolButton::clicked, this, [this, command, takes_focus] {
        (controller_.*command)();
        show_state();
        if (takes_focus) {
            apply_focus();
        }
    });
    return button;
}

std::optional<RecipeEditorLauncher::Choice> TFrecipe::run(const std::string& shown_recipe) {
    controller_.open(shown_recipe);
    show_state();
    apply_focus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const std::optional<RecipeRow> row = controller_.selected_row();
    return row ? RecipeEditorLauncher::Choice{row->name, row->total} : RecipeEditorLauncher::Choice{};
}

void TFrecipe::show_state() {
    show_recipes();
    const bool browse = controller_.recipe_controls_enabled();
    const bool selected = controller_.selected_recipe().has_value();
    sync::enabled(LVrecipe, browse);
    for (QToolButton* button : {SBrecipe_add, SBrecipe_del, SBrecipe_copy}) {
        sync::enabled(button, browse);
    }
    // Without a recipe there is nothing to modify or save, so both wait for a selection.
    sync::enabled(SBrecipe_edit, controller_.modify_enabled() && selected);
    sync::checked(SBrecipe_edit, controller_.modify_pressed());
    sync::enabled(SBrecipe_save, controller_.material_controls_enabled() && selected);
    for (RecipeScalePanel* scale : scales_) {
        scale->show_state();
    }
    GBopis->show_state();
}

void TFrecipe::show_recipes() {
    const std::vector<RecipeRow>& rows = controller_.recipes();
    const QSignalBlocker quiet(LVrecipe);
    sync::row_count(LVrecipe, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem* item = LVrecipe->topLevelItem(static_cast<int>(i));
        sync::cell(item, kName, rows[i].name);
        sync::cell(item, kTotal, rows[i].total);
    }
    const RowIndex picked = controller_.selected_recipe();
    QTreeWidgetItem* current = picked ? LVrecipe->topLevelItem(static_cast<int>(*picked)) : nullptr;
    if (LVrecipe->currentItem() != current || (current && !current->isSelected())) {
        LVrecipe->setCurrentItem(current);
        if (current) {
            LVrecipe->scrollToItem(current);
        } else {
            LVrecipe->clearSelection();
        }
    }
}

void TFrecipe::apply_focus() {
    const int focus = controller_.focus();
    if (focus == 0) {
        LVrecipe->setFocus();
    } else {
        scales_[focus]->take_focus();
    }
}

}  // namespace wazenie
