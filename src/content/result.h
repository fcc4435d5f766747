#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace content {

// A value, or the reason it could not be had: one Bulgarian sentence a
// message box or a command line can show as it stands.
template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(QString reason)
    {
        Result r;
        r.reason_ = std::move(reason);
        return r;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // Empty when the value is there.
    const QString& reason() const { return reason_; }

private:
    Result() = default;
    std::optional<T> value_;
    QString reason_;
};

}  // namespace content
