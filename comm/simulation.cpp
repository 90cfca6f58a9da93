#include "comm/simulation.h"

#include <algorithm>
#include <cmath>

#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr int kDosingStatus = encode_status({1, run_mode::RUNNING, 0});
constexpr int kEmptyingStatus = encode_status({kEmptyingB03, 0, 0});
constexpr int kStoppedStatus = encode_status({0, 0, 0});

// Nearest integer, halves to the even neighbour; kept within a range any mass field can show.
long long whole_kg(double kg) {
    const double r = std::nearbyint(std::clamp(kg, -1e12, 1e12));
    return static_cast<long long>(r);
}

bool in_scales(int n) {
    return IndexedArray<int, kScales>::in_range(n);
}

const weight_record* current_scale(const ProcessState& p, int n) {
    if (!in_scales(n) || !CycleMasses::in_range(p.w[n].curr_cycle)) {
        return nullptr;
    }
    return &p.w[n];
}

double reading(const weight_record& w) {
    return w.curr_weight[w.curr_cycle];
}

}  // namespace

void Simulation::auto_answer_tick() {
    if (p_.r.cp_status != line_status::SEND) {
        return;
    }
    const int n = p_.r.cp_weight_num;
    if (in_scales(n) && !scales[n].auto_answer) {
        return;
    }
    switch (p_.r.cp_msg) {
        case CP_MSG_WEIGHT_QUESTION:
            answer_weight_question(n);
            break;
        case CP_MSG_START:
        case CP_MSG_STOP:
        case CP_MSG_PAUSE:
        case CP_MSG_RECIPE:
            answer_(std::string(1, 'P') + std::to_string(p_.cpq.weight_num));
            break;
        default:
            break;
    }
}

void Simulation::answer_weight_question(int n) {
    const weight_record* w = current_scale(p_, n);
    if (!w) {
        return;
    }
    if (auto_tank) {
        update_auto_tank(n);
    }
    const SimulatedScale& s = scales[n];
    const double e = reading(*w);
    const long long r = whole_kg(e);
    long long mass = r;
    int status = kDosingStatus;
    if (s.tank_open) {
        mass = e > 0 ? r - s.open_step : r;
        status = kEmptyingStatus;
    } else if (auto_tank && w->curr_cycle_status == cycle_status::COMPLETED) {
        status = kStoppedStatus;
    } else if (e < w->recipe_total_weight_c1) {
        mass = r + s.delta;
    }
    answer_(weight_answer_frame(n, status, pad_left(std::to_string(mass), 9)));
}

void Simulation::update_auto_tank(int n) {
    const weight_record& w = p_.w[n];
    SimulatedScale& s = scales[n];
    // A scale moved on to its next cycle before it was asked again closes its tank too.
    const bool emptied =
        w.curr_cycle_status == cycle_status::COMPLETED || w.curr_cycle_status == cycle_status::NOT_STARTED;
    if (s.tank_open && emptied) {
        set_tank_open(n, false);
    } else if (!s.tank_open && w.curr_cycle_status == cycle_status::STARTED &&
               reading(w) >= w.recipe_total_weight_c1) {
        set_tank_open(n, true);
    }
}

void Simulation::set_tank_open(int scale, bool open) {
    SimulatedScale& s = scales[scale];
    s.tank_open = open;
    const weight_record* w = current_scale(p_, scale);
    const long long r = w ? whole_kg(reading(*w)) : 0;
    s.open_step = static_cast<int>(std::max(1LL, r / 10));
}

void Simulation::receive_manual_weight() {
    const int status = encode_status({manual.b03, manual.b45, manual.b67});
    answer_(weight_answer_frame(manual.x, status, manual.weight));
}

void Simulation::receive_manual_text() {
    answer_(manual.text);
}

const std::vector<std::string_view>& simulation_help_lines() {
    static const std::vector<std::string_view> lines = {
        "Tryb symulacji",
        "-----------------------",
        "",
        "Program w trybie symulacji przedstawia w sposób graficzny proces naważania niezależnego dla każdej ",
        "z wag.",
        "",
        "1.\tWciśnij przycisk [Parametry naważania] w prawym górnym rogu ekranu; wybierz recepturę i ",
        "łączną masę do naważenia",
        "",
        "",
        "2.\tWłącz symulację dla każdej z wag włączonych do systemu (dół ekranu); słupki obrazujące masę ",
        "naważonych substancji zaczną rosnąć dla każdej z wag, która wg receptury miała odważać substancję ",
        "",
        "",
        "3.\tPo ustabilizowaniu się słupków naciśnij przycisk [Otwórz zbio.] dla każdej z wag; słupki ",
        "obrazujące masę naważonych substancji zaczną szybko opadać",
        "",
        "",
        "4.\tPo opadnięciu słupków wyłącz przycisk [Otwórz zbio.]; słupki obrazujące masę naważonych ",
        "substancji zaczną ponownie rosnąć (naważanie następnego cyklu)",
        "",
        "",
        "5.\tPo zakończeniu wszystkich cyklów naciśnij przycisk [Stop] w lewym górnym rogu ekranu; aby ",
        "rozpocząć nowy proces symulacji naważania przejdź do pkt 1.",
        "",
        "Uwagi:",
        "-----------",
        "",
        "·\tw trybie symulacji nie działają przyciski sterowania [Start], [Stop] i [Pauza]",
        "·\tsymulacja naważania pokazuje naważanie wyłącznie pierwszej substancji na każdej z wag ",
        "odważając masę równą sumie wszystkich mas do odważenia na danej wadze",
    };
    return lines;
}

}  // namespace wazenie
