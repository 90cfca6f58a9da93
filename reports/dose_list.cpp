#include "reports/dose_list.h"

#include <algorithm>
#include <stdexcept>

namespace wazenie {

std::optional<MassMilli> MassMilli::exactly(double kg) {
    const double milli = kg * 1000.0;
    if (!(std::fabs(milli) < std::numeric_limits<std::int32_t>::max() + 0.5)) {
        return std::nullopt;
    }
    MassMilli mass;
    mass.milli_ = static_cast<std::int32_t>(milli + (milli < 0 ? -0.5 : 0.5));
    return static_cast<double>(mass) == kg ? std::optional(mass) : std::nullopt;
}

const Dose& DoseList::operator[](std::size_t index) const {
    const auto run = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) -
                                              starts_.begin() - 1);
    return runs_[run][index - starts_[run]];
}

const Dose& DoseList::at(std::size_t index) const {
    if (index >= size_) {
        throw std::out_of_range("DoseList::at");
    }
    return (*this)[index];
}

void DoseList::append(std::vector<Dose>&& run) {
    if (run.empty()) {
        return;
    }
    starts_.push_back(size_);
    size_ += run.size();
    runs_.push_back(std::move(run));
}

bool DoseList::operator==(const DoseList& other) const {
    return size_ == other.size_ && std::equal(begin(), end(), other.begin());
}

}  // namespace wazenie
