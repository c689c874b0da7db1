#pragma once
// What poppler's tools read from a PDF file: its page count and title
// (pdfinfo), the
// text of a page (pdftotext), the pictures on a page (pdfimages) and a page
// rendered as a picture (pdftoppm).
#include <string>
#include <vector>

namespace testsupport {

// -1 when pdfinfo cannot read the file.
int PdfPages(const std::string& pdf);
// The document's title; "" when it has none or cannot be read.
std::string PdfTitle(const std::string& pdf);
// The text of page `page` (from 1), or of every page for 0.
std::string PdfText(const std::string& pdf, int page = 0);

struct PdfImage {
  int page = 0;
  int width = 0;
  int height = 0;
  std::string encoding;  // "image" for a lossless one, "jpeg", ...
};
std::vector<PdfImage> PdfImages(const std::string& pdf);

// Renders page `page` at `dpi` into `png` (a PNG file); false on failure.
bool RenderPdfPage(const std::string& pdf, int page, int dpi, const std::string& png);

}  // namespace testsupport
