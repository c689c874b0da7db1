#pragma once
// The edge between the program's Windows-1252 byte strings and Qt's texts.
#include <QList>
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQt(std::string_view cp1252);
// Characters outside the code page become '?'.
std::string FromQt(const QString& text);

}  // namespace platform
