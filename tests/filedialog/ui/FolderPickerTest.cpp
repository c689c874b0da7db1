#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <filesystem>

#include "DialogFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "zip/ui/PickerCaptions.h"
#include "zip/ui/ShortenedPath.h"
#include "zip/ui/TFolderPickerDialog.h"

using zipui::ShortenedPath;

TEST(ShortenedPath, KeepsTheFirstAndTheLastComponents) {
  struct Case {
    const char* path;
    int n;
    const char* shortened;
  };
  const Case cases[] = {
      {"/aaa/bbb/ccc/file", 15, "/.../ccc/file"},
      {"/aaa/bbb/ccc/file", 17, "/aaa/bbb/ccc/file"},     // fits
      {"/aaa/bbb/ccc/file", 5, "/aaa/"},                  // n of 5 or less: cut
      {"/aaa/averyveryverylongname", 15, "/aaa/averyveryv"},  // one separator after the first two characters: cut
      {"//server/share/dir/file", 20, "//server/.../file"},
      {"/aaa/bbb/ccc/averyverylongfilename", 20, "/.../averyverylon..."},
      {"home/user/projects/eggs/print", 20, "home/.../eggs/print"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShortenedPath(QString::fromUtf8(c.path), c.n), QString::fromUtf8(c.shortened)) << c.path << " " << c.n;
}

TEST(PickerCaptions, ChosenByLocaleKeyThenDefault) {
  EXPECT_EQ(zipui::LocaleKeyOf(QLocale(QLocale::German, QLocale::Switzerland)), QStringLiteral("0807"));
  EXPECT_EQ(zipui::LocaleKeyOf(QLocale(QLocale::English, QLocale::UnitedKingdom)), QStringLiteral("0809"));
  EXPECT_EQ(zipui::LocaleKeyOf(QLocale(QLocale::Italian, QLocale::Switzerland)), QStringLiteral("0810"));
  EXPECT_EQ(zipui::LocaleKeyOf(QLocale(QLocale::German, QLocale::Belgium)), QStringLiteral("0407"));
  EXPECT_EQ(zipui::LocaleKeyOf(QLocale(QLocale::Japanese, QLocale::Japan)), QStringLiteral("0000"));
  const QStringList folders = zipui::DefaultNewFolderCaptions();
  const QStringList labels = zipui::DefaultLabelCaptions();
  struct Case {
    const char* key;
    const char* folder;
    const char* label;
  };
  const Case cases[] = {{"0807", "Neuer Ordner", "Ausgewählter Ordner:"}, {"0406", "Ny mappe", "Valgt mappe:"},
                        {"0810", "Nuova Cartella", "Cartella selezionata:"}, {"0413", "Nieuwe map", "Huidige map"},
                        {"0416", "Nova Pasta", "Pasta Atual:"},          {"0000", "New folder", "Current folder:"}};
  for (const Case& c : cases) {
    EXPECT_EQ(zipui::ChooseCaption(folders, QLatin1String(c.key)), QString::fromUtf8(c.folder)) << c.key;
    EXPECT_EQ(zipui::ChooseCaption(labels, QLatin1String(c.key)), QString::fromUtf8(c.label)) << c.key;
  }
  EXPECT_EQ(zipui::ChooseCaption({}, QStringLiteral("0407")), QString());
  EXPECT_EQ(zipui::ChooseCaption({QStringLiteral("0409=A"), QStringLiteral("0410=B")}, QStringLiteral("0407")),
            QStringLiteral("A"));
}

TEST(FolderPicker, PropertiesKeepTheirRules) {
  TFolderPickerDialog picker;
  EXPECT_EQ(picker.Flags, unsigned(TFolderPickerDialog::ShowPath));
  EXPECT_EQ(picker.RootFolder, TFolderPickerDialog::foDesktopExpanded);
  EXPECT_TRUE(picker.NewFolderVisible());
  EXPECT_TRUE(picker.NewFolderEnabled());
  EXPECT_EQ(picker.NewFolderWidth(), 75);
  picker.SetNewFolderWidth(-3);
  EXPECT_EQ(picker.NewFolderWidth(), 75);
  picker.SetVersion(QStringLiteral("9"));
  EXPECT_EQ(picker.Version(), QStringLiteral("1.60.00.00"));
  picker.SetLocaleKey(QStringLiteral("0C07"));
  EXPECT_EQ(picker.NewFolderCaption(), QStringLiteral("Neuer Ordner"));
  EXPECT_EQ(picker.LabelCaption(), QStringLiteral("Ausgewählter Ordner:"));
  picker.SetNewFolderCaptions({QStringLiteral("Default=Make")});
  EXPECT_EQ(picker.NewFolderCaption(), QStringLiteral("Make"));
  EXPECT_EQ(picker.RootFolderPath(), "/");
}

namespace {

class Picker : public fdtest::TreeFixture {
 protected:
  Picker() {
    Folder("root/Kunden/Nord");
    Folder("root/Archiv");
    picker_.RootPath = Path("root");
    picker_.SetLocaleKey(QStringLiteral("0407"));
  }
  // Runs `step` in each opening of the browser.
  void OnOpen(std::function<void(QDialog*)> step) {
    picker_.OnInitialized = [step](TFolderPickerDialog*, QDialog* browser) {
      fdtest::WhenModal([browser, step] { step(browser); });
    };
  }
  static void Choose(QDialog* browser, const std::string& path) {
    auto* tree = browser->findChild<QTreeView*>(QStringLiteral("TreeFolders"));
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    tree->selectionModel()->setCurrentIndex(model->index(QString::fromStdString(path)), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  TFolderPickerDialog picker_;
};

}  // namespace

TEST_F(Picker, ChoosesAFolderBelowItsRoot) {
  std::vector<std::string> seen;
  picker_.OnSelectionChanged = [&](TFolderPickerDialog*, QDialog*, const std::string& folder) { seen.push_back(folder); };
  OnOpen([&](QDialog* browser) {
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Ordner suchen"));
    EXPECT_EQ(browser->findChild<QLabel*>(QStringLiteral("LabelTitle"))->text(), QStringLiteral("Ausgewählter Ordner:"));
    Choose(browser, Path("root/Kunden/Nord"));
    EXPECT_EQ(browser->findChild<QLabel*>(QStringLiteral("LabelStatus"))->text(),
              ShortenedPath(QString::fromStdString(Path("root/Kunden/Nord")), 50));
    browser->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
  });
  ASSERT_TRUE(picker_.Execute());
  EXPECT_EQ(picker_.Folder, Path("root/Kunden/Nord"));
  EXPECT_EQ(seen.back(), Path("root/Kunden/Nord"));

  OnOpen([](QDialog* browser) { browser->findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->click(); });
  EXPECT_FALSE(picker_.Execute());
  EXPECT_EQ(picker_.Folder, Path("root/Kunden/Nord"));
  // OK with nothing chosen takes the root.
  picker_.Folder.clear();
  OnOpen([](QDialog* browser) { browser->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click(); });
  ASSERT_TRUE(picker_.Execute());
  EXPECT_EQ(picker_.Folder, Path("root"));
}

TEST_F(Picker, NewFolderReopensTheBrowserThere) {
  int opened = 0;
  picker_.AskFolderName = [](QWidget*, const QString& title) -> std::optional<QString> {
    EXPECT_EQ(title, QStringLiteral("Neuer Ordner"));
    return QStringLiteral("Belege");
  };
  OnOpen([&](QDialog* browser) {
    ++opened;
    if (opened == 1) {
      Choose(browser, Path("root/Archiv"));
      browser->findChild<QPushButton*>(QStringLiteral("ButtonNewFolder"))->click();
    } else {
      browser->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
    }
  });
  ASSERT_TRUE(picker_.Execute());
  EXPECT_EQ(opened, 2);
  EXPECT_TRUE(std::filesystem::is_directory(Path("root/Archiv/Belege")));
  EXPECT_EQ(picker_.Folder, Path("root/Archiv/Belege"));
}

TEST_F(Picker, NewFolderNamesStayInTheSelectedFolder) {
  picker_.AskFolderName = [](QWidget*, const QString&) -> std::optional<QString> { return QStringLiteral("../weg"); };
  bool warned = false;
  OnOpen([&](QDialog* browser) {
    Choose(browser, Path("root/Archiv"));
    fdtest::WhenModal([&, browser] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        warned = true;
        box->accept();
      }
      fdtest::WhenModal([browser] { browser->reject(); });
    });
    browser->findChild<QPushButton*>(QStringLiteral("ButtonNewFolder"))->click();
  });
  EXPECT_FALSE(picker_.Execute());
  EXPECT_TRUE(warned);
  EXPECT_FALSE(Exists("root/weg"));
}

TEST_F(Picker, TheFileDialogsBrowseUsesIt) {
  TForm_FileDialog dialog(nullptr, env_);
  dialog.Services.ShowError = [](QWidget*, const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); };
  dialog.SetHomeEntry(0, QStringLiteral("Daten"), Path("root"), Path("root"));
  dialog.SetHomeEntry(1, QString(), "", "");
  dialog.SetBrowseEntry(0, QStringLiteral("Daten"), Path("root"), Path("root"));
  dialog.SetBrowseEntry(1, QString(), "", "");
  dialog.Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  fdtest::WhenModal([this] {
    auto* browser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->objectName(), QStringLiteral("FolderPicker"));
    EXPECT_FALSE(browser->findChild<QLabel*>(QStringLiteral("LabelTitle"))->isVisibleTo(browser));
    Choose(browser, Path("root/Kunden/Nord"));
    browser->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
  });
  dialog.SpeedButton_BrowseClick();
  EXPECT_EQ(dialog.CurrentPath(), Path("root/Kunden/Nord"));
}
