// UTF-7 against RFC 2152's examples and against Python's codec (cases in
// data/utf7_cases.txt, written by data/make_utf7_cases.py).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "zip/CodePages.h"
#include "zip/wide/Utf7.h"
#include "zip/wide/WideErrors.h"

using namespace zip;

namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

WideString FromUnits(const std::string& units) {
  WideString text;
  std::istringstream in(units);
  std::string unit;
  while (in >> unit) text += static_cast<char16_t>(std::stoi(unit, nullptr, 16));
  return text;
}

std::string InvalidMessage(std::string_view utf7) {
  try {
    UTF7ToWideString(utf7);
  } catch (const EUniGeneralError& e) {
    return e.what();
  }
  return "(decoded)";
}

}  // namespace

TEST(Utf7, Rfc2152Examples) {
  struct Case {
    const char16_t* text;
    const char* encoded;  // as we write it
    const char* rfc;      // as the RFC writes it
  } cases[] = {
      {u"A\u2262\u0391.", "A+ImIDkQ.", "A+ImIDkQ."},
      {u"Hi Mom -\u263a-!", "Hi Mom -+Jjo--!", "Hi Mom -+Jjo--!"},
      {u"\u65e5\u672c\u8a9e", "+ZeVnLIqe", "+ZeVnLIqe-"},
      {u"Item 3 is \u00a31.", "Item 3 is +AKM-1.", "Item 3 is +AKM-1."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WideStringToUTF7(c.text), c.encoded);
    EXPECT_EQ(UTF7ToWideString(c.rfc), c.text) << c.rfc;
    EXPECT_EQ(UTF7ToWideString(c.encoded), c.text) << c.encoded;
  }
}

TEST(Utf7, PlusAndPoundBothWays) {
  EXPECT_EQ(WideStringToUTF7(u"A+B"), "A+-B");
  EXPECT_EQ(WideStringToUTF7(u"\u00a31"), "+AKM-1");
  EXPECT_EQ(UTF7ToWideString("A+-B"), u"A+B");
  EXPECT_EQ(UTF7ToWideString("+AKM-1"), u"\u00a31");
  EXPECT_EQ(UTF7ToWideString("+-"), u"+");
  EXPECT_EQ(WideStringToUTF7(u""), "");
  EXPECT_EQ(UTF7ToWideString(""), u"");
}

TEST(Utf7, InvalidTextIsRefused) {
  for (const char* bad : {"+A-", "+", "+!", "a+", "+AKMB", "\x80", "ok\xFF", "+AAB-"})
    EXPECT_EQ(InvalidMessage(bad), "Invalid UTF7") << bad;
  // Bits left over after the last character are zero padding: accepted.
  EXPECT_EQ(UTF7ToWideString("+AKMA-"), u"\u00a3");
}

TEST(Utf7, MatchesPythonsCodec) {
  std::ifstream in(std::string(TEST_DATA_DIR) + "/utf7_cases.txt");
  ASSERT_TRUE(in) << "utf7_cases.txt";
  std::string line;
  int cases = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string units, python, ours;
    std::getline(fields, units, '\t');
    std::getline(fields, python, '\t');
    std::getline(fields, ours, '\t');
    const WideString text = FromUnits(units);
    EXPECT_EQ(WideStringToUTF7(text), FromHex(ours)) << units;
    EXPECT_EQ(UTF7ToWideString(FromHex(python)), text) << units;
    ++cases;
  }
  EXPECT_GT(cases, 800);
}
