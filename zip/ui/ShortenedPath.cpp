#include "zip/ui/ShortenedPath.h"

namespace zipui {

QString ShortenedPath(const QString& path, int n) {
  // Only paths with at least two separators past a leading "//" can lose
  // their middle; anything else is cut.
  if (n <= 5 || path.size() <= n || path.mid(2).count(QLatin1Char('/')) <= 1) return path.left(n);
  QString prefix;
  QString rest = path;
  if (rest.startsWith(QLatin1String("//"))) {
    prefix = QStringLiteral("//");
    rest = rest.mid(2);
  }
  const int firstSlash = rest.indexOf(QLatin1Char('/'));
  const QString kept = prefix + rest.left(firstSlash + 1) + QStringLiteral("...");
  rest = rest.mid(firstSlash + 1);
  while (kept.size() + 1 + rest.size() > n) {
    const int slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0) break;
    rest = rest.mid(slash + 1);
  }
  QString joined = kept + QLatin1Char('/') + rest;
  if (joined.size() > n) joined = joined.left(n - 3) + QStringLiteral("...");
  return joined;
}

}  // namespace zipui
