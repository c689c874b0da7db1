#include "bench/support/Measure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace bench {

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<double> MedianOfTurns(int turns, const std::vector<Side>& sides) {
  std::vector<std::vector<double>> times(sides.size());
  for (int turn = 0; turn < turns; ++turn)
    for (std::size_t s = 0; s < sides.size(); ++s) {
      if (sides[s].prepare) sides[s].prepare();
      times[s].push_back(Seconds(sides[s].work));
    }
  std::vector<double> medians;
  for (auto& t : times) medians.push_back(Median(t));
  return medians;
}

std::string MachineLoad() {
  double load = -1;
  std::ifstream("/proc/loadavg") >> load;
  char text[96];
  std::snprintf(text, sizeof text, "%u cores, load average %.2f", std::thread::hardware_concurrency(), load);
  return text;
}

}  // namespace bench
