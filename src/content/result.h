#pragma once

#include <QString>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace content {

// A value, or the reason it could not be had, in the Bulgarian words a
// message box or a command line shows (as it stands, or inside a sentence of
// the caller's). A failure of the system also carries its error number, for
// a caller that words it itself. Result<void> (Done) is an operation that
// gives no value: done, or the reason it was not.
template <typename T>
class Result {
    static constexpr bool Void = std::is_void_v<T>;
    using Value = std::conditional_t<Void, std::monostate, T>;

public:
    Result() requires Void : value_(std::monostate{}) {}
    Result(Value value) requires(!Void) : value_(std::move(value)) {}
    static Result failure(QString reason, int error = 0)
    {
        Result r{Failed{}};
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
    const Value& value() const requires(!Void) { return *value_; }
    Value& value() requires(!Void) { return *value_; }
    const Value& operator*() const requires(!Void) { return *value_; }
    Value& operator*() requires(!Void) { return *value_; }
    const Value* operator->() const requires(!Void) { return &*value_; }
    Value* operator->() requires(!Void) { return &*value_; }
    Value value_or(Value fallback) const requires(!Void) { return value_ ? *value_ : std::move(fallback); }
    // Empty when the value is there.
    const QString& reason() const { return reason_; }
    // The system's error number behind the failure; 0 when there is none.
    int error() const { return error_; }

private:
    struct Failed {};
    explicit Result(Failed) {}

    std::optional<Value> value_;
    QString reason_;
    int error_ = 0;
};

using Done = Result<void>;

}  // namespace content
