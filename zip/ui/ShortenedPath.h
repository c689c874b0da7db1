#pragma once
// A folder path shortened for a status line of `n` characters: the first
// component stays, then "...", then as many of the last components as fit.
// "/aaa/bbb/ccc/file" shortened to 15 characters is "/.../ccc/file".
#include <QString>

namespace zipui {

QString ShortenedPath(const QString& path, int n);

}  // namespace zipui
