#include "app/fetch/UpdateFetch.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "app/fetch/FetchWhole.h"
#include "app/fetch/UpdateDescription.h"
#include "platform/FileIO.h"
#include "platform/LineFile.h"

namespace app {

bool IsFailure(UpdateStep step) {
  switch (step) {
    case UpdateStep::NoDescription:
    case UpdateStep::NoUpdate:
    case UpdateStep::UnsafeInstallerName:
    case UpdateStep::InstallerPresent:
    case UpdateStep::InstallerNotOnServer:
    case UpdateStep::Fetched: return false;
    default: return true;
  }
}

UpdateFetcher::UpdateFetcher(std::string updateDir, const FetchSettings& settings, Hooks hooks)
    : TmpInfoPath(updateDir + kUpdateInfoCopyName),
      InfoPath(updateDir + kUpdateInfoName),
      TempPath(updateDir + kUpdateTempName),
      RemoteInfoPath("/" + settings.folder + "/" + kUpdateInfoName),
      dir_(std::move(updateDir)),
      folder_(settings.folder),
      hooks_(std::move(hooks)),
      client_(settings.UpdateAccount(), settings.limits) {}

platform::Status UpdateFetcher::FetchFile(const std::string& remotePath, const std::string& localPath,
                                          std::int64_t size) {
  return FetchWhole(client_, remotePath, TempPath, localPath, size);
}

UpdateStep UpdateFetcher::FetchStep() {
  UpdateStep step = UpdateStep::OtherFailure;
  try {
    step = Step();
  } catch (...) {
    step = UpdateStep::OtherFailure;
  }
  // After a failure the connection is dropped, so the next cycle starts on
  // a fresh one instead of one in an unknown state.
  if (IsFailure(step)) client_.Abort();
  return step;
}

UpdateStep UpdateFetcher::Step() {
  if (!client_.Connected() && !client_.Connect()) return UpdateStep::ConnectFailed;
  platform::Result<std::int64_t> infoSize = client_.Size(RemoteInfoPath);
  if (!infoSize) return UpdateStep::SizeFailed;

  UpdateStep step = UpdateStep::NoDescription;
  if (*infoSize > 0) {
    if (!FetchFile(RemoteInfoPath, TmpInfoPath, *infoSize)) return UpdateStep::DescriptionFailed;
    platform::Result<std::vector<std::string>> lines = platform::ReadLines(TmpInfoPath);
    if (!lines) return UpdateStep::OtherFailure;
    const UpdateDescription d = ParseUpdateDescription(*lines);
    if (!d.announces || !IsNewerRelease(d)) {
      step = UpdateStep::NoUpdate;
    } else if (!IsPlainInstallerName(d.installer)) {
      step = UpdateStep::UnsafeInstallerName;
    } else {
      InstallerPath = dir_ + d.installer;
      RemoteInstallerPath = "/" + folder_ + "/" + d.installer;
      if (platform::IsFile(InstallerPath)) {
        step = UpdateStep::InstallerPresent;
      } else {
        platform::Result<std::int64_t> installerSize = client_.Size(RemoteInstallerPath);
        if (!installerSize) return UpdateStep::SizeFailed;
        if (*installerSize <= 0) {
          step = UpdateStep::InstallerNotOnServer;
        } else {
          if (hooks_.clearReady) hooks_.clearReady();
          if (hooks_.deletePath) (void)hooks_.deletePath(dir_ + "*.*");
          if (!FetchFile(RemoteInstallerPath, InstallerPath, *installerSize)) return UpdateStep::InstallerFailed;
          // The description comes last: it tells that the installer beside
          // it is complete.
          if (!FetchFile(RemoteInfoPath, InfoPath, *infoSize)) {
            // An installer without its description would count as present
            // in every later cycle and never become ready; without it the
            // next cycle fetches both again.
            (void)platform::DeleteFileOnly(InstallerPath);
            return UpdateStep::InfoFailed;
          }
          step = UpdateStep::Fetched;
        }
      }
    }
  }
  if (client_.Connected() && !client_.Quit()) client_.Abort();
  return step;
}

platform::Result<bool> UpdateFetcher::ReadyCheck() const {
  std::error_code ec;
  if (!std::filesystem::exists(InfoPath, ec)) return false;
  platform::Result<std::vector<std::string>> lines = platform::ReadLines(InfoPath);
  if (!lines) return lines.status();
  const UpdateDescription d = ParseUpdateDescription(*lines);
  return OffersUpdate(d) && platform::IsFile(dir_ + d.installer);
}

}  // namespace app
