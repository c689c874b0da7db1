// Printer numbers are read and written with '.' whatever the locale says:
// the program runs under the operator's locale (a German one writes
// "24,13"), the printer's protocol does not.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "Recorders.h"
#include "ScriptedLink.h"
#include "platform/NumberText.h"
#include "printerlink/thread/PrinterQueries.h"
#include "printerlink/thread/ReplyScan.h"
#include "support/TempDir.h"

using namespace printerthread;

namespace {

// Switches the process to a German locale compiled for the test (the
// system may have none installed); skipped where it cannot be built.
class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command = "localedef -i de_DE -f UTF-8 '" + (dir_ / "de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "localedef cannot build de_DE";
    const char* old = std::getenv("LOCPATH");
    if (old) oldLocPath_ = old;
    setenv("LOCPATH", dir_.path().c_str(), 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE cannot be selected";
    char check[16];
    std::snprintf(check, sizeof check, "%.1f", 1.5);
    ASSERT_STREQ(check, "1,5");  // the locale is really in force
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    if (oldLocPath_.empty())
      unsetenv("LOCPATH");
    else
      setenv("LOCPATH", oldLocPath_.c_str(), 1);
  }

  testsupport::TempDir dir_;
  std::string oldLocPath_;
};

}  // namespace

TEST_F(GermanLocale, NumbersStayInTheProtocolsForm) {
  EXPECT_EQ(platform::FixedText(24.13, 2), "24.13");
  EXPECT_EQ(ScanFractions<2>("20.12 4.98"), (std::array<double, 2>{20.12, 4.98}));

  threadtest::ScriptedLink link;
  PrinterSession session{link, nullptr, [] { return false; }};
  PrinterMirror m;
  PrinterQueries q{session, m, {}};
  link.Reply("AD", "20.12 4.98 0 0");
  m.CliWord = 5;
  ASSERT_EQ(q.QueryAnalog(), 1);
  EXPECT_EQ(m.Voltage24Text, "24.12 V");
  EXPECT_EQ(m.Voltage5Text, "4.98 V");
  link.Reply("AD", "24130 5020 0 1210 3050 41");
  m.CliWord = 10;
  ASSERT_EQ(q.QueryAnalog(), 1);
  EXPECT_EQ(m.BatteryText, "3.05 V");
  link.Reply("SPEED.FAKTOR", "1 1500 0");
  q.QuerySpeedFactor();
  EXPECT_EQ(m.FactorText, "1.500");
  link.Reply("COUNTER", "1 1234567");
  q.QueryCounter();
  EXPECT_EQ(m.CounterText, "1234567");  // no thousands separator either
}
