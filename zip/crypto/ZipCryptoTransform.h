#pragma once
// The per-entry encryption transform the archive code drives without knowing
// the cipher behind it. One transform lives for one entry.
//
// Writing an entry:
//   t->Initialize(TCryptoTransformMode::Encryption, &item);
//   t->GenerateKey(password);                      // fresh salt and keys
//   write t->GetFileStorageStartBlock();           // before the cipher text
//   for each block of compressed output:
//     t->EncryptBuffer(buf, 0, n, buf, 0); write it;
//   write t->GetFileStorageEndBlock();             // after the cipher text
//   compressed size += GetFileStorageStartBlockSize() + GetFileStorageEndBlockSize()
//   the local and central headers carry GetExtraFieldData().
//
// Reading an entry:
//   t->Initialize(TCryptoTransformMode::Decryption, &item);
//   t->GenerateKey(password);
//   t->LoadFileStorageStartBlock(stream, 0);       // stream at the entry data
//   if (!t->CheckPassword(password, &item)) ask again, GenerateKey(answer), reload;
//   cipher-text length = compressed size - start block size - end block size
//   for each chunk: t->DecryptBuffer(buf, 0, n, buf, 0); inflate;
//   t->LoadFileStorageEndBlock(stream, 0);         // right after the cipher text
//   if (t->IsDirItemCorrupted(&item, crc)) fail the entry.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace zip {

// The archive's in-memory entry record. The transforms take it to keep the
// calls uniform but do not read it.
struct TDirItem;

enum class TCryptoTransformMode : std::uint8_t { Encryption = 0, Decryption = 1 };

// One extra field of an entry: header ID, data size and the data (which may
// be absent, then only the 4-byte header is written).
struct TZipExtraFieldDataBlock {
  std::uint16_t HeaderId = 0;
  std::uint16_t DataSize = 0;
  std::vector<std::uint8_t> Data;
};

class TZipCryptoTransform {
 public:
  virtual ~TZipCryptoTransform() = default;

  // Keeps the password and (re)computes the keys.
  virtual void GenerateKey(const std::string& password) = 0;
  // True when the password fits the loaded start block; changes no key.
  virtual bool CheckPassword(const std::string& password, const TDirItem* item) = 0;
  virtual const std::vector<std::uint8_t>& GetKey() const = 0;
  virtual const std::string& GetPassword() const = 0;
  // Stores the direction; the entry record is not used.
  virtual void Initialize(TCryptoTransformMode mode, const TDirItem* item) { mode_ = mode; }
  virtual void Reset() = 0;
  // Deciphers / enciphers count bytes from source[sourceIndex] into
  // destination[destinationIndex]; the two may be the same buffer. Returns count.
  virtual std::int32_t DecryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex, std::int32_t count,
                                     std::uint8_t* destination, std::int32_t destinationIndex) = 0;
  virtual std::int32_t EncryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex, std::int32_t count,
                                     std::uint8_t* destination, std::int32_t destinationIndex) = 0;
  // The bytes written before the cipher text.
  virtual std::vector<std::uint8_t> GetFileStorageStartBlock() = 0;
  // Moves the stream by offset from its position and reads the start block.
  // False when the stream ended first.
  [[nodiscard]] virtual bool LoadFileStorageStartBlock(std::istream& stream, std::int64_t offset) = 0;
  virtual std::int32_t GetFileStorageStartBlockSize() const = 0;
  // The bytes written after the cipher text (finishes the authentication).
  virtual std::vector<std::uint8_t> GetFileStorageEndBlock() = 0;
  [[nodiscard]] virtual bool LoadFileStorageEndBlock(std::istream& stream, std::int64_t offset) = 0;
  virtual std::int32_t GetFileStorageEndBlockSize() const = 0;
  // True when the entry failed its integrity check.
  virtual bool IsDirItemCorrupted(const TDirItem* item, std::uint32_t crc32) = 0;
  virtual void GetExtraFieldData(TZipExtraFieldDataBlock& block) = 0;

  // The same loads from bytes the caller already read.
  [[nodiscard]] bool LoadFileStorageStartBlock(const std::uint8_t* block, std::size_t size);
  [[nodiscard]] bool LoadFileStorageEndBlock(const std::uint8_t* block, std::size_t size);

  TCryptoTransformMode Mode() const { return mode_; }

 protected:
  TCryptoTransformMode mode_ = TCryptoTransformMode::Encryption;
};

}  // namespace zip
