#pragma once

#include <optional>
#include <string>

#include "core/indexed_array.h"
#include "windows/weighing_params_window.h"

#include <QDialog>

class QPushButton;
class QToolButton;
class QTreeWidget;

namespace wazenie {

class RecipeDescriptionGroup;
class RecipeEditor;
class RecipeScalePanel;

// "Baza receptur": the recipe list and the four scales' material lists over the editor's controller.
// Every button forwards to the controller; the window then shows the controller's state.
class TFrecipe : public QDialog {
    Q_OBJECT

public:
    explicit TFrecipe(RecipeEditor& controller, QWidget* parent = nullptr);

    // Opens the editor on the file's recipes (with `shown_recipe` selected when it is there) and shows it
    // modally: after OK the selected recipe and its total as the list shows it (an empty choice when
    // none is selected), nothing otherwise.
    std::optional<RecipeEditorLauncher::Choice> run(const std::string& shown_recipe = {});

private:
    QToolButton* recipe_button(const char* name, const QString& text, const QString& hint,
                               void (RecipeEditor::*command)(), bool takes_focus);
    void show_state();
    void show_recipes();
    void apply_focus();

    RecipeEditor& controller_;
    QTreeWidget* LVrecipe;
    QToolButton* SBrecipe_add;
    QToolButton* SBrecipe_del;
    QToolButton* SBrecipe_copy;
    QToolButton* SBrecipe_edit;
    QToolButton* SBrecipe_save;
    IndexedArray<RecipeScalePanel*, kScales> scales_;
    RecipeDescriptionGroup* GBopis;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
