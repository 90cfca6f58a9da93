#include "reports/wz_print.h"

#include "reports/wz_document.h"

namespace wazenie {

bool print_wz(const recipe_record& r, const Scales& w, const Settings& settings, int copy,
              WzPrintSeams& seams, const std::optional<WzDelivery>& delivery) {
    const auto done = seams.printer.print(wz_document(r, w, settings, seams.clock.now(), copy, delivery));
    if (!done) {
        seams.dialogs.error(done.error().what);
        return false;
    }
    return true;
}

void print_wz_copies(const recipe_record& r, const Scales& w, const Settings& settings, WzPrintSeams& seams,
                     const std::optional<WzDelivery>& delivery) {
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
        if (!print_wz(r, w, settings, copy, seams, delivery)) {
            return;
        }
    }
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
