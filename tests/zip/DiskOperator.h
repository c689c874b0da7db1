#pragma once
// The operator at a DiskDrive, standing in for the archiver's default
// dialogs: does what each volume request's text asks (changing the disk)
// and answers OK, and records every text.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "DiskDrive.h"
#include "zip/ZipDialogs.h"

namespace ziptest {

class DiskOperator : public zip::TZipDefaultDialogs {
 public:
  explicit DiskOperator(DiskDrive& drive) : drive_(drive) {}
  std::vector<std::string> messages;
  // The disk that "the last disk" means.
  int lastDisk = 0;
  // "A blank disk #n" is disk blankBase + n; "disk #n" (and the first
  // disk, #1) of the set being read is disk setBase + n.
  int blankBase = 0;
  int setBase = 0;
  // Disks put in by mistake when the last one is asked for, in turn.
  std::deque<int> wrongDisks;
  // Answers Cancel to the texts it returns true for.
  std::function<bool(const std::string&)> refuse;
  // Makes room on a full disk.
  std::function<void()> cleanDisk;

  std::optional<zip::TMsgDlgBtn> MessageDlg(const std::string& text, const std::vector<zip::TMsgDlgBtn>&) override {
    messages.push_back(text);
    if (refuse && refuse(text)) return zip::TMsgDlgBtn::mbCancel;
    if (messages.size() > 50) {
      // An archiver that keeps asking would never end.
      ADD_FAILURE() << "asked again and again: " << text;
      return zip::TMsgDlgBtn::mbCancel;
    }
    int disk = 0;
    if (std::sscanf(text.c_str(), "Please insert a blank disk #%d", &disk) == 1) {
      drive_.Insert(blankBase + disk);
    } else if (std::sscanf(text.c_str(), "Please insert disk #%d", &disk) == 1) {
      drive_.Insert(setBase + disk);
    } else if (text == "Please insert the first disk") {
      drive_.Insert(setBase + 1);
    } else if (text == "Please insert the last disk" || text.rfind("File '", 0) == 0) {
      if (wrongDisks.empty()) {
        drive_.Insert(lastDisk);
      } else {
        drive_.Insert(wrongDisks.front());
        wrongDisks.pop_front();
      }
    } else if (text.rfind("Disk is full", 0) == 0 && cleanDisk) {
      cleanDisk();
    }
    return zip::TMsgDlgBtn::mbOK;
  }
  bool PasswordDlg(const std::string&, const std::string&, zip::ByteString&) override { return false; }

 private:
  DiskDrive& drive_;
};

}  // namespace ziptest
