#include "ui/recipe_description_group.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "ui/list_sync.h"
#include "ui/look.h"
#include "windows/recipe_editor_window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wazenie {

namespace {

struct FieldLook {
    const char* name;
    const char* caption;
    int max_length;
};

const std::array<FieldLook, kDescriptionFields> kFields = {{
    {"Eklasa", "Klasa:", 20},
    {"Eekspozycja", "Ekspozycja:", 40},
    {"Echlorki", "Chlorki:", 20},
    {"Ekonsystencja", "Konsystencja:", 20},
    {"Edmax", "Dmax [mm]:", 6},
    {"Ewc_maks", "w/c maks.:", 6},
    {"Egestosc", "Gęstość [kg/m³]:", 6},
}};

}  // namespace

RecipeDescriptionGroup::RecipeDescriptionGroup(RecipeEditor& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Opis betonu (PN-EN 206)"), parent), controller_(controller) {
    setObjectName(QStringLiteral("GBopis"));
    auto* rows = new QFormLayout(this);
    for (std::size_t k = 0; k < kDescriptionFields; ++k) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(kFields[k].name));
        field->setMaxLength(kFields[k].max_length);
        field->installEventFilter(this);
        const auto which = static_cast<DescriptionField>(k);
        connect(field, &QLineEdit::textEdited, this,
                [this, which](const QString& text) { controller_.type_description(which, from_qt(text)); });
        rows->addRow(caption_label(QString::fromUtf8(kFields[k].caption), field, this), field);
        fields_[k] = field;
    }
}

void RecipeDescriptionGroup::show_state() {
    const bool enabled = controller_.description_enabled();
    for (std::size_t k = 0; k < kDescriptionFields; ++k) {
        const QString text = to_qt(controller_.description().text(static_cast<DescriptionField>(k)));
        if (fields_[k]->text() != text) {
            fields_[k]->setText(text);
        }
        sync::enabled(fields_[k], enabled);
    }
}

bool RecipeDescriptionGroup::eventFilter(QObject* watched, QEvent* event) {
    const auto field = std::find(fields_.begin(), fields_.end(), watched);
    if (event->type() == QEvent::FocusOut && field != fields_.end()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Losing the focus to a message box or a menu is no leaving; " Zapisz" checks every field
        // itself and "Anuluj" drops what was typed.
        const auto* next = qobject_cast<const QPushButton*>(QApplication::focusWidget());
        const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                             !(next && next->objectName() == QStringLiteral("BBcancel"));
        const auto which = static_cast<DescriptionField>(field - fields_.begin());
        if (leaving && !controller_.leave_description(which)) {
            (*field)->setFocus();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace wazenie
