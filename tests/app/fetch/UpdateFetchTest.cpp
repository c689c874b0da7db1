#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FetchFixture.h"
#include "app/fetch/UpdateFetch.h"
#include "platform/FileIO.h"

namespace {

using app::UpdateStep;
using fetchtest::Exists;
using fetchtest::kNewer;
using testsupport::FileBytes;
using fetchtest::Server;

const std::string kInstaller(70000, 'I');

// An UPDATE folder, a fetcher on it and what its hooks saw.
class UpdateFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Server().Remove("Tarvik23");
    dir_ = local_.path() + "/UPDATE/";
    std::filesystem::create_directories(dir_);
  }

  std::unique_ptr<app::UpdateFetcher> Fetcher(const std::string& user) {
    app::UpdateFetcher::Hooks hooks;
    hooks.clearReady = [this] { events_.push_back("clear"); };
    hooks.deletePath = [this](const std::string& path) {
      events_.push_back("delete " + path.substr(dir_.size()));
      std::error_code ec;
      for (const auto& e : std::filesystem::directory_iterator(dir_, ec)) std::filesystem::remove_all(e.path(), ec);
      return 1;
    };
    return std::make_unique<app::UpdateFetcher>(dir_, fetchtest::SettingsFor(user), hooks);
  }

  void Local(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteFileDirect(dir_ + name, bytes));
  }
  std::vector<std::string> Folder() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Ready(app::UpdateFetcher& f) {
    auto r = f.ReadyCheck();
    EXPECT_TRUE(r) << r.error();
    return r && *r;
  }

  testsupport::TempDir local_;
  std::string dir_;
  std::vector<std::string> events_;
};

TEST_F(UpdateFetchTest, NewerReleaseIsFetchedAndThenReady) {
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
  Local("Old.run", "old installer");
  auto f = Fetcher("update");
  EXPECT_FALSE(Ready(*f));
  EXPECT_EQ(f->FetchStep(), UpdateStep::Fetched);
  EXPECT_EQ(events_, (std::vector<std::string>{"clear", "delete *.*"}));
  EXPECT_EQ(Folder(), (std::vector<std::string>{"INFO.UPD", "Tarvik23Setup.run"}));
  EXPECT_EQ(FileBytes(dir_ + "Tarvik23Setup.run"), kInstaller);
  EXPECT_EQ(FileBytes(dir_ + "INFO.UPD"), kNewer);
  EXPECT_FALSE(f->Connected()) << "the connection is quit after the step";
  EXPECT_TRUE(Ready(*f));

  // The next cycle finds the installer there: it fetches the description
  // copy only and neither empties the folder nor replaces INFO.UPD.
  events_.clear();
  Local("INFO.UPD", kNewer + "local mark\r\n");
  EXPECT_EQ(f->FetchStep(), UpdateStep::InstallerPresent);
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(FileBytes(dir_ + "INFO.UPD"), kNewer + "local mark\r\n");
  EXPECT_EQ(FileBytes(dir_ + "~INFO.UPD"), kNewer);
  EXPECT_TRUE(Ready(*f));
}

// The rows of the failure table that concern the fetch step, each with what
// it may and may not touch.
TEST_F(UpdateFetchTest, FailuresLeaveTheFolderAsTheyShould) {
  struct Case {
    const char* what;
    std::string user;
    std::string info;      // "" = none on the server
    bool installerOnServer;
    UpdateStep expected;
    bool emptied;          // the folder was emptied
  };
  const Case cases[] = {
      {"login refused", "stranger", kNewer, true, UpdateStep::ConnectFailed, false},
      {"no description on the server", "update", "", true, UpdateStep::NoDescription, false},
      {"empty description on the server", "update", "\x01", true, UpdateStep::NoDescription, false},
      {"not newer", "update", "1\r\n20240827\r\n2200\r\nTarvik23Setup.run\r\n", true, UpdateStep::NoUpdate, false},
      {"three lines", "update", "1\r\n20250301\r\n0800\r\n", true, UpdateStep::NoUpdate, false},
      {"line 1 not 1", "update", "01\r\n20250301\r\n0800\r\nTarvik23Setup.run\r\n", true, UpdateStep::NoUpdate,
       false},
      {"installer missing on the server", "update", kNewer, false, UpdateStep::InstallerNotOnServer, false},
      {"size request unanswered", "dropsize", kNewer, true, UpdateStep::SizeFailed, false},
      {"description download refused", "failretr", kNewer, true, UpdateStep::DescriptionFailed, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Server().Remove("Tarvik23");
    if (!c.info.empty()) Server().Put("Tarvik23/INFO.UPD", c.info == "\x01" ? std::string() : c.info);
    if (c.installerOnServer) Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
    // A ready update from before.
    Local("INFO.UPD", "1\r\n20250101\r\n0000\r\nOld.run\r\n");
    Local("Old.run", "old");
    events_.clear();
    auto f = Fetcher(c.user);
    EXPECT_EQ(f->FetchStep(), c.expected);
    EXPECT_FALSE(f->Connected());
    EXPECT_EQ(!events_.empty(), c.emptied);
    EXPECT_EQ(FileBytes(dir_ + "Old.run"), "old");
    // The ready state follows the local description, connection or not.
    EXPECT_TRUE(Ready(*f));
  }
}

TEST_F(UpdateFetchTest, TransferFailingAfterTheFolderWasEmptiedEndsNotReadyAndIsRetried) {
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
  Local("INFO.UPD", "1\r\n20250101\r\n0000\r\nOld.run\r\n");
  Local("Old.run", "old");

  // The installer download is refused after the folder was emptied.
  auto refused = Fetcher("infoonly");
  EXPECT_EQ(refused->FetchStep(), UpdateStep::InstallerFailed);
  EXPECT_EQ(events_, (std::vector<std::string>{"clear", "delete *.*"}));
  EXPECT_TRUE(Folder().empty());
  EXPECT_FALSE(Ready(*refused));

  // The description changes on the server while the installer comes, so
  // the second copy of it fails. An installer without its description
  // would count as present in every later cycle and never become ready:
  // it goes again, and the next cycle fetches both.
  events_.clear();
  app::UpdateFetcher::Hooks hooks;
  hooks.clearReady = [] { Server().Put("Tarvik23/INFO.UPD", kNewer + "changed\r\n"); };
  hooks.deletePath = [](const std::string&) { return 1; };
  app::UpdateFetcher changing(dir_, fetchtest::SettingsFor("update"), hooks);
  EXPECT_EQ(changing.FetchStep(), UpdateStep::InfoFailed);
  EXPECT_EQ(Folder(), (std::vector<std::string>{"~INFO.UPD"}));
  EXPECT_FALSE(Ready(changing));

  auto f = Fetcher("update");
  EXPECT_EQ(f->FetchStep(), UpdateStep::Fetched);
  EXPECT_TRUE(Ready(*f));
}

// The size the server tells and the bytes that arrive must agree; a
// description or installer that differs fails the step.
TEST_F(UpdateFetchTest, FetchedSizeMustMatchTheServersSize) {
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
  // One byte more arrives than the server announced.
  auto f = Fetcher("wrongsize");
  EXPECT_EQ(f->FetchStep(), UpdateStep::DescriptionFailed);
  EXPECT_FALSE(Exists(dir_ + "~INFO.UPD"));
  EXPECT_FALSE(Exists(dir_ + "~TODEL.TMP"));
  // Half of it arrives and the server reports success.
  auto g = Fetcher("shortretr");
  EXPECT_EQ(g->FetchStep(), UpdateStep::DescriptionFailed);
  EXPECT_FALSE(Exists(dir_ + "~INFO.UPD"));
}

TEST_F(UpdateFetchTest, FailedRenameFailsTheStep) {
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
  // A folder stands where the description copy goes.
  std::filesystem::create_directories(dir_ + "~INFO.UPD/inside");
  auto f = Fetcher("update");
  EXPECT_EQ(f->FetchStep(), UpdateStep::DescriptionFailed);
  EXPECT_FALSE(Exists(dir_ + "~TODEL.TMP"));
}

TEST_F(UpdateFetchTest, HostileInstallerNameIsRefused) {
  const std::string lines[] = {"../CONFIG/Tarvik23.ini", "..", "/etc/passwd", "INFO.UPD", "~TODEL.TMP",
                               "sub\\Setup.exe"};
  for (const std::string& name : lines) {
    SCOPED_TRACE(name);
    Server().Put("Tarvik23/INFO.UPD", "1\r\n20990101\r\n0000\r\n" + name + "\r\n");
    Server().Put("Tarvik23/Tarvik23Setup.run", kInstaller);
    events_.clear();
    auto f = Fetcher("update");
    EXPECT_EQ(f->FetchStep(), UpdateStep::UnsafeInstallerName);
    EXPECT_TRUE(events_.empty()) << "the folder is not touched";
    EXPECT_TRUE(f->InstallerPath.empty());
    // Even a local description naming it is never ready.
    Local("INFO.UPD", "1\r\n20990101\r\n0000\r\n" + name + "\r\n");
    EXPECT_FALSE(Ready(*f));
  }
  EXPECT_FALSE(Exists(local_.path() + "/CONFIG"));
}

TEST_F(UpdateFetchTest, ReadyCheck) {
  auto f = Fetcher("update");
  EXPECT_FALSE(Ready(*f)) << "no description";
  Local("INFO.UPD", kNewer);
  EXPECT_FALSE(Ready(*f)) << "no installer";
  Local("Tarvik23Setup.run", "x");
  EXPECT_TRUE(Ready(*f));
  Local("INFO.UPD", "1\r\n20240827\r\n2200\r\nTarvik23Setup.run\r\n");
  EXPECT_FALSE(Ready(*f)) << "the running release";
  // A description that exists but cannot be read is an error, not "not
  // ready": the thread stops on it.
  std::filesystem::remove(dir_ + "INFO.UPD");
  std::filesystem::create_directories(dir_ + "INFO.UPD");
  EXPECT_FALSE(f->ReadyCheck());
}

}  // namespace
