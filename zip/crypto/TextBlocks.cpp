#include "zip/crypto/TextBlocks.h"

namespace zip {
namespace {

std::string Framed(std::string_view text, std::string_view before, std::string_view after, int length,
                   bool frameShortRest) {
  if (length <= 0 || static_cast<std::size_t>(length) >= text.size()) return std::string(text);
  const auto n = static_cast<std::size_t>(length);
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += n) {
    std::string_view piece = text.substr(i, n);
    const bool full = piece.size() == n;
    if (full || frameShortRest) out += before;
    out += piece;
    if (full || frameShortRest) out += after;
  }
  return out;
}

}  // namespace

std::string InsertCR(std::string_view text, int lineLength) { return Framed(text, "", "\r\n", lineLength, false); }

std::string DeleteCR(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

std::string InsertBlocks(std::string_view text, std::string_view beginMark, std::string_view endMark,
                         int blockLength) {
  return Framed(text, beginMark, endMark, blockLength, true);
}

std::string RemoveBlocks(std::string_view text, std::string_view beginMark, std::string_view endMark) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!beginMark.empty()) {
      auto b = text.find(beginMark, pos);
      if (b == std::string_view::npos) break;
      pos = b + beginMark.size();
    }
    auto e = endMark.empty() ? std::string_view::npos : text.find(endMark, pos);
    if (e == std::string_view::npos) {
      out += text.substr(pos);
      break;
    }
    out += text.substr(pos, e - pos);
    pos = e + endMark.size();
  }
  return out;
}

}  // namespace zip
