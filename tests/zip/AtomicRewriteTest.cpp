// Every operation that rewrites an archive writes a new file and puts it in
// place only when it is complete: a write that fails anywhere in the middle
// (here: the process may not write files beyond a size, as on a full disk)
// or a cancel leaves the archive byte for byte as it was, with no file left
// behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

// Writes of this process stop at `limit` bytes of any file, as on a disk
// that is full.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit r{limit, saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &r);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  sighandler_t previous_;
};

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct Operation {
  const char* name;
  std::function<void(TZipArchiver&, const testsupport::TempDir&)> run;
  bool opens = true;  // runs on the open archive (else on a closed component)
};

class AtomicRewrite : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir / "s/a.txt", MixedBytes(90000, 1));
    WriteFile(dir / "s/b.bin", MixedBytes(120000, 2));
    WriteFile(dir / "s/dir/c.txt", MixedBytes(80000, 3));
    WriteFile(dir / "new/n.txt", MixedBytes(100000, 4));
    WriteFile(dir / "other/o.txt", MixedBytes(60000, 5));
    fs::create_directories(dir / "store");
    ziptest::Pack(dir / "other", dir / "other/*.*", dir / "store/other.zip", "plivet");
    ziptest::Pack(dir / "s", dir / "s/*.*", dir / "store/original.zip", "plivet");
    original = ReadFile(dir / "store/original.zip");
    // Changed files for the operations that take them (written here: the
    // limit below stops the test's own writes too).
    const auto then = fs::last_write_time(dir / "s/a.txt");
    WriteFile(dir / "s/b.bin", MixedBytes(130000, 6));
    WriteFile(dir / "s/a.txt", MixedBytes(95000, 7));
    fs::last_write_time(dir / "s/a.txt", then + std::chrono::hours(1));
  }
  void Restore() {
    fs::remove_all(dir / "w");
    WriteFile(dir / "w/a.zip", original);
  }
  void Open(TZipArchiver& z) {
    z.FileName = dir / "w/a.zip";
    z.SetPassword("plivet");
    z.EncryptionMethod = caAES_256;
    z.SetCompressionLevel(clMax);
    z.OnProcessFileFailure = [](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int, int,
                                const std::string&, TZipAction& action) { action = fxaAbort; };
  }
  // The bytes the operation writes when nothing stops it.
  std::int64_t Written(const Operation& op) {
    Restore();
    TZipArchiver z("ZipArchiver");
    Open(z);
    if (op.opens) z.OpenArchive(fmOpenReadWrite);
    op.run(z, dir);
    z.CloseArchive();
    std::int64_t most = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir / "w"))
      if (e.is_regular_file()) most = std::max<std::int64_t>(most, static_cast<std::int64_t>(e.file_size()));
    return most;
  }
  testsupport::TempDir dir;
  std::string original;
};

const Operation kOperations[] = {
    {"add a new entry",
     [](TZipArchiver& z, const testsupport::TempDir& d) {
       z.BaseDir = d / "new";
       z.AddFiles(d / "new/n.txt", faAnyFile, "");
     }},
    {"replace the middle entry",
     [](TZipArchiver& z, const testsupport::TempDir& d) {
       z.BaseDir = d / "s";
       z.AddFiles(d / "s/b.bin", faAnyFile, "");
     }},
    {"delete the first entry", [](TZipArchiver& z, const testsupport::TempDir&) { z.DeleteFiles(u"a.txt"); }},
    {"freshen", [](TZipArchiver& z, const testsupport::TempDir& d) {
       z.BaseDir = d / "s";
       z.UpdateFiles(u"a.txt");
     }},
    {"rename a folder", [](TZipArchiver& z, const testsupport::TempDir&) { z.RenameFile(u"dir/", u"folder/"); }},
    {"change attributes", [](TZipArchiver& z, const testsupport::TempDir&) { z.ChangeFilesAttr(u"*.*", faArchive); }},
    {"entry comment", [](TZipArchiver& z, const testsupport::TempDir&) { z.ChangeFilesComment(u"b.bin", "comment"); }},
    {"archive comment", [](TZipArchiver& z, const testsupport::TempDir&) { z.SetFileComment("archive comment"); }},
    {"move files in",
     [](TZipArchiver& z, const testsupport::TempDir& d) {
       z.BaseDir = d / "new";
       z.MoveFiles(d / "new/*.*", faAnyFile, "");
     }},
    {"add from a string", [](TZipArchiver& z, const testsupport::TempDir&) {
       z.AddFromString(u"text.txt", MixedBytes(70000, 8));
     }},
    {"merge", [](TZipArchiver& z, const testsupport::TempDir& d) { z.MergeWith(d / "store/other.zip"); }},
    {"repair in place", [](TZipArchiver& z, const testsupport::TempDir&) { z.RepairArchive(); }, false},
};

}  // namespace

TEST_F(AtomicRewrite, AWriteFailureInTheMiddleOfEachOperationLeavesTheArchiveAsItWas) {
  for (const Operation& op : kOperations) {
    SCOPED_TRACE(op.name);
    const std::int64_t size = Written(op);
    ASSERT_GT(size, 0);
    for (int eighth = 1; eighth <= 8; ++eighth) {
      const std::int64_t limit = eighth < 8 ? size * eighth / 8 : size - 1;
      SCOPED_TRACE("writes stop at byte " + std::to_string(limit) + " of " + std::to_string(size));
      Restore();
      WriteFile(dir / "new/n.txt", MixedBytes(100000, 4));
      const std::vector<std::string> files = FilesIn(dir / "w");
      TZipArchiver z("ZipArchiver");
      Open(z);
      bool failed = false;
      {
        FileSizeLimit full(static_cast<rlim_t>(limit));
        try {
          if (op.opens) z.OpenArchive(fmOpenReadWrite);
          op.run(z, dir);
        } catch (const std::exception&) {
          failed = true;
        }
      }
      z.CloseArchive();
      EXPECT_TRUE(failed);
      EXPECT_TRUE(ReadFile(dir / "w/a.zip") == original);
      EXPECT_EQ(FilesIn(dir / "w"), files);
      EXPECT_TRUE(Exists(dir / "new/n.txt"));  // a failed move deletes nothing
    }
  }
}

TEST_F(AtomicRewrite, SfxAndVolumesReplaceTheirTargetsWholeOrNotAtAll) {
  const std::string stub = dir / "stub.sh";
  WriteFile(stub, "#!/bin/sh\necho stub\nexit 0\n" + std::string(5000, '#') + "\n");
  struct Case {
    const char* name;
    std::function<void(TZipArchiver&)> run;
    std::string target;
  } cases[] = {
      {"self-extracting copy",
       [&](TZipArchiver& z) {
         z.SFXStub = stub;
         z.MakeSFX(dir / "w/sfx.run");
       },
       dir / "w/sfx.run"},
      {"volumes",
       [&](TZipArchiver& z) {
         z.FileName = dir / "w/split.zip";
         z.SetSpanningMode(smSplitting);
         z.SpanningOptions.VolumeSize = vsCustom;
         z.SpanningOptions.SetCustomVolumeSize(65536);
         z.OpenArchive(fmCreate);
         z.BaseDir = dir / "s";
         z.AddFiles(dir / "s/*.*", faAnyFile, "");
       },
       dir / "w/split.zip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::int64_t limit : {std::int64_t(1000), std::int64_t(40000), std::int64_t(120000)}) {
      SCOPED_TRACE(limit);
      Restore();
      WriteFile(c.target, "what was there before");
      const std::vector<std::string> files = FilesIn(dir / "w");
      TZipArchiver z("ZipArchiver");
      Open(z);
      bool failed = false;
      {
        FileSizeLimit full(static_cast<rlim_t>(limit));
        try {
          c.run(z);
        } catch (const std::exception&) {
          failed = true;
        }
      }
      z.CloseArchive();
      // With room enough for one volume at a time the set is written; the
      // small limits stop both.
      if (limit < 65536 || std::string(c.name) != "volumes") {
        EXPECT_TRUE(failed);
        EXPECT_EQ(ReadFile(c.target), "what was there before");
        EXPECT_EQ(FilesIn(dir / "w"), files);
      }
      EXPECT_TRUE(ReadFile(dir / "w/a.zip") == original);
    }
  }
}

TEST_F(AtomicRewrite, ACancelInTheMiddleLeavesTheArchiveAsItWas) {
  // Packing reports its progress per block (a cancel there stops it inside
  // the entry); merging reports each entry it copies.
  struct Case {
    const char* name;
    bool overall;
    std::function<void(TZipArchiver&)> run;
  } cases[] = {
      {"add", true,
       [&](TZipArchiver& z) {
         z.BaseDir = dir / "new";
         z.AddFiles(dir / "new/n.txt", faAnyFile, "");
       }},
      {"merge", false, [&](TZipArchiver& z) { z.MergeWith(dir / "store/other.zip"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restore();
    TZipArchiver z("ZipArchiver");
    Open(z);
    int seen = 0;
    if (c.overall) {
      z.OnOverallProgress = [&](TZipBaseArchiver&, double, TZipProcessOperation, TZipProgressPhase phase,
                                bool& cancel) { cancel = phase == ppProcess && ++seen == 1; };
    } else {
      z.OnFileProgress = [&](TZipBaseArchiver&, const WideString&, double, TZipProcessOperation op,
                             TZipProgressPhase phase, bool& cancel) {
        EXPECT_EQ(op, poMerge);
        cancel = phase == ppStart && ++seen == 1;
      };
    }
    z.OpenArchive(fmOpenReadWrite);
    c.run(z);
    EXPECT_EQ(z.GetFileCount(), 3);
    z.CloseArchive();
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(ReadFile(dir / "w/a.zip") == original);
    EXPECT_EQ(FilesIn(dir / "w"), std::vector<std::string>{"a.zip"});
  }
}
