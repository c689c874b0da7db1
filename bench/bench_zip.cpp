// Packs and unpacks (a) a data set of 99 print-text files and (b) a 50 MB
// mixed tree, and prints our times and archive sizes beside 7-Zip's and
// Info-ZIP's on the same input in the same run.
//
// Ours packs with deflate at level 9, its strongest: one pass of zlib's
// deflate over each entry, the entries spread over the cores. Beside it
// stand 7-Zip's strongest (-mx=9: ten passes of its own deflate per entry,
// a few percent smaller and far slower) and the comparisons at equal work:
// 7-Zip's -mx=5 (one pass) on all cores, and Info-ZIP's zip -9 (zlib's
// deflate at level 9, as ours) on its one core beside ours on one core.
// Info-ZIP knows no AES, so it packs and unpacks plain archives only.
// Every unpacking side reads the same archive, ours, plain and encrypted.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/support/Measure.h"
#include "zip/ZipArchiver.h"

namespace fs = std::filesystem;

namespace {

const char* const kPassword = "plivet";

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

// Files and bytes below a folder.
std::pair<long long, long long> TreeSize(const fs::path& root) {
  long long files = 0, bytes = 0;
  if (!fs::exists(root)) return {0, 0};
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) {
      ++files;
      bytes += static_cast<long long>(e.file_size());
    }
  return {files, bytes};
}

void Shell(const std::string& command) {
  int status = std::system((command + " >/dev/null 2>&1").c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

void PackOurs(const fs::path& source, const fs::path& archive, const fs::path& work, bool aes, unsigned threads) {
  zip::TZipArchiver z("ZipArchiver");
  z.FileName = archive.string();
  z.TempDir = work.string();
  if (aes) {
    z.SetPassword(kPassword);
    z.EncryptionMethod = zip::caAES_256;
  }
  z.SetCompressionLevel(zip::clMax);
  z.PackThreads = threads;
  z.OpenArchive(zip::fmCreate);
  z.BaseDir = source.string();
  z.AddFiles((source / "*.*").string(), 0x3F, "");
  z.CloseArchive();
}

void UnpackOurs(const fs::path& archive, const fs::path& target, bool aes) {
  zip::TZipArchiver z("ZipArchiver");
  z.FileName = archive.string();
  if (aes) z.SetPassword(kPassword);
  z.OpenArchive(zip::fmOpenRead);
  z.BaseDir = target.string();
  z.ExtractFiles(u"*.*", 0x28BF, u"");
  z.CloseArchive();
}

struct Packer {
  std::string settings;
  std::function<void(const fs::path& archive)> pack;
  int against = -1;  // the row of ours this one is compared with, -1: none
};

// Packs with each side in turns. Returns the archive of the first side,
// ours.
fs::path ComparePacking(int turns, const char* title, const fs::path& work, const std::vector<Packer>& packers) {
  std::vector<fs::path> archives;
  std::vector<bench::Side> sides;
  for (std::size_t i = 0; i < packers.size(); ++i) {
    archives.push_back(work / ("pack" + std::to_string(i) + ".zip"));
    const fs::path archive = archives.back();
    sides.push_back({[archive] { fs::remove(archive); }, [&packers, i, archive] { packers[i].pack(archive); }});
  }
  const std::vector<double> t = bench::MedianOfTurns(turns, sides);
  std::printf("  %s\n", title);
  for (std::size_t i = 0; i < packers.size(); ++i) {
    const double size = static_cast<double>(fs::file_size(archives[i]));
    std::printf("    %-58s %8.3f s  %10.0f bytes", packers[i].settings.c_str(), t[i], size);
    if (const int o = packers[i].against; o >= 0) {
      const double ourSize = static_cast<double>(fs::file_size(archives[static_cast<std::size_t>(o)]));
      std::printf("   ours/this: time %.2f, size %+.1f %%", t[static_cast<std::size_t>(o)] / t[i],
                  100 * (ourSize - size) / size);
    }
    std::printf("\n");
  }
  return archives[0];
}

struct Unpacker {
  std::string settings;
  std::function<void(const fs::path& archive, const fs::path& target)> unpack;
};

// Every side unpacks `archive`, ours compared with each of the others.
void CompareUnpacking(int turns, const char* title, const fs::path& work, const fs::path& archive,
                      const std::pair<long long, long long>& expected, const std::vector<Unpacker>& unpackers) {
  std::vector<bench::Side> sides;
  for (std::size_t i = 0; i < unpackers.size(); ++i) {
    const fs::path target = work / ("x" + std::to_string(i));
    // Every turn starts with nothing left to write back, so that no side
    // pays for another's writing (or the packing's).
    sides.push_back({[target] {
                       fs::remove_all(target);
                       ::sync();
                     },
                     [&unpackers, i, archive, target] { unpackers[i].unpack(archive, target); }});
  }
  const std::vector<double> t = bench::MedianOfTurns(turns, sides);
  std::printf("  %s (%lld bytes, %lld files in %lld bytes)\n", title, static_cast<long long>(fs::file_size(archive)),
              expected.first, expected.second);
  for (std::size_t i = 0; i < unpackers.size(); ++i) {
    std::printf("    %-58s %8.3f s", unpackers[i].settings.c_str(), t[i]);
    if (i > 0) std::printf("   ours/this: time %.2f", t[0] / t[i]);
    // The last turn's output is still there: it must be the whole input.
    if (TreeSize(work / ("x" + std::to_string(i))) != expected) std::printf("  INCOMPLETE");
    std::printf("\n");
  }
}

void Compare(const char* title, int turns, const fs::path& work, const fs::path& source) {
  fs::create_directories(work);
  const auto input = TreeSize(source);
  std::printf("%s: %lld files, %lld bytes\n", title, input.first, input.second);
  const std::string in = "cd " + Quoted(source) + " && ";
  const std::string aes = std::string(" -mem=AES256 -p") + kPassword + " ";
  const fs::path ourAes = ComparePacking(
      turns, "pack with AES-256", work,
      {{"ours: deflate level 9, all cores", [&](const fs::path& a) { PackOurs(source, a, work, true, 0); }},
       {"7-Zip 7zz -tzip -mx=9 (strongest, 10 passes), all cores",
        [&](const fs::path& a) { Shell(in + "7zz a -tzip -mx=9 -mmt=on" + aes + Quoted(a) + " ."); }, 0},
       {"7-Zip 7zz -tzip -mx=5 (1 pass), all cores",
        [&](const fs::path& a) { Shell(in + "7zz a -tzip -mx=5 -mmt=on" + aes + Quoted(a) + " ."); }, 0}});
  fs::rename(ourAes, work / "ours-aes.zip");
  const fs::path ourPlain = ComparePacking(
      turns, "pack without encryption", work,
      {{"ours: deflate level 9, all cores", [&](const fs::path& a) { PackOurs(source, a, work, false, 0); }},
       {"ours: deflate level 9, one core", [&](const fs::path& a) { PackOurs(source, a, work, false, 1); }},
       {"7-Zip 7zz -tzip -mx=9 (strongest, 10 passes), all cores",
        [&](const fs::path& a) { Shell(in + "7zz a -tzip -mx=9 -mmt=on " + Quoted(a) + " ."); }, 0},
       {"7-Zip 7zz -tzip -mx=5 (1 pass), all cores",
        [&](const fs::path& a) { Shell(in + "7zz a -tzip -mx=5 -mmt=on " + Quoted(a) + " ."); }, 0},
       {"Info-ZIP zip -9 (zlib level 9, one core)",
        [&](const fs::path& a) { Shell(in + "zip -9 -r -q " + Quoted(a) + " ."); }, 1}});
  fs::rename(ourPlain, work / "ours-plain.zip");

  const std::string x7 = "7zz x -y -mmt=on ";
  CompareUnpacking(turns, "unpack our AES-256 archive", work, work / "ours-aes.zip", input,
                   {{"ours: AES keys derived on all cores, inflate on one",
                     [](const fs::path& a, const fs::path& t) { UnpackOurs(a, t, true); }},
                    {"7-Zip 7zz x -mmt=on", [&](const fs::path& a, const fs::path& t) {
                       Shell(x7 + "-p" + kPassword + " -o" + Quoted(t) + " " + Quoted(a));
                     }}});
  CompareUnpacking(turns, "unpack our plain archive", work, work / "ours-plain.zip", input,
                   {{"ours: one core", [](const fs::path& a, const fs::path& t) { UnpackOurs(a, t, false); }},
                    {"7-Zip 7zz x -mmt=on",
                     [&](const fs::path& a, const fs::path& t) { Shell(x7 + "-o" + Quoted(t) + " " + Quoted(a)); }},
                    {"Info-ZIP unzip (one core)", [](const fs::path& a, const fs::path& t) {
                       Shell("unzip -q -o " + Quoted(a) + " -d " + Quoted(t));
                     }}});
  fs::remove_all(work);
}

}  // namespace

int main() {
  for (const char* tool : {"7zz", "zip", "unzip"}) {
    if (std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) != 0) {
      std::fprintf(stderr, "%s is missing: run scripts/install-deps.sh\n", tool);
      return 1;
    }
  }
  const fs::path root = fs::temp_directory_path() / ("bench_zip." + std::to_string(::getpid()));
  fs::create_directories(root);
  MakeDataSet(root / "dataset");
  MakeMixedTree(root / "tree");
  ::sync();
  std::printf("ZIP packing and unpacking: medians, every side taken in turns with the others\n");
  std::printf("(%s at the start). Times depend on the machine and its load; the time\n",
              bench::MachineLoad().c_str());
  std::printf("ratios ours/this (below 1: ours is faster) less so, unless the load takes cores from the\n");
  std::printf("sides that use all of them; sizes (below 0: ours is smaller) not at all.\n\n");
  Compare("(a) data set, 99 print-text files, median of 5 turns", 5, root / "work-a", root / "dataset");
  std::printf("\n");
  Compare("(b) mixed tree, median of 3 turns", 3, root / "work-b", root / "tree");
  std::printf("\n(%s at the end)\n", bench::MachineLoad().c_str());
  fs::remove_all(root);
  return 0;
}
