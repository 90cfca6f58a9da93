#pragma once

#include <optional>
#include <string>
#include <utility>

namespace wazenie {

// What failed and where (usually a file name), for the program's own message texts.
struct Error {
    std::string what;
    std::string where;
    int line = 0;  // the line (from 1) that could not be written; 0 when the failure is not about a line
};

// Success or an Error; a Result<T> also carries the value.
template <typename T = void>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    const Error& error() const { return error_; }

private:
    std::optional<T> value_;
    Error error_;
};

template <>
class Result<void> {
public:
    Result() = default;
    Result(Error error) : failed_(true), error_(std::move(error)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    bool failed_ = false;
    Error error_;
};

using Status = Result<void>;

}  // namespace wazenie
