#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/FileIO.h"
#include "platform/sound/Sound.h"
#include "platform/sound/WaveFile.h"
#include "support/TempDir.h"

using platform::ParseWave;

namespace {

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string Le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

std::string Chunk(const std::string& id, const std::string& body) {
  std::string c = id + Le32(static_cast<std::uint32_t>(body.size())) + body;
  if (body.size() & 1) c += '\0';
  return c;
}

std::string Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
  return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

std::string Riff(const std::string& chunks) { return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks; }

}  // namespace

TEST(WaveFile, ReadsPcmAndSkipsOtherChunks) {
  const std::string samples(400, '\x10');  // 100 stereo 16-bit frames
  // An odd-sized chunk in between is padded to an even size.
  const std::string wav = Riff(Chunk("fmt ", Format(1, 2, 22050, 16)) + Chunk("LIST", "abc") + Chunk("data", samples));
  auto w = ParseWave(wav);
  ASSERT_TRUE(w) << w.error();
  EXPECT_EQ(w->channels, 2);
  EXPECT_EQ(w->sampleRate, 22050u);
  EXPECT_EQ(w->bitsPerSample, 16);
  EXPECT_EQ(w->samples, samples);
}

TEST(WaveFile, ExtensibleFormatWithPcmSubFormat) {
  std::string fmt = Format(0xFFFE, 1, 8000, 8) + Le16(22) + Le16(8) + Le32(4) + Le16(1) + std::string(14, '\0');
  auto w = ParseWave(Riff(Chunk("fmt ", fmt) + Chunk("data", "\x80\x81")));
  ASSERT_TRUE(w) << w.error();
  EXPECT_EQ(w->samples.size(), 2u);
}

TEST(WaveFile, DataRunningPastTheEndIsCutToWholeFrames) {
  std::string wav = Riff(Chunk("fmt ", Format(1, 2, 8000, 16)) + "data" + Le32(1000) + std::string(10, 'x'));
  auto w = ParseWave(wav);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->samples.size(), 8u);
}

TEST(WaveFile, RefusesWhatCannotBePlayed) {
  const std::string data = Chunk("data", "1234");
  const std::string cases[] = {
      "",
      "RIFF\0\0\0\0WAVX",
      Riff(Chunk("fmt ", Format(3, 1, 8000, 32)) + data),  // float samples
      Riff(Chunk("fmt ", Format(1, 1, 8000, 12)) + data),  // odd sample width
      Riff(Chunk("fmt ", Format(1, 0, 8000, 16)) + data),  // no channels
      Riff(data + Chunk("fmt ", Format(1, 1, 8000, 16))),  // data before its format
      Riff(Chunk("fmt ", Format(1, 1, 8000, 16))),         // no data
      Riff(Chunk("fmt ", "short")),
  };
  for (const std::string& c : cases) EXPECT_FALSE(ParseWave(c)) << testing::PrintToString(c);
}

TEST(Sound, MissingOrBrokenSoundsAreSilentAndQuick) {
  testsupport::TempDir dir;
  ASSERT_TRUE(platform::WriteFileAtomic(dir / "broken.wav", "not a wave"));
  // 20 ms of silence: plays where there is a device, returns at once where
  // there is none.
  ASSERT_TRUE(platform::WriteFileAtomic(
      dir / "short.wav", Riff(Chunk("fmt ", Format(1, 1, 8000, 8)) + Chunk("data", std::string(160, '\x80')))));
  const auto start = std::chrono::steady_clock::now();
  platform::PlaySoundSync(dir / "missing.wav");
  platform::PlaySoundSync(dir / "broken.wav");
  platform::PlaySoundAsync(dir / "short.wav");
  platform::PlaySoundSync(dir / "short.wav");
  platform::StopSound();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
