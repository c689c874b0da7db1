#pragma once
// File names and paths are the file system's bytes; on screen they are Qt
// texts. These convert between the two the way the system does.
#include <QFile>
#include <QString>
#include <string>

namespace filedialogui {

inline QString ToQtName(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }
inline std::string FromQtName(const QString& text) { return QFile::encodeName(text).toStdString(); }

// A text as a menu entry shows it: "&" stays a character instead of marking
// the entry's shortcut letter.
inline QString MenuText(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace filedialogui
