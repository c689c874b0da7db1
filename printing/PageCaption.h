#pragma once
// The caption in the footer of every printed page, in the UI language:
// the page alone while the document has one page, else the page and the
// total ("Seite 2 von 5"). Windows-1252 text.
#include <string>

namespace printing {

// `languageId` 0 German, 1 English, 2 French, 3 Italian, 4 Spanish; any
// other is German.
std::string PageCaption(int page, int pages, int languageId);

}  // namespace printing
