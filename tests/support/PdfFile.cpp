#include "support/PdfFile.h"

#include <cstdio>
#include <sstream>

#include "support/Command.h"

namespace testsupport {

int PdfPages(const std::string& pdf) {
  const RunResult r = Run("pdfinfo " + Quote(pdf));
  if (r.exitCode != 0) return -1;
  std::istringstream lines(r.output);
  std::string line;
  while (std::getline(lines, line))
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return -1;
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
