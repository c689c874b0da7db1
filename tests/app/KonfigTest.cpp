#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "AppFixture.h"
#include "support/FileBytes.h"
#include "app/Konfig.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/LineFile.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"

using namespace app;

TEST(ConfigNumber, DecimalOrTheDefault) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {{"0", 0}, {"42", 42}, {"-3", -3}, {"+7", 7}, {"  12", 12}, {"x", 99}, {"", 99}, {"1x", 99},
               {"12 ", 99}, {"-", 99}, {"2147483647", 2147483647}, {"2147483648", 99}, {"1.5", 99}};
  for (const auto& c : cases) EXPECT_EQ(ConfigNumber(c.text, 99), c.expected) << c.text;
}

TEST(ProgramConfigFile, WrittenLayout) {
  ProgramConfig c;
  c.language = 2;
  c.bluetooth = 1;
  c.startupMode = 3;
  EXPECT_EQ(platform::JoinLines(ProgramConfigLines(c)),
            "[Sprache]\r\n2\r\n\r\n[RS232USB]\r\n1\r\n\r\n[Bluetooth]\r\n1\r\n\r\n[LANWLAN]\r\n0\r\n\r\n"
            "[Bedienungsmodus]\r\n3\r\n\r\n");
}

TEST(ProgramConfigFile, KeysAreAppliedInFileOrder) {
  std::vector<std::string> applied;
  ProgramConfigTargets t;
  t.language = [&](int v) { applied.push_back("lang " + std::to_string(v)); };
  t.rs232usb = [&](unsigned v) { applied.push_back("usb " + std::to_string(v)); };
  t.bluetooth = [&](unsigned v) { applied.push_back("bt " + std::to_string(v)); };
  t.lanwlan = [&](unsigned v) { applied.push_back("lan " + std::to_string(v)); };
  t.startupMode = [&](unsigned v) { applied.push_back("mode " + std::to_string(v)); };
  ApplyProgramConfig({"junk", "[Bedienungsmodus]", "2", "", "[sprache]", "3", "[Sprache]", "x", "[RS232USB]", "x",
                      "[Bluetooth]", "[LANWLAN]", "[Sprache]", "4", "[LANWLAN]"},
                     t);
  // A lower-case key is no key; "x" takes each key's default; a key's value
  // line is never read as a key; a key on the last line has no value.
  EXPECT_EQ(applied, (std::vector<std::string>{"mode 2", "lang 0", "usb 1", "bt 0", "lang 4"}));
}

TEST(MainWindowPlace, OuterPlaceComesBackAsStoredAndStaysOnTheScreen) {
  const QRect desk(0, 0, 1280, 1024);
  const QRect screen(0, 0, 1280, 1024);
  const QRect belowPanel(0, 0, 1280, 994);  // a 30 px panel at the bottom
  const QSize current(894, 698), minimum(854, 637);
  const struct {
    const char* what;
    StoredPlace stored;
    bool older;
    QRect available;
    QRect expected;
  } cases[] = {
      {"a place on the screen stays as it is", {193, 163, 894, 698}, false, screen, {193, 163, 894, 698}},
      {"as large as the desktop", {0, 0, 1280, 1024}, false, screen, {0, 0, 1280, 1024}},
      {"as large as the desktop, above a panel", {0, 0, 1280, 1024}, false, belowPanel, {0, 0, 1280, 994}},
      {"larger than the desktop", {0, 0, 99999, 99999}, false, belowPanel, {0, 0, 1280, 994}},
      {"partly off the right and bottom edges", {1000, 900, 894, 698}, false, screen, {386, 326, 894, 698}},
      {"off every monitor", {-5000, -5000, 894, 698}, false, screen, {0, 0, 894, 698}},
      {"within 100 px of the far edges", {1181, 925, 894, 698}, false, screen, {0, 0, 894, 698}},
      {"never below the smallest size", {10, 20, 100, 100}, false, screen, {10, 20, 854, 637}},
      {"older layout: off the desktop is centred", {-5000, -5000, 860, 660}, true, screen, {210, 182, 860, 660}},
      {"older layout: a size beyond the desktop is ignored", {5, 6, 2000, 600}, true, screen, {5, 6, 894, 637}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceMainFrame(c.stored, c.older, current, minimum, desk, c.available), c.expected) << c.what;
  // A screen smaller than the smallest window: the window keeps its place.
  EXPECT_EQ(PlaceMainFrame({10, 20, 900, 700}, false, current, minimum, QRect(0, 0, 800, 600), QRect(0, 0, 800, 600)),
            QRect(10, 20, 854, 637));
}

namespace {

class KonfigFiles : public apptest::AppFixture {
 protected:
  void WriteWindowLines(const std::vector<std::string>& lines) {
    WriteFile(ConfigFile("Window23.ini"), platform::JoinLines(lines));
  }
  QRect Desk() const { return QGuiApplication::primaryScreen()->virtualGeometry(); }
};

}  // namespace

TEST_F(KonfigFiles, ProgramConfigRoundTripsByteForByte) {
  const std::string file =
      "[Sprache]\r\n0\r\n\r\n[RS232USB]\r\n0\r\n\r\n[Bluetooth]\r\n1\r\n\r\n[LANWLAN]\r\n1\r\n\r\n"
      "[Bedienungsmodus]\r\n2\r\n\r\n";
  WriteFile(ConfigFile("Tarvik23.ini"), file);
  EXPECT_EQ(ReadProgramConfig(), 0);
  EXPECT_EQ(FormEinstellenPC->GetUseRS232USB(), 0u);
  EXPECT_EQ(FormEinstellenPC->GetUseBluetooth(), 1u);
  EXPECT_EQ(FormBedienungsmodus->GetOperatingMode(), 2u);
  EXPECT_EQ(FormBedienungsmodus->GetStartupMode(), 2u);
  std::filesystem::remove(ConfigFile("Tarvik23.ini"));
  EXPECT_EQ(WriteProgramConfig(), 0);
  EXPECT_EQ(testsupport::FileBytes(ConfigFile("Tarvik23.ini")), file);
}

TEST_F(KonfigFiles, ProgramConfigValuesAreKeptInRange) {
  WriteFile(ConfigFile("Tarvik23.ini"), "[Sprache]\n7\n[RS232USB]\n5\n[Bluetooth]\n-1\n[Bedienungsmodus]\n9\n");
  EXPECT_EQ(ReadProgramConfig(), 0);
  EXPECT_EQ(FormSprache->GetLanguage(), 0);
  EXPECT_EQ(FormEinstellenPC->GetUseRS232USB(), 1u);
  EXPECT_EQ(FormEinstellenPC->GetUseBluetooth(), 1u);
  EXPECT_EQ(FormBedienungsmodus->GetOperatingMode(), 0u);
}

TEST_F(KonfigFiles, MissingProgramConfigAppliesNothing) {
  EXPECT_EQ(ReadProgramConfig(), -1);
  EXPECT_EQ(FormEinstellenPC->GetUseRS232USB(), 1u);
  EXPECT_EQ(FormBedienungsmodus->GetOperatingMode(), 0u);
}

TEST_F(KonfigFiles, ConfigFilesAreReplacedWhole) {
  EXPECT_EQ(WriteProgramConfig(), 0);
  EXPECT_EQ(WriteWindowConfig(), 0);
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(Form_Main->ConfigDir))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Tarvik23.ini", "Window23.ini"}));
  // A configuration folder that is gone fails cleanly.
  std::filesystem::remove_all(Form_Main->ConfigDir);
  EXPECT_EQ(WriteProgramConfig(), -1);
  EXPECT_EQ(WriteWindowConfig(), -1);
}

TEST_F(KonfigFiles, WindowConfigRoundTripsByteForByte) {
  // The window's smallest size is larger than the offscreen desktop, so the
  // outer size that survives a round trip is the smallest one.
  Form_Main->show();
  const QSize smallest = Form_Main->minimumSize() + (Form_Main->frameGeometry().size() - Form_Main->size());
  const std::string file = platform::JoinLines({"V04.00", "0", "10", "20", std::to_string(smallest.width()),
                                                std::to_string(smallest.height()), "1", "30", "40", "0",
                                                "50", "60", "1", "0", "1", "4"});
  WriteFile(ConfigFile("Window23.ini"), file);
  EXPECT_EQ(ReadWindowConfig(), 0);
  EXPECT_TRUE(Form_Main->isVisible());
  // The remote control shown where it was, the diagnosis kept for its next
  // showing.
  EXPECT_TRUE(FormPrinterFernsteuerung->isVisible());
  EXPECT_EQ(FormPrinterFernsteuerung->frameGeometry().topLeft(), QPoint(30, 40));
  EXPECT_FALSE(FormPrinterSteuerungDiagnose->isVisible());
  EXPECT_EQ(FormPrinterSteuerungDiagnose->KeptPlace(), QPoint(50, 60));
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 4);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonNotizen->Tag, 1);
  std::filesystem::remove(ConfigFile("Window23.ini"));
  EXPECT_EQ(WriteWindowConfig(), 0);
  EXPECT_EQ(testsupport::FileBytes(ConfigFile("Window23.ini")), file);
}

TEST_F(KonfigFiles, WindowPlaceIsKeptOnTheDesktop) {
  const QRect desk = Desk();
  WriteWindowLines({"V04.00", "0", "-5000", std::to_string(desk.bottom()), "99999", "99999", "1", "-1", "7", "1",
                    "8", "9", "0", "0", "0", "9"});
  EXPECT_EQ(ReadWindowConfig(), 0);
  EXPECT_EQ(Form_Main->frameGeometry().left(), 0);
  EXPECT_EQ(Form_Main->frameGeometry().top(), 0);  // too close to the bottom edge to grab
  EXPECT_LE(Form_Main->width(), std::max(desk.width(), Form_Main->minimumWidth()));
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 5);
  ASSERT_EQ(WriteWindowConfig(), 0);
  const auto lines = platform::SplitLines(testsupport::FileBytes(ConfigFile("Window23.ini")));
  // The remote control's place, corrected, passes through.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 12),
            (std::vector<std::string>{"1", "0", "7", "1", "8", "9"}));
}

TEST_F(KonfigFiles, OlderLayouts) {
  // V03.00: the column tags and the zoom stand on lines 18 to 21.
  WriteWindowLines({"V03.00", "0", "5", "6", "852", "612", "0", "0", "0", "0", "0", "0", "9", "9", "9", "9", "9",
                    "1", "1", "0", "3"});
  EXPECT_EQ(ReadWindowConfig(), 0);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonEbenen->Tag, 1);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonNotizen->Tag, 0);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 3);

  // V02.00: a place off the desktop is centred; no tags are read.
  WriteWindowLines({"V02.00", "0", "-5000", "-5000", "852", "612", "0", "0", "0", "0", "0", "0"});
  EXPECT_EQ(ReadWindowConfig(), 0);
  const QRect desk = Desk();
  const QRect f = Form_Main->frameGeometry();
  EXPECT_EQ(f.left(), desk.width() / 2 - f.width() / 2);
  EXPECT_EQ(f.top(), desk.height() / 2 - f.height() / 2);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 3);
}

TEST_F(KonfigFiles, MaximisedAndUnknownAndShortFiles) {
  WriteWindowLines({"V05.00", "2"});
  EXPECT_EQ(ReadWindowConfig(), 0);
  EXPECT_FALSE(Form_Main->isVisible());

  // Only the low byte of the state counts: 258 is 2.
  WriteWindowLines({"V04.00", "258", "x", "x", "x", "x", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"});
  EXPECT_EQ(ReadWindowConfig(), 0);
  EXPECT_TRUE(Form_Main->isMaximized());
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 1);

  // A short file stops at its end; what came before stays applied.
  WriteWindowLines({"V04.00", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"});
  EXPECT_EQ(ReadWindowConfig(), -1);
  EXPECT_FALSE(Form_Main->isMaximized());
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonEbenen->Tag, 1);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->LabelZoom->Tag, 1);
}
