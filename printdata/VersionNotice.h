#pragma once
// A group file of a version this program cannot read means the program is
// out of date. The shell installs the sink that tells the user so: modally,
// in red, titled "Tarvik23 - Osmek AG", with "Version: %s  Release: %s"
// filled with the program's version and release texts and the message
// asking to update to the newest version. Without a sink nothing is shown.
#include <functional>

namespace printdata {

using VersionNoticeSink = std::function<void()>;

// Returns the previous sink.
VersionNoticeSink SetVersionNoticeSink(VersionNoticeSink sink);
void ShowVersionNotice();

}  // namespace printdata
