// The Qt default dialogs of the archive library's events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "support/TempDir.h"
#include "zip/VolumeMedium.h"
#include "zip/ZipArchiver.h"
#include "zip/ui/TZipDialogsQt.h"
#include "zip/ui/TZipPasswordDialog.h"

TEST(ZipDialogs, PasswordDialogMasksAndLimits) {
  TZipPasswordDialog dialog("Password for \"a.txt\"", "Enter password: ");
  EXPECT_EQ(dialog.windowTitle(), "Password for \"a.txt\"");
  EXPECT_EQ(dialog.Edit()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.Edit()->maxLength(), 255);
}

TEST(ZipDialogs, AnswersComeBackAsTheLibraryExpects) {
  TZipDialogsQt dialogs;
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<TZipPasswordDialog*>(w)) {
        d->Edit()->setText(QString::fromUtf8("plivet\xC3\xA4"));
        d->accept();
      }
  });
  zip::ByteString password;
  ASSERT_TRUE(dialogs.PasswordDlg("Password for \"x\"", "Enter password: ", password));
  EXPECT_EQ(password, "plivet\xE4");  // Windows-1252 bytes

  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w)) box->button(QMessageBox::Retry)->click();
  });
  auto answer = dialogs.MessageDlg("x. File processing error, possibly disk is full",
                                   {zip::TMsgDlgBtn::mbAbort, zip::TMsgDlgBtn::mbRetry, zip::TMsgDlgBtn::mbIgnore});
  EXPECT_EQ(answer, zip::TMsgDlgBtn::mbRetry);
}

namespace {

// A folder that counts as a removable drive with room for anything and a
// label that cannot be set.
class FolderDrive : public zip::TVolumeMedium {
 public:
  bool IsRemovable(const std::string&) override { return true; }
  std::int64_t FreeSpace(const std::string&) override { return std::int64_t{1} << 30; }
  bool SetLabel(const std::string&, const std::string&) override { return false; }
};

// Runs `answer` on each message box once it is the active modal window,
// until `done` is set.
void AnswerEachBox(const bool& done, std::function<void(QMessageBox*)> answer) {
  QTimer::singleShot(0, [&done, answer = std::move(answer)] {
    if (done) return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible()) answer(box);
    AnswerEachBox(done, answer);
  });
}

}  // namespace

TEST(ZipDialogs, SpannedVolumesAreAskedForWithTheLibrarysTextsAndOkOrCancel) {
  testsupport::TempDir dir;
  std::filesystem::create_directories(dir / "drive");
  std::filesystem::create_directories(dir / "src");
  {
    std::ofstream out(dir / "src/a.bin", std::ios::binary);
    std::mt19937 rng(5);
    for (int i = 0; i < 150000; ++i) out.put(static_cast<char>(rng()));
  }
  FolderDrive drive;
  TZipDialogsQt dialogs;
  std::vector<QString> texts;
  int moved = 0;
  bool done = false;
  // The operator reads each box, takes the disk out (its volume goes to the
  // shelf) and answers OK; the box offers OK and Cancel.
  AnswerEachBox(done, [&](QMessageBox* box) {
    texts.push_back(box->text());
    EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
    EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
    if (std::filesystem::exists(dir / "drive/set.zip"))
      std::filesystem::rename(dir / "drive/set.zip", dir / ("shelf" + std::to_string(++moved)));
    box->button(QMessageBox::Ok)->click();
  });
  zip::TZipArchiver z("ZipArchiver");
  z.FileName = dir / "drive/set.zip";
  z.Medium = &drive;
  z.Dialogs = &dialogs;
  z.SetSpanningMode(zip::smSpanning);
  z.SpanningOptions.VolumeSize = zip::vsCustom;
  z.SpanningOptions.SetCustomVolumeSize(65536);
  z.OpenArchive(zip::fmCreate);
  z.BaseDir = dir / "src";
  z.AddFiles(dir / "src/a.bin", zip::faAnyFile, "");
  z.CloseArchive();
  done = true;
  EXPECT_EQ(texts, (std::vector<QString>{"Please insert a blank disk #1", "Please insert a blank disk #2",
                                         "Please insert a blank disk #3"}));
  // The first disk held the new archive's empty file, the next two a volume.
  EXPECT_EQ(moved, 3);
  EXPECT_EQ(std::filesystem::file_size(dir / "shelf2"), 65536u);

  // Cancel at the first disk of the set stops the opening.
  bool over = false;
  texts.clear();
  AnswerEachBox(over, [&](QMessageBox* box) {
    texts.push_back(box->text());
    box->button(QMessageBox::Cancel)->click();
  });
  zip::TZipArchiver reader("ZipArchiver");
  reader.FileName = dir / "drive/set.zip";
  reader.Medium = &drive;
  reader.Dialogs = &dialogs;
  EXPECT_THROW(reader.OpenArchive(zip::fmOpenRead), zip::EZipException);
  over = true;
  EXPECT_EQ(texts, std::vector<QString>{"Please insert the first disk"});
}
