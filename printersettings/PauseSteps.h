#pragma once
// The pause form's steps and rows. The wait before the pause goes 0 (off),
// 1 (off, variant "+"), 30, 60 ... 36000 s; the reverse-drive time 0 (off)
// or 50 ms steps up to 5000, its first step up 700; the reverse-drive power
// 510, 560 ... 960, 1000, shown as value / 10 - 1 percent.
namespace printersettings {

inline constexpr int kWaitMax = 36000;
inline constexpr int kReverseTimeMax = 5000;
inline constexpr int kPowerMin = 510;
inline constexpr int kPowerMax = 1000;

int WaitDown(int seconds);
int WaitUp(int seconds);
int ReverseTimeDown(int ms);
int ReverseTimeUp(int ms);
int PowerDown(int power);
int PowerUp(int power);

// Which reverse rows the operator may set: none on the hatchery machines
// (3, 4) or while the pause is off (wait 0 or 1), only the time while it
// is 0, else both.
struct ReverseRows {
  bool time = false, power = false;
  bool operator==(const ReverseRows&) const = default;
};
ReverseRows ReverseRowsActive(int machineType, int waitSeconds, int reverseTimeMs);

}  // namespace printersettings
