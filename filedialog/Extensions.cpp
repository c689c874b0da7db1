#include "filedialog/Extensions.h"

namespace filedialog {

std::string LowerText(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      // U+00C0..U+00DE without U+00D7 (the multiplication sign).
      const auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

std::string ExtensionOf(std::string_view name) {
  const auto slash = name.rfind('/');
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const auto dot = last.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(last.substr(dot));
}

std::string LowerExtensionOf(std::string_view name) { return LowerText(ExtensionOf(name)); }

std::string WithoutExtension(std::string_view text) {
  const auto dot = text.rfind('.');
  if (dot == std::string_view::npos) return std::string(text);
  const auto sep = text.find_last_of("/:");
  if (sep != std::string_view::npos && sep > dot) return std::string(text);
  return std::string(text.substr(0, dot));
}

bool ExtensionList::Matches(const std::string& lowerExtension) const {
  if (entries[0] == ".*") return true;
  for (const std::string& e : entries)
    if (!e.empty() && e == lowerExtension) return true;
  return false;
}

bool ListingFilter::ListsFile(const std::string& lowerExtension) const {
  if (hidden.Matches(lowerExtension)) return false;
  if (extra.Matches(lowerExtension) || shown.Matches(lowerExtension)) return true;
  if (defaultExtension == ".*") return true;
  return defaultExtension != "." && LowerText(defaultExtension) == lowerExtension;
}

}  // namespace filedialog
