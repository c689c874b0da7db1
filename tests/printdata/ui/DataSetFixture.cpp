#include "DataSetFixture.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "filedialog/ShellEnvironment.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/DataSetArchive.h"
#include "printdata/GroupFile.h"
#include "printdata/SampleGroup.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSpeichern.h"

namespace dataviewtest {
namespace fs = std::filesystem;

void DataSets::SetUp() {
  DataPage::SetUp();
  sets.data = Root("DATA/");
  sets.easy = Root("DATAEASY/");
  sets.tmp = Root("TMP/");
  for (const std::string& f : {sets.data, sets.tmp, temp_.path() + "/home/Documents", temp_.path() + "/home/Desktop"})
    fs::create_directories(f);
  for (int n = 1; n <= printdata::kSlotCount; ++n) fs::create_directories(Slot(n));

  filedialog::ShellEnvironment env;
  env.home = temp_.path() + "/home";
  env.mountsFile = temp_.path() + "/mounts";
  env.volumeFolders = {temp_.path() + "/media"};
  files_ = new TForm_FileDialog(nullptr, env);
  files_->Services.MainWindowFrame = [] { return QRect(100, 50, 1000, 700); };
  files_->Services.ShowError = [](QWidget*, const QString& title, const QString& text) {
    ADD_FAILURE() << "file dialog error " << title.toStdString() << ": " << text.toStdString();
  };
  sets.files = files_;

  open_ = new TFormOeffnen(nullptr);
  save_ = new TFormSpeichern(nullptr);
  menus.Oeffnen->SetHost(&sets);
  menus.Oeffnen->Dialog = open_;
  menus.Speichern->SetHost(&sets);
  menus.Speichern->Dialog = save_;
}

void DataSets::TearDown() {
  delete open_;
  delete save_;
  delete files_;
  DataPage::TearDown();
}

std::string DataSets::Slot(int n) const { return printdata::SlotFolder(sets.easy, n); }

void DataSets::PutArchive(const std::string& path, int count) const {
  auto group = datasettest::SampleGroup(count);
  datasettest::FakeArchiveTools tools;
  testsupport::TempDir work;
  ASSERT_TRUE(printdata::SaveDataSetArchive(tools, work.path(), *group, count, path));
}

void DataSets::PutGroupFile(const std::string& path, int count) const {
  auto group = datasettest::SampleGroup(count);
  ASSERT_TRUE(printdata::GroupSave(*group, count, path));
}

bool DataSets::Exists(const std::string& path) const {
  std::error_code ec;
  return fs::exists(path, ec);
}

std::vector<std::string> DataSets::FolderEntries(const std::string& folder) const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> DataSets::TmpLeftovers() const {
  std::vector<std::string> names = FolderEntries(sets.tmp);
  names.erase(std::remove_if(names.begin(), names.end(),
                             [](const std::string& n) { return n == "ZGxx" || n == "ZG12" || n == ".hidden"; }),
              names.end());
  return names;
}

void DataSets::WhenModalIs(QWidget* window, std::function<void()> step) {
  QTimer::singleShot(0, [window, step = std::move(step)] {
    if (QApplication::activeModalWidget() == window && window->isVisible())
      step();
    else
      WhenModalIs(window, step);
  });
}

void DataSets::PickFile(const std::string& name) {
  ASSERT_TRUE(files_->SelectItemByName(name)) << name;
  files_->SpeedButton_OK->click();
}

}  // namespace dataviewtest
