#include "app/cli/report_commands.h"

#include <iostream>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/document_command.h"
#include "app/cli/exit_codes.h"
#include "core/clock.h"
#include "reports/analysis_kinds.h"
#include "reports/analysis_output.h"
#include "reports/batch_record_document.h"
#include "reports/production_analysis.h"
#include "reports/report_list.h"
#include "reports/report_output.h"
#include "reports/water_cement_report.h"
#include "reports/wz_delivery_source.h"
#include "reports/wz_document.h"
#include "storage/material_kinds.h"
#include "storage/settings.h"
#include "storage/system_clock.h"
#include "storage/tolerances.h"

namespace wazenie {

namespace {

struct Configuration {
    Settings settings;
    Scales w;
};

Configuration configuration(const CommandContext& context) {
    Configuration c;
    load_settings(settings_file_path(context.data_dir), c.settings, c.w);
    return c;
}

// For the analysis, an error shown while the logs were read (one that cannot be read) means the
// result would be incomplete: nothing is printed or saved, as figures missing records must not pass
// for whole ones.
bool logs_read_cleanly(const TerminalDialogs& dialogs) {
    return dialogs.errors_shown() == 0;
}

// The range and filters of `report`, with the options that follow them.
std::optional<ParsedOptions> query_options(const CommandContext& context, std::vector<OptionRule> more) {
    std::vector<OptionRule> rules = {
        {"--from", true}, {"--to", true}, {"--client", true}, {"--recipe", true}};
    rules.insert(rules.end(), more.begin(), more.end());
    return checked_options(context.args, rules, {"--from", "--to"});
}

ReportQuery query_of(const ParsedOptions& parsed) {
    return {*parsed.value("--from"), *parsed.value("--to"), parsed.value("--client").value_or(""),
            parsed.value("--recipe").value_or("")};
}

// --rodzaj as given: none without it, nothing for a kind that does not exist (the message has been
// shown).
std::optional<MaterialKind> kind_option(const ParsedOptions& parsed) {
    const auto text = parsed.value("--rodzaj");
    if (!text) {
        return MaterialKind::none;
    }
    if (const auto kind = material_kind_of_text(*text)) {
        return kind;
    }
    std::string kinds;
    for (const MaterialKind kind : material_kinds_list()) {
        kinds += (kinds.empty() ? "" : ", ") + std::string(material_kind_text(kind));
    }
    std::cerr << "błąd: nieznany rodzaj materiału: " << *text << " (rodzaje: " << kinds << ")\n";
    return std::nullopt;
}

// The view printed, or with --csv written as CSV instead.
int show_view(const AnalysisSheet& sheet, AnalysisView view, const ParsedOptions& parsed, Dialogs& dialogs) {
    const auto csv = parsed.value("--csv");
    if (!csv) {
        return print_lines(analysis_document(sheet, view, SystemClock().now(), false).plain_lines());
    }
    if (!write_csv_file(*csv, analysis_csv(sheet, view))) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *csv +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kFileError;
    }
    dialogs.information("Analizę zapisano do pliku: " + *csv);
    return exit_code::kDone;
}

// The consumption and the accuracy may be narrowed to one kind of material; the consumption of all
// of them is totalled by kind when the materials have kinds.
int analysis_command(const CommandContext& context, AnalysisView view) {
    const bool by_kind = view != AnalysisView::Daily;
    const auto parsed = by_kind ? query_options(context, {{"--rodzaj", true}, {"--csv", true}})
                                : query_options(context, {{"--csv", true}});
    TerminalDialogs dialogs(std::cerr);
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const auto shown = kind_option(*parsed);
    if (!shown) {
        return exit_code::kRefused;
    }
    const Configuration config = configuration(context);
    const Tolerances tolerances = Tolerances::from(config.settings.ini);
    const ReportQuery query = query_of(*parsed);
    const auto analysis = analyse_production(context.data_dir, query, tolerances, dialogs);
    if (!analysis) {
        return exit_code::kRefused;
    }
    if (!logs_read_cleanly(dialogs)) {
        return exit_code::kFileError;
    }
    const MaterialKinds kinds = material_kinds_in(context.data_dir);
    if (*shown != MaterialKind::none) {
        const KindViews views{*shown, {}, {}};
        return show_view({query, analysis_of_kind(*analysis, kinds, *shown), &views}, view, *parsed, dialogs);
    }
    const KindViews views{MaterialKind::none, consumption_by_kind(*analysis, kinds), {}};
    return show_view({query, *analysis, views.totals.empty() ? nullptr : &views}, view, *parsed, dialogs);
}

}  // namespace

int report_command(const CommandContext& context) {
    const auto parsed = query_options(context, {{"--output", true}});
    TerminalDialogs dialogs(std::cerr);
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const Configuration config = configuration(context);
    const ReportQuery query = query_of(*parsed);
    const auto list = build_report(context.data_dir, query, config.settings.total_precision, dialogs);
    if (!list) {
        return exit_code::kRefused;
    }
    // A record whose start does not read is listed as the window lists it; a log that cannot be
    // read would leave records out, so nothing is printed or saved.
    if (!list->complete) {
        return exit_code::kFileError;
    }
    const ReportSheet sheet{query.date_from, query.date_to, query.client, query.recipe, list->rows};
    const DateTime now = SystemClock().now();
    const auto output = parsed->value("--output");
    if (!output) {
        return print_lines(report_text_lines(sheet, now));
    }
    if (!write_report_file(*output, sheet, now)) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *output +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kFileError;
    }
    dialogs.information("Raport zapisano do pliku: " + *output);
    return exit_code::kDone;
}

int wz_command(const CommandContext& context) {
    return document_command(
        context, [&](const FoundProcess& found, Dialogs&) -> std::optional<PrintDocument> {
            return wz_document(found.p.r, found.p.w, found.settings, SystemClock().now(), 1,
                               wz_delivery_of_logged(found.settings, context.data_dir, found.month, found.p));
        });
}

int batch_record_command(const CommandContext& context) {
    return document_command(
        context, [&](const FoundProcess& found, Dialogs& dialogs) -> std::optional<PrintDocument> {
            const auto record =
                logged_batch_record(context.data_dir, found.month, found.p, found.settings, dialogs);
            if (!record) {
                return std::nullopt;
            }
            return batch_record_document(*record, SystemClock().now(), 1);
        });
}

int consumption_command(const CommandContext& context) {
    return analysis_command(context, AnalysisView::Consumption);
}

int accuracy_command(const CommandContext& context) {
    return analysis_command(context, AnalysisView::Accuracy);
}

int daily_command(const CommandContext& context) {
    return analysis_command(context, AnalysisView::Daily);
}

int water_cement_command(const CommandContext& context) {
    const auto parsed = query_options(context, {{"--csv", true}});
    TerminalDialogs dialogs(std::cerr);
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const ReportQuery query = query_of(*parsed);
    auto report = water_cement_report(context.data_dir, query, dialogs);
    if (!report) {
        return exit_code::kRefused;
    }
    if (!logs_read_cleanly(dialogs)) {
        return exit_code::kFileError;
    }
    const ProductionAnalysis no_analysis;
    const KindViews views{MaterialKind::none, {}, std::move(*report)};
    return show_view({query, no_analysis, &views}, AnalysisView::WaterCement, *parsed, dialogs);
}

}  // namespace wazenie
