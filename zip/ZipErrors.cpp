#include "zip/ZipErrors.h"

#include <cstdio>

namespace zip {

const char* const ZipErrorMessages[kZipMessageCount] = {
    "Unknown error",
    "Index out of bounds",
    "Invalid compression mode. Mode must be in [0-9] range",
    "Unexpected nil pointer",
    "Invalid size or check sum of file or unsupported compression format",
    "File name is blank. Specify appropriate file name",
    "File \"%s\" not found",
    "Archive is not open",
    "SFXStub property is not specified",
    "Cannot create file \"%s\"",
    "Cannot create directory \"%s\"",
    "Internal error. Update is not started",
    "Cannot open file \"%s\"",
    "Cannot proceed when update is not ended. Preceding EndUpdate call is required.",
    "Cannot delete file \"%s\"",
    "In-memory archive can be created only",
    "File is open in read-only mode",
    "Invalid compressed size, rfs.size = %d, count = %d",
    "Invalid archive file.",
    "Cannot create output file. Probably file is locked by another process. FileName = '%s'.",
    "Archive is open. You should close it beore performing this operation.",
    "Unable to create directory",
    "Cannot find 64-bit directory end record",
    "Cannot compress file '%s'. Zip64 mode is not enabled",
    "Cannot open archive file. Opening aborted or invalid file",
    "Write to stream error",
    "Cannot place SFX stub on volume. Volume size limit is too small",
    "Archive is damaged. Open failed",
    "MakeSFX is not allowed for splitted or spanned archives. Set SFXStub before archive creation "
    "instead of MakeSFX",
    "Archive already has SFX stub",
    "Multi-volume archive is not allowed for custom stream",
    "Multi-spanned archive is not allowed for modification. Use BeginUpdate/EndUpdate methods to "
    "add files several times",
    "Deflate64 compression method is not supported",
    "MakeSFX error",
    "Hashed list of file names is invalid",
    "Cannot delete folder \"%s\"",
    "File name is too long: \r\n\"%s\"",
    "Multiple transactions are not supported for multi-volume archives",
    "Invalid InitVector index = %d. Index should be >= 0 and < %d",
    "Disk is full. There is not enough free space on disk.",
    "Invalid password. Cannot decompress encrypted file.",
};

const std::int32_t ZipNativeToErrorCode[kZipNativeCodeCount][2] = {
    {0, 0},   {1, 1},   {2, 1},   {3, 1},   {4, 1},   {5, 2},   {6, 3},   {7, 1},   {8, 4},
    {9, 5},   {10, 5},  {11, 6},  {12, 6},  {13, 7},  {14, 7},  {15, 6},  {16, 1},  {17, 8},
    {18, 6},  {19, 9},  {20, 10}, {21, 1},  {22, 11}, {23, 9},  {24, 1},  {25, 11}, {26, 13},
    {27, 14}, {28, 15}, {29, 5},  {30, 6},  {31, 6},  {32, 16}, {33, 12}, {34, 17}, {35, 18},
    {36, 19}, {37, 20}, {38, 6},  {39, 21}, {40, 22}, {41, 23}, {42, 6},  {43, 23}, {44, 24},
    {45, 24}, {46, 25}, {47, 26}, {48, 27}, {49, 28}, {50, 29}, {51, 30}, {52, 31}, {53, 6},
    {54, 6},  {55, 32}, {56, 33}, {57, 27}, {58, 34}, {59, 34}, {60, 35}, {61, 36}, {62, 37},
    {63, 38}, {64, 38}, {65, 39}, {66, 39}, {67, 40},
};

const char* const SConfirmOverwrite = "Overwrite file \"%s\" with \"%s\"";
const char* const SPasswordTitle = "Password for \"%s\"";
const char* const SPasswordPrompt = "Enter password: ";
const char* const SOnRequestBlankDisk = "Please insert a blank disk #%d";
const char* const SOnRequestFirstDisk = "Please insert the first disk";
const char* const SOnRequestLastDisk = "Please insert the last disk";
const char* const SOnRequestMiddleDisk = "Please insert disk #%d";
const char* const SOnDiskFull =
    "Disk is full. Required free space: %d bytes, but available only: %d bytes. Clean the disk or "
    "find another blank disk";
const char* const SOnProcessFileFailure = "%s. File processing error, possibly disk is full";
const char* const SWrongDiskRequestLastDisk =
    "File '%s' not found on inserted disk. Please insert last disk with required file";

std::string FormatText(const std::string& format, const std::vector<FormatArg>& args) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    int width = 0;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') width = width * 10 + (format[j++] - '0');
    if (j >= format.size() || (format[j] != 's' && format[j] != 'd') || next >= args.size()) {
      out += format[i];
      continue;
    }
    std::string piece;
    if (format[j] == 's') {
      if (auto* s = std::get_if<std::string>(&args[next])) piece = *s;
      else piece = std::to_string(std::get<std::int64_t>(args[next]));
    } else {
      if (auto* n = std::get_if<std::int64_t>(&args[next])) piece = std::to_string(*n);
      else piece = std::get<std::string>(args[next]);
    }
    ++next;
    if (static_cast<int>(piece.size()) < width) piece.insert(0, width - piece.size(), ' ');
    out += piece;
    i = j;
  }
  return out;
}

int ZipMessageIndexOf(int nativeCode) {
  for (const auto& pair : ZipNativeToErrorCode)
    if (pair[0] == nativeCode) return pair[1];
  return 0;
}

std::string EZipException::Build(int nativeCode, const std::vector<FormatArg>* args,
                                 const std::string& component) {
  std::string text = ZipErrorMessages[ZipMessageIndexOf(nativeCode)];
  if (args) text = FormatText(text, *args);
  if (!component.empty()) text = component + ": " + text;
  char number[32];
  std::snprintf(number, sizeof number, "%5d", nativeCode);
  std::string digits = number;
  for (char& c : digits)
    if (c == ' ') c = '0';
  return text + " - Native error: " + digits;
}

EZipException::EZipException(int nativeCode, const std::string& component)
    : std::runtime_error(Build(nativeCode, nullptr, component)),
      MessageIndex(ZipMessageIndexOf(nativeCode)),
      NativeCode(nativeCode) {}

EZipException::EZipException(int nativeCode, const std::vector<FormatArg>& args,
                             const std::string& component)
    : std::runtime_error(Build(nativeCode, &args, component)),
      MessageIndex(ZipMessageIndexOf(nativeCode)),
      NativeCode(nativeCode) {}

}  // namespace zip
