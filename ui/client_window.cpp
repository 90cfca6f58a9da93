#include "ui/client_window.h"

#include "platform/qt_text.h"
#include "storage/system_clock.h"
#include "ui/look.h"
#include "ui/new_client_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

TFwybor_kontrah::TFwybor_kontrah(ClientWindow& controller, bool restricted, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      Esearch_kontrah(new QLineEdit(this)),
      Lsearch_kontrah_enable(new QLabel(to_qt(ClientWindow::kSearchLabel), this)),
      LVkontrahent(make_list(QStringLiteral("LVkontrahent"),
                             {QStringLiteral("Nazwa krótka"), QStringLiteral("Nazwa pełna"),
                              QStringLiteral("Adres"), QStringLiteral("NIP")},
                             {}, this)),
      BBdodaj(named_button(this, "BBdodaj", QStringLiteral(" Dodaj nowego klienta"))),
      BBedit(named_button(this, "BBedit", QStringLiteral(" Edytuj klienta"))),
      BBusun(named_button(this, "BBusun", QStringLiteral(" Usuń wskazanego klienta"))),
      SBcopy(tool_button(this, "SBcopy", QStringLiteral("Kopiuj"),
                         QStringLiteral("Kopiuj tabelę klientów do schowka"))),
      SBprint(
          tool_button(this, "SBprint", QStringLiteral("Drukuj"), QStringLiteral("Drukuj tabelę klientów"))),
      BBwybierz(named_button(this, "BBwybierz", QStringLiteral("OK"))),
      BBanuluj(named_button(this, "BBanuluj", QStringLiteral("Anuluj"))) {
    setObjectName(QStringLiteral("TFwybor_kontrah"));
    setWindowTitle(QStringLiteral("Baza klientów"));
    Esearch_kontrah->setObjectName(QStringLiteral("Esearch_kontrah"));
    Lsearch_kontrah_enable->setObjectName(QStringLiteral("Lsearch_kontrah_enable"));
    Lsearch_kontrah_enable->hide();
    LVkontrahent->setToolTip(QStringLiteral("Kliknij dwukrotnie aby wybrać klienta"));
    BBwybierz->setDefault(true);

    controller_.set_changes_allowed(!restricted);
    BBedit->setEnabled(!restricted);
    BBusun->setEnabled(!restricted);

    // Widths for typical Polish names; the full name takes what the window has to spare.
    const QFontMetrics metrics(LVkontrahent->font());
    const int widths[] = {
        metrics.horizontalAdvance(QStringLiteral("PRZEDSIĘBIORSTWO")) + 24,
        metrics.horizontalAdvance(QStringLiteral("Przedsiębiorstwo Budowlane BUDREX Sp. z o.o.")) + 24,
        metrics.horizontalAdvance(QStringLiteral("ul. Przemysłowa 12, 25-001 Kielce")) + 24,
        metrics.horizontalAdvance(QStringLiteral("000-000-00-00")) + 24,
    };
    auto* header = LVkontrahent->header();
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        header->resizeSection(column, widths[column]);
        total += widths[column];
    }
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    LVkontrahent->setMinimumSize(total + LVkontrahent->verticalScrollBar()->sizeHint().width() + 8, 320);
    Esearch_kontrah->setMinimumWidth(metrics.horizontalAdvance(QString(24, QLatin1Char('W'))));

    auto* search = new QHBoxLayout;
    search->addWidget(caption_label(QStringLiteral("Wyszukaj:"), Esearch_kontrah, this));
    search->addWidget(Esearch_kontrah);
    search->addWidget(Lsearch_kontrah_enable);
    search->addStretch();
    search->addWidget(SBcopy);
    search->addWidget(SBprint);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BBdodaj);
    buttons->addWidget(BBedit);
    buttons->addWidget(BBusun);
    buttons->addStretch();
    buttons->addWidget(BBwybierz);
    buttons->addWidget(BBanuluj);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(LVkontrahent);
    layout->addLayout(buttons);

    connect(Esearch_kontrah, &QLineEdit::textEdited, this, &TFwybor_kontrah::search_edited);
    connect(LVkontrahent, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { controller_.select(LVkontrahent->indexOfTopLevelItem(item)); });
    connect(LVkontrahent, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        controller_.select(LVkontrahent->indexOfTopLevelItem(item));
        accept();
    });
    connect(BBwybierz, &QPushButton::clicked, this, &TFwybor_kontrah::accept);
    connect(BBanuluj, &QPushButton::clicked, this, &TFwybor_kontrah::reject);
    connect(BBdodaj, &QPushButton::clicked, this, [this] {
        controller_.add_client();
        after_command();
    });
    connect(BBedit, &QPushButton::clicked, this, [this] {
        controller_.edit_client();
        after_command();
    });
    connect(BBusun, &QPushButton::clicked, this, [this] {
        controller_.delete_client();
        after_command();
    });
    connect(SBcopy, &QToolButton::clicked, this, [this] { controller_.copy_table(); });
    connect(SBprint, &QToolButton::clicked, this, [this] { controller_.print_table(); });
    show_rows();
}

std::optional<std::string> TFwybor_kontrah::run() {
    chosen_.reset();
    const bool was_filtered = controller_.search_enabled();
    controller_.show();
    Esearch_kontrah->clear();
    Lsearch_kontrah_enable->hide();
    if (was_filtered) {
        show_rows();
    } else {
        show_selection();
    }
    Esearch_kontrah->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return chosen_;
}

void TFwybor_kontrah::accept() {
    chosen_ = controller_.choose();
    if (chosen_) {
        QDialog::accept();
    }
}

void TFwybor_kontrah::search_edited(const QString& text) {
    const bool was_filtered = controller_.search_enabled();
    controller_.search_changed(from_qt(text));
    const QString shown = to_qt(controller_.search_text());
    if (shown != text) {
        const int cursor = Esearch_kontrah->cursorPosition();
        Esearch_kontrah->setText(shown);
        Esearch_kontrah->setCursorPosition(cursor);
    }
    Lsearch_kontrah_enable->setVisible(controller_.search_enabled());
    // The controller reads the file again only while a filter is, or was, on.
    if (was_filtered || controller_.search_enabled()) {
        show_rows();
    }
}

// Every command may have reloaded the list; the search is then empty and the focus on the list.
void TFwybor_kontrah::after_command() {
    Esearch_kontrah->setText(to_qt(controller_.search_text()));
    Lsearch_kontrah_enable->setVisible(controller_.search_enabled());
    show_rows();
    LVkontrahent->setFocus();
}

void TFwybor_kontrah::show_rows() {
    const QSignalBlocker quiet(LVkontrahent);
    LVkontrahent->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(controller_.rows().size()));
    for (const Client& c : controller_.rows()) {
        items.append(new QTreeWidgetItem(
            QStringList{to_qt(c.short_name), to_qt(c.full_name), to_qt(c.address), to_qt(c.nip)}));
    }
    LVkontrahent->addTopLevelItems(items);
    show_selection();
}

void TFwybor_kontrah::show_selection() {
    const QSignalBlocker quiet(LVkontrahent);
    QTreeWidgetItem* item = LVkontrahent->topLevelItem(controller_.selected());
    LVkontrahent->setCurrentItem(item);
    if (item) {
        LVkontrahent->scrollToItem(item);
    }
}

ClientWindowChooser::ClientWindowChooser(std::filesystem::path data_dir, Dialogs& dialogs,
                                         Clipboard& clipboard, Printer& printer, bool restricted,
                                         QWidget* parent, ChangeJournal& changes)
    : data_dir_(std::move(data_dir)),
      dialogs_(dialogs),
      clipboard_(clipboard),
      printer_(printer),
      restricted_(restricted),
      parent_(parent),
      changes_(changes) {}

std::optional<std::string> ClientWindowChooser::choose_client() {
    SystemClock clock;
    TFnowy_kontrahent editor(dialogs_, parent_);
    ClientWindow controller(data_dir_, {dialogs_, editor, clipboard_, printer_, clock, changes_});
    TFwybor_kontrah window(controller, restricted_, parent_);
    return window.run();
}

}  // namespace wazenie
