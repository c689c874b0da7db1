#pragma once
// The whole print data in files: the group file (g23) and one print-text
// file (j23) per print text in use, side by side and named after the group
// path (see DataFileNames.h). Version 9 is written, 6 to 9 are read.
//
// The number of print texts in use lives beside the group (the data view's
// count), so both operations take it as a parameter. Every failure sounds
// the error beep and is returned.
#include <string>
#include <vector>

#include "platform/Result.h"
#include "printdata/PrintGroup.h"

namespace printdata {

// Writes print texts 0 to count - 1, then the group file. The file named by
// `path` itself and every print-text file of the base name (001 to 099) are
// deleted first, so none of an earlier, longer group survives; nothing is
// deleted when the group cannot be written at all (a count outside 0 to 99,
// a bad path, a graphic size outside 1 to 1000, a line break in a one-line
// field). Layers that are not graphics get the graphic size 12 x 24 in
// `group` itself. A print text that cannot be written ends the save with a
// failure.
platform::Status GroupSave(PrintGroup& group, int count, const std::string& path);

struct PrintTextLoadFailure {
  int Index;  // 0-based
  std::string Error;
};

struct GroupLoadReport {
  // Print texts whose files could not be read: each keeps what its reader
  // had read when it failed, the rest as the caller reset it. The data is
  // then not what was saved and should stay marked as changed.
  std::vector<PrintTextLoadFailure> FailedTexts;

  bool Complete() const { return FailedTexts.empty(); }
};

// Reads the group file and the print-text files into `group`, which the
// caller resets first (GroupInit): fields a file does not carry keep their
// values. `path` must name an existing file. On failure (a missing or
// unreadable group file, a version outside 6 to 9, a malformed line, a count
// outside 0 to 99) `group` and `count` are unchanged; a version outside 6 to
// 9 also shows the version notice (VersionNotice.h). Otherwise `count` is
// set and each print text is read; one that fails is beeped, listed in the
// report, and the next one is read.
platform::Result<GroupLoadReport> GroupLoad(const std::string& path, PrintGroup& group, int& count);

}  // namespace printdata
