#include "ui/settings_window.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt_folder_choice.h"
#include "platform/qt_process_runner.h"
#include "platform/qt_text.h"
#include "station/station.h"
#include "storage/archive.h"
#include "storage/operators.h"
#include "storage/system_clock.h"
#include "ui/audit_window.h"
#include "ui/operator_dialog.h"
#include "windows/operator_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

TFormUstaw::TFormUstaw(Station& station, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      station_(station),
      dialogs_(dialogs),
      controller_(station, dialogs),
      corrections_(station, dialogs),
      PCconf(new QTabWidget(this)),
      BBok(new QPushButton(QStringLiteral("OK"), this)),
      BBcancel(new QPushButton(QStringLiteral("Anuluj"), this)) {
    setObjectName(QStringLiteral("TFormUstaw"));
    setWindowTitle(QStringLiteral("Ustawienia"));
    PCconf->setObjectName(QStringLiteral("PCconf"));
    BBok->setObjectName(QStringLiteral("BBok"));
    BBcancel->setObjectName(QStringLiteral("BBcancel"));
    PCconf->addTab(build_connection_tab(c_, PCconf), QStringLiteral("Połączenie RS"));
    PCconf->addTab(build_rights_tab(c_, PCconf), QStringLiteral("Uprawnienia"));
    PCconf->addTab(build_scales_tab(c_, PCconf), QStringLiteral("Wagi"));
    PCconf->addTab(build_other_tab(c_, PCconf), QStringLiteral("Inne"));
    PCconf->addTab(build_corrections_tab(c_, PCconf), QStringLiteral("Korekty"));

    // Enter moves on to the next control, so no button may take it as the default.
    BBok->setAutoDefault(false);
    BBcancel->setAutoDefault(false);
    // Cancelling drops every edit, so it does not first check the field being left.
    BBcancel->setFocusPolicy(Qt::NoFocus);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBok, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBcancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PCconf);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(c_.BBoper, &QPushButton::clicked, this, &TFormUstaw::manage_operators);
    connect(c_.BBdziennik, &QPushButton::clicked, this, [this] {
        SystemClock clock;
        TFdziennik(station_.data_dir(), dialogs_, clock, this).exec();
    });
    connect(c_.BBarchive, &QPushButton::clicked, this, &TFormUstaw::archive);
    connect(c_.BBzeruj, &QPushButton::clicked, this, &TFormUstaw::clear_corrections);
    connect(c_.SBhelp_weightdoc_format, &QToolButton::clicked, this,
            [this] { controller_.show_format_help(); });
    connect(c_.SBhelp_archive, &QToolButton::clicked, this, [this] { controller_.show_archive_help(); });
    for (int n = 1; n <= kScales; ++n) {
        connect(c_.CBweight_enabled[n], &QCheckBox::clicked, this, [this, n] { weight_enabled_clicked(n); });
    }
    watch_fields();
}

bool TFormUstaw::run() {
    const SettingsForm form = controller_.open(station_.port_speed());
    show_form(c_, form);
    corrections_.reload();
    show_learned(c_, corrections_.table());
    c_.GBrstimeout->setVisible(form.timings_shown);
    PCconf->setCurrentIndex(0);
    c_.RGNumPortu->checkedButton()->setFocus();
    if (exec() != QDialog::Accepted) {
        return false;
    }
    SettingsForm chosen = read_form(c_);
    // The controller takes the timings back only while they are shown.
    chosen.timings_shown = form.timings_shown;
    controller_.apply(chosen);
    return true;
}

void TFormUstaw::watch_fields() {
    std::vector<QLineEdit*> fields{c_.Eweightdoc_next, c_.Ewspolczynnik, c_.Emaks_procent};
    for (int n = 1; n <= kScales; ++n) {
        fields.insert(fields.end(), {c_.Emax_weight[n], c_.Emin_weight[n], c_.Esta_weight[n]});
    }
    for (QLineEdit* field : fields) {
        field->installEventFilter(this);
    }
}

bool TFormUstaw::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking over (a message box, a menu) is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* field = static_cast<QLineEdit*>(watched);
            // Checked once the click that moved the focus is through, so a refused field takes the
            // focus back from the control that was clicked.
            QTimer::singleShot(0, this, [this, field] { leave_field(field); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormUstaw::leave_field(QLineEdit* field) {
    if (!isVisible()) {
        return;
    }
    const std::string text = from_qt(field->text());
    std::optional<std::string> kept;
    if (field == c_.Eweightdoc_next) {
        kept = controller_.leave_weightdoc_next(text);
    } else if (field == c_.Ewspolczynnik) {
        kept = controller_.leave_correction_weight(text);
    } else if (field == c_.Emaks_procent) {
        kept = controller_.leave_correction_percent(text);
    }
    for (int n = 1; n <= kScales; ++n) {
        if (field == c_.Emax_weight[n]) {
            kept = controller_.leave_max_weight(text);
        } else if (field == c_.Emin_weight[n] || field == c_.Esta_weight[n]) {
            kept = controller_.leave_decimal(n, text);
        }
    }
    if (!kept) {
        // The operator may have left the field by turning to another tab.
        for (int i = 0; i < PCconf->count(); ++i) {
            if (PCconf->widget(i)->isAncestorOf(field)) {
                PCconf->setCurrentIndex(i);
            }
        }
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    field->setText(to_qt(*kept));
}

void TFormUstaw::weight_enabled_clicked(int scale) {
    IndexedArray<bool, kScales> boxes{};
    for (int n = 1; n <= kScales; ++n) {
        boxes[n] = c_.CBweight_enabled[n]->isChecked();
    }
    if (!controller_.weight_enabled_clicked(boxes)) {
        c_.CBweight_enabled[scale]->setChecked(true);
    }
}

void TFormUstaw::clear_corrections() {
    std::vector<std::size_t> selected;
    for (QTreeWidgetItem* item : c_.LVkorekty->selectedItems()) {
        selected.push_back(static_cast<std::size_t>(c_.LVkorekty->indexOfTopLevelItem(item)));
    }
    corrections_.clear(selected);
    show_learned(c_, corrections_.table());
}

void TFormUstaw::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button still takes Enter as its click; everywhere else it moves on.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            focusNextChild();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormUstaw::manage_operators() {
    OperatorWindow operators(operators_file_path(station_.data_dir()), dialogs_, station_.changes());
    TFwytop(operators, this).run(OperatorWindow::Mode::Management);
}

void TFormUstaw::archive() {
    QtFolderChoice folders(this);
    QtProcessRunner runner;
    SystemClock clock;
    archive_data(station_.data_dir(), {folders, runner, dialogs_, clock});
}

}  // namespace wazenie
