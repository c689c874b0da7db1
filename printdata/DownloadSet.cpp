#include "printdata/DownloadSet.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "platform/PathText.h"
#include "printdata/DateTimeLayerFiles.h"
#include "printdata/LayerListFiles.h"
#include "printdata/PrinterFileWrite.h"
#include "printdata/RawBitmap.h"

namespace printdata {
namespace {

namespace fs = std::filesystem;

// A failed check that carries its own result code.
struct CheckFailed {};

// Everything inside `folder` goes; the folder stays. A missing folder is
// created with its parents. False when the folder cannot be had empty.
bool EmptyFolder(const std::string& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) {
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      std::error_code removeError;
      fs::remove_all(it->path(), removeError);
      if (removeError) return false;
    }
    return !error && fs::is_empty(folder, error) && !error;
  }
  return fs::create_directories(folder, error) && !error;
}

void Check(const platform::Status& status) {
  if (!status.ok()) throw std::runtime_error(status.error());
}

}  // namespace

std::string DownloadFolder(const std::string& tmpDir) { return platform::WithoutTrailingSlash(tmpDir) + "/DOWNLOAD/"; }

int BuildPrintTextFiles(int index, const std::string& folderPath, const PrintGroup& group,
                        PrintTextRenderer& renderer) {
  try {
    if (index < 0 || index >= kMaxPrintTexts) return kBuildCheckFailed;
    const std::string folder = platform::WithoutTrailingSlash(folderPath);
    if (!EmptyFolder(folder)) return kBuildCheckFailed;
    const std::string base = folder + "/";

    renderer.LoadAndRender(group.Texts[static_cast<std::size_t>(index)]);
    Check(WriteRawBitmap(base + "BS.r23", renderer));
    Check(WriteDynamicLayerList(base + "BS.u23", renderer.WorkText()));
    Check(WriteParameterFile(base + "DT.pam", renderer.WorkText()));
    for (int n = 0; n < kLayerCount; ++n) {
      const std::string digit = std::to_string(n);
      Check(WriteDateDescription(n, base + "D" + digit + ".pam", renderer));
      Check(WriteDateGlyphs(n, base + "D" + digit + ".r23", renderer));
    }
    for (int n = 0; n < kLayerCount; ++n) {
      const std::string digit = std::to_string(n);
      Check(WriteTimeDescription(n, base + "T" + digit + ".pam", renderer));
      Check(WriteTimeGlyphs(n, base + "T" + digit + ".r23", renderer));
    }
    return kBuildDone;
  } catch (const std::exception&) {  // a file that failed, memory
    return kBuildFailed;
  }
}

int BuildDownloadSet(const PrintGroup& group, int count, const std::string& title, const std::string& tmpDir,
                     PrintTextRenderer& renderer, const std::function<void()>& processMessages) {
  const std::string root = DownloadFolder(tmpDir);
  auto pump = [&] {
    if (processMessages) processMessages();
  };
  int result = kBuildDone;
  try {
    pump();
    if (!EmptyFolder(root)) throw CheckFailed{};
    if (title.empty()) throw CheckFailed{};
    if (!WritePrinterFile(root + "GP.n23", title + "\n").ok()) throw CheckFailed{};
    pump();
    if (count < 1 || count > kMaxPrintTexts) throw CheckFailed{};
    for (int i = 0; i < count; ++i) {
      pump();
      char name[8];
      std::snprintf(name, sizeof name, "%03d", i + 1);
      if (BuildPrintTextFiles(i, root + name, group, renderer) <= 0) throw CheckFailed{};
    }
  } catch (const CheckFailed&) {
    result = kBuildCheckFailed;
  } catch (const std::exception&) {
    result = kBuildFailed;
  }
  // No partial set may stay behind for the transfer to pick up.
  if (result != kBuildDone) (void)EmptyFolder(root);
  return result;
}

}  // namespace printdata
