#pragma once
// An int that one thread writes and another reads at any time (CliWord and
// DpiIndex, which the GUI reads outside the display steps). Copies like a
// plain int, so the record holding it stays a plain record.
#include <atomic>

namespace printerthread {

class SharedInt {
 public:
  SharedInt(int value = 0) : value_(value) {}  // NOLINT: used like an int
  SharedInt(const SharedInt& other) : value_(other.load()) {}
  SharedInt& operator=(const SharedInt& other) {
    value_.store(other.load(), std::memory_order_relaxed);
    return *this;
  }
  SharedInt& operator=(int value) {
    value_.store(value, std::memory_order_relaxed);
    return *this;
  }
  operator int() const { return load(); }  // NOLINT
  int load() const { return value_.load(std::memory_order_relaxed); }

 private:
  std::atomic<int> value_;
};

}  // namespace printerthread
