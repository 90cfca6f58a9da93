#include "app/cli/report_commands.h"

#include <iostream>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/exit_codes.h"
#include "core/clock.h"
#include "storage/system_clock.h"
#include "platform/qt_document_painter.h"
#include "reports/analysis_output.h"
#include "reports/production_analysis.h"
#include "reports/report_list.h"
#include "reports/report_output.h"
#include "reports/wz_document.h"
#include "clients/client_process.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/tolerances.h"

namespace wazenie {

namespace {

struct Configuration {
    Settings settings;
    Scales w;
};

Configuration configuration(const CommandContext& context) {
    Configuration c;
    load_settings(context.data_dir / "konfig.ini", c.settings, c.w);
    return c;
}

// The options, or nothing when they are wrong or a required one is missing (the message is shown).
std::optional<ParsedOptions> options(const CommandContext& context, const std::vector<OptionRule>& rules,
                                     const std::vector<std::string>& required) {
    auto parsed = parse_options(context.args, rules);
    if (!parsed) {
        std::cerr << "błąd: " << parsed.error().what << "\n";
        return std::nullopt;
    }
    for (const auto& name : required) {
        if (!parsed->value(name)) {
            std::cerr << "błąd: brak opcji " << name << "\n";
            return std::nullopt;
        }
    }
    return *parsed;
}

void print_lines(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::cout << line << "\n";
    }
    std::cout.flush();
}

// The range and filters of `report`, with one more option that names a file.
std::optional<ParsedOptions> query_options(const CommandContext& context, const char* file_option) {
    return options(
        context,
        {{"--from", true}, {"--to", true}, {"--client", true}, {"--recipe", true}, {file_option, true}},
        {"--from", "--to"});
}

ReportQuery query_of(const ParsedOptions& parsed) {
    return {*parsed.value("--from"), *parsed.value("--to"), parsed.value("--client").value_or(""),
            parsed.value("--recipe").value_or("")};
}

int analysis_command(const CommandContext& context, AnalysisView view) {
    const auto parsed = query_options(context, "--csv");
    if (!parsed) {
        return exit_code::kRefused;
    }
    const Configuration config = configuration(context);
    const Tolerances tolerances = Tolerances::from(config.settings.ini);
    TerminalDialogs dialogs(std::cerr);
    const ReportQuery query = query_of(*parsed);
    const auto analysis = analyse_production(context.data_dir, query, tolerances, dialogs);
    if (!analysis) {
        return exit_code::kRefused;
    }
    const AnalysisSheet sheet{query, *analysis, tolerances};
    const auto csv = parsed->value("--csv");
    if (!csv) {
        print_lines(analysis_document(sheet, view, SystemClock().now(), false).plain_lines());
        return exit_code::kDone;
    }
    if (!write_csv_file(*csv, analysis_csv(sheet, view))) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *csv +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kNotRecorded;
    }
    dialogs.information("Analizę zapisano do pliku: " + *csv);
    return exit_code::kDone;
}

}  // namespace

int report_command(const CommandContext& context) {
    const auto parsed = query_options(context, "--output");
    if (!parsed) {
        return exit_code::kRefused;
    }
    const Configuration config = configuration(context);
    TerminalDialogs dialogs(std::cerr);
    const ReportQuery query = query_of(*parsed);
    const auto rows = build_report(context.data_dir, query, config.settings.total_precision, dialogs);
    if (!rows) {
        return exit_code::kRefused;
    }
    const ReportSheet sheet{query.date_from, query.date_to, query.client, query.recipe, *rows};
    const DateTime now = SystemClock().now();
    const auto output = parsed->value("--output");
    if (!output) {
        print_lines(report_text_lines(sheet, now));
        return exit_code::kDone;
    }
    if (!write_report_file(*output, sheet, now)) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *output +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kNotRecorded;
    }
    dialogs.information("Raport zapisano do pliku: " + *output);
    return exit_code::kDone;
}

int wz_command(const CommandContext& context) {
    const auto parsed =
        options(context, {{"--month", true}, {"--doc", true}, {"--start", true}, {"--pdf", true}},
                {"--month", "--doc", "--start"});
    if (!parsed) {
        return exit_code::kRefused;
    }
    const std::string month = *parsed->value("--month");
    if (month.size() != 6 || month.find_first_not_of("0123456789") != std::string::npos) {
        std::cerr << "błąd: miesiąc --month ma postać RRRRMM: " << month << "\n";
        return exit_code::kRefused;
    }
    const Configuration config = configuration(context);
    ProcessState p;
    for (int i = Scales::first; i <= Scales::last; ++i) {
        p.w[i].precision = config.w[i].precision;
    }
    TerminalDialogs dialogs(std::cerr);
    const auto loaded = load_process_with_client(p, context.data_dir, month, *parsed->value("--doc"),
                                                 *parsed->value("--start"));
    if (!loaded) {
        dialogs.error(loaded.error().what);
        return exit_code::kRefused;
    }
    const PrintDocument document = wz_document(p.r, p.w, config.settings, SystemClock().now(), 1);
    const auto pdf = parsed->value("--pdf");
    if (!pdf) {
        print_lines(document.plain_lines());
        return exit_code::kDone;
    }
    if (const auto written = write_pdf(document, *pdf); !written) {
        dialogs.error(written.error().what);
        return exit_code::kNotRecorded;
    }
    return exit_code::kDone;
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

}  // namespace wazenie
