#pragma once
// The fixed password of data sets, backups, firmware packages and the
// archives fetched from the printer. The same text steps up to operating
// mode 3, so both read it from here.
inline constexpr const char* ArchivePassword = "plivet";
