#include "ui/weighing_params_window.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "ui/look.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wazenie {

TFrecipe_summary::TFrecipe_summary(WeighingParamsDialog& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      CBrecipe_name(new QComboBox(this)),
      Erecipe_total_weight(new QLineEdit(this)),
      Lclient_name(new QLabel(this)),
      BBrecipe(named_button(this, "BBrecipe", QStringLiteral("Baza receptur"))),
      BBclient(named_button(this, "BBclient", QStringLiteral(" Baza klientów"))),
      CBsamochod(new QComboBox(this)),
      CBbudowa(new QComboBox(this)),
      GBwilgotnosc(new QGroupBox(QStringLiteral("Wilgotność kruszyw [%]"), this)),
      moisture_grid_(new QGridLayout(GBwilgotnosc)),
      BBok(named_button(this, "BBok", QStringLiteral("OK"))),
      BBcancel(named_button(this, "BBcancel", QStringLiteral("Anuluj"))) {
    setObjectName(QStringLiteral("TFrecipe_summary"));
    setWindowTitle(QStringLiteral("Parametry naważania"));
    CBrecipe_name->setObjectName(QStringLiteral("CBrecipe_name"));
    Erecipe_total_weight->setObjectName(QStringLiteral("Erecipe_total_weight"));
    Lclient_name->setObjectName(QStringLiteral("Lclient_name"));
    GBwilgotnosc->setObjectName(QStringLiteral("GBwilgotnosc"));
    CBsamochod->setObjectName(QStringLiteral("CBsamochod"));
    CBbudowa->setObjectName(QStringLiteral("CBbudowa"));
    for (QComboBox* box : {CBsamochod, CBbudowa}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(260);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    GBwilgotnosc->hide();
    moisture_grid_->setColumnStretch(2, 1);

    CBrecipe_name->setEditable(false);
    CBrecipe_name->setMaxVisibleItems(20);
    CBrecipe_name->setMinimumWidth(260);
    CBrecipe_name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Erecipe_total_weight->setMaxLength(7);
    Erecipe_total_weight->setAlignment(Qt::AlignRight);
    Erecipe_total_weight->setMaximumWidth(
        Erecipe_total_weight->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")));
    Erecipe_total_weight->installEventFilter(this);
    Lclient_name->setMinimumWidth(200);
    BBok->setDefault(true);

    auto* total = new QHBoxLayout;
    total->addWidget(Erecipe_total_weight);
    total->addWidget(new QLabel(QStringLiteral("kg"), this));
    total->addStretch();

    auto* fields = new QGridLayout;
    fields->addWidget(caption_label(QStringLiteral("Receptura:"), CBrecipe_name, this), 0, 0);
    fields->addWidget(CBrecipe_name, 0, 1);
    fields->addWidget(BBrecipe, 0, 2);
    fields->addWidget(caption_label(QStringLiteral("Masa łączna:"), Erecipe_total_weight, this), 1, 0);
    fields->addLayout(total, 1, 1);
    fields->addWidget(caption_value(new QLabel(QStringLiteral("Klient: "), this), Lclient_name), 2, 0);
    fields->addWidget(Lclient_name, 2, 1);
    fields->addWidget(BBclient, 2, 2);
    // The edit inside an editable box is what a screen reader announces.
    CBsamochod->lineEdit()->setAccessibleName(QStringLiteral("Samochód"));
    CBbudowa->lineEdit()->setAccessibleName(QStringLiteral("Budowa"));
    fields->addWidget(caption_label(QStringLiteral("Samochód:"), CBsamochod, this), 3, 0);
    fields->addWidget(CBsamochod, 3, 1);
    fields->addWidget(caption_label(QStringLiteral("Budowa:"), CBbudowa, this), 4, 0);
    fields->addWidget(CBbudowa, 4, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBok, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBcancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(GBwilgotnosc);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &TFrecipe_summary::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFrecipe_summary::reject);
    // Only the operator's pick replaces the total, never the filling of the list.
    connect(CBrecipe_name, &QComboBox::activated, this, [this](int index) {
        controller_.choose_recipe(index);
        show_state();
    });
    connect(Erecipe_total_weight, &QLineEdit::textEdited, this,
            [this](const QString& text) { controller_.type_total(from_qt(text)); });
    connect(CBsamochod, &QComboBox::editTextChanged, this,
            [this](const QString& text) { controller_.type_truck(from_qt(text)); });
    connect(CBbudowa, &QComboBox::editTextChanged, this,
            [this](const QString& text) { controller_.type_site(from_qt(text)); });
    connect(BBrecipe, &QPushButton::clicked, this, [this] {
        controller_.recipe_base();
        show_state();
    });
    connect(BBclient, &QPushButton::clicked, this, [this] {
        controller_.client_base();
        show_state();
    });
}

std::optional<WeighingParams> TFrecipe_summary::run(const recipe_record& r) {
    controller_.open(r);
    show_state();
    CBrecipe_name->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return controller_.values();
}

void TFrecipe_summary::accept() {
    if (!leave_total()) {
        return;
    }
    for (std::size_t row = 0; row < moisture_fields_.size(); ++row) {
        if (!leave_moisture(row)) {
            return;
        }
    }
    QDialog::accept();
}

bool TFrecipe_summary::leave_total() {
    controller_.type_total(from_qt(Erecipe_total_weight->text()));
    if (controller_.leave_total()) {
        return true;
    }
    Erecipe_total_weight->setFocus();
    return false;
}

bool TFrecipe_summary::leave_moisture(std::size_t row) {
    if (controller_.moisture().leave(row)) {
        return true;
    }
    moisture_fields_[row]->setFocus();
    return false;
}

bool TFrecipe_summary::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        // Losing the focus to a message box or a menu is no leaving; OK checks on its own and
        // "Anuluj" throws the value away, so neither needs the check first.
        const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                             next != BBok && next != BBcancel;
        const auto field = std::find(moisture_fields_.begin(), moisture_fields_.end(), watched);
        if (leaving && watched == Erecipe_total_weight) {
            leave_total();
        } else if (leaving && field != moisture_fields_.end()) {
            leave_moisture(static_cast<std::size_t>(field - moisture_fields_.begin()));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrecipe_summary::show_state() {
    const QSignalBlocker quiet(CBrecipe_name);
    CBrecipe_name->clear();
    for (const std::string& name : controller_.recipe_names()) {
        CBrecipe_name->addItem(to_qt(name));
    }
    CBrecipe_name->setCurrentIndex(controller_.selected().value_or(-1));
    Erecipe_total_weight->setText(to_qt(controller_.total_text()));
    Lclient_name->setText(to_qt(controller_.client()));
    show_delivery_choice(CBsamochod, controller_.recent_trucks(), controller_.truck());
    show_delivery_choice(CBbudowa, controller_.recent_sites(), controller_.site());
    show_moisture();
}

// The client's last values to pick from, the field keeping what was typed.
void TFrecipe_summary::show_delivery_choice(QComboBox* box, const std::vector<std::string>& recent,
                                            const std::string& text) {
    const QSignalBlocker quiet(box);
    QStringList items;
    for (const std::string& value : recent) {
        items.push_back(to_qt(value));
    }
    box->clear();
    box->addItems(items);
    box->setEditText(to_qt(text));
}

void TFrecipe_summary::show_moisture() {
    const auto& rows = controller_.moisture().rows();
    bool same = rows.size() == moisture_fields_.size();
    for (std::size_t i = 0; same && i < rows.size(); ++i) {
        same = moisture_captions_[i]->text() == to_qt(rows[i].material + ":");
    }
    if (!same) {
        make_moisture_fields();
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (moisture_fields_[i]->text() != to_qt(rows[i].text)) {
            moisture_fields_[i]->setText(to_qt(rows[i].text));
        }
        show_mark(i);
    }
    GBwilgotnosc->setVisible(!rows.empty());
}

void TFrecipe_summary::make_moisture_fields() {
    for (QLineEdit* field : moisture_fields_) {
        // Its going is no leaving of the field.
        field->removeEventFilter(this);
        delete field;
    }
    for (QLabel* caption : moisture_captions_) {
        delete caption;
    }
    moisture_fields_.clear();
    moisture_captions_.clear();
    const auto& rows = controller_.moisture().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* field = new QLineEdit(GBwilgotnosc);
        field->setObjectName(QStringLiteral("Ewilgotnosc%1").arg(i + 1));
        field->setMaxLength(6);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
        field->installEventFilter(this);
        auto* caption = caption_label(to_qt(rows[i].material + ":"), field, GBwilgotnosc);
        moisture_grid_->addWidget(caption, static_cast<int>(i), 0);
        moisture_grid_->addWidget(field, static_cast<int>(i), 1);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            controller_.moisture().type(i, from_qt(text));
            show_mark(i);
        });
        // After the client, before OK, one below the other.
        QWidget::setTabOrder(
            moisture_fields_.empty() ? static_cast<QWidget*>(BBclient) : moisture_fields_.back(), field);
        moisture_captions_.push_back(caption);
        moisture_fields_.push_back(field);
    }
}

void TFrecipe_summary::show_mark(std::size_t row) {
    const AggregateMoisture::Row& shown = controller_.moisture().rows()[row];
    QLineEdit* field = moisture_fields_[row];
    QPalette palette = QApplication::palette(field);
    if (shown.old) {
        palette.setColor(QPalette::Base, kAmber);
    }
    field->setPalette(palette);
    field->setToolTip(to_qt(shown.hint));
}

}  // namespace wazenie
