#include <gtest/gtest.h>

#include "HexBytes.h"
#include "zip/crypto/BitOps.h"
#include "zip/crypto/Crc16.h"
#include "zip/crypto/StringFormat.h"
#include "zip/crypto/TextBlocks.h"
#include "zip/crypto/TimeSeed.h"

using namespace zip;
using namespace cryptotest;

TEST(StringFormats, HexBothCasesAndPrefixes) {
  const std::string bytes("\x00\xFF", 2);
  EXPECT_EQ(StrToFormat(bytes, fmtHEX), "00FF");
  EXPECT_EQ(StrToFormat(bytes, fmtHEXL), "00ff");
  for (int format : {fmtHEX, fmtHEXL})
    for (const char* text : {"00ff", "00FF", "$00FF", "0x00ff", "00 ff\r\n", "AB0x00ff", "00f"})
      EXPECT_EQ(FormatToStr(text, format), std::string("\x00\xFF", std::string(text) == "00f" ? 1 : 2)) << text;
  EXPECT_EQ(FormatToStr("0x1F", fmtHEX), "\x1F");
  EXPECT_EQ(FormatToStr("$1F", fmtHEX), "\x1F");
  EXPECT_THROW(FormatToStr("00FG", fmtHEX), EStringFormat);
  try {
    FormatToStr("00FG", fmtHEX);
  } catch (const EStringFormat& e) {
    EXPECT_STREQ(e.what(), "Input is not an valid Hexadecimal Format.");
  }
}

TEST(StringFormats, Base64) {
  EXPECT_EQ(StrToFormat("abc", fmtMIME64), "YWJj");
  EXPECT_EQ(StrToFormat("ab", fmtMIME64), "YWI=");
  EXPECT_EQ(StrToFormat("a", fmtMIME64), "YQ==");
  EXPECT_EQ(FormatToStr("YWI", fmtMIME64), "ab");
  EXPECT_EQ(FormatToStr("YWI=", fmtMIME64), "ab");
  EXPECT_EQ(FormatToStr("YW\r\nJj", fmtMIME64), "abc");
  EXPECT_EQ(DefaultStringFormat(), fmtMIME64);
  EXPECT_EQ(StrToFormat("abc", fmtDEFAULT), "YWJj");
  EXPECT_FALSE(IsValidFormat("YW?J", 4, fmtMIME64));
}

TEST(StringFormats, UUAndXXRoundTripEveryLineLength) {
  // Lines that do not end on a group of three must still decode: the text
  // is validated against what the encoder writes.
  std::mt19937 rng(60);
  for (int format : {fmtUU, fmtXX})
    for (std::size_t n : {1u, 2u, 3u, 44u, 45u, 46u, 100u}) {
      Bytes b = RandomInput(rng, n);
      std::string binary(b.begin(), b.end());
      std::string text = StrToFormat(binary, format);
      EXPECT_TRUE(IsValidFormat(text.data(), static_cast<std::int32_t>(text.size()), format)) << format << "/" << n;
      EXPECT_EQ(FormatToStr(text, format), binary) << format << "/" << n;
    }
  EXPECT_EQ(StrToFormat("Cat", fmtUU), "#0V%T");
  EXPECT_EQ(FormatToStr("#0V%T", fmtUU), "Cat");
  EXPECT_FALSE(IsValidFormat("#0V%", 4, fmtUU)) << "a short line";
  EXPECT_THROW(FormatToStr("z", fmtXX), EStringFormat) << "length character beyond 45";
}

TEST(StringFormats, RegistryAndErrors) {
  EXPECT_EQ(StringFormat(fmtHEX)->Name(), "Hexadecimal");
  EXPECT_EQ(StringFormat(fmtCOPY)->Name(), "copy Input to Output");
  EXPECT_EQ(StringFormat(fmtXX)->Name(), "XX Coding");
  EXPECT_EQ(StringFormat(12345), nullptr);
  try {
    StrToFormat("abc", 12345);
    FAIL();
  } catch (const EStringFormat& e) {
    EXPECT_STREQ(e.what(), "String Format \"12345\" not exists.");
  }
  EXPECT_EQ(StrToFormat("abc", fmtNONE), "");
  EXPECT_EQ(FormatToStr(nullptr, 3, fmtHEX), "");
  EXPECT_EQ(ConvertFormat("00FF", 4, fmtHEX, fmtHEXL), "00ff");
  EXPECT_EQ(ConvertFormat("YWJj", 4, fmtMIME64, fmtMIME64), "YWJj");
  EXPECT_EQ(StrToFormat("x\0y", fmtCOPY), "x");
  SetDefaultStringFormat(fmtHEX);
  EXPECT_EQ(DefaultStringFormat(), fmtHEX);
  SetDefaultStringFormat(777);
  EXPECT_EQ(DefaultStringFormat(), fmtMIME64);
  std::vector<std::pair<std::string, TStringFormatClass>> names;
  GetStringFormats(names);
  EXPECT_EQ(names.size(), 6u);
  EXPECT_TRUE(IsValidString("\x01\x02", 2, fmtHEX));
  EXPECT_FALSE(IsValidString("\x01", 1, 999));
}

TEST(CipherUtilities, TextBlocks) {
  EXPECT_EQ(InsertCR("abcdef", 3), "abc\r\ndef\r\n");
  EXPECT_EQ(InsertCR("abcdefg", 3), "abc\r\ndef\r\ng");
  EXPECT_EQ(InsertCR("abcdef", 6), "abcdef");
  EXPECT_EQ(InsertCR("abcdef", 0), "abcdef");
  EXPECT_EQ(DeleteCR("ab\r\ncd\n\re"), "abcde");
  EXPECT_EQ(InsertBlocks("abcde", "<", ">", 2), "<ab><cd><e>");
  EXPECT_EQ(RemoveBlocks("<ab><cd><e>", "<", ">"), "abcde");
  EXPECT_EQ(RemoveBlocks("ab;cd;e", "", ";"), "abcde");
  EXPECT_EQ(RemoveBlocks("x<ab", "<", ">"), "ab");
}

TEST(CipherUtilities, BitsBuffersAndChecksums) {
  EXPECT_EQ(MemCompare("abc", "abc", 3), 0);
  EXPECT_EQ(MemCompare("a", "b", 1), -1);
  EXPECT_EQ(MemCompare("\xFF", "\x01", 1), 254);
  std::uint8_t a[3] = {1, 2, 3}, b[3] = {3, 2, 1};
  XORBuffers(a, b, 3, a);
  EXPECT_EQ(ToHex(a, 3), "020002");
  EXPECT_EQ(ROL(0x80000001u, 1), 0x00000003u);
  EXPECT_EQ(ROR(0x00000003u, 1), 0x80000001u);
  EXPECT_EQ(ROLADD(1, 5, 4), 21u);
  EXPECT_EQ(RORSUB(16, 1, 4), 0u);
  EXPECT_EQ(SwapBits(0x00000001u), 0x80000000u);
  EXPECT_EQ(SwapBits(0x12345678u), 0x1E6A2C48u);
  EXPECT_EQ(LSBit(0x50), 4);
  EXPECT_EQ(MSBit(0x50), 6);
  EXPECT_EQ(LSBit(0), 0);
  EXPECT_EQ(OneBit(0x40), 6);
  EXPECT_EQ(OneBit(0x41), 0);
  EXPECT_EQ(CRC16(0, "123456789", 9), 0xBB3D) << "CRC-16/ARC check value";
  std::uint8_t buf[4] = {0, 0, 0, 0};
  std::uint32_t seed = RndXORBuffer(1, buf, 4);
  std::uint32_t s = 1;
  for (auto x : {0, 0, 0, 0}) s = (s ^ static_cast<std::uint32_t>(x)) * 134775813u + 1u;
  EXPECT_EQ(seed, s);
  EXPECT_EQ(buf[3], s >> 24);
}
