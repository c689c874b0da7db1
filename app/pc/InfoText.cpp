#include "app/pc/InfoText.h"

#include "app/ReleaseIdentity.h"
#include "platform/NumberText.h"

namespace app {

namespace {

struct Labels {
  const char* version;
  const char* release;
  const char* id;
};

// Within a language the three labels have one length, so the values start
// in one column.
constexpr Labels kLabels[5] = {
    {"Version: ", "Release: ", "ID:      "},
    {"Version: ", "Release: ", "ID:      "},
    {"Version: ", "Release: ", "ID:      "},
    {"Versione: ", "Release:  ", "ID:       "},
    {"Versión: ", "Release: ", "ID:      "},
};

// The maker's contact block.
const char* const kContact[5][6] = {
    {"Osmek AG", "Tintenstrahldrucker für die", "Kennzeichnung von Eiern", "", "Internet:  www.osmek-ag.ch",
     "Support:   support.osmek-ag.ch"},
    {"Osmek AG", "Inkjet printers", "for marking eggs", "", "Internet:  www.osmek-ag.com",
     "Support:   support.osmek-ag.ch"},
    {"Osmek AG", "Imprimantes à jet d'encre", "pour le marquage des oeufs", "", "Internet:  www.osmek-ag.com",
     "Support:   support.osmek-ag.ch"},
    {"Osmek AG", "Stampanti a getto d'inchiostro", "per la marcatura delle uova", "", "Internet:  www.osmek-ag.com",
     "Support:   support.osmek-ag.ch"},
    {"Osmek AG", "Impresoras de chorro de tinta", "para el marcado de huevos", "", "Internet:  www.osmek-ag.com",
     "Support:   support.osmek-ag.ch"},
};

}  // namespace

QStringList InfoLines(int language, std::uint32_t pcIdentifier) {
  const int l = language >= 1 && language <= 4 ? language : 0;
  const Labels& labels = kLabels[l];
  QStringList lines;
  lines << QString::fromUtf8(labels.version) + QString::fromLatin1(ProgramVersionText)
        << QString::fromUtf8(labels.release) + QString::fromLatin1(ProgramReleaseText)
        << QString::fromUtf8(labels.id) + QString::fromLatin1(platform::Hex8(pcIdentifier))
        << QString();
  for (const char* line : kContact[l]) lines << QString::fromUtf8(line);
  return lines;
}

}  // namespace app
