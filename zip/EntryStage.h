#pragma once
// One step that an entry's bytes pass on their way between a file and an
// archive. Stages are chained, each handing its output to the next one:
//
//   writing  file -> CRC -> deflate -> cipher -> MAC -> archive
//   reading  archive -> MAC -> cipher -> inflate -> CRC -> file
//
// Every stage has the same two calls, so a chain is put together from the
// steps an entry needs (no cipher for a plain entry, no deflate for a stored
// one) and the same chain serves a file, a memory buffer or a volume set at
// either end.
#include <cstddef>
#include <cstdint>

namespace zip {

class EntryStage {
 public:
  explicit EntryStage(EntryStage* next = nullptr) : next_(next) {}
  virtual ~EntryStage() = default;
  EntryStage(const EntryStage&) = delete;
  EntryStage& operator=(const EntryStage&) = delete;

  // Takes `size` bytes. False when the work is to stop: the target gave up,
  // the data is bad or longer than declared, or the work was cancelled.
  [[nodiscard]] virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
  // No more bytes follow: hands on what the stage still holds, then tells
  // the next stage.
  [[nodiscard]] virtual bool Finish() { return !next_ || next_->Finish(); }

 protected:
  [[nodiscard]] bool Pass(const std::uint8_t* data, std::size_t size) {
    return !next_ || size == 0 || next_->Write(data, size);
  }
  EntryStage* next_;
};

}  // namespace zip
