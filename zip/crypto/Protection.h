#pragma once
// Base of the cipher and hash classes: a chain of protections that work on
// the same data in turn, and the drivers that feed buffers, streams, files
// and strings through the chain. Objects are shared through std::shared_ptr;
// a chained protection is kept alive by the protection that holds it.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

#include "zip/crypto/ClassInfo.h"

namespace zip {

enum TPAction : std::uint8_t { paEncode = 0, paDecode = 1, paScramble = 2, paCalc = 3, paWipe = 4 };

// A set of TPAction values.
class TPActions {
 public:
  constexpr TPActions() = default;
  constexpr TPActions(std::initializer_list<TPAction> actions) {
    for (auto a : actions) bits_ |= Bit(a);
  }
  static constexpr TPActions All() { return TPActions{paEncode, paDecode, paScramble, paCalc, paWipe}; }
  constexpr bool Contains(TPAction a) const { return bits_ & Bit(a); }
  constexpr void Include(TPAction a) { bits_ |= Bit(a); }
  constexpr void Exclude(TPAction a) { bits_ &= static_cast<std::uint8_t>(~Bit(a)); }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TPActions, TPActions) = default;

 private:
  static constexpr std::uint8_t Bit(TPAction a) { return static_cast<std::uint8_t>(1u << a); }
  std::uint8_t bits_ = 0;
};

class EProtection : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TProtection {
 public:
  static const TClassInfo Class;

  explicit TProtection(std::shared_ptr<TProtection> protection = nullptr, const TClassInfo& cls = Class);
  virtual ~TProtection();
  TProtection(const TProtection&) = delete;
  TProtection& operator=(const TProtection&) = delete;

  const TClassInfo& ClassInfo() const { return *class_; }
  // The complement of CRC16(0x1234) over the class name.
  static std::uint16_t Identity(const TClassInfo& cls);
  std::uint16_t Identity() const { return Identity(*class_); }

  const std::shared_ptr<TProtection>& GetProtection() const { return protection_; }
  // Throws EProtection when the chain would lead back to this object.
  void SetProtection(std::shared_ptr<TProtection> protection);

  // The actions this object takes part in; the chain works regardless.
  TPActions Actions = TPActions::All();

  // Hooks; the base passes each call on to the chained protection.
  virtual void CodeInit(TPAction action);
  virtual void CodeDone(TPAction action);
  virtual void CodeBuf(void* buffer, std::int32_t length, TPAction action);

  // Works `size` bytes from the source's position (size < 0: the whole
  // source from its start) in pieces of at most 4096 bytes, writing to the
  // destination or, without one, back into the source.
  virtual void CodeStream(std::iostream* source, std::iostream* destination, std::int64_t size, TPAction action);
  // Different names (case-insensitively) and a destination, or paCalc:
  // source read, destination created; otherwise the file is worked in place.
  virtual void CodeFile(const std::string& source, const std::string& destination, TPAction action);
  // paDecode takes text in the string format and returns raw bytes; every
  // other action takes raw bytes and returns text in the format.
  virtual std::string CodeString(const std::string& source, TPAction action, int format);
  virtual std::int32_t CodeBuffer(void* buffer, std::int32_t size, TPAction action);

 protected:
  struct NoChainTag {};
  // Neither chain nor actions: the bare object the raw-key cipher set-up uses.
  TProtection(NoChainTag, const TClassInfo& cls);

 private:
  const TClassInfo* class_;
  std::shared_ptr<TProtection> protection_;
};

// True when p is an object of cls or of a class derived from it. Ownership
// through shared_ptr keeps every reachable object alive, so "live" needs no
// further check here.
inline bool IsObject(const TProtection* p, const TClassInfo& cls) {
  return p && InheritsFrom(&p->ClassInfo(), &cls);
}

}  // namespace zip
