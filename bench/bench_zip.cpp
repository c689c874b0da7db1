// Packs and unpacks (a) a data set of 99 print-text files and (b) a 50 MB
// mixed tree with AES-256 at the strongest compression, and prints our
// times beside 7-Zip's on the same input in the same run, as a ratio.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>

#include "zip/ZipArchiver.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Text much like print-text files: keys, numbers, repeated words.
std::string TextLike(std::size_t size, std::mt19937& rng) {
  static const char* words[] = {"Ebene", "Text=", "Datum", "Zeit", "Grafik", "0", "1", "Parameter", "X1=", "\r\n",
                                "FontName=Arial", "Hoehe=", "Breite=", "Drucktext", "Osmek"};
  std::string s;
  while (s.size() < size) {
    s += words[rng() % 15];
    if (rng() % 4 == 0) s += std::to_string(rng() % 1000);
    s += ' ';
  }
  s.resize(size);
  return s;
}

std::string Random(std::size_t size, std::mt19937& rng) {
  std::string s(size, '\0');
  for (char& c : s) c = static_cast<char>(rng());
  return s;
}

// A black-and-white bitmap-like file: long runs.
std::string BitmapLike(std::size_t size, std::mt19937& rng) {
  std::string s;
  while (s.size() < size) s.append(1 + rng() % 200, (rng() % 3) ? '\0' : '\xFF');
  s.resize(size);
  return s;
}

void MakeDataSet(const fs::path& root) {
  std::mt19937 rng(1);
  Write(root / "GP.g23", TextLike(3000, rng));
  for (int i = 1; i <= 99; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "DT%02d.j23", i);
    Write(root / name, TextLike(2000 + rng() % 30000, rng) + BitmapLike(4000, rng));
  }
}

void MakeMixedTree(const fs::path& root) {
  std::mt19937 rng(2);
  std::size_t total = 0;
  for (int i = 0; total < 50u * 1024 * 1024; ++i) {
    fs::path folder = root / ("dir" + std::to_string(i % 12)) / ("sub" + std::to_string(i % 5));
    std::size_t size = 1000 + rng() % (i % 17 == 0 ? 4000000 : 400000);
    std::string content;
    switch (i % 4) {
      case 0: content = Random(size, rng); break;
      case 1: content = BitmapLike(size, rng); break;
      default: content = TextLike(size, rng); break;
    }
    Write(folder / ("file" + std::to_string(i) + (i % 4 == 0 ? ".bin" : ".txt")), content);
    total += size;
  }
}

double Seconds(const std::function<void()>& work) {
  auto t0 = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Best times of both sides, measured in turns so that a change in the
// machine's load (or in the file system's state) touches both alike.
// Each side's preparation runs before each of its turns, untimed.
std::pair<double, double> BestOfTurns(int turns, const std::function<void()>& prepareOurs,
                                      const std::function<void()>& ours, const std::function<void()>& prepareTheirs,
                                      const std::function<void()>& theirs) {
  double a = 1e9, b = 1e9;
  for (int i = 0; i < turns; ++i) {
    prepareOurs();
    a = std::min(a, Seconds(ours));
    prepareTheirs();
    b = std::min(b, Seconds(theirs));
  }
  return {a, b};
}

void Shell(const std::string& command) {
  int status = std::system((command + " >/dev/null 2>&1").c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

void Compare(const char* title, const fs::path& work, const fs::path& source) {
  fs::create_directories(work);
  const fs::path ours = work / "ours.zip", theirs = work / "theirs.zip";
  auto packOurs = [&] {
    zip::TZipArchiver z("ZipArchiver");
    z.FileName = ours.string();
    z.TempDir = work.string();
    z.SetPassword("plivet");
    z.EncryptionMethod = zip::caAES_256;
    z.SetCompressionLevel(zip::clMax);
    z.OpenArchive(zip::fmCreate);
    z.BaseDir = source.string();
    z.AddFiles((source / "*.*").string(), 0x3F, "");
    z.CloseArchive();
  };
  auto packTheirs = [&] {
    Shell("cd '" + source.string() + "' && 7zz a -tzip -mx=9 -mem=AES256 -pplivet '" + theirs.string() + "' .");
  };
  auto unpackOurs = [&] {
    zip::TZipArchiver z("ZipArchiver");
    z.FileName = ours.string();
    z.SetPassword("plivet");
    z.OpenArchive(zip::fmOpenRead);
    z.BaseDir = (work / "x-ours").string();
    z.ExtractFiles(u"*.*", 0x28BF, u"");
    z.CloseArchive();
  };
  auto unpackTheirs = [&] { Shell("7zz x -y -pplivet -o'" + (work / "x-theirs").string() + "' '" + theirs.string() + "'"); };
  auto removeOurs = [&] { fs::remove(ours); };
  auto removeTheirs = [&] { fs::remove(theirs); };
  // Every unpacking turn starts with nothing left to write back, so that
  // neither side pays for the other's writing (or the packing's).
  auto removeOutput = [&] {
    fs::remove_all(work / "x-ours");
    fs::remove_all(work / "x-theirs");
    ::sync();
  };
  auto [packUs, packThem] = BestOfTurns(3, removeOurs, packOurs, removeTheirs, packTheirs);
  auto [unpackUs, unpackThem] = BestOfTurns(5, removeOutput, unpackOurs, removeOutput, unpackTheirs);
  std::printf("%s\n", title);
  std::printf("  pack    ours %7.3f s  7-Zip %7.3f s  ratio %.2f  (size ours %lld, 7-Zip %lld bytes)\n", packUs,
              packThem, packUs / packThem, static_cast<long long>(fs::file_size(ours)),
              static_cast<long long>(fs::file_size(theirs)));
  std::printf("  unpack  ours %7.3f s  7-Zip %7.3f s  ratio %.2f\n", unpackUs, unpackThem, unpackUs / unpackThem);
}

}  // namespace

int main() {
  if (std::system("command -v 7zz >/dev/null 2>&1") != 0) {
    std::fprintf(stderr, "7zz is missing: run scripts/install-deps.sh\n");
    return 1;
  }
  const fs::path root = fs::temp_directory_path() / ("bench_zip." + std::to_string(::getpid()));
  fs::create_directories(root);
  MakeDataSet(root / "dataset");
  MakeMixedTree(root / "tree");
  ::sync();
  std::printf("ratio = our time / 7-Zip's time (below 1: we are faster); 7zz a -tzip -mx=9 -mem=AES256, 7zz x\n");
  Compare("(a) data set, 99 print-text files", root / "work-a", root / "dataset");
  Compare("(b) mixed tree, 50 MB", root / "work-b", root / "tree");
  fs::remove_all(root);
  return 0;
}
