#pragma once

#include <functional>

#include <QGroupBox>

class QLabel;
class QToolButton;
class QTreeWidget;

namespace wazenie {

// Only a pointer here: the editor's row types share names with the main window's display model, and
// moc compiles every window header into one file.
class RecipeEditor;

// A speed button of the recipe editor: a short caption, the hint as its tool tip.
QToolButton* editor_button(QWidget* parent, const QString& name, const QString& text, const QString& hint);

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
