#include "printing/PageCaption.h"

#include <array>

namespace printing {
namespace {

struct Words {
  const char* page;
  const char* of;
};

// "Página" is written in Windows-1252 (0xE1 for "á").
constexpr std::array<Words, 5> kWords = {{
    {"Seite", "von"},
    {"Page", "of"},
    {"Page", "de"},
    {"Pagina", "di"},
    {"P\xE1gina", "de"},
}};

}  // namespace

std::string PageCaption(int page, int pages, int languageId) {
  const Words& w = kWords[languageId >= 0 && languageId < 5 ? static_cast<std::size_t>(languageId) : 0];
  std::string caption = std::string(w.page) + " " + std::to_string(page);
  if (pages >= 2) caption += std::string(" ") + w.of + " " + std::to_string(pages);
  return caption;
}

}  // namespace printing
