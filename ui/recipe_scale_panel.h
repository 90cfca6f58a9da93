#pragma once

#include <functional>

#include <QGroupBox>

class QLabel;
class QToolButton;
class QTreeWidget;

namespace wazenie {

class RecipeEditor;

// One scale's part of the recipe editor: "Waga N", its capacity, the material list and its five buttons.
// A button forwards to the editor and then calls `changed`, since a mass changes every list's "[%]".
class RecipeScalePanel : public QGroupBox {
    Q_OBJECT

public:
    RecipeScalePanel(int n, RecipeEditor& controller, std::function<void()> changed, QWidget* parent);

    void show_state();
    void take_focus();

private:
    QToolButton* forward(const char* kind, const QString& text, const QString& hint,
                         void (RecipeEditor::*command)(int));

    int n_;
    RecipeEditor& controller_;
    std::function<void()> changed_;
    QLabel* capacity_;
    QTreeWidget* list_;
    QList<QToolButton*> buttons_;
};

}  // namespace wazenie
