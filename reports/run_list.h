#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace wazenie {

// What an analysis lists in log order (its doses and processes), kept in the runs they were read in,
// a month's log each: a year's millions of entries, written once by the threads that read them, are not
// copied into one block.
template <typename T>
class RunList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

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
        friend class RunList;
        const_iterator(const std::vector<std::vector<T>>* runs, std::size_t run) : runs_(runs), run_(run) {}
        const std::vector<std::vector<T>>* runs_ = nullptr;
        std::size_t run_ = 0;
        std::size_t at_ = 0;
    };

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // The entry at `index` in log order; at() throws std::out_of_range past the end.
    const T& operator[](std::size_t index) const {
        const auto run = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) -
                                                  starts_.begin() - 1);
        return runs_[run][index - starts_[run]];
    }
    const T& at(std::size_t index) const {
        if (index >= size_) {
            throw std::out_of_range("RunList::at");
        }
        return (*this)[index];
    }
    const_iterator begin() const { return {&runs_, 0}; }
    const_iterator end() const { return {&runs_, runs_.size()}; }

    // The entries of a run that follows in the log, taken as they are.
    void append(std::vector<T>&& run) {
        if (run.empty()) {
            return;
        }
        starts_.push_back(size_);
        size_ += run.size();
        runs_.push_back(std::move(run));
    }

    // The same entries in the same order, however they are split.
    bool operator==(const RunList& other) const {
        return size_ == other.size_ && std::equal(begin(), end(), other.begin());
    }

private:
    std::vector<std::vector<T>> runs_;  // none empty
    std::vector<std::size_t> starts_;   // the index of each run's first entry
    std::size_t size_ = 0;
};

}  // namespace wazenie
