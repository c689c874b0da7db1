#include "ZipTestUtil.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ziptest {
namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

std::map<std::string, std::string> ReadTree(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    std::string rel = fs::relative(e.path(), root).string();
    if (e.is_regular_file()) tree[rel] = ReadFile(e.path().string());
    else if (e.is_directory() && fs::is_empty(e.path())) tree[rel + "/"] = "";
  }
  return tree;
}

std::string MixedBytes(std::size_t size, unsigned seed) {
  std::string s;
  s.reserve(size);
  std::uint32_t x = seed * 2654435761u + 1;
  const char* words[] = {"Drucktext ", "Ebene ", "Datum ", "0123456789", "\r\n", "Parameter X1=", "Osmek "};
  while (s.size() < size) {
    x = x * 1103515245u + 12345u;
    if ((x >> 16) % 3 == 0) {
      for (int k = 0; k < 16 && s.size() < size; ++k) {
        x = x * 1103515245u + 12345u;
        s += static_cast<char>(x >> 24);
      }
    } else {
      s += words[(x >> 8) % 7];
    }
  }
  s.resize(size);
  return s;
}

RunResult Run(const std::string& command) {
  RunResult r;
  FILE* p = ::popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) r.output.append(buf, n);
  int status = ::pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

bool HavePeer(const std::string& program) {
  return Run("command -v " + program + " >/dev/null").exitCode == 0;
}

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') out += "'\\''";
    else out += c;
  }
  return out + "'";
}

}  // namespace ziptest
