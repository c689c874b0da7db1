#include "support/PdfFile.h"

#include <cstdio>
#include <sstream>

#include "support/Command.h"

namespace testsupport {

namespace {

// The value pdfinfo gives for `field` ("Pages:"), without the spaces before
// it; nothing when the file cannot be read or has no such field.
bool PdfInfo(const std::string& pdf, const std::string& field, std::string& value) {
  const RunResult r = Run("pdfinfo " + Quote(pdf));
  if (r.exitCode != 0) return false;
  std::istringstream lines(r.output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(field, 0) != 0) continue;
    const std::size_t start = line.find_first_not_of(' ', field.size());
    value = start == std::string::npos ? std::string() : line.substr(start);
    return true;
  }
  return false;
}

}  // namespace

int PdfPages(const std::string& pdf) {
  std::string value;
  return PdfInfo(pdf, "Pages:", value) ? std::stoi(value) : -1;
}

std::string PdfTitle(const std::string& pdf) {
  std::string value;
  return PdfInfo(pdf, "Title:", value) ? value : std::string();
}

std::string PdfText(const std::string& pdf, int page) {
  const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  return Run("pdftotext -enc UTF-8" + pages + " " + Quote(pdf) + " -").output;
}

std::vector<PdfImage> PdfImages(const std::string& pdf) {
  std::vector<PdfImage> images;
  std::istringstream lines(Run("pdfimages -list " + Quote(pdf)).output);
  std::string line;
  while (std::getline(lines, line)) {
    // page num type width height color comp bpc enc ...
    std::istringstream fields(line);
    PdfImage image;
    int number = 0;
    std::string type;
    if (!(fields >> image.page >> number >> type >> image.width >> image.height)) continue;
    std::string colour, comp, bpc;
    fields >> colour >> comp >> bpc >> image.encoding;
    images.push_back(image);
  }
  return images;
}

bool RenderPdfPage(const std::string& pdf, int page, int dpi, const std::string& png) {
  // pdftoppm appends ".png" to the name it is given.
  std::string stem = png;
  if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".png") == 0) stem.resize(stem.size() - 4);
  const std::string p = std::to_string(page);
  return Run("pdftoppm -png -singlefile -r " + std::to_string(dpi) + " -f " + p + " -l " + p + " " + Quote(pdf) +
             " " + Quote(stem))
             .exitCode == 0;
}

}  // namespace testsupport
