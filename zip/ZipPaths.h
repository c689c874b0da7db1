#pragma once
// Path helpers of the archiver: how masks and folders resolve to absolute
// paths and how a file path becomes a stored name. Local paths use "/"; an
// absolute path starts with "/" (there are no drives on this platform).
#include <string>

#include "zip/ZipTypes.h"

namespace zip {

// A name given by a caller, with "\" taken as "/".
WideString Slashed(WideString name);
// One "/" appended unless there is one; "" becomes "/".
std::string AddTrailingBackslash(const std::string& path);
std::string DropTrailingBackslash(const std::string& path);
std::string BaseFolderOf(const std::string& base, const std::string& currentFolder);
// The absolute path that a mask or folder stands for.
std::string ResolveArchivePath(const std::string& base, const std::string& mask, const std::string& currentFolder);
// The stored name ("/" separators, no leading "/" except with
// spFullPathWithDrive) of a file under a base folder.
std::string MakeStoredName(const std::string& filePath, const std::string& baseFolder, TZipStorePathMode mode,
                           const std::string& currentFolder);
// `target` relative to the folder `base` (which ends in "/"); "../" steps
// where the two part.
std::string ExtractRelativePath(const std::string& base, const std::string& target);
// Removes `folder` and its subfolders as long as they hold no files; true
// when the folder is gone afterwards.
bool DelTreeIfNoFiles(const std::string& folder);
// There are no floppy drives here. A removable drive is one whose block
// device the kernel marks removable (for a partition: its disk) or hangs on
// a USB port; a path that does not exist yet is on the drive of its nearest
// existing folder; a path that cannot be looked at, or lies on no block
// device, is not on one.
inline bool IsFloppyDrive(const std::string&) { return false; }
bool IsRemovableDrive(const std::string& path);
// The same for a device number (st_dev).
bool IsRemovableDevice(std::uint64_t device);
// The look-up behind it for the block device major:minor, in the sysfs tree
// at `sysfsRoot` ("/sys").
bool IsRemovableBlockDevice(unsigned major, unsigned minor, const std::string& sysfsRoot);
// The block device (st_rdev) that the mount table at `mountInfo`
// ("/proc/self/mountinfo") names as the source of the mount with the device
// number `device`; `device` itself when there is none.
std::uint64_t MountSourceDevice(std::uint64_t device, const std::string& mountInfo);

// Checks a stored name before anything is written for it: false for names
// that are empty, absolute, carry a drive letter, or contain a ".." component
// or a NUL. `relative` receives the local relative path ("\" taken as a
// separator too, "." components dropped); it is empty for a name such as
// "./" that stands for the target folder itself.
bool SafeRelativeName(const WideString& storedName, std::string& relative);

}  // namespace zip
