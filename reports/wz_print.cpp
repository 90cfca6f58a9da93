#include "reports/wz_print.h"

#include "reports/wz_document.h"

namespace wazenie {

namespace {

bool print_one(const PrintDocument& document, WzPrintSeams& seams) {
    const auto done = seams.printer.print(document);
    if (!done) {
        seams.dialogs.error(done.error().what);
        return false;
    }
    return true;
}

}  // namespace

bool print_wz(const recipe_record& r, const Scales& w, const Settings& settings, int copy,
              WzPrintSeams& seams, const std::optional<WzDelivery>& delivery) {
    return print_one(wz_document(r, w, settings, seams.clock.now(), copy, delivery), seams);
}

void print_copies(const std::function<PrintDocument(int copy)>& document, WzPrintSeams& seams) {
    const auto copies = seams.dialogs.ask_print_copies();
    if (!copies) {
        return;
    }
    const auto name = seams.printer.printer_name();
    if (!name) {
        seams.dialogs.error(kNoPrinter);
        return;
    }
    if (seams.show_printer_name) {
        seams.show_printer_name(*name);
    }
    for (int copy = 1; copy <= *copies; ++copy) {
        if (!print_one(document(copy), seams)) {
            return;
        }
    }
}

void print_wz_copies(const recipe_record& r, const Scales& w, const Settings& settings, WzPrintSeams& seams,
                     const std::optional<WzDelivery>& delivery) {
    print_copies([&](int copy) { return wz_document(r, w, settings, seams.clock.now(), copy, delivery); },
                 seams);
}

void print_wz_of_process(const ProcessState& p, const Settings& settings, WzPrintSeams& seams,
                         const std::optional<WzDelivery>& delivery) {
    if (p.r.stop_time == 0 &&
        !seams.dialogs.question("Dozowanie nie zostało zakończone.\rCzy na pewno wydrukować dokument WZ?")) {
        return;
    }
    print_wz_copies(p.r, p.w, settings, seams, delivery);
}

}  // namespace wazenie
