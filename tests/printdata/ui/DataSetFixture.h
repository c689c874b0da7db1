#pragma once
// The data page with its open and save menus, both slot dialogs and the file
// dialog over a program tree in a temporary folder; the archive service is
// the tests' stand-in, and the program's messages are recorded.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "DataPageFixture.h"
#include "printdata/FakeArchiveTools.h"
#include "printdata/ui/DataSetHost.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"

class TFormOeffnen;
class TFormSpeichern;
class TForm_FileDialog;

namespace dataviewtest {

class FakeDataSetHost : public DataSetHost {
 public:
  std::string data, easy, tmp;
  int language = 0;
  datasettest::FakeArchiveTools tools;
  TForm_FileDialog* files = nullptr;
  std::vector<QString> busy;  // title: text
  int messagesClosed = 0, hardcopies = 0, userGuides = 0;
  QWidget* hardcopyOf = nullptr;

  std::string DataDir() const override { return data; }
  std::string DataEasyDir() const override { return easy; }
  std::string TmpDir() const override { return tmp; }
  int LanguageId() const override { return language; }
  QRect MainWindowFrame() const override { return QRect(100, 50, 1000, 700); }
  printdata::ArchiveTools& Archives() override { return tools; }
  TForm_FileDialog* FileDialog() override { return files; }
  void ShowBusy(const QString& title, const QString& text) override { busy.push_back(title + ": " + text); }
  void CloseMessage() override { ++messagesClosed; }
  void PrintFormHardcopy(QWidget* form) override {
    ++hardcopies;
    hardcopyOf = form;
  }
  void ShowUserGuide() override { ++userGuides; }
};

class DataSets : public DataPage {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string Root(const std::string& relative = "") const { return temp_.path() + "/Tarvik23/" + relative; }
  std::string Slot(int n) const;
  // Writes the sample data set of `count` print texts as an archive or a
  // group file (with its print-text files).
  void PutArchive(const std::string& path, int count) const;
  void PutGroupFile(const std::string& path, int count) const;
  bool Exists(const std::string& path) const;
  std::vector<std::string> FolderEntries(const std::string& folder) const;
  // Entries of TMP apart from the work folders of the archive component and
  // the file dialog.
  std::vector<std::string> TmpLeftovers() const;

  // Runs `step` once `window` is the active modal window.
  static void WhenModalIs(QWidget* window, std::function<void()> step);
  // Picks `name` in the file dialog's current folder and confirms.
  void PickFile(const std::string& name);

  testsupport::TempDir temp_;
  testsupport::ScopedFakeTime time_;
  FakeDataSetHost sets;
  TFormOeffnen* open_ = nullptr;
  TFormSpeichern* save_ = nullptr;
  TForm_FileDialog* files_ = nullptr;
};

}  // namespace dataviewtest
