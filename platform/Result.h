#pragma once
// Results of fallible operations. Both types are [[nodiscard]] so a caller
// cannot drop a failure on the floor by accident.
#include <optional>
#include <string>
#include <utility>

namespace platform {

class [[nodiscard]] Status {
 public:
  static Status Ok() { return Status(); }
  static Status Fail(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !error_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const {
    static const std::string none;
    return error_ ? *error_ : none;
  }

 private:
  Status() = default;
  explicit Status(std::string message) : error_(std::move(message)) {}
  std::optional<std::string> error_;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  Result(Status failure) : error_(failure.error()) {}  // NOLINT

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  const std::string& error() const { return error_; }
  Status status() const { return ok() ? Status::Ok() : Status::Fail(error_); }

 private:
  std::optional<T> value_;
  std::string error_;
};

}  // namespace platform
