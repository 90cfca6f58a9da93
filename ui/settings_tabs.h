#pragma once

#include "core/indexed_array.h"
#include "reports/table_output.h"
#include "windows/settings_window.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace wazenie {

// Every control of the settings window's five tabs, named as the window names them.
struct SettingsControls {
    QButtonGroup* RGNumPortu = nullptr;  // ids 1..16
    QButtonGroup* RGSzybkosc = nullptr;  // ids 1..8
    QGroupBox* GBrstimeout = nullptr;
    QSpinBox* SErs_timeout = nullptr;
    QSpinBox* SErs_delay = nullptr;
    QSpinBox* SErs_delay_recipe = nullptr;

    QCheckBox* CBadmin_change_client = nullptr;
    QCheckBox* CBadmin_change_recipe = nullptr;
    QPushButton* BBoper = nullptr;
    QPushButton* BBdziennik = nullptr;

    QSpinBox* SPnumoffrac = nullptr;
    IndexedArray<QSpinBox*, kScales> SEprecision{};
    IndexedArray<QLineEdit*, kScales> Emax_weight{};
    IndexedArray<QCheckBox*, kScales> CBweight_enabled{};
    IndexedArray<QLineEdit*, kScales> Emin_weight{};
    IndexedArray<QLineEdit*, kScales> Esta_weight{};

    QLineEdit* Eweightdoc_next = nullptr;
    QLineEdit* Eweightdoc_format = nullptr;
    QToolButton* SBhelp_weightdoc_format = nullptr;
    QCheckBox* CBenable_change_weightdoc = nullptr;
    QComboBox* CBwz_print_content = nullptr;
    QCheckBox* CBpn_en_206 = nullptr;
    QPushButton* BBarchive = nullptr;
    QToolButton* SBhelp_archive = nullptr;
    QCheckBox* CBrunmaximized = nullptr;
    QCheckBox* CBblock_down_buttons = nullptr;

    QCheckBox* CBkorekta_wlaczona = nullptr;
    QCheckBox* CBwyrownanie = nullptr;
    QLineEdit* Ewspolczynnik = nullptr;
    QLineEdit* Emaks_procent = nullptr;
    QTreeWidget* LVkorekty = nullptr;
    QPushButton* BBzeruj = nullptr;
};

// The tabs "Połączenie RS", "Uprawnienia", "Wagi", "Inne" and "Korekty"; each fills its controls in `c`.
QWidget* build_connection_tab(SettingsControls& c, QWidget* parent);
QWidget* build_rights_tab(SettingsControls& c, QWidget* parent);
QWidget* build_scales_tab(SettingsControls& c, QWidget* parent);
QWidget* build_other_tab(SettingsControls& c, QWidget* parent);
QWidget* build_corrections_tab(SettingsControls& c, QWidget* parent);

void show_form(const SettingsControls& c, const SettingsForm& form);
// The list of corrections as learned; "Zeruj" only when there is something to clear.
void show_learned(const SettingsControls& c, const TextTable& learned);
// `timings_shown` is not a control's value and is left false. The list of corrections is not in
// the form.
SettingsForm read_form(const SettingsControls& c);

}  // namespace wazenie
