// Every use of the dialog in the program, set up as its caller sets it up,
// gets the path it asked for.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "DialogFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/SpeedButton.h"

using namespace filedialog;

namespace {

// The main window's folders, as the callers take them (each ending in "/";
// the sibling programs' graphics folders "" when absent).
struct Folders {
  std::string data, tmp, bmp, service, hex, tarvikBmp, tarvik12Bmp, tarvik20Bmp, tarvik50Bmp, quandrix45Bmp;
};

enum class PlaceSet { A, B, C, D, E, F, G };

struct Use {
  const char* purpose;
  const char* defaultExtension;
  std::uint8_t mode;
  const char* initialName;
  std::uint32_t startEntry;
  const char* extraExtension;  // "" none
  const char* clipboard;
  PlaceSet places;
  std::uint32_t options;
  // What the user does: a file picked (open) or a name typed (save); and,
  // for the places of the computer, the Home entry chosen first (-1 none).
  int homeEntry;
  const char* pick;
  // The path expected, relative to the test's folder.
  const char* expected;
};

class Callers : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    f_.data = Folder("Tarvik23/DATA") + "/";
    f_.tmp = Folder("Tarvik23/TMP") + "/";
    f_.bmp = Folder("Tarvik23/BMP") + "/";
    f_.service = Folder("Tarvik23/SERVICE") + "/";
    f_.hex = Folder("Tarvik23/HEX") + "/";
    f_.tarvikBmp = Folder("Tarvik/BMP");
    f_.tarvik50Bmp = Folder("Tarvik50/BMP");
    Folder("home/Documents");
    Folder("home/Desktop");
    Write("Tarvik23/DATA/Set.ZG23", "");
    Write("Tarvik23/DATA/Gruppe.g23", "");
    Write("Tarvik23/TMP/BS.r23", "");
    Write("Tarvik23/BMP/Logo.bmp", "");
    Write("Tarvik23/SERVICE/KONFIG.sys23", "");
    Write("Tarvik23/HEX/FW_2024.B23", "");
    Write("home/Documents/Import.zg23", "");
    Write("home/Documents/Sicherung.bak23", "");
  }

  // Both menus of a place set, as the callers fill them.
  void FillPlaces(PlaceSet set) {
    TForm_FileDialog* d = dialog_;
    auto both = [d](std::uint32_t i, const char* caption, const std::string& path) {
      d->SetHomeEntry(i, QString::fromUtf8(caption), path, path);
      d->SetBrowseEntry(i, QString::fromUtf8(caption), path, path);
    };
    auto computer = [&](std::uint32_t first) {
      both(first, "Eigene Dateien", "Eigene Dateien");
      both(first + 1, "Desktop", "Desktop");
      both(first + 2, "Arbeitsplatz", kMyComputerName);
      both(first + 3, "Netzwerkumgebung", kNetworkName);
      both(first + 4, "", "");
    };
    switch (set) {
      case PlaceSet::A:
        both(0, "", f_.data);
        break;
      case PlaceSet::B:
        both(0, "Tarvik23", f_.tmp);
        both(1, "-", "");
        computer(2);
        break;
      case PlaceSet::C:
        both(0, "Tarvik23", f_.bmp);
        both(1, "-", "");
        both(2, "Tarvik", f_.tarvikBmp);
        both(3, "Tarvik12", f_.tarvik12Bmp);
        both(4, "Tarvik20", f_.tarvik20Bmp);
        both(5, "Tarvik50", f_.tarvik50Bmp);
        both(6, "-", "");
        both(7, "Quandrix45", f_.quandrix45Bmp);
        both(8, "-", "");
        computer(9);
        break;
      case PlaceSet::D:
        both(0, "", f_.service);
        break;
      case PlaceSet::E:
        both(0, "Tarvik23 (SERVICE)", f_.service);
        d->SetBrowseEntry(0, QStringLiteral("Tarvik50 (SERVICE)"), f_.service, f_.service);
        both(1, "-", "");
        computer(2);
        break;
      case PlaceSet::F:
        d->SetHomeEntry(0, QStringLiteral("Tarvik23 (HEX)"), f_.hex, f_.hex);
        d->SetHomeEntry(1, QString(), "", "");
        d->SetBrowseEntry(0, QStringLiteral("Tarvik50 (HEX)"), f_.hex, f_.hex);
        d->SetBrowseEntry(1, QString(), "", "");
        break;
      case PlaceSet::G:
        computer(0);
        break;
    }
  }

  Folders f_;
};

const Use kUses[] = {
    {"open a data set from the slot dialog", "zg23", 0, "", 0, "g23", "ZG12", PlaceSet::A, 0x3FF7F, -1, "Set.zg23",
     "Tarvik23/DATA/Set.ZG23"},
    {"open a group file from the slot dialog", "zg23", 0, "", 0, "g23", "ZG12", PlaceSet::A, 0x3FF7F, -1, "Gruppe.g23",
     "Tarvik23/DATA/Gruppe.g23"},
    {"save a data set from the slot dialog", "zg23", 1, "", 0, "", "ZG12", PlaceSet::A, 0x3FF7F, -1, "Neu",
     "Tarvik23/DATA/Neu.zg23"},
    {"open a raw printer bitmap", "r23", 0, "", 0, "", "R12", PlaceSet::B, 0x3FF7F, -1, "BS.r23", "Tarvik23/TMP/BS.r23"},
    {"export the print text as a bitmap", "bmp", 1, "", 0, "", "BMP", PlaceSet::C, 0x3FF7F, -1, "Export",
     "Tarvik23/BMP/Export.bmp"},
    {"import a bitmap into the graphic", "bmp", 0, "", 0, "", "BMP", PlaceSet::C, 0x3FF7F, -1, "Logo.bmp",
     "Tarvik23/BMP/Logo.bmp"},
    {"export the graphic's bitmap", "bmp", 1, "", 0, "", "BMP", PlaceSet::C, 0x3FF7F, -1, "Grafik.png",
     "Tarvik23/BMP/Grafik.bmp"},
    {"save the controller's configuration copy", "sys23", 1, "KONFIG.sys23", 0, "", "SYS12", PlaceSet::D, 0x3FF7F, -1,
     nullptr, "Tarvik23/SERVICE/KONFIG.sys23"},
    {"load a controller configuration copy", "sys23", 0, "", 0, "", "SYS12", PlaceSet::D, 0x3FF7F, -1, "KONFIG.sys23",
     "Tarvik23/SERVICE/KONFIG.sys23"},
    {"open a file in the configuration editor", "sys23", 0, "", 0, "sys23", "SYS23", PlaceSet::E, 0x3FF7F, -1,
     "KONFIG.sys23", "Tarvik23/SERVICE/KONFIG.sys23"},
    {"save the configuration editor's file", "sys23", 1, "KONFIG", 0, "", "SYS23", PlaceSet::E, 0x3FF7F, -1, nullptr,
     "Tarvik23/SERVICE/KONFIG.sys23"},
    {"choose a firmware package", "B23", 0, "", 0, "", "B23", PlaceSet::F, 0x7F, -1, "FW_2024.b23",
     "Tarvik23/HEX/FW_2024.B23"},
    {"import a data set", "zg23", 0, "", 2, "", "ZG12", PlaceSet::G, 0x3FF7F, 0, "Import.zg23",
     "home/Documents/Import.zg23"},
    {"export the open data set", "zg23", 1, "", 2, "", "ZG12", PlaceSet::G, 0x3FF7F, 1, "Export.txt",
     "home/Desktop/Export.zg23"},
    {"back up the PC data", "bak23", 1, "", 2, "", "BAK12", PlaceSet::G, 0x3FF7F, 0, "Sicherung",
     "home/Documents/Sicherung.bak23"},
    {"restore from a backup", "bak23", 0, "", 2, "", "BAK12", PlaceSet::G, 0x3FF7F, 0, "Sicherung.bak23",
     "home/Documents/Sicherung.bak23"},
};

}  // namespace

TEST_F(Callers, EachUseGetsThePathItAskedFor) {
  for (const Use& use : kUses) {
    SCOPED_TRACE(use.purpose);
    FillPlaces(use.places);
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    if (*use.extraExtension) {
      ASSERT_EQ(dialog_->SetExtraExtension(0, use.extraExtension), 0);
    }
    dialog_->ClearHiddenExtensions();
    dialog_->Setup(QString::fromUtf8(use.purpose), use.defaultExtension, 0x60, -1, use.options, use.mode,
                   use.initialName, use.startEntry);
    dialog_->SetClipboardFolder(f_.tmp + use.clipboard);
    const int result = RunModal([&] {
      if (use.places == PlaceSet::G) {
        EXPECT_EQ(dialog_->CurrentPath(), kMyComputerName);
      }
      if (use.homeEntry >= 0) dialog_->HomeItemClick(use.homeEntry);
      if (use.pick && use.mode == 0) Select(use.pick);
      if (use.pick && use.mode == 1) dialog_->Edit_FileName->setText(QString::fromUtf8(use.pick));
      dialog_->SpeedButton_OK->click();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialog_->GetFileName(), Path(use.expected));
    EXPECT_TRUE(std::filesystem::is_directory(f_.tmp + use.clipboard));
    EXPECT_TRUE(errors_.empty());
  }
}

TEST_F(Callers, PlacesOfTheGraphicsShowTheInstalledSiblings) {
  FillPlaces(PlaceSet::C);
  dialog_->Setup(QStringLiteral("Grafik"), "bmp", 0x60, -1, 0x3FF7F, 0, "", 0);
  const char* captions[] = {"Tarvik23", "", "Tarvik", "Tarvik12", "Tarvik20", "Tarvik50", "", "Quandrix45", "",
                            "Documents", "Desktop", "Arbeitsplatz", "Netzwerkumgebung"};
  const bool enabled[] = {true, false, true, false, false, true, false, false, false, true, true, true, false};
  for (std::size_t i = 0; i < std::size(captions); ++i) {
    EXPECT_EQ(dialog_->HomeItems[i]->text(), QString::fromUtf8(captions[i])) << i;
    EXPECT_EQ(dialog_->HomeItems[i]->isEnabled(), enabled[i]) << i;
    EXPECT_EQ(dialog_->HomeItems[i]->isSeparator(), captions[i][0] == '\0') << i;
  }
  EXPECT_FALSE(dialog_->HomeItems[13]->isVisible());
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" Grafik - Tarvik23"));
}
