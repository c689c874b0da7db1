#pragma once
// One update cycle's work, without the thread: the fetch step, which looks
// on the server for a newer release and brings its installer and
// description into the UPDATE folder, and the ready check, which tells
// whether the folder holds a release to install.
#include <cstdint>
#include <functional>
#include <string>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/FtpClient.h"
#include "platform/Result.h"

namespace app {

enum class UpdateStep {
  NoDescription,         // the server has no description (size -1 or 0); nothing fetched
  NoUpdate,              // its description announces nothing newer; UPDATE untouched
  UnsafeInstallerName,   // it names an installer that is no plain file name; UPDATE untouched
  InstallerPresent,      // the installer is in UPDATE already; only ~INFO.UPD was fetched
  InstallerNotOnServer,  // the announced installer is missing on the server; nothing deleted
  Fetched,               // UPDATE was emptied and holds the new installer and INFO.UPD
  ConnectFailed,         // the connection or the login failed
  SizeFailed,            // a size request got no answer
  DescriptionFailed,     // ~INFO.UPD could not be fetched
  InstallerFailed,       // the installer could not be fetched (UPDATE was emptied)
  InfoFailed,            // INFO.UPD could not be fetched after the installer (which goes again)
  OtherFailure,          // anything else
};

bool IsFailure(UpdateStep step);

class UpdateFetcher {
 public:
  struct Hooks {
    // Runs before the UPDATE folder is emptied, so that nothing offers the
    // old update while its files go.
    std::function<void()> clearReady;
    // Deletes a path ("UPDATE/*.*": everything in the folder).
    std::function<int(const std::string& path)> deletePath;
  };

  // `updateDir` ends in "/".
  UpdateFetcher(std::string updateDir, const FetchSettings& settings, Hooks hooks);

  UpdateStep FetchStep();
  // True when UPDATE/INFO.UPD announces a newer release whose installer is
  // in the folder; a failure when INFO.UPD is there but cannot be read.
  platform::Result<bool> ReadyCheck() const;

  // Ends a running step at once; later steps fail.
  void Stop() { client_.Stop(); }
  void Abort() { client_.Abort(); }
  bool Connected() const { return client_.Connected(); }

  const std::string TmpInfoPath, InfoPath, TempPath, RemoteInfoPath;
  // Set from line 4 of the description being evaluated.
  std::string InstallerPath, RemoteInstallerPath;

 private:
  UpdateStep Step();
  // Downloads into the temporary file, checks that as many bytes came as
  // the server's size said, then moves it to `localPath`.
  platform::Status FetchFile(const std::string& remotePath, const std::string& localPath, std::int64_t size);

  std::string dir_;
  std::string folder_;
  Hooks hooks_;
  FtpClient client_;
};

}  // namespace app
