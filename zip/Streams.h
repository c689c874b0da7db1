#pragma once
// Streams of the archive library: an abstract byte stream, the file stream
// that opens files by path, a memory stream and a stream that holds nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "zip/ZipErrors.h"

namespace zip {

enum class SeekOrigin { Begin, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;
  // Bytes read; fewer than asked only at the end of the stream. An I/O error
  // raises EStreamError.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Bytes written; fewer than asked means the medium is full. Other I/O
  // errors raise EStreamError.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
  virtual void SetSize(std::int64_t size) = 0;
  virtual std::int64_t Size();
  // Makes written data durable; raises EStreamError when that fails.
  virtual void Flush() {}

  std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
  void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Begin); }
  // Exactly `count` bytes or EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies `count` bytes from `source` at its position (all remaining bytes
  // when count is negative); returns the bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A file opened by its UTF-8 path. Mode fmCreate creates or truncates;
// otherwise the low two bits of the mode select read, write or both. The
// sharing bits have no effect on this platform (no mandatory locks).
class TUniFileStream : public TStream {
 public:
  TUniFileStream(const std::string& fileName, std::uint16_t mode);
  // Takes over a descriptor the caller opened for `fileName`.
  TUniFileStream(int fd, const std::string& fileName);
  ~TUniFileStream() override;
  TUniFileStream(const TUniFileStream&) = delete;
  TUniFileStream& operator=(const TUniFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  std::int64_t Size() override;
  void Flush() override;
  // Closes the file; raises EStreamError when the system reports a failure
  // (a delayed write error). Safe to call twice.
  void Close();

  const std::string& FileName() const { return fileName_; }
  int Handle() const { return fd_; }

 private:
  [[noreturn]] void Fail(const char* what);
  std::string fileName_;
  int fd_ = -1;
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  std::vector<std::uint8_t>& Data() { return data_; }

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t pos_ = 0;
};

// Accepts every write and forgets it; used to test entries.
class TNullStream : public TStream {
 public:
  std::size_t Read(void*, std::size_t) override { return 0; }
  std::size_t Write(const void*, std::size_t count) override { return count; }
  std::int64_t Seek(std::int64_t, SeekOrigin) override { return 0; }
  void SetSize(std::int64_t) override {}
};

}  // namespace zip
