#pragma once
// A value or the message that says why there is none. Loaders of outside data (the container, the
// movie inside it, pictures) return this instead of throwing, so the caller decides how a failure
// is shown: start-up stops with the message, the container tool prints it and exits non-zero.

#include <QString>
#include <optional>
#include <utility>

namespace valdorn {

template <class T>
class [[nodiscard]] Expected {
public:
    Expected(T value) : value_(std::move(value)) {}
    static Expected failure(QString message) {
        Expected result;
        result.error_ = std::move(message);
        return result;
    }

    [[nodiscard]] bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    // Empty when ok().
    [[nodiscard]] const QString& error() const { return error_; }

private:
    Expected() = default;
    std::optional<T> value_;
    QString error_;
};

}  // namespace valdorn
