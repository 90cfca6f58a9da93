#include <algorithm>
#include <string>

#include "core/number_text.h"
#include "reports/report_output.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

std::string clipboard_row(const ReportRow& row) {
    std::string text;
    const auto columns = row.columns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) {
            text += '\t';
        }
        text += c == 3 ? to_comma(columns[c]) : std::string(columns[c]);
    }
    return text + "\r\n";
}

// The first row to copy (from 1), or nothing when the operator's entry is refused.
std::optional<int> first_row_to_copy(int n, Dialogs& dialogs) {
    if (n <= kClipboardRows) {
        return 1;
    }
    dialogs.warning("Rozmiar tabeli (" + std::to_string(n) + " wierszy) jest więszy niż pojemność schowka (" +
                    std::to_string(kClipboardRows) + " wierszy)." + "\r" +
                    "Do schowka zostanie skopiowany tylko fragment tabeli, począwszy od wskazanego wiersza.");
    ValueRequest request;
    request.caption = "Wiersz początkowy";
    request.prompt = "Podaj numer pierwszego kopiowanego wiersza:";
    const std::string entry = dialogs.ask_value(request);
    if (entry.empty()) {
        return 1;
    }
    const auto first = parse_int(entry);
    if (!first || *first < 1 || *first > n) {
        dialogs.error("Błędna wartość!");
        return std::nullopt;
    }
    return *first;
}

}  // namespace

void copy_report(const std::vector<ReportRow>& rows, Clipboard& clipboard, Dialogs& dialogs) {
    const int n = static_cast<int>(rows.size());
    const auto first = first_row_to_copy(n, dialogs);
    if (!first) {
        return;
    }
    const int last = std::min(n, *first + kClipboardRows - 1);
    std::string text;
    int length = 0;
    int copied = 0;
    for (int i = *first; i <= last; ++i) {
        std::string row = clipboard_row(rows[static_cast<std::size_t>(i - 1)]);
        const int row_length = text_length(row);
        if (length + row_length > kClipboardChars) {
            break;
        }
        length += row_length;
        text += row;
        ++copied;
    }
    clipboard.put_text(text);
    if (copied < last - *first + 1) {
        dialogs.warning("Tekst tabeli jest dłuższy niż pojemność schowka (" +
                        std::to_string(kClipboardChars) + " znaków).\rDo schowka skopiowano tylko " +
                        std::to_string(copied) + " wierszy, od wiersza " + std::to_string(*first) + ".");
    }
}

}  // namespace wazenie
