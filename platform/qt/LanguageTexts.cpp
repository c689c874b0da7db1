#include "platform/qt/LanguageTexts.h"

#include "platform/qt/TextCodec.h"

namespace platform {

RegisteredTexts::RegisteredTexts(QObject* window, const char* member, int count, Getter get, Setter set)
    : QObject(window), count_(count), get_(std::move(get)), set_(std::move(set)) {
  setObjectName(QString::fromLatin1(member));
}

std::string RegisteredTexts::Get(int index) const {
  if (index < 0 || index >= count_) return {};
  return get_(index);
}

void RegisteredTexts::Set(int index, std::string_view cp1252) const {
  if (index < 0 || index >= count_) return;
  set_(index, cp1252);
}

void RegisterText(QObject* window, const char* member, QString& text) { RegisterTexts(window, member, &text, 1); }

void RegisterText(QObject* window, const char* member, std::string& text) {
  RegisterTexts(window, member, &text, 1);
}

void RegisterTexts(QObject* window, const char* member, QString* texts, int count) {
  new RegisteredTexts(
      window, member, count, [texts](int i) { return FromQt(texts[i]); },
      [texts](int i, std::string_view value) { texts[i] = ToQt(value); });
}

void RegisterTexts(QObject* window, const char* member, std::string* texts, int count) {
  new RegisteredTexts(
      window, member, count, [texts](int i) { return texts[i]; },
      [texts](int i, std::string_view value) { texts[i] = std::string(value); });
}

}  // namespace platform
