#pragma once
// Line-based text files as the program's string lists read and write them:
// reading accepts CR LF, LF and CR as line ends and a final line end adds no
// empty line; writing puts CR LF after every line, the last one too.
// Lines are bytes (Windows-1252), never converted.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace platform {

std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);

Result<std::vector<std::string>> ReadLines(const std::string& path);
Status WriteLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
