#pragma once
// The locked container that data sets and backups are stored in: the
// header "LOCK_V0100 %08X" (the printer link's checksum of the payload,
// upper-case hex) followed by the payload with every byte inverted. Both
// operations write their output beside the target and put it in place only
// when complete, so a failure never costs the file that was there.
//
// Paths are local UTF-8 paths with "/" separators.
#include <string>

namespace zip::container {

inline constexpr char kLockWord[] = "LOCK_V0100";

// Results of Lock. The numbers are those the archive service has always
// returned; callers and stored logs know them.
enum LockResult : int {
  kLockDone = 0,
  kLockInputUnreadable = -1,    // the input cannot be opened or read
  kLockTargetUnusable = -10,    // the target's folder is missing, or the target is a folder
  kLockTargetNotCreated = -11,  // the new container cannot be created beside the target
  kLockHeaderNotWritten = -20,
  kLockWriteFailed = -31,       // writing the payload or putting the container in place failed
};

// Results of Unlock, numbered as the archive service's.
enum UnlockResult : int {
  kUnlockDone = 0,
  kUnlockInputUnreadable = -1,      // the container cannot be opened or read
  kUnlockTargetUnusable = -10,      // as for Lock, or an old target that cannot be removed
  kUnlockWriteFailed = -11,         // the output cannot be created, written or put in place
  kUnlockNoHeader = -20,            // no word and checksum at the start
  kUnlockWrongWord = -21,           // a word other than kLockWord
  kUnlockChecksumMismatch = -30,    // the payload does not match the header's checksum
};

// Wraps the file `inFile` into a container at `outFile`.
LockResult Lock(const std::string& inFile, const std::string& outFile);
// Takes the payload of the container `inFile` out to `outFile`. An old
// `outFile` is removed first, so a failure leaves none.
UnlockResult Unlock(const std::string& inFile, const std::string& outFile);

// What a result says, for the log.
const char* ResultText(LockResult result);
const char* ResultText(UnlockResult result);

}  // namespace zip::container
