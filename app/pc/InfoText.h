#pragma once
// The lines of the info window: version, release and PC identifier, each
// after a label of the UI language, an empty line, then the maker's contact
// block in that language.
#include <QStringList>
#include <cstdint>

namespace app {

// `language` 1 English, 2 French, 3 Italian, 4 Spanish, any other German.
QStringList InfoLines(int language, std::uint32_t pcIdentifier);

}  // namespace app
