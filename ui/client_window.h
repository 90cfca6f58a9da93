#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "windows/client_window.h"
#include "windows/weighing_params_window.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace wazenie {

// "Baza klientów": the client list with its search, over the controller. Every rule is the
// controller's; the window shows its rows, selection and search and forwards the buttons.
class TFwybor_kontrah : public QDialog {
    Q_OBJECT

public:
    // `restricted`: the operator may not edit or delete clients (the two buttons are disabled).
    TFwybor_kontrah(ClientWindow& controller, bool restricted, QWidget* parent = nullptr);

    // Shows the window modally: the chosen client's short name when closed with OK, nothing otherwise.
    std::optional<std::string> run();

    void accept() override;

private:
    void search_edited(const QString& text);
    void after_command();
    void show_rows();
    void show_selection();

    ClientWindow& controller_;
    std::optional<std::string> chosen_;
    QLineEdit* Esearch_kontrah;
    QLabel* Lsearch_kontrah_enable;
    QTreeWidget* LVkontrahent;
    QPushButton* BBdodaj;
    QPushButton* BBedit;
    QPushButton* BBusun;
    QToolButton* SBcopy;
    QToolButton* SBprint;
    QPushButton* BBwybierz;
    QPushButton* BBanuluj;
};

// The client window as the weighing parameters and the main window open it: each opening reads the
// client file afresh, so a change made from one place is seen from the other.
class ClientWindowChooser final : public ClientChooser {
public:
    ClientWindowChooser(std::filesystem::path data_dir, Dialogs& dialogs, Clipboard& clipboard,
                        Printer& printer, bool restricted, QWidget* parent,
                        ChangeJournal& changes = ChangeJournal::none());

    std::optional<std::string> choose_client() override;

private:
    std::filesystem::path data_dir_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    Printer& printer_;
    bool restricted_;
    QWidget* parent_;
    ChangeJournal& changes_;
};

}  // namespace wazenie
