#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

namespace wazenie {

// A mass in thousandths of a kg, which holds every mass the logs can (the scales log at most 3
// decimals) exactly, in half the room of a double: a year holds millions of doses. It reads as the
// double the logged text gives.
class MassMilli {
public:
    constexpr MassMilli() = default;
    // Rounded to the nearest thousandth.
    MassMilli(double kg) : milli_(static_cast<std::int32_t>(std::llround(kg * 1000.0))) {}
    // Nothing when `kg` is not a whole number of thousandths within the range.
    static std::optional<MassMilli> exactly(double kg);
    // Nothing outside the range.
    static std::optional<MassMilli> of_milli(std::int64_t milli) {
        if (milli < std::numeric_limits<std::int32_t>::min() ||
            milli > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        MassMilli mass;
        mass.milli_ = static_cast<std::int32_t>(milli);
        return mass;
    }
    operator double() const { return milli_ / 1000.0; }
    std::int32_t milli() const { return milli_; }

private:
    std::int32_t milli_ = 0;
};

// One material's dose in one cycle of one process, as the log tells it. `process` indexes
// ProductionAnalysis::processes, `material` ProductionAnalysis::material_names.
struct Dose {
    std::uint32_t process = 0;
    std::uint16_t material = 0;  // the doses of names past the 65536th of a range are passed over
    std::uint8_t scale = 0;      // 1..4
    std::uint8_t cycle = 0;      // 1..9
    MassMilli target;            // the recipe's mass of the material in that cycle
    MassMilli dosed;             // the mass the meter reported

    bool operator==(const Dose&) const = default;
};

// The finished doses of an analysis in log order, kept in the runs they were read in (a month's log
// each): a year's doses, written once by the threads that read them, are not copied into one block.
class DoseList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Dose;
        using difference_type = std::ptrdiff_t;
        using pointer = const Dose*;
        using reference = const Dose&;

        const_iterator() = default;
        reference operator*() const { return (*runs_)[run_][at_]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            if (++at_ == (*runs_)[run_].size()) {
                at_ = 0;
                ++run_;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return run_ == other.run_ && at_ == other.at_; }

    private:
        friend class DoseList;
        const_iterator(const std::vector<std::vector<Dose>>* runs, std::size_t run)
            : runs_(runs), run_(run) {}
        const std::vector<std::vector<Dose>>* runs_ = nullptr;
        std::size_t run_ = 0;
        std::size_t at_ = 0;
    };

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // The dose at `index` in log order; at() throws std::out_of_range past the end.
    const Dose& operator[](std::size_t index) const;
    const Dose& at(std::size_t index) const;
    const_iterator begin() const { return {&runs_, 0}; }
    const_iterator end() const { return {&runs_, runs_.size()}; }

    // The doses of a run that follows in the log, taken as they are.
    void append(std::vector<Dose>&& run);

    // The same doses in the same order, however they are split.
    bool operator==(const DoseList& other) const;

private:
    std::vector<std::vector<Dose>> runs_;  // none empty
    std::vector<std::size_t> starts_;      // the index of each run's first dose
    std::size_t size_ = 0;
};

}  // namespace wazenie
