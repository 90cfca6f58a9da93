#pragma once

#include <array>

#include "windows/recipe_description_form.h"

#include <QGroupBox>

class QLineEdit;

namespace wazenie {

class RecipeEditor;

// "Opis betonu (PN-EN 206)" beside the recipe list: the selected recipe's description over the editor,
// editable in modify mode; a number field is checked as it is left.
class RecipeDescriptionGroup : public QGroupBox {
    Q_OBJECT

public:
    RecipeDescriptionGroup(RecipeEditor& controller, QWidget* parent);

    void show_state();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RecipeEditor& controller_;
    std::array<QLineEdit*, kDescriptionFields> fields_{};
};

}  // namespace wazenie
