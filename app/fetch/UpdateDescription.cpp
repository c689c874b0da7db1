#include "app/fetch/UpdateDescription.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "app/ReleaseIdentity.h"
#include "platform/NumberText.h"

namespace app {

namespace {

std::uint32_t LineNumber(const std::string& line) {
  std::string_view text = line;
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  return static_cast<std::uint32_t>(platform::ParseDecimal(text).value_or(0));
}

bool SameIgnoringCase(const std::string& a, const char* b) {
  const std::string_view bv = b;
  return a.size() == bv.size() && std::equal(a.begin(), a.end(), bv.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

UpdateDescription ParseUpdateDescription(const std::vector<std::string>& lines) {
  UpdateDescription d;
  if (lines.size() < 4 || lines[0] != "1") return d;
  d.announces = true;
  d.date = LineNumber(lines[1]);
  d.time = LineNumber(lines[2]);
  d.installer = lines[3];
  return d;
}

bool IsNewerRelease(const UpdateDescription& d) {
  const auto date = static_cast<std::uint32_t>(BuiltInReleaseDate);
  const auto time = static_cast<std::uint32_t>(BuiltInReleaseTime);
  return d.date > date || (d.date == date && d.time > time);
}

bool IsPlainInstallerName(const std::string& name) {
  if (name.empty() || name.size() > 255 || name == "." || name.find("..") != std::string::npos) return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
  }
  for (const char* work : {kUpdateInfoName, kUpdateInfoCopyName, kUpdateTempName})
    if (SameIgnoringCase(name, work)) return false;
  return true;
}

bool OffersUpdate(const UpdateDescription& d) {
  return d.announces && IsNewerRelease(d) && IsPlainInstallerName(d.installer);
}

}  // namespace app
