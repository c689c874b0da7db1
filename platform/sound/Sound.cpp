#include "platform/sound/Sound.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/FileIO.h"
#include "platform/sound/WaveFile.h"

namespace platform {
namespace {

// ALSA reports a machine without sound card on stderr; here that is normal.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

snd_pcm_format_t PcmFormat(unsigned bits) {
  switch (bits) {
    case 8: return SND_PCM_FORMAT_U8;
    case 16: return SND_PCM_FORMAT_S16_LE;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    default: return SND_PCM_FORMAT_S32_LE;
  }
}

void Play(const WaveSound& sound, const std::atomic<bool>& stop) {
  static std::once_flag quiet;
  std::call_once(quiet, [] { snd_lib_error_set_handler(&QuietAlsa); });
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return;
  if (snd_pcm_set_params(pcm, PcmFormat(sound.bitsPerSample), SND_PCM_ACCESS_RW_INTERLEAVED,
                         sound.channels, sound.sampleRate, 1, 200000) < 0) {
    snd_pcm_close(pcm);
    return;
  }
  const std::size_t frameBytes = static_cast<std::size_t>(sound.channels) * (sound.bitsPerSample / 8);
  const std::size_t frames = sound.samples.size() / frameBytes;
  const std::size_t chunk = std::max<std::size_t>(sound.sampleRate / 20, 1);  // 50 ms
  std::size_t done = 0;
  while (done < frames && !stop.load()) {
    const std::size_t n = std::min(chunk, frames - done);
    snd_pcm_sframes_t w = snd_pcm_writei(pcm, sound.samples.data() + done * frameBytes, n);
    if (w < 0) w = snd_pcm_recover(pcm, static_cast<int>(w), 1);
    if (w < 0) break;
    done += static_cast<std::size_t>(w);
  }
  if (stop.load())
    snd_pcm_drop(pcm);
  else
    snd_pcm_drain(pcm);
  snd_pcm_close(pcm);
}

std::optional<WaveSound> Load(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  auto wave = ParseWave(*bytes);
  if (!wave) return std::nullopt;
  return std::move(*wave);
}

// One sound at a time, as with the system's own player.
class Player {
 public:
  ~Player() { Stop(); }

  void Async(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (auto sound = Replace(path)) thread_ = std::thread([this, s = std::move(*sound)] { Play(s, stop_); });
  }

  void Sync(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (auto sound = Replace(path)) Play(*sound, stop_);
  }

  void Stop() {
    std::lock_guard lock(mutex_);
    StopLocked();
  }

 private:
  // Cuts off what is playing and loads the next sound.
  std::optional<WaveSound> Replace(const std::string& path) {
    StopLocked();
    auto sound = Load(path);
    stop_.store(false);
    return sound;
  }

  void StopLocked() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
  }

  std::mutex mutex_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};

Player& ThePlayer() {
  static Player player;
  return player;
}

}  // namespace

void PlaySoundAsync(const std::string& path) { ThePlayer().Async(path); }
void PlaySoundSync(const std::string& path) { ThePlayer().Sync(path); }
void StopSound() { ThePlayer().Stop(); }

}  // namespace platform
