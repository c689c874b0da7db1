#include "zip/ui/PickerCaptions.h"

namespace zipui {
namespace {

struct LocaleNumber {
  QLocale::Language language;
  QLocale::Territory territory;
  const char* key;
};

const LocaleNumber kNumbers[] = {
    {QLocale::German, QLocale::Germany, "0407"},        {QLocale::German, QLocale::Switzerland, "0807"},
    {QLocale::German, QLocale::Austria, "0C07"},        {QLocale::German, QLocale::Luxembourg, "1007"},
    {QLocale::German, QLocale::Liechtenstein, "1407"},  {QLocale::English, QLocale::UnitedStates, "0409"},
    {QLocale::English, QLocale::UnitedKingdom, "0809"}, {QLocale::English, QLocale::Australia, "0C09"},
    {QLocale::English, QLocale::Canada, "1009"},        {QLocale::English, QLocale::NewZealand, "1409"},
    {QLocale::English, QLocale::Ireland, "1809"},       {QLocale::English, QLocale::SouthAfrica, "1C09"},
    {QLocale::English, QLocale::Jamaica, "2009"},       {QLocale::English, QLocale::Belize, "2809"},
    {QLocale::English, QLocale::TrinidadAndTobago, "2C09"}, {QLocale::Danish, QLocale::Denmark, "0406"},
    {QLocale::Italian, QLocale::Italy, "0410"},         {QLocale::Italian, QLocale::Switzerland, "0810"},
    {QLocale::Dutch, QLocale::Netherlands, "0413"},     {QLocale::Portuguese, QLocale::Brazil, "0416"},
};

// The language alone, where the country is not in the table.
const LocaleNumber kLanguages[] = {
    {QLocale::German, QLocale::AnyTerritory, "0407"}, {QLocale::English, QLocale::AnyTerritory, "0009"},
    {QLocale::Danish, QLocale::AnyTerritory, "0406"}, {QLocale::Italian, QLocale::AnyTerritory, "0410"},
    {QLocale::Dutch, QLocale::AnyTerritory, "0413"},
};

}  // namespace

QString LocaleKeyOf(const QLocale& locale) {
  for (const LocaleNumber& n : kNumbers)
    if (n.language == locale.language() && n.territory == locale.territory()) return QLatin1String(n.key);
  for (const LocaleNumber& n : kLanguages)
    if (n.language == locale.language()) return QLatin1String(n.key);
  return QStringLiteral("0000");
}

QString ChooseCaption(const QStringList& captions, const QString& key) {
  if (captions.isEmpty()) return {};
  auto textOf = [](const QString& entry) {
    const int eq = entry.indexOf(QLatin1Char('='));
    return eq < 0 ? entry : entry.mid(eq + 1);
  };
  auto keyOf = [](const QString& entry) {
    const int eq = entry.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : entry.left(eq);
  };
  for (const QString& e : captions)
    if (keyOf(e).compare(key, Qt::CaseInsensitive) == 0) return textOf(e);
  for (const QString& e : captions)
    if (keyOf(e) == QLatin1String("Default")) return textOf(e);
  return textOf(captions.first());
}

namespace {

QStringList Captions(const char* english, const char* danish, const char* german, const char* italian,
                     const char* dutch, const char* portuguese) {
  QStringList list;
  const QString en = QString::fromUtf8(english);
  for (const char* k : {"Default", "0009", "0409", "0809", "0C09", "1009", "1409", "1809", "1C09", "2009", "2809", "2C09"})
    list << QLatin1String(k) + QLatin1Char('=') + en;
  list << QStringLiteral("0406=") + QString::fromUtf8(danish);
  for (const char* k : {"0407", "0807", "0C07", "1007", "1407"})
    list << QLatin1String(k) + QLatin1Char('=') + QString::fromUtf8(german);
  for (const char* k : {"0410", "0810"}) list << QLatin1String(k) + QLatin1Char('=') + QString::fromUtf8(italian);
  list << QStringLiteral("0413=") + QString::fromUtf8(dutch);
  list << QStringLiteral("0416=") + QString::fromUtf8(portuguese);
  return list;
}

}  // namespace

QStringList DefaultNewFolderCaptions() {
  return Captions("New folder", "Ny mappe", "Neuer Ordner", "Nuova Cartella", "Nieuwe map", "Nova Pasta");
}

QStringList DefaultLabelCaptions() {
  return Captions("Current folder:", "Valgt mappe:", "Ausgewählter Ordner:", "Cartella selezionata:", "Huidige map",
                  "Pasta Atual:");
}

}  // namespace zipui
