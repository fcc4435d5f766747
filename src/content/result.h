#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace content {

// A value, or the reason it could not be had, in the Bulgarian words a
// message box or a command line shows (as it stands, or inside a sentence of
// the caller's). A failure of the system also carries its error number, for
// a caller that words it itself.
template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(QString reason, int error = 0)
    {
        Result r;
        r.reason_ = std::move(reason);
        r.error_ = error;
        return r;
    }
    // The failure of another result, passed on.
    template <typename U>
    static Result failure(const Result<U>& failed)
    {
        return failure(failed.reason(), failed.error());
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    T value_or(T fallback) const { return value_ ? *value_ : std::move(fallback); }
    // Empty when the value is there.
    const QString& reason() const { return reason_; }
    // The system's error number behind the failure; 0 when there is none.
    int error() const { return error_; }

private:
    Result() = default;
    std::optional<T> value_;
    QString reason_;
    int error_ = 0;
};

// An operation that gives no value: done, or the reason it was not.
template <>
class Result<void> {
public:
    Result() = default;  // done
    static Result failure(QString reason, int error = 0)
    {
        Result r;
        r.failed_ = true;
        r.reason_ = std::move(reason);
        r.error_ = error;
        return r;
    }
    template <typename U>
    static Result failure(const Result<U>& failed)
    {
        return failure(failed.reason(), failed.error());
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    // Empty when done.
    const QString& reason() const { return reason_; }
    int error() const { return error_; }

private:
    bool failed_ = false;
    QString reason_;
    int error_ = 0;
};

using Done = Result<void>;

}  // namespace content
