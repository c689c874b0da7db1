#pragma once
// The start and closing sounds. They play on the default audio device where
// one exists; without a device, a file or a readable wave nothing sounds and
// nothing is reported, as a missing sound is no reason to bother anyone.
#include <string>

namespace platform {

// Starts playing and returns at once; a sound still playing is cut off.
void PlaySoundAsync(const std::string& path);
// Plays and returns when the sound has finished.
void PlaySoundSync(const std::string& path);
// Cuts off a sound that is playing.
void StopSound();

}  // namespace platform
