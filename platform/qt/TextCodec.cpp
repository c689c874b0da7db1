#include "platform/qt/TextCodec.h"

#include "platform/Cp1252.h"

namespace platform {

QString ToQt(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (char b : cp1252) out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<std::uint8_t>(b)))));
  return out;
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t c : text.toUcs4()) {
    int b = UnicodeToCp1252(c);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

}  // namespace platform
