#pragma once

#include "app/cli/cli_command.h"

namespace wazenie {

// wazenie-cli report: the weighing report of a range of days in the layout of the saved report.
int report_command(const CommandContext& context);
// wazenie-cli wz: the WZ document of a logged process as text lines, or as a PDF file.
int wz_command(const CommandContext& context);
// wazenie-cli karta: the batch record of a logged process, found as wz finds it, as text or a PDF.
int batch_record_command(const CommandContext& context);
// wazenie-cli zuzycie, dokladnosc and produkcja: a view of the production analysis of a range of days,
// printed as aligned tables, or with --csv written as CSV instead; zuzycie and dokladnosc take
// --rodzaj, a kind of material.
int consumption_command(const CommandContext& context);
int accuracy_command(const CommandContext& context);
int daily_command(const CommandContext& context);
// wazenie-cli wc: the water/cement ratio of each process of a range that dosed cement, its mean and
// largest; with --csv the processes written as CSV instead.
int water_cement_command(const CommandContext& context);

}  // namespace wazenie
