#include "app/language/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

QString QtTranslations::LanguageCode(int languageId) {
  switch (languageId) {
    case 1: return QStringLiteral("en");
    case 2: return QStringLiteral("fr");
    case 3: return QStringLiteral("it");
    case 4: return QStringLiteral("es");
    default: return QStringLiteral("de");
  }
}

bool QtTranslations::Use(int languageId) {
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  const QString code = LanguageCode(languageId);
  if (code == QLatin1String("en")) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  return true;
}

}  // namespace app
