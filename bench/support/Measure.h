#pragma once
// Timing for the benchmarks: every side of a comparison is measured in
// turns (ours, then each peer, again and again), so that a change in the
// machine's load touches all alike, and reported by its median, which one
// disturbed turn does not move. Absolute times depend on the machine and
// its load; the figures say so with the load they were taken under.
#include <functional>
#include <string>
#include <vector>

namespace bench {

double Seconds(const std::function<void()>& work);
// The middle value (the mean of the two middle ones for an even count).
double Median(std::vector<double> values);

// One side of a comparison: an untimed preparation before each of its
// turns (removing the last output), then the timed work.
struct Side {
  std::function<void()> prepare;
  std::function<void()> work;
};
// The median time of each side over `turns` turns.
std::vector<double> MedianOfTurns(int turns, const std::vector<Side>& sides);

// "8 cores, load average 3.52": the machine the figures were taken on.
std::string MachineLoad();

}  // namespace bench
