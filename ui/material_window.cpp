#include "ui/material_window.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "ui/list_sync.h"
#include "ui/look.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

constexpr int kKindColumn = 1;

// The choices of "Rodzaj": none first, then every kind.
MaterialKind kind_at(int index) {
    const auto& kinds = material_kinds_list();
    return index > 0 && index <= static_cast<int>(kinds.size()) ? kinds[static_cast<std::size_t>(index - 1)]
                                                                : MaterialKind::none;
}

int index_of(MaterialKind kind) {
    const auto& kinds = material_kinds_list();
    const auto found = std::find(kinds.begin(), kinds.end(), kind);
    return found == kinds.end() ? 0 : static_cast<int>(found - kinds.begin()) + 1;
}

}  // namespace

TFmaterial::TFmaterial(MaterialWindow& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      Esearch(new QLineEdit(this)),
      Lsearch_enable(new QLabel(QStringLiteral("<wyszukiwanie włączone>"), this)),
      LVmaterial(make_list(QStringLiteral("LVmaterial"),
                           {QStringLiteral("Substancja"), QStringLiteral("Rodzaj")}, {}, this)),
      BBdodaj(named_button(this, "BBdodaj", QStringLiteral(" Dodaj nową substancję"))),
      BBusun(named_button(this, "BBusun", QStringLiteral(" Usuń wskazaną substancję"))),
      BBedit(named_button(this, "BBedit", QStringLiteral(" Edytuj substancję"))),
      CBrodzaj(new QComboBox(this)),
      SBcopy(new QToolButton(this)),
      BBok(named_button(this, "BBok", QStringLiteral("OK"))),
      BBcancel(named_button(this, "BBcancel", QStringLiteral("Anuluj"))) {
    setObjectName(QStringLiteral("TFmaterial"));
    setWindowTitle(QStringLiteral("Baza substancji"));
    Esearch->setObjectName(QStringLiteral("Esearch"));
    Lsearch_enable->setObjectName(QStringLiteral("Lsearch_enable"));
    CBrodzaj->setObjectName(QStringLiteral("CBrodzaj"));
    CBrodzaj->addItem(QString());
    for (const MaterialKind kind : material_kinds_list()) {
        CBrodzaj->addItem(to_qt(std::string(material_kind_text(kind))));
    }
    CBrodzaj->setToolTip(QStringLiteral("rodzaj wskazanej substancji"));
    SBcopy->setObjectName(QStringLiteral("SBcopy"));
    SBcopy->setText(QStringLiteral("Kopiuj"));
    SBcopy->setToolTip(QStringLiteral("kopiuj tabelę do schowka"));
    BBok->setDefault(true);

    // The label comes and goes with the filter; its place stays so the field beside it does not move.
    QSizePolicy keep_place = Lsearch_enable->sizePolicy();
    keep_place.setRetainSizeWhenHidden(true);
    Lsearch_enable->setSizePolicy(keep_place);
    Lsearch_enable->hide();

    // Alternating rows stand in for grid lines, which a tree list does not draw.
    LVmaterial->setAlternatingRowColors(true);
    // The kind's column beside the names, which keep the width they had alone.
    const int kind_width = LVmaterial->fontMetrics().horizontalAdvance(QStringLiteral("domieszka")) + 24;
    LVmaterial->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    LVmaterial->header()->setSectionResizeMode(kKindColumn, QHeaderView::Fixed);
    LVmaterial->header()->resizeSection(kKindColumn, kind_width);
    LVmaterial->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVmaterial->setMinimumSize(340 + kind_width, 360);
    LVmaterial->viewport()->installEventFilter(this);

    auto* search_label = new QLabel(QStringLiteral("Wyszukaj (F3):"), this);
    search_label->setBuddy(Esearch);
    auto* search = new QHBoxLayout;
    search->addWidget(search_label);
    search->addWidget(Esearch, 1);
    search->addWidget(Lsearch_enable);
    search->addSpacing(12);
    search->addWidget(SBcopy);

    auto* edits = new QVBoxLayout;
    edits->addWidget(BBdodaj);
    edits->addWidget(BBusun);
    edits->addWidget(BBedit);
    edits->addSpacing(12);
    edits->addWidget(caption_label(QStringLiteral("Rodzaj:"), CBrodzaj, this));
    edits->addWidget(CBrodzaj);
    edits->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(LVmaterial, 1);
    middle->addLayout(edits);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBok, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBcancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &TFmaterial::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFmaterial::reject);
    connect(Esearch, &QLineEdit::textEdited, this, &TFmaterial::search_edited);
    connect(LVmaterial, &QTreeWidget::itemSelectionChanged, this, &TFmaterial::selection_changed);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, [this] {
        controller_.focus_search();
        apply_focus();
    });
    connect(BBdodaj, &QPushButton::clicked, this, [this] {
        controller_.add();
        show_state();
    });
    connect(BBusun, &QPushButton::clicked, this, [this] {
        controller_.remove();
        show_state();
        apply_focus();
    });
    connect(BBedit, &QPushButton::clicked, this, &TFmaterial::begin_rename);
    connect(SBcopy, &QToolButton::clicked, this, [this] { controller_.copy(); });
    connect(CBrodzaj, &QComboBox::activated, this, &TFmaterial::kind_chosen);

    QAbstractItemDelegate* delegate = LVmaterial->itemDelegate();
    connect(delegate, &QAbstractItemDelegate::commitData, this, [this](QWidget* editor) {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            edited_ = line->text();
        }
    });
    // Handled once the view has closed its editor and left its key handling: the question that follows
    // is a modal box.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                QTimer::singleShot(0, this, [this, hint] { rename_ended(hint); });
            });
}

std::optional<std::string> TFmaterial::run() {
    controller_.open();
    Esearch->clear();
    show_state();
    apply_focus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return controller_.chosen();
}

void TFmaterial::accept() {
    if (controller_.ok()) {
        QDialog::accept();
    }
}

bool TFmaterial::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LVmaterial->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        !controller_.renaming()) {
        // The press before it has already selected the row under the mouse, if any.
        if (controller_.double_click()) {
            QDialog::accept();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFmaterial::show_state() {
    showing_ = true;
    const std::vector<std::string>& rows = controller_.rows();
    sync::row_count(LVmaterial, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem* item = LVmaterial->topLevelItem(static_cast<int>(i));
        sync::cell(item, 0, rows[i]);
        sync::cell(item, kKindColumn, std::string(material_kind_text(controller_.kind_of(i))));
    }
    if (const RowIndex row = controller_.selected()) {
        QTreeWidgetItem* item = LVmaterial->topLevelItem(static_cast<int>(*row));
        if (LVmaterial->currentItem() != item || !item->isSelected()) {
            LVmaterial->setCurrentItem(item);
        }
    } else {
        LVmaterial->clearSelection();
    }
    showing_ = false;

    sync::shown(Lsearch_enable, controller_.search_on());
    for (QWidget* button :
         {static_cast<QWidget*>(BBdodaj), static_cast<QWidget*>(BBusun), static_cast<QWidget*>(BBedit)}) {
        sync::enabled(button, controller_.edit_buttons_enabled());
    }
    show_kind();
    BBok->setDefault(controller_.ok_is_default());
}

void TFmaterial::show_kind() {
    sync::enabled(CBrodzaj, controller_.kind_enabled());
    const RowIndex row = controller_.selected();
    CBrodzaj->setCurrentIndex(index_of(row ? controller_.kind_of(*row) : MaterialKind::none));
}

void TFmaterial::apply_focus() {
    if (controller_.focus() == MaterialWindow::Focus::search) {
        Esearch->setFocus(Qt::ShortcutFocusReason);
    } else {
        LVmaterial->setFocus(Qt::OtherFocusReason);
    }
}

void TFmaterial::search_edited(const QString& text) {
    controller_.search_changed(from_qt(text));
    const QString capitals = to_qt(controller_.search_text());
    if (capitals != text) {
        const int cursor = Esearch->cursorPosition();
        Esearch->setText(capitals);
        Esearch->setCursorPosition(cursor);
    }
    show_state();
}

void TFmaterial::selection_changed() {
    if (showing_) {
        return;
    }
    const QList<QTreeWidgetItem*> items = LVmaterial->selectedItems();
    RowIndex row;
    if (!items.isEmpty()) {
        row = static_cast<std::size_t>(LVmaterial->indexOfTopLevelItem(items.front()));
    }
    controller_.select(row);
    show_kind();
}

void TFmaterial::kind_chosen(int index) {
    controller_.set_kind(kind_at(index));
    show_state();
}

void TFmaterial::begin_rename() {
    const bool editing = controller_.begin_rename();
    show_state();
    if (!editing) {
        return;
    }
    QTreeWidgetItem* item = LVmaterial->topLevelItem(static_cast<int>(*controller_.selected()));
    edited_ = item->text(0);
    // Editable for this one editing only; any other change of a name goes through this button.
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    apply_focus();
    LVmaterial->editItem(item, 0);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
}

void TFmaterial::rename_ended(QAbstractItemDelegate::EndEditHint hint) {
    if (!controller_.renaming()) {
        return;
    }
    // An editing ended by closing the window asks nothing afterwards.
    if (hint == QAbstractItemDelegate::RevertModelCache || !isVisible()) {
        controller_.cancel_rename();
    } else {
        controller_.finish_rename(from_qt(edited_));
    }
    show_state();
}

MaterialWindowChooser::MaterialWindowChooser(Dialogs& dialogs, Clipboard& clipboard,
                                             std::filesystem::path data_dir, bool may_set_kinds,
                                             QWidget* parent, ChangeJournal& changes)
    : controller_(dialogs, clipboard, std::move(data_dir), may_set_kinds, changes), parent_(parent) {
    controller_.load();
}

std::optional<std::string> MaterialWindowChooser::choose_material() {
    TFmaterial window(controller_, parent_);
    return window.run();
}

}  // namespace wazenie
