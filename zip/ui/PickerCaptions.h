#pragma once
// The folder picker's texts chosen by the user's locale: caption lists hold
// entries "key=text" whose keys are four-digit hexadecimal locale numbers
// ("0407" German in Germany) or "Default".
#include <QLocale>
#include <QString>
#include <QStringList>

namespace zipui {

// The locale number of a language and country as four upper-case hex
// digits, for the languages the caption lists know ("0407" de_DE, "0809"
// en_GB, ...); "0000" for the others, which take the "Default" entry.
QString LocaleKeyOf(const QLocale& locale);

// The entry of `key`, else the "Default" entry, else the first entry's
// text; "" for an empty list.
QString ChooseCaption(const QStringList& captions, const QString& key);

QStringList DefaultNewFolderCaptions();
QStringList DefaultLabelCaptions();

}  // namespace zipui
