#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "app/Konfig.h"
#include "app/language/LanguageFile.h"
#include "app/language/LanguageLoader.h"
#include "app/language/LanguageSections.h"
#include "app/language/LanguageTargets.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/LineFile.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printdata/ui/TFrameDaten.h"
#include "printerlink/thread/CaptionTable.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "support/FileBytes.h"

using namespace app;
using platform::BeepKind;

namespace {

// One value line of the table and a text it sets.
struct Placed {
  const LanguageSection* section;
  std::size_t line;  // 0-based among the section's value lines
  LanguageTarget target;
};

std::vector<Placed> AllTargets() {
  std::vector<Placed> all;
  for (const LanguageSection& s : LanguageSections())
    for (std::size_t i = 0; i < s.values.size(); ++i)
      for (const LanguageTarget& t : s.values[i]) all.push_back({&s, i, t});
  return all;
}

// What a target holds after its value line `line` was applied.
std::string Stored(const LanguageTarget& t, const std::string& line) {
  switch (t.kind) {
    case TextTarget::WindowCaption:
    case TextTarget::TextBlankPrefix: return " " + line;
    case TextTarget::TextTrailingBlank: return line + " ";
    default: return line;
  }
}

// The value lines of every section of a file, by section.
std::map<const LanguageSection*, std::vector<std::string>> SectionValues(const std::vector<std::string>& lines) {
  const LanguageFileCheck check = CheckLanguageFile(lines, LanguageSections());
  EXPECT_EQ(check.result, kLanguageLoaded);
  std::map<const LanguageSection*, std::vector<std::string>> values;
  for (const SectionUse& use : check.sections)
    values[use.section] =
        std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(use.firstValue),
                                 lines.begin() + static_cast<std::ptrdiff_t>(use.firstValue + use.section->values.size()));
  return values;
}

// Every text the table names that exists now, with what it holds.
std::map<std::string, std::string> Snapshot() {
  const LanguageWindows windows;
  std::map<std::string, std::string> texts;
  for (const Placed& p : AllTargets())
    if (auto text = windows.Read(p.target)) texts[p.target.Name()] = *text;
  return texts;
}

// A language file whose every value line is different from all others.
std::vector<std::string> UniqueValuesFile() {
  std::vector<std::string> lines{"", "", "", "", "XXXXXXXX", "Tarvik23"};
  int section = 0;
  for (const LanguageSection& s : LanguageSections()) {
    ++section;
    lines.push_back(s.header);
    for (std::size_t i = 0; i < s.values.size(); ++i)
      lines.push_back("S" + std::to_string(section) + "V" + std::to_string(i + 1));
  }
  lines.push_back("// end");
  return lines;
}

class Languages : public apptest::LanguageApp {
 protected:
  std::vector<std::string> FileLines(int id) const {
    return SplitLanguageText(testsupport::FileBytes(Form_Main->LanguageDir + TFormSprache::FileName(id)));
  }
  void WriteLanguage(int id, const std::string& bytes) const {
    WriteFile(Form_Main->LanguageDir + TFormSprache::FileName(id), bytes);
  }
};

}  // namespace

TEST_F(Languages, SwitchingChangesEveryRegisteredTextAndBack) {
  // The main window at its smallest size is pictured in each language.
  Form_Main->show();
  Form_Main->resize(852, 612);
  const std::map<std::string, std::string> german = Snapshot();
  ASSERT_FALSE(german.empty());
  for (int id = 1; id <= 4; ++id) {
    SCOPED_TRACE(TFormSprache::FileName(id));
    ASSERT_EQ(FormSprache->SetLanguage(id), 1);
    EXPECT_EQ(FormSprache->GetLanguage(), id);
    const std::string shot = "language-main-" + std::to_string(id);
    apptest::Screenshot(Form_Main, shot.c_str());
    Form_Main->SpeedButtonPC->click();
    apptest::Screenshot(Form_Main, (shot + "-pc-menu").c_str());
    Form_Main->SpeedButtonHilfe->click();
    apptest::Screenshot(Form_Main, (shot + "-help-menu").c_str());
    Form_Main->CloseMenusAndRefresh();
    const auto values = SectionValues(FileLines(id));
    const auto germanValues = SectionValues(FileLines(0));
    const LanguageWindows windows;
    int changed = 0;
    for (const Placed& p : AllTargets()) {
      const auto text = windows.Read(p.target);
      if (!text) continue;
      EXPECT_EQ(*text, Stored(p.target, values.at(p.section)[p.line])) << p.target.Name();
      if (values.at(p.section)[p.line] != germanValues.at(p.section)[p.line]) {
        EXPECT_NE(*text, german.at(p.target.Name())) << p.target.Name();
        ++changed;
      }
    }
    EXPECT_GT(changed, 40);
  }
  // Back to German: every text is its window's own default again.
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(FormSprache->GetLanguage(), 0);
  EXPECT_EQ(Snapshot(), german);
  apptest::Screenshot(Form_Main, "language-main-0");
}

TEST_F(Languages, EveryRegisteredNameTakesItsOwnLine) {
  WriteLanguage(1, LanguageFileBytes(UniqueValuesFile()));
  ASSERT_EQ(FormSprache->SetLanguage(1), 1);

  const LanguageWindows windows;
  std::map<std::string, std::vector<std::string>> missing;  // by window
  std::set<std::string> missingWindows;
  int section = 0;
  int applied = 0;
  for (const LanguageSection& s : LanguageSections()) {
    ++section;
    for (std::size_t i = 0; i < s.values.size(); ++i) {
      const std::string line = "S" + std::to_string(section) + "V" + std::to_string(i + 1);
      for (const LanguageTarget& t : s.values[i]) {
        if (const auto text = windows.Read(t)) {
          EXPECT_EQ(*text, Stored(t, line)) << t.Name();
          ++applied;
          continue;
        }
        if (!windows.Window(t.window)) missingWindows.insert(t.window);
        missing[t.window].push_back(t.Name().substr(t.window.size() + 1));
      }
    }
  }
  EXPECT_GT(applied, 60);

  // The gap: names of the table that no window has registered yet.
  std::size_t count = 0;
  std::printf("Language table names no window has registered yet:\n");
  for (const auto& [window, members] : missing) {
    count += members.size();
    std::printf("  %s%s:", window.c_str(), missingWindows.count(window) ? " (window not built yet)" : "");
    for (const std::string& m : members) std::printf(" %s", m.c_str());
    std::printf("\n");
  }
  std::printf("  %zu of %zu names unregistered, %d applied.\n", count, count + static_cast<std::size_t>(applied),
              applied);
}

TEST_F(Languages, RefusedFileChangesNoText) {
  const std::vector<std::string> english = FileLines(1);
  auto headerAt = [&english](const std::string& header) {
    for (std::size_t i = 0; i < english.size(); ++i)
      if (english[i] == header) return i;
    ADD_FAILURE() << header;
    return std::size_t{0};
  };

  // Cut in the middle of a section near the end: every earlier section
  // could be applied, and none may be.
  std::vector<std::string> truncated(english.begin(),
                                     english.begin() + static_cast<std::ptrdiff_t>(headerAt("[File Dialog]") + 10));
  // A section that lost a value line, so that it swallows the next header.
  std::vector<std::string> lostValue = english;
  const std::size_t sprache = headerAt("[PC Sprache]");
  lostValue.erase(lostValue.begin() + static_cast<std::ptrdiff_t>(sprache + 3),
                  lostValue.begin() + static_cast<std::ptrdiff_t>(sprache + 5));
  ASSERT_EQ(lostValue[sprache + 3], "[PC Herstellen]");
  std::vector<std::string> wrongChecksum = english;
  wrongChecksum[10] += " ";
  std::vector<std::string> wrongProduct = english;
  wrongProduct[5] = "Tarvik 23";

  struct Case {
    const char* what;
    std::string bytes;
    bool errorBeep;
    bool red;
  };
  const Case cases[] = {
      {"truncated", LanguageFileBytes(truncated), true, false},
      {"lost value", LanguageFileBytes(lostValue), true, false},
      {"wrong checksum", platform::JoinLines(wrongChecksum), true, true},
      {"wrong product", LanguageFileBytes(wrongProduct), false, false},
      {"four lines", "a\r\nb\r\nc\r\nd\r\n", true, false},
  };
  const std::map<std::string, std::string> before = Snapshot();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteLanguage(1, c.bytes);
    beeps_.clear();
    EXPECT_EQ(FormSprache->SetLanguage(1), -1);
    EXPECT_EQ(FormSprache->GetLanguage(), 0);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(!beeps_.empty() && beeps_.back() == BeepKind::Error, c.errorBeep);
    EXPECT_EQ(FormSprache->Edit_SpracheCRC->text().toStdString(),
              ChecksumText(LanguageChecksum(SplitLanguageText(c.bytes))));
    EXPECT_EQ(FormSprache->Edit_SpracheCRC->styleSheet().contains(QStringLiteral("#ff0000")), c.red);
  }
  std::filesystem::remove(Form_Main->LanguageDir + TFormSprache::FileName(1));
  EXPECT_EQ(LoadLanguageFile(Form_Main->LanguageDir + TFormSprache::FileName(1)), kLanguageUnreadable);
  EXPECT_EQ(FormSprache->SetLanguage(1), -1);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Languages, DataTitleFollowsOnlyWhileItShowsNoOrNewData) {
  TFrameDaten* d = Form_Main->FrameDaten;
  ASSERT_EQ(d->PanelTitel->Caption(), QStringLiteral("Daten"));
  ASSERT_EQ(FormSprache->SetLanguage(1), 1);
  EXPECT_EQ(d->TitleNone, QStringLiteral("Data"));
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Data"));

  d->PanelTitel->SetCaption(d->TitleNew);
  ASSERT_EQ(FormSprache->SetLanguage(2), 1);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Nouveau"));

  d->PanelTitel->SetCaption(QStringLiteral("Eier"));
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Eier"));
  EXPECT_EQ(d->TitleNone, QStringLiteral("Daten"));
  EXPECT_EQ(d->TitleNew, QStringLiteral("Neu"));
}

TEST_F(Languages, LaterWindowsRegisterInOneLineEach) {
  // The file dialog of another library: hints, menu entries, its list's
  // columns and its own texts.
  TForm_FileDialog& fileDialog = *Form_FileDialog;
  const QWidget* back = fileDialog.SpeedButton_Back;
  const QAction* clearList = fileDialog.InsertListeLoeschen;
  const QAbstractItemModel* list = fileDialog.lstvwVirtualList->ActiveView()->model();
  auto column = [list](int n) { return list->headerData(n, Qt::Horizontal).toString(); };
  const std::array<QString, 8>& dialogTexts = fileDialog.DialogTexts;

  // The operator-panel option window of the settings library: a text of
  // its own and a button.
  TFormPrinterBedienteilOption& option = *FormPrinterBedienteilOption;
  const QString& modeWord = option.ModeWord;
  const platform::SpeedButton* SpeedButtonOK = option.SpeedButtonOK;
  // A frame inside the window keeps its own members to itself.
  auto* inner = new QWidget(&option);
  inner->setObjectName(QStringLiteral("FrameInner"));
  auto* innerOk = new platform::SpeedButton(inner);
  innerOk->setObjectName(QStringLiteral("SpeedButtonOK"));
  innerOk->SetCaption(QStringLiteral("inner"));
  const std::unique_ptr<QWidget> innerOwner(inner);

  // The remote control's names, which the printer thread builds its texts
  // from.
  const std::array<std::string, 17>& nameTexts = FormPrinterFernsteuerung->NameTexts;

  // The quick help's lists, one line per entry.
  const std::array<QString, 50>& dataHelp = FormSchnellhilfe->DataHelp;

  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(back->toolTip(), QStringLiteral("Zur\u00fcck"));
  EXPECT_EQ(clearList->text(), QStringLiteral("Liste l\u00f6schen"));
  EXPECT_EQ(column(1), QStringLiteral("Gr\u00f6sse"));
  EXPECT_EQ(column(3), QStringLiteral("Ge\u00e4ndert am"));
  // The dialog's own texts, in its order: open, save, cancel, then the two
  // questions.
  const QString expectedDialog[8] = {QStringLiteral("\u00d6ffnen"),    QStringLiteral("Speichern"),
                                     QStringLiteral("Abbrechen"),       QStringLiteral("Neuer Ordner"),
                                     QStringLiteral("Ordnername:"),     QStringLiteral("Neuer Ordner"),
                                     QStringLiteral("Umbenennen"),      QStringLiteral("Neuer Name:")};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(dialogTexts[i], expectedDialog[i]) << i;
  EXPECT_EQ(modeWord, QStringLiteral("Modus "));
  EXPECT_EQ(SpeedButtonOK->Caption(), QStringLiteral("OK"));
  EXPECT_EQ(innerOk->Caption(), QStringLiteral("inner"));
  // The window keeps the special names first, the states after them.
  EXPECT_EQ(nameTexts[0], "D\xFCsenreinigung");
  EXPECT_EQ(nameTexts[4], "P3");
  EXPECT_EQ(nameTexts[5], "Aus");
  EXPECT_EQ(nameTexts[16], "Fehler");
  EXPECT_EQ(dataHelp[0], QStringLiteral(" Daten ?"));
  EXPECT_EQ(dataHelp[1], QStringLiteral("Ansicht Ebenen ............... Strg+1"));
  EXPECT_EQ(dataHelp[25], QStringLiteral("Abbrechen"));
  EXPECT_TRUE(dataHelp[26].isEmpty());

  ASSERT_EQ(FormSprache->SetLanguage(1), 1);
  EXPECT_EQ(modeWord, QStringLiteral("Mode "));
  EXPECT_EQ(dialogTexts[0], QStringLiteral("Open"));
  EXPECT_EQ(column(0), QStringLiteral("Name"));
  EXPECT_EQ(column(1), QStringLiteral("Size"));
  EXPECT_EQ(nameTexts[0], "Nozzle cleaning");
  EXPECT_EQ(nameTexts[16], "Error");
  EXPECT_EQ(printerthread::PrinterCaptionTable().Get()->NameTexts, nameTexts);

  // A line "Modus " keeps its blank, and one more follows it.
  std::vector<std::string> lines = FileLines(0);
  for (std::size_t i = 0; i + 11 < lines.size(); ++i)
    if (lines[i] == "[Printer Einstellen Bedienteil Option]") lines[i + 11] = "Modus ";
  WriteLanguage(0, LanguageFileBytes(lines));
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(modeWord, QStringLiteral("Modus  "));
}

TEST_F(Languages, IdsOutsideTheFourMeanGerman) {
  for (int id : {7, -1, 0, 5}) {
    ASSERT_EQ(FormSprache->SetLanguage(1), 1);
    EXPECT_EQ(FormSprache->SetLanguage(id), 1) << id;
    EXPECT_EQ(FormSprache->GetLanguage(), 0) << id;
    EXPECT_EQ(Form_Main->SpeedButtonHilfe->Caption(), QStringLiteral("Hilfe")) << id;
  }
  // The active file is loaded again when chosen again.
  ASSERT_EQ(FormSprache->SetLanguage(3), 1);
  Form_Main->SpeedButtonHilfe->SetCaption(QStringLiteral("x"));
  ASSERT_EQ(FormSprache->SetLanguage(3), 1);
  EXPECT_EQ(Form_Main->SpeedButtonHilfe->Caption(), QStringLiteral("Aiuto"));
}

TEST_F(Languages, ProgramConfigLoadsTheLanguageAndReadsOnWhenItFails) {
  WriteFile(ConfigFile("Tarvik23.ini"), "[Sprache]\r\n4\r\n\r\n[Bedienungsmodus]\r\n2\r\n");
  EXPECT_EQ(ReadProgramConfig(), 0);
  EXPECT_EQ(FormSprache->GetLanguage(), 4);
  EXPECT_EQ(Form_Main->SpeedButtonHilfe->Caption(), QStringLiteral("Ayuda"));

  // A truncated file leaves the language as it was, and the keys after the
  // language are still read.
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  FormBedienungsmodus->SetStartupMode(0);
  std::vector<std::string> italian = FileLines(3);
  italian.resize(italian.size() - 20);
  WriteLanguage(3, LanguageFileBytes(italian));
  WriteFile(ConfigFile("Tarvik23.ini"), "[Sprache]\r\n3\r\n\r\n[Bedienungsmodus]\r\n2\r\n");
  EXPECT_EQ(ReadProgramConfig(), 0);
  EXPECT_EQ(FormSprache->GetLanguage(), 0);
  EXPECT_EQ(Form_Main->SpeedButtonHilfe->Caption(), QStringLiteral("Hilfe"));
  EXPECT_EQ(FormBedienungsmodus->GetStartupMode(), 2u);
}

TEST_F(Languages, DialogShowsTheFilesThereAndTheChecksumInTheHighestMode) {
  std::filesystem::remove(Form_Main->LanguageDir + "Italiano23.lng");
  ASSERT_EQ(FormSprache->SetLanguage(2), 1);
  FormSprache->show();
  EXPECT_TRUE(platform::OwnEnabled(FormSprache->SpeedButtonDE));
  EXPECT_TRUE(platform::OwnEnabled(FormSprache->SpeedButtonFR));
  EXPECT_FALSE(platform::OwnEnabled(FormSprache->SpeedButtonIT));
  EXPECT_EQ(FormSprache->PanelFR->Color(), platform::colours::kGrey);
  EXPECT_EQ(FormSprache->PanelDE->Color(), platform::colours::kSilver);
  EXPECT_TRUE(FormSprache->Edit_SpracheCRC->isHidden());
  EXPECT_EQ(FormSprache->windowTitle(), QStringLiteral(" Langue"));
  EXPECT_EQ(FormSprache->SpeedButtonAbbrechen->Caption(), QStringLiteral("Annuler"));
  FormSprache->hide();

  FormBedienungsmodus->SetOperatingMode(3);
  FormSprache->show();
  EXPECT_FALSE(FormSprache->Edit_SpracheCRC->isHidden());
  EXPECT_EQ(FormSprache->Edit_SpracheCRC->text().size(), 8);
  FormSprache->hide();
}

TEST_F(Languages, DialogKeysAndChoice) {
  ASSERT_EQ(FormSprache->SetLanguage(1), 1);
  int result = 0;
  apptest::WhenModal([&] {
    FormSprache->SpeedButtonES->click();
    EXPECT_EQ(FormSprache->GetChosenLanguage(), 4);
    EXPECT_EQ(FormSprache->PanelES->Color(), platform::colours::kGrey);
    EXPECT_EQ(FormSprache->PanelEN->Color(), platform::colours::kSilver);
    apptest::PressKey(FormSprache, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(FormSprache->isVisible());
    apptest::PressKey(FormSprache, Qt::Key_Escape);
  });
  result = FormSprache->exec();
  EXPECT_EQ(result, 7);
  EXPECT_EQ(FormSprache->GetLanguage(), 1);

  apptest::WhenModal([] { apptest::PressKey(FormSprache, Qt::Key_Return); });
  EXPECT_EQ(FormSprache->exec(), 6);
  // The next showing marks the active language again.
  EXPECT_EQ(FormSprache->GetChosenLanguage(), 1);
}

TEST_F(Languages, PcMenuLoadsTheChosenLanguageAndStoresIt) {
  TFrameMenuPC* menu = Form_Main->FrameMenuPC;
  apptest::WhenModal([] {
    FormSprache->SpeedButtonFR->click();
    FormSprache->SpeedButtonAbbrechen->click();
  });
  menu->SpeedButtonSpracheClick(menu->SpeedButtonSprache);
  EXPECT_EQ(FormSprache->GetLanguage(), 0);
  EXPECT_FALSE(std::filesystem::exists(ConfigFile("Tarvik23.ini")));

  apptest::WhenModal([] {
    FormSprache->SpeedButtonFR->click();
    FormSprache->SpeedButtonOK->click();
  });
  menu->SpeedButtonSpracheClick(menu->SpeedButtonSprache);
  EXPECT_EQ(FormSprache->GetLanguage(), 2);
  EXPECT_EQ(menu->SpeedButtonSprache->Caption(), QStringLiteral("Langue"));
  const auto lines = platform::SplitLines(testsupport::FileBytes(ConfigFile("Tarvik23.ini")));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "[Sprache]");
  EXPECT_EQ(lines[1], "2");

  // A file that does not load writes nothing.
  std::filesystem::remove(ConfigFile("Tarvik23.ini"));
  WriteLanguage(4, "broken");
  apptest::WhenModal([] {
    FormSprache->SpeedButtonES->click();
    FormSprache->SpeedButtonOK->click();
  });
  menu->SpeedButtonSpracheClick(menu->SpeedButtonSprache);
  EXPECT_EQ(FormSprache->GetLanguage(), 2);
  EXPECT_FALSE(std::filesystem::exists(ConfigFile("Tarvik23.ini")));
}
