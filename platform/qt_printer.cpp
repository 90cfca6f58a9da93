#include "platform/qt_printer.h"

#include "platform/qt_document_painter.h"
#include "platform/qt_text.h"
#include "reports/wz_print.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace wazenie {

std::optional<std::string> QtPrinter::printer_name() const {
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (installed.isEmpty()) {
        return std::nullopt;
    }
    if (chosen_ && installed.contains(to_qt(*chosen_))) {
        return chosen_;
    }
    const QString fallback = QPrinterInfo::defaultPrinterName();
    return from_qt(fallback.isEmpty() ? installed.front() : fallback);
}

Status QtPrinter::print(const PrintDocument& document) {
    const auto name = printer_name();
    if (!name) {
        return Error{kNoPrinter, ""};
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(to_qt(*name));
    printer.setCopyCount(1);
    printer.setDocName(to_qt(document.title));
    printer.setPageOrientation(document.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    if (!printer.isValid() || !paint_document(document, printer)) {
        return Error{"Błąd drukarki " + *name + ": wydruk nie został wysłany.", *name};
    }
    return {};
}

}  // namespace wazenie
