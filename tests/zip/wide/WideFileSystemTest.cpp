// The file layer: names, searches, copies and attributes, and the streams
// opened by name.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "zip/ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/FileSystem.h"
#include "zip/Streams.h"
#include "zip/ZipPaths.h"
#include "zip/wide/BufferedStreamReader.h"
#include "zip/wide/UniMemoryStream.h"
#include "zip/wide/WideErrors.h"
#include "zip/wide/WideFileSystem.h"

using namespace zip;
using ziptest::ReadFile;
using ziptest::WriteFile;

TEST(WideFileSystem, NameParts) {
  EXPECT_EQ(WideExtractFileExt("a.b/c"), "");
  EXPECT_EQ(WideExtractFileExt("c.tar.gz"), ".gz");
  EXPECT_EQ(WideExtractFilePath("/a/b.txt"), "/a/");
  EXPECT_EQ(WideExtractFileName("/a/b.txt"), "b.txt");
  struct Case {
    const char* name;
    const char* dir;
  } dirs[] = {{"/a/b/c.txt", "/a/b"}, {"/c.txt", "/"}, {"c.txt", ""}, {"//c", "//"}, {"a/", "a"}};
  for (const auto& c : dirs) EXPECT_EQ(WideExtractFileDir(c.name), c.dir) << c.name;
  EXPECT_EQ(WideChangeFileExt("/a.b/c.txt", ".zip"), "/a.b/c.zip");
  EXPECT_EQ(WideChangeFileExt("/a.b/c", ".zip"), "/a.b/c.zip");
  EXPECT_EQ(WideChangeFileExt("c.tar.gz", ""), "c.tar");
  EXPECT_TRUE(WideIsPathDelimiter("a/b", 2));
  EXPECT_FALSE(WideIsPathDelimiter("a/b", 4));
  EXPECT_FALSE(WideIsPathDelimiter("a/b", 0));
  EXPECT_EQ(ExtractRelativePath("/a/b/", "/a/c/x.zip"), "../c/x.zip");
  EXPECT_EQ(ExtractRelativePath("/a/b/base.txt", "/a/b/x.zip"), "x.zip");
  EXPECT_EQ(WideSysErrorMessage(ENOENT), std::strerror(ENOENT));
}

TEST(WideFileSystem, ExistenceSearchesAndAge) {
  testsupport::TempDir dir;
  WriteFile(dir / "f.txt", "x");
  ASSERT_TRUE(WideForceDirectories(dir / "sub/deeper"));
  EXPECT_TRUE(WideDirectoryExists(dir / "sub/deeper"));
  EXPECT_TRUE(WideForceDirectories("/"));
  EXPECT_THROW(WideForceDirectories(""), EUniGeneralError);

  EXPECT_FALSE(WideFileExists(dir / "sub"));  // a folder is no file
  EXPECT_TRUE(WideFileExists(dir / "f.txt"));
  EXPECT_EQ(WideFileGetAttr(dir / "missing"), -1);
  EXPECT_FALSE(WideDirectoryExists(dir / "missing"));
  EXPECT_EQ(WideFileAge(dir / "sub"), -1);
  EXPECT_NE(WideFileAge(dir / "f.txt"), -1);

  std::chrono::system_clock::time_point age;
  EXPECT_FALSE(WideFileAge(dir / "sub", age));
  ASSERT_TRUE(WideFileAge(dir / "f.txt", age));
  EXPECT_LT(std::chrono::abs(std::chrono::system_clock::now() - age), std::chrono::minutes(5));

  TSearchRecW rec;
  EXPECT_EQ(WideFindFirst(dir / "*", 0, rec), 0);  // mask 0: the file only
  EXPECT_EQ(rec.Name, "f.txt");
  EXPECT_NE(WideFindNext(rec), 0);
  WideFindClose(rec);
  int found = 0;
  for (int r = WideFindFirst(dir / "*", faDirectory, rec); r == 0; r = WideFindNext(rec)) ++found;
  EXPECT_EQ(found, 2);  // with the folder bit: the folder too

  EXPECT_EQ(WideFileSearch("f.txt", "/nonexistent;;" + dir.path()), dir / "f.txt");
  EXPECT_EQ(WideFileSearch("f.txt", "/nonexistent"), "");
  EXPECT_EQ(WideFileSearch(dir / "f.txt", ""), dir / "f.txt");
}

TEST(WideFileSystem, FoldersAndReadOnly) {
  testsupport::TempDir dir;
  EXPECT_TRUE(WideCreateDir(dir / "n"));
  EXPECT_FALSE(WideCreateDir(dir / "n"));
  EXPECT_TRUE(WideRemoveDir(dir / "n"));
  EXPECT_FALSE(WideRemoveDir(dir / "n"));
  const std::string here = WideGetCurrentDir();
  ASSERT_TRUE(WideSetCurrentDir(dir.path()));
  EXPECT_EQ(WideGetCurrentDir(), std::filesystem::canonical(dir.path()).string());
  ASSERT_TRUE(WideSetCurrentDir(here));
  EXPECT_FALSE(WideSetCurrentDir(dir / "missing"));

  WriteFile(dir / "r.txt", "x");
  EXPECT_FALSE(WideFileIsReadOnly(dir / "r.txt"));
  EXPECT_TRUE(WideFileSetReadOnly(dir / "r.txt", true));
  EXPECT_TRUE(WideFileIsReadOnly(dir / "r.txt"));
  EXPECT_TRUE(WideFileSetReadOnly(dir / "r.txt", false));
  EXPECT_FALSE(WideFileIsReadOnly(dir / "r.txt"));
  EXPECT_FALSE(WideFileSetReadOnly(dir / "missing", true));
}

TEST(WideFileSystem, CopyFileKeepsTimeAndPermissionsAndReplacesWhole) {
  testsupport::TempDir dir;
  const std::string content = ziptest::MixedBytes(200000, 3);
  WriteFile(dir / "src.bin", content);
  ASSERT_EQ(::chmod((dir / "src.bin").c_str(), 0640), 0);
  ASSERT_TRUE(WideFileSetDate(dir / "src.bin", (44u << 25) | (3u << 21) | (15u << 16) | (12u << 11)));

  ASSERT_TRUE(WideCopyFile(dir / "src.bin", dir / "dst.bin", false));
  EXPECT_EQ(ReadFile(dir / "dst.bin"), content);
  EXPECT_EQ(WideFileAge(dir / "dst.bin"), WideFileAge(dir / "src.bin"));
  struct stat st;
  ASSERT_EQ(::stat((dir / "dst.bin").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  WriteFile(dir / "old.bin", "old");
  EXPECT_FALSE(WideCopyFile(dir / "src.bin", dir / "old.bin", true));
  EXPECT_EQ(ReadFile(dir / "old.bin"), "old");
  EXPECT_TRUE(WideCopyFile(dir / "src.bin", dir / "old.bin", false));
  EXPECT_EQ(ReadFile(dir / "old.bin"), content);

  EXPECT_FALSE(WideCopyFile(dir / "missing", dir / "x", false));
  EXPECT_FALSE(WideCopyFile(dir.path(), dir / "x", false));           // a folder is not copied
  EXPECT_FALSE(WideCopyFile(dir / "src.bin", dir / "no/such", false));
  // Nothing half written is left beside the targets.
  std::size_t entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.is_regular_file();
  EXPECT_EQ(entries, 3u);
}

TEST(UniStreams, FileStreamModesAndErrors) {
  testsupport::TempDir dir;
  WriteFile(dir / "f.bin", "0123456789");
  {
    TUniFileStream created(dir / "f.bin", fmCreate);  // truncates
    EXPECT_EQ(created.Size(), 0);
    created.WriteBuffer("ab", 2);
  }
  EXPECT_EQ(ReadFile(dir / "f.bin"), "ab");
  try {
    TUniFileStream missing(dir / "missing.bin", fmOpenRead | fmShareDenyNone);
    FAIL() << "opened";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + dir.path() + "/missing.bin kann nicht geöffnet werden");
  }
}

TEST(UniStreams, MemoryStreamLoadsAndSavesWholeFiles) {
  testsupport::TempDir dir;
  WriteFile(dir / "in.bin", std::string("\0\1\2", 3));
  TUniMemoryStream stream;
  stream.WriteBuffer("junk", 4);
  stream.LoadFromFile(dir / "in.bin");
  EXPECT_EQ(stream.Size(), 3);
  EXPECT_EQ(stream.Position(), 0);
  stream.Seek(0, SeekOrigin::End);
  stream.WriteBuffer("\3", 1);
  stream.SaveToFile(dir / "out.bin");
  EXPECT_EQ(ReadFile(dir / "out.bin"), std::string("\0\1\2\3", 4));
  EXPECT_THROW(stream.LoadFromFile(dir / "missing"), EFOpenError);
  EXPECT_EQ(stream.Size(), 4);  // a failed load keeps what was there
  EXPECT_THROW(stream.SaveToFile(dir / "no/such/file"), EFCreateError);
}

TEST(UniStreams, BufferedReaderReadsWhatLiesAtItsPosition) {
  std::vector<std::uint8_t> data(100);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
  TMemoryStream source(data);
  TBufferedStreamReader reader(source, 8);
  auto readAt = [&](std::int64_t position, std::size_t count) {
    reader.SetPosition(position);
    std::vector<std::uint8_t> out(count, 0xEE);
    out.resize(reader.Read(out.data(), count));
    return out;
  };
  auto expected = [&](std::size_t from, std::size_t count) {
    return std::vector<std::uint8_t>(data.begin() + from, data.begin() + from + count);
  };
  EXPECT_EQ(readAt(0, 4), expected(0, 4));
  // After a seek away from the window the data comes from the new position,
  // wherever the source happens to stand.
  EXPECT_EQ(readAt(50, 4), expected(50, 4));
  EXPECT_EQ(readAt(52, 3), expected(52, 3));    // from the window
  EXPECT_EQ(readAt(10, 37), expected(10, 37));  // whole windows straight from the source
  EXPECT_EQ(readAt(95, 10), expected(95, 5));   // cut at the end
  EXPECT_EQ(readAt(100, 1).size(), 0u);         // at or beyond the recorded size
  EXPECT_EQ(readAt(-1, 1).size(), 0u);
  EXPECT_EQ(reader.Seek(-10, SeekOrigin::End), 90);
  EXPECT_EQ(reader.Seek(5, SeekOrigin::Current), 95);

  // A source shorter than recorded gives what it has, never stale bytes.
  source.SetSize(60);
  EXPECT_EQ(readAt(56, 8), expected(56, 4));

  try {
    reader.Write("x", 1);
    FAIL();
  } catch (const EUniInternalError& e) {
    EXPECT_STREQ(e.what(), "Internal Error: class can not write.");
  }
}
