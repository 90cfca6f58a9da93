#include "ui/settings_tabs.h"

#include <string>

#include "comm/port_connection.h"
#include "platform/qt_text.h"
#include "ui/look.h"
#include "windows/correction_list.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

QString numbered(const char* name, int n) {
    return QLatin1String(name) + QString::number(n);
}

QGroupBox* group(const QString& title, QWidget* parent, const char* name = nullptr) {
    auto* box = new QGroupBox(title, parent);
    if (name != nullptr) {
        box->setObjectName(QLatin1String(name));
    }
    return box;
}

// A spin edit changed with its arrows only: its text cannot be typed into.
QSpinBox* spin(const QString& name, int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    if (auto* text = box->findChild<QLineEdit*>()) {
        text->setReadOnly(true);
    }
    box->setFixedWidth(high < 10 ? 60 : 80);
    return box;
}

QLineEdit* edit(const QString& name, int width, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    if (width > 0) {
        line->setFixedWidth(width);
    }
    return line;
}

QCheckBox* check(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QToolButton* help_button(const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("?"));
    return button;
}

QGroupBox* radio_group(QButtonGroup*& buttons, const char* name, const QString& title,
                       const QStringList& texts, int columns, QWidget* parent) {
    QGroupBox* box = group(title, parent, name);
    buttons = new QButtonGroup(box);
    buttons->setObjectName(QLatin1String(name));
    auto* grid = new QGridLayout(box);
    const int rows = (static_cast<int>(texts.size()) + columns - 1) / columns;
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], box);
        radio->setObjectName(QLatin1String(name) + QLatin1Char('_') + texts[i]);
        buttons->addButton(radio, i + 1);
        grid->addWidget(radio, i % rows, i / rows);
    }
    return box;
}

}  // namespace

QWidget* build_connection_tab(SettingsControls& c, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("TSconf_rs232"));
    QStringList ports;
    for (int n = 1; n <= kPortChoices; ++n) {
        ports << QStringLiteral("COM%1").arg(n);
    }
    QStringList speeds;
    for (int k = 1; k <= kSpeedsInSettingsWindow; ++k) {
        speeds << to_qt(speed_choice_text(k));
    }
    auto* choices = new QHBoxLayout;
    choices->addWidget(radio_group(c.RGNumPortu, "RGNumPortu", QStringLiteral("Numer portu"), ports, 2, tab));
    choices->addWidget(
        radio_group(c.RGSzybkosc, "RGSzybkosc", QStringLiteral("Szybkość transmisji"), speeds, 1, tab));

    c.GBrstimeout = group(QString(), tab, "GBrstimeout");
    c.SErs_timeout = spin(QStringLiteral("SErs_timeout"), 1, 1000, c.GBrstimeout);
    c.SErs_delay = spin(QStringLiteral("SErs_delay"), 0, 1000, c.GBrstimeout);
    c.SErs_delay_recipe = spin(QStringLiteral("SErs_delay_recipe"), 0, 1000, c.GBrstimeout);
    auto* timings = new QFormLayout(c.GBrstimeout);
    timings->addRow(QStringLiteral("Czas oczekiwania na odpowiedź [1/100s]:"), c.SErs_timeout);
    timings->addRow(QStringLiteral("Opóźnienie wysyłania pytania [1/100s]:"), c.SErs_delay);
    timings->addRow(QStringLiteral("Opóźnienie wysyłania receptury [1/100s]:"), c.SErs_delay_recipe);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(choices);
    layout->addWidget(c.GBrstimeout);
    layout->addStretch();
    return tab;
}

QWidget* build_rights_tab(SettingsControls& c, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("TSconf_security"));
    c.CBadmin_change_client = check(QStringLiteral("CBadmin_change_client"),
                                    QStringLiteral("Tylko administrator usuwa / edytuje klientów:"), tab);
    c.CBadmin_change_recipe = check(QStringLiteral("CBadmin_change_recipe"),
                                    QStringLiteral("Tylko administrator usuwa / edytuje receptury:"), tab);
    c.BBoper = new QPushButton(QStringLiteral("Operatorzy ..."), tab);
    c.BBoper->setObjectName(QStringLiteral("BBoper"));
    c.BBdziennik = new QPushButton(QStringLiteral("Dziennik zmian ..."), tab);
    c.BBdziennik->setObjectName(QStringLiteral("BBdziennik"));
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(c.CBadmin_change_client);
    layout->addWidget(c.CBadmin_change_recipe);
    layout->addSpacing(12);
    layout->addWidget(c.BBoper, 0, Qt::AlignLeft);
    layout->addWidget(c.BBdziennik, 0, Qt::AlignLeft);
    layout->addStretch();
    return tab;
}

QWidget* build_scales_tab(SettingsControls& c, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("TSconf_interface"));

    QGroupBox* precision = group(QStringLiteral("Dokładność (ilość miejsc po przec.) "), tab);
    auto* precision_rows = new QFormLayout(precision);
    c.SPnumoffrac = spin(QStringLiteral("SPnumoffrac"), 0, 3, precision);
    precision_rows->addRow(QStringLiteral("Masa łączna:"), c.SPnumoffrac);

    QGroupBox* max = group(QStringLiteral("Masa maksymalna wagi [kg] "), tab);
    auto* max_rows = new QFormLayout(max);
    QGroupBox* enabled = group(QStringLiteral("Podłączone wagi "), tab);
    auto* enabled_rows = new QVBoxLayout(enabled);
    QGroupBox* emptying = group(QStringLiteral("Kryterium opróżnienia zbiornika [kg] "), tab);
    auto* emptying_rows = new QGridLayout(emptying);

    for (int n = 1; n <= kScales; ++n) {
        const QString label = QStringLiteral("%1:").arg(n);
        c.SEprecision[n] = spin(numbered("SEprecision", n), 0, 3, precision);
        precision_rows->addRow(label, c.SEprecision[n]);
        c.Emax_weight[n] = edit(numbered("Emax_weight", n), 90, max);
        max_rows->addRow(label, c.Emax_weight[n]);
        c.CBweight_enabled[n] =
            check(numbered("CBweight_enabled", n), QStringLiteral("Waga %1:").arg(n), enabled);
        enabled_rows->addWidget(c.CBweight_enabled[n]);
        c.Emin_weight[n] = edit(numbered("Emin_weight", n), 80, emptying);
        c.Esta_weight[n] = edit(numbered("Esta_weight", n), 80, emptying);
        emptying_rows->addWidget(caption_label(QStringLiteral("%1 min:").arg(n), c.Emin_weight[n], emptying),
                                 n, 0);
        emptying_rows->addWidget(c.Emin_weight[n], n, 1);
        emptying_rows->addWidget(caption_label(QStringLiteral("stabil:"), c.Esta_weight[n], emptying), n, 2);
        emptying_rows->addWidget(c.Esta_weight[n], n, 3);
    }
    enabled_rows->addStretch();

    auto* layout = new QGridLayout(tab);
    layout->addWidget(precision, 0, 0);
    layout->addWidget(max, 0, 1);
    layout->addWidget(enabled, 1, 0);
    layout->addWidget(emptying, 1, 1);
    layout->setRowStretch(2, 1);
    return tab;
}

QWidget* build_other_tab(SettingsControls& c, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("TSconf_other"));

    QGroupBox* document = group(QStringLiteral("Dokument naważania WZ "), tab);
    c.Eweightdoc_next = edit(QStringLiteral("Eweightdoc_next"), 90, document);
    c.Eweightdoc_format = edit(QStringLiteral("Eweightdoc_format"), 0, document);
    c.SBhelp_weightdoc_format = help_button("SBhelp_weightdoc_format", document);
    c.CBenable_change_weightdoc =
        check(QStringLiteral("CBenable_change_weightdoc"),
              QStringLiteral("Możliwość edycji numeru dokumentu ważenia:"), document);
    c.CBwz_print_content = new QComboBox(document);
    c.CBwz_print_content->setObjectName(QStringLiteral("CBwz_print_content"));
    c.CBwz_print_content->addItems({QStringLiteral("tylko masa łączna"),
                                    QStringLiteral("masa w podziale na wagi"),
                                    QStringLiteral("masa w podziale na materiały"),
                                    QStringLiteral("masa w podziale na wagi i materiały")});
    c.CBpn_en_206 =
        check(QStringLiteral("CBpn_en_206"), QStringLiteral("Dane PN-EN 206 na dokumencie WZ"), document);
    auto* format = new QHBoxLayout;
    format->addWidget(c.Eweightdoc_format);
    format->addWidget(c.SBhelp_weightdoc_format);
    // A row holding a layout gets no buddy from the form, so the field is given its caption here.
    QLabel* format_label =
        caption_label(QStringLiteral("Format dokumentu ważenia:"), c.Eweightdoc_format, document);
    auto* document_rows = new QFormLayout(document);
    document_rows->addRow(QStringLiteral("Numer następnego dokumentu ważenia:"), c.Eweightdoc_next);
    document_rows->addRow(format_label, format);
    document_rows->addRow(c.CBenable_change_weightdoc);
    document_rows->addRow(QStringLiteral("Zawartość wydruku WZ:"), c.CBwz_print_content);
    document_rows->addRow(c.CBpn_en_206);

    c.BBarchive = new QPushButton(QStringLiteral("Archiwizuj dane"), tab);
    c.BBarchive->setObjectName(QStringLiteral("BBarchive"));
    c.SBhelp_archive = help_button("SBhelp_archive", tab);
    auto* archive = new QHBoxLayout;
    archive->addWidget(c.BBarchive);
    archive->addWidget(c.SBhelp_archive);
    archive->addStretch();

    c.CBrunmaximized =
        check(QStringLiteral("CBrunmaximized"), QStringLiteral("Uruchamiaj w trybie pełnoekranowym:"), tab);
    c.CBblock_down_buttons =
        check(QStringLiteral("CBblock_down_buttons"), QStringLiteral("Blokuj wciśnięte przyciski:"), tab);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(document);
    layout->addLayout(archive);
    layout->addWidget(c.CBrunmaximized);
    layout->addWidget(c.CBblock_down_buttons);
    layout->addStretch();
    return tab;
}

QWidget* build_corrections_tab(SettingsControls& c, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("TSconf_korekty"));

    QGroupBox* dosing = group(QStringLiteral("Korekta dozowania "), tab);
    auto* about =
        new QLabel(QStringLiteral("Program uczy się, ile materiału spada jeszcze na wagę po zamknięciu "
                                  "dozowania, i wysyła miernikowi masę zadaną pomniejszoną o tę "
                                  "wartość."),
                   dosing);
    about->setWordWrap(true);
    c.CBkorekta_wlaczona = check(QStringLiteral("CBkorekta_wlaczona"),
                                 QStringLiteral("Korekta materiału w locie włączona:"), dosing);
    c.CBwyrownanie = check(QStringLiteral("CBwyrownanie"),
                           QStringLiteral("Wyrównanie sumy zlecenia w ostatnim cyklu:"), dosing);
    c.Ewspolczynnik = edit(QStringLiteral("Ewspolczynnik"), 90, dosing);
    c.Ewspolczynnik->setToolTip(
        QStringLiteral("Udział ostatniego dozowania w wyuczonej korekcie: więcej niż 0, najwyżej 1"));
    c.Emaks_procent = edit(QStringLiteral("Emaks_procent"), 90, dosing);
    c.Emaks_procent->setToolTip(QStringLiteral(
        "Korekta nigdy nie przekracza tego procentu masy zadanej: więcej niż 0, najwyżej 100"));
    auto* dosing_rows = new QFormLayout(dosing);
    dosing_rows->addRow(about);
    dosing_rows->addRow(c.CBkorekta_wlaczona);
    dosing_rows->addRow(c.CBwyrownanie);
    dosing_rows->addRow(QStringLiteral("Współczynnik uczenia:"), c.Ewspolczynnik);
    dosing_rows->addRow(QStringLiteral("Największa korekta [% masy zadanej]:"), c.Emaks_procent);

    QGroupBox* learned = group(QStringLiteral("Wyuczone korekty "), tab);
    c.LVkorekty =
        make_list(QStringLiteral("LVkorekty"), headers_of(CorrectionList::titles()), {2, 3}, learned);
    c.LVkorekty->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The list takes the room the other tabs leave, at least a few rows: the window keeps its size.
    c.LVkorekty->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    c.LVkorekty->setMinimumHeight(c.LVkorekty->fontMetrics().height() * 7);
    c.BBzeruj = named_button(learned, "BBzeruj", QStringLiteral("Zeruj"));
    c.BBzeruj->setToolTip(QStringLiteral(
        "Zeruj wybrane korekty, a gdy żadna nie jest wybrana, wszystkie (po wymianie ślimaka, zmianie "
        "zasuwy albo innym materiale w silosie)"));
    auto* learned_rows = new QVBoxLayout(learned);
    learned_rows->addWidget(c.LVkorekty, 1);
    learned_rows->addWidget(c.BBzeruj, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(dosing);
    layout->addWidget(learned, 1);
    return tab;
}

void show_learned(const SettingsControls& c, const TextTable& learned) {
    fill_list(c.LVkorekty, learned.rows, {}, {2, 3});
    c.BBzeruj->setEnabled(!learned.rows.empty());
}

void show_form(const SettingsControls& c, const SettingsForm& f) {
    c.RGNumPortu->button(f.port_choice)->setChecked(true);
    c.RGSzybkosc->button(f.speed_choice)->setChecked(true);
    c.SErs_timeout->setValue(f.rs_timeout);
    c.SErs_delay->setValue(f.rs_delay);
    c.SErs_delay_recipe->setValue(f.rs_delay_recipe);
    c.CBadmin_change_client->setChecked(f.admin_change_client);
    c.CBadmin_change_recipe->setChecked(f.admin_change_recipe);
    c.SPnumoffrac->setValue(f.total_precision);
    for (int n = 1; n <= kScales; ++n) {
        c.SEprecision[n]->setValue(f.precision[n]);
        c.Emax_weight[n]->setText(to_qt(f.max_weight[n]));
        c.CBweight_enabled[n]->setChecked(f.weight_enabled[n]);
        c.Emin_weight[n]->setText(to_qt(f.min_weight[n]));
        c.Esta_weight[n]->setText(to_qt(f.sta_weight[n]));
    }
    c.Eweightdoc_next->setText(to_qt(f.weightdoc_next));
    c.Eweightdoc_format->setText(to_qt(f.weightdoc_format));
    c.CBenable_change_weightdoc->setChecked(f.enable_change_weightdoc);
    c.CBwz_print_content->setCurrentIndex(f.wz_print_content);
    c.CBpn_en_206->setChecked(f.wz_pn_en_206);
    c.CBrunmaximized->setChecked(f.run_maximized);
    c.CBblock_down_buttons->setChecked(f.block_down_buttons);
    c.CBkorekta_wlaczona->setChecked(f.correction_enabled);
    c.CBwyrownanie->setChecked(f.correction_make_up);
    c.Ewspolczynnik->setText(to_qt(f.correction_weight));
    c.Emaks_procent->setText(to_qt(f.correction_percent));
}

SettingsForm read_form(const SettingsControls& c) {
    SettingsForm f;
    f.port_choice = c.RGNumPortu->checkedId();
    f.speed_choice = c.RGSzybkosc->checkedId();
    f.rs_timeout = c.SErs_timeout->value();
    f.rs_delay = c.SErs_delay->value();
    f.rs_delay_recipe = c.SErs_delay_recipe->value();
    f.admin_change_client = c.CBadmin_change_client->isChecked();
    f.admin_change_recipe = c.CBadmin_change_recipe->isChecked();
    f.total_precision = c.SPnumoffrac->value();
    for (int n = 1; n <= kScales; ++n) {
        f.precision[n] = c.SEprecision[n]->value();
        f.max_weight[n] = from_qt(c.Emax_weight[n]->text());
        f.weight_enabled[n] = c.CBweight_enabled[n]->isChecked();
        f.min_weight[n] = from_qt(c.Emin_weight[n]->text());
        f.sta_weight[n] = from_qt(c.Esta_weight[n]->text());
    }
    f.weightdoc_next = from_qt(c.Eweightdoc_next->text());
    f.weightdoc_format = from_qt(c.Eweightdoc_format->text());
    f.enable_change_weightdoc = c.CBenable_change_weightdoc->isChecked();
    f.wz_print_content = c.CBwz_print_content->currentIndex();
    f.wz_pn_en_206 = c.CBpn_en_206->isChecked();
    f.run_maximized = c.CBrunmaximized->isChecked();
    f.block_down_buttons = c.CBblock_down_buttons->isChecked();
    f.correction_enabled = c.CBkorekta_wlaczona->isChecked();
    f.correction_make_up = c.CBwyrownanie->isChecked();
    f.correction_weight = from_qt(c.Ewspolczynnik->text());
    f.correction_percent = from_qt(c.Emaks_procent->text());
    return f;
}

}  // namespace wazenie
