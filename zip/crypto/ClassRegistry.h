#pragma once
// The name registry shared by the cipher and hash classes: entries
// "name=description", each holding its class, in registration order.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zip/crypto/ClassInfo.h"

namespace zip {

template <class Info>
class TClassRegistry {
 public:
  struct Entry {
    std::string Text;  // name "=" description
    const Info* Class;
    std::string Name() const { return Text.substr(0, Text.find('=')); }
  };

  // An empty name becomes the class name without its leading "T" and
  // without everything up to its first "_".
  bool Register(const Info* cls, std::string_view name, std::string_view description) {
    if (!cls) return false;
    std::string n = Trim(name);
    if (n.empty()) {
      std::string_view full = cls->Name;
      if (!full.empty() && full.front() == 'T') full.remove_prefix(1);
      auto pos = full.find('_');
      n = std::string(pos == std::string_view::npos ? full : full.substr(pos + 1));
    }
    std::string text = n + "=" + std::string(description);
    for (auto& e : entries_)
      if (e.Class == cls) {
        e.Text = text;
        return true;
      }
    entries_.push_back({text, cls});
    return true;
  }

  bool Unregister(const Info* cls) {
    auto before = entries_.size();
    std::erase_if(entries_, [&](const Entry& e) { return e.Class == cls; });
    return entries_.size() != before;
  }

  // By short class name first, then by entry name; case-insensitive, and
  // a name given with a prefix ("TCipher_Rijndael") counts from its "_".
  const Info* Find(std::string_view name) const {
    auto pos = name.find('_');
    std::string key(pos == std::string_view::npos ? name : name.substr(pos + 1));
    for (const auto& e : entries_)
      if (EqualNoCase(GetShortClassName(e.Class), key)) return e.Class;
    for (const auto& e : entries_)
      if (EqualNoCase(e.Name(), key)) return e.Class;
    return nullptr;
  }

  std::string NameOf(const Info* cls) const {
    for (const auto& e : entries_)
      if (e.Class == cls) return e.Name();
    return GetShortClassName(cls);
  }

  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  static std::string Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return std::string(s);
  }
  static bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  }

  std::vector<Entry> entries_;
};

}  // namespace zip
