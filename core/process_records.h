#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/indexed_array.h"

namespace wazenie {

inline constexpr int kScales = 4;
inline constexpr int kMaterials = 7;
inline constexpr int kCycles = 9;

using DateTime = double;  // days since 1899-12-30, local time; 0 = not set

namespace line_status {
inline constexpr int NONE = 0;
inline constexpr int SEND = 1;
inline constexpr int RECEIVED = 101;
}  // namespace line_status

namespace command_status {
inline constexpr int EMPTY = 0;
inline constexpr int SEND = 1;
inline constexpr int WAITING = 2;
}  // namespace command_status

namespace cycle_status {
inline constexpr int NOT_STARTED = 0;
inline constexpr int STARTED = 1;
inline constexpr int OPEN_TRAY = 2;
inline constexpr int COMPLETED = 3;
}  // namespace cycle_status

namespace run_mode {
inline constexpr int NONE = -1;
inline constexpr int STOPPED = 0;
inline constexpr int RUNNING = 1;
inline constexpr int PAUSED = 2;
}  // namespace run_mode

enum MeterMessageKind : int {
    CP_MSG_WEIGHT_QUESTION = 1,
    CP_MSG_START = 2,
    CP_MSG_STOP = 3,
    CP_MSG_PAUSE = 4,
    CP_MSG_RECIPE = 5,
    CP_MSG_TARE = 6,
    CP_MSG_ZERO = 7,
};

using CycleMasses = IndexedArray<double, kCycles>;

struct material_record {
    CycleMasses curr_weight{};
    double curr_total_weight = 0;
    std::string material_name;
    double recipe_weight_c1 = 0;
    double recipe_weight_clast = 0;
    double recipe_total_weight = 0;

    bool operator==(const material_record&) const = default;
};

using arr_material_record = IndexedArray<material_record, kMaterials>;

struct weight_record {
    bool weight_enabled = true;
    CycleMasses curr_weight{};
    CycleMasses curr_cycle_weight{};
    double curr_total_weight = 0;
    int curr_status = run_mode::STOPPED;
    int curr_cycle = 1;
    int curr_cycle_status = cycle_status::NOT_STARTED;
    int curr_material = 0;
    double prev_weight = 0;
    double recipe_total_weight_c1 = 0;
    double recipe_total_weight_clast = 0;
    double recipe_total_weight = 0;
    int max_weight = 100;
    double min_weight = 0;
    double sta_weight = 0;
    int precision = 0;
    // Decimal places the meter reads in recipe digits; absent: the shortest text, as meters always got.
    std::optional<int> meter_decimals;
    int cp_timeout_num = 0;
    int max_material = 0;
    arr_material_record m{};

    bool operator==(const weight_record&) const = default;
};

using Scales = IndexedArray<weight_record, kScales>;

struct recipe_record {
    std::string recipe_name;
    std::string recipe_client;
    std::string client_full_name;
    std::string client_address;
    std::string client_nip;
    std::string user_name;
    double curr_weight = 0;
    double recipe_total_weight = 0;
    int curr_cycle = 1;
    int total_cycle = 1;
    int total_cycle_init = 0;
    int view_cycle = 0;
    DateTime start_time = 0;
    DateTime stop_time = 0;
    // Tick counters wrap after about 223 days; compare them only through tick_distance().
    std::int32_t cp_tick = 0;
    int cp_status = line_status::NONE;
    int cp_msg = 0;
    int cp_weight_num = 0;
    std::int32_t cp_time = 0;
    std::string weight_doc;

    bool operator==(const recipe_record&) const = default;
};

// The pending command: at most one at a time.
struct pending_command {
    int status = command_status::EMPTY;
    int msg = 0;
    int rec_part = 0;
    int weight_num = 0;
    bool all_weights = false;
    int timeout_num = 0;

    bool operator==(const pending_command&) const = default;
};

// Everything a weighing process keeps for the life of the program: r, w[1..4] and cpq.
struct ProcessState {
    recipe_record r;
    Scales w;
    pending_command cpq;

    ProcessState() { set_start_values(); }
    void set_start_values();

    bool operator==(const ProcessState&) const = default;
};

// Ticks elapsed from `earlier` to `later`, correct across the 32-bit wrap of r.cp_tick.
inline std::int32_t tick_distance(std::int32_t later, std::int32_t earlier) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}

inline std::int32_t next_tick(std::int32_t tick) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(tick) + 1u);
}

// The mass of a material (or a scale's cycle mass) in cycle k: c1, plus the correction in the last cycle.
inline double cycle_mass(double c1, double clast, int cycle, int total_cycle) {
    return cycle == total_cycle ? c1 + clast : c1;
}

}  // namespace wazenie
