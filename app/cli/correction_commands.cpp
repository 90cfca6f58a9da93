#include "app/cli/correction_commands.h"

#include <iostream>
#include <optional>
#include <string>

#include "app/cli/cli_changes.h"
#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "core/number_text.h"
#include "core/trim.h"
#include "reports/correction_table.h"
#include "storage/learned_corrections.h"
#include "storage/settings.h"

namespace wazenie {

namespace {

// What --zeruj clears: scale 0 and an empty name stand for all.
struct Chosen {
    bool clear = false;
    int scale = 0;
    std::string material;
};

std::optional<Chosen> chosen_of(const ParsedOptions& parsed, Dialogs& dialogs) {
    Chosen chosen{parsed.flag("--zeruj"), 0, parsed.value("--material").value_or("")};
    const auto scale = parsed.value("--waga");
    if (!chosen.clear && (scale || parsed.value("--material"))) {
        dialogs.error("opcje --waga i --material działają tylko razem z --zeruj");
        return std::nullopt;
    }
    if (scale) {
        const auto n = parse_int(*scale);
        if (!n || !Scales::in_range(*n)) {
            dialogs.error("opcja --waga wymaga numeru wagi od 1 do 4: " + *scale);
            return std::nullopt;
        }
        chosen.scale = *n;
    }
    if (parsed.value("--material") && trim(chosen.material).empty()) {
        dialogs.error("opcja --material wymaga nazwy materiału");
        return std::nullopt;
    }
    return chosen;
}

}  // namespace

int corrections_command(const CommandContext& context) {
    TerminalDialogs dialogs(std::cerr);
    const auto parsed =
        checked_options(context.args, {{"--zeruj", false}, {"--waga", true}, {"--material", true}}, {});
    if (!parsed) {
        return exit_code::kRefused;
    }
    const auto chosen = chosen_of(*parsed, dialogs);
    if (!chosen || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    Settings settings;
    Scales w;
    load_settings(settings_file_path(context.data_dir), settings, w);
    const auto file = corrections_file_path(context.data_dir);
    auto learned = read_corrections(file);
    if (!learned) {
        dialogs.error("Nie można odczytać pliku: " + file.string() + ", " + learned.error().what);
        return exit_code::kFileError;
    }
    if (!chosen->clear) {
        return print_lines(learned->empty()
                               ? std::vector<std::string>{"Brak wyuczonych korekt."}
                               : aligned_lines(corrections_table(sorted_corrections(*learned), w)));
    }
    const int cleared = clear_corrections(*learned, chosen->scale, chosen->material);
    if (cleared > 0) {
        if (const Status saved = save_corrections(file, *learned, w); !saved) {
            dialogs.error("Nie udało się zapisać pliku " + file.string() + " (" + saved.error().what + ")");
            return exit_code::kFileError;
        }
        record_cli_change(context.data_dir, corrections_cleared(chosen->scale, chosen->material, cleared),
                          dialogs);
    }
    return print_lines({"Wyzerowano korekt: " + std::to_string(cleared)});
}

}  // namespace wazenie
