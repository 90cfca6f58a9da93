#include "platform/qt_save_file_dialog.h"

#include "platform/qt_text.h"

#include <QFileDialog>

namespace wazenie {

std::optional<std::filesystem::path> QtSaveFileDialog::ask_save_file(const SaveFileRequest& request) {
    QFileDialog dialog(parent_, to_qt(request.title), QString(), to_qt(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(to_qt(request.extension));
    // A name typed without an extension takes the one of the file type chosen ("*.pdf" gives ".pdf").
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section(QStringLiteral("*."), 1).section(QLatin1Char(' '), 0, 0));
    });
    dialog.selectFile(to_qt(request.default_name + "." + request.extension));
    // The caller replaces an existing file without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(from_qt(dialog.selectedFiles().front()));
}

}  // namespace wazenie
