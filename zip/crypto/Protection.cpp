#include "zip/crypto/Protection.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "zip/crypto/CipherMessages.h"
#include "zip/crypto/Crc16.h"
#include "zip/crypto/Progress.h"
#include "zip/crypto/StringFormat.h"

namespace zip {

const TClassInfo TProtection::Class = {"TProtection", nullptr};

std::string GetShortClassName(const TClassInfo* cls) {
  if (!cls) return {};
  auto pos = cls->Name.find('_');
  return std::string(pos == std::string_view::npos ? cls->Name : cls->Name.substr(pos + 1));
}

TProtection::TProtection(std::shared_ptr<TProtection> protection, const TClassInfo& cls) : class_(&cls) {
  SetProtection(std::move(protection));
}

TProtection::TProtection(NoChainTag, const TClassInfo& cls) : Actions(), class_(&cls) {}

TProtection::~TProtection() = default;

std::uint16_t TProtection::Identity(const TClassInfo& cls) {
  return static_cast<std::uint16_t>(~CRC16(0x1234, cls.Name.data(), cls.Name.size()));
}

void TProtection::SetProtection(std::shared_ptr<TProtection> protection) {
  if (protection == protection_) return;
  for (const TProtection* p = protection.get(); p; p = p->protection_.get())
    if (p == this) throw EProtection(_sProtectionCircular);
  protection_ = std::move(protection);
}

void TProtection::CodeInit(TPAction action) {
  if (protection_) protection_->CodeInit(action);
}

void TProtection::CodeDone(TPAction action) {
  if (protection_) protection_->CodeDone(action);
}

void TProtection::CodeBuf(void* buffer, std::int32_t length, TPAction action) {
  if (protection_) protection_->CodeBuf(buffer, length, action);
}

namespace {

constexpr std::int64_t kPieceSize = 4096;

// Runs `done` when the scope ends, also through an exception.
template <class F>
struct Finally {
  F done;
  ~Finally() noexcept(false) { done(); }
};
template <class F>
Finally(F) -> Finally<F>;

}  // namespace

void TProtection::CodeStream(std::iostream* source, std::iostream* destination, std::int64_t size,
                             TPAction action) {
  if (!source) return;
  std::iostream* target = destination ? destination : source;
  if (size < 0) {
    source->seekg(0, std::ios::end);
    size = static_cast<std::int64_t>(source->tellg());
    source->seekg(0);
  }
  std::int64_t readPos = static_cast<std::int64_t>(source->tellg());
  std::int64_t writePos = target == source ? readPos : static_cast<std::int64_t>(target->tellp());
  if (readPos < 0 || writePos < 0) throw EProtection("Stream position unavailable");

  CodeInit(action);
  std::vector<char> piece;
  Finally end{[&] {
    DoProgress(this, 0, 0);
    piece.clear();
    piece.shrink_to_fit();
    CodeDone(action);
  }};
  DoProgress(this, 0, size);
  piece.resize(static_cast<std::size_t>(std::min(size, kPieceSize)));
  for (std::int64_t done = 0; done < size;) {
    auto n = static_cast<std::int32_t>(std::min(size - done, kPieceSize));
    // Reads and writes seek first, so one stream can be worked in place.
    source->clear();
    source->seekg(readPos);
    source->read(piece.data(), n);
    if (source->gcount() != n) throw EProtection("Stream read error");
    readPos += n;
    CodeBuf(piece.data(), n, action);
    if (action != paCalc) {
      target->clear();
      target->seekp(writePos);
      target->write(piece.data(), n);
      if (!*target) throw EProtection("Stream write error");
      writePos += n;
    }
    done += n;
    DoProgress(this, done, size);
  }
  source->seekg(readPos);
  if (action != paCalc) target->seekp(writePos);
}

namespace {

bool SameNameNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsBlank(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::int64_t FileSizeOf(std::fstream& f) {
  f.seekg(0, std::ios::end);
  auto size = static_cast<std::int64_t>(f.tellg());
  f.seekg(0);
  return size;
}

}  // namespace

void TProtection::CodeFile(const std::string& source, const std::string& destination, TPAction action) {
  const bool separate = (!SameNameNoCase(source, destination) && !IsBlank(destination)) || action == paCalc;
  if (separate) {
    std::fstream in(source, std::ios::in | std::ios::binary);
    if (!in) throw EProtection("Cannot open file \"" + source + "\"");
    if (action == paCalc) {
      CodeStream(&in, &in, FileSizeOf(in), action);
      return;
    }
    std::fstream out(destination, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out) throw EProtection("Cannot create file \"" + destination + "\"");
    CodeStream(&in, &out, FileSizeOf(in), action);
    auto end = static_cast<std::uintmax_t>(out.tellp());
    out.close();
    std::filesystem::resize_file(destination, end);
  } else {
    std::fstream io(source, std::ios::in | std::ios::out | std::ios::binary);
    if (!io) throw EProtection("Cannot open file \"" + source + "\"");
    CodeStream(&io, nullptr, FileSizeOf(io), action);
  }
}

std::string TProtection::CodeString(const std::string& source, TPAction action, int format) {
  if (source.empty()) return {};
  std::string data = action == paDecode ? FormatToStr(source, format) : source;
  std::stringstream stream(data, std::ios::in | std::ios::out | std::ios::binary);
  CodeStream(&stream, nullptr, static_cast<std::int64_t>(data.size()), action);
  std::string result = stream.str();
  return action == paDecode ? result : StrToFormat(result, format);
}

std::int32_t TProtection::CodeBuffer(void* buffer, std::int32_t size, TPAction action) {
  CodeInit(action);
  Finally end{[&] { CodeDone(action); }};
  CodeBuf(buffer, size, action);
  return size;
}

}  // namespace zip
