#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/clipboard.h"
#include "core/dialogs.h"
#include "core/material_chooser.h"
#include "windows/material_window.h"

#include <QAbstractItemDelegate>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace wazenie {

// "Baza substancji": the material list with each material's kind, its search, in-place renaming and
// copy, over the controller.
class TFmaterial : public QDialog {
    Q_OBJECT

public:
    explicit TFmaterial(MaterialWindow& controller, QWidget* parent = nullptr);

    // Shows the window modally: the selected material's name when it is closed with OK or a double
    // click, nothing otherwise.
    std::optional<std::string> run();

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_state();
    // "Rodzaj" of the selected row.
    void show_kind();
    void apply_focus();
    void search_edited(const QString& text);
    void selection_changed();
    void begin_rename();
    void rename_ended(QAbstractItemDelegate::EndEditHint hint);
    void kind_chosen(int index);

    MaterialWindow& controller_;
    QLineEdit* Esearch;
    QLabel* Lsearch_enable;
    QTreeWidget* LVmaterial;
    QPushButton* BBdodaj;
    QPushButton* BBusun;
    QPushButton* BBedit;
    QComboBox* CBrodzaj;
    QToolButton* SBcopy;
    QPushButton* BBok;
    QPushButton* BBcancel;
    // The list is being filled from the controller: its selection signals are not the operator's.
    bool showing_ = false;
    // What the in-place editor held when it committed; Esc closes it without committing.
    QString edited_;
};

// The recipe editor's way to a material: this window, modal, over one material list kept for the
// chooser's life and read from the file when the chooser is made. `may_set_kinds` as the controller's.
class MaterialWindowChooser final : public MaterialChooser {
public:
    MaterialWindowChooser(Dialogs& dialogs, Clipboard& clipboard, std::filesystem::path data_dir,
                          bool may_set_kinds, QWidget* parent = nullptr,
                          ChangeJournal& changes = ChangeJournal::none());

    std::optional<std::string> choose_material() override;

private:
    MaterialWindow controller_;
    QWidget* parent_;
};

}  // namespace wazenie
