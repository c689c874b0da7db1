#pragma once
// Packing and unpacking with the archive component the way the program's
// archive service drives it, plus a scripted stand-in for the dialogs.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "zip/ZipArchiver.h"

namespace ziptest {

inline void Pack(const std::string& baseDir, const std::string& mask, const std::string& zipFile,
                 const zip::ByteString& password, zip::TZipCryptoAlgorithm method = zip::caAES_256,
                 zip::TZipCompressionLevel level = zip::clMax) {
  zip::TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword(password);
  z.EncryptionMethod = method;
  z.SetCompressionLevel(level);
  z.OpenArchive(zip::fmCreate);
  z.BaseDir = baseDir;
  z.AddFiles(mask, zip::faAnyFile, "");
  z.CloseArchive();
}

// The native code of the EZipException that `action` raises; 0 for none.
inline int NativeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const zip::EZipException& e) {
    return e.NativeCode;
  }
  return 0;
}

// Extracts everything; returns the entries left out.
inline int Unpack(const std::string& zipFile, const std::string& target, const zip::ByteString& password) {
  zip::TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword(password);
  z.OpenArchive(zip::fmOpenRead);
  z.BaseDir = target;
  z.ExtractFiles(u"*.*", zip::kDefaultSearchAttr, u"");
  int skipped = z.SkippedEntries();
  z.CloseArchive();
  return skipped;
}

// Answers the dialogs from a script and records what was asked.
class ScriptedDialogs : public zip::TZipDefaultDialogs {
 public:
  std::deque<std::optional<zip::TMsgDlgBtn>> messageAnswers;
  std::deque<std::optional<zip::ByteString>> passwordAnswers;  // nullopt: Cancel
  std::vector<std::string> messages;
  std::vector<std::string> captions;

  std::optional<zip::TMsgDlgBtn> MessageDlg(const std::string& text, const std::vector<zip::TMsgDlgBtn>&) override {
    messages.push_back(text);
    if (messageAnswers.empty()) return std::nullopt;
    auto a = messageAnswers.front();
    messageAnswers.pop_front();
    return a;
  }
  bool PasswordDlg(const std::string& caption, const std::string&, zip::ByteString& password) override {
    captions.push_back(caption);
    if (passwordAnswers.empty() || !passwordAnswers.front()) {
      if (!passwordAnswers.empty()) passwordAnswers.pop_front();
      return false;
    }
    password = *passwordAnswers.front();
    passwordAnswers.pop_front();
    return true;
  }
};

}  // namespace ziptest
