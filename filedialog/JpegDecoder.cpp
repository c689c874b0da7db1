#include "filedialog/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdint>
#include <string>
#include <memory>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/Colours.h"

namespace filedialog {
using platform::Bitmap;
using platform::Result;
using platform::Status;
using platform::colours::Rgb;

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

struct Progress {
  jpeg_progress_mgr pub;
  int maxScans;
};

// Everything the decoding step touches lives here, outside the frame that
// calls setjmp, so a jump back leaves no object in an unknown state.
struct Job {
  std::string_view file;
  const PictureLimits* limits;
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  Progress progress;
  std::vector<JSAMPLE> row;
  Bitmap out;
  std::string failure;
};

[[noreturn]] void OnError(j_common_ptr c) {
  auto* err = reinterpret_cast<ErrorManager*>(c->err);
  (*c->err->format_message)(c, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings of corrupt data are not shown; the picture decodes as far as it
// can.
void OnMessage(j_common_ptr, int) {}

void OnProgress(j_common_ptr c) {
  auto* progress = reinterpret_cast<Progress*>(c->progress);
  auto* d = reinterpret_cast<j_decompress_ptr>(c);
  if (d->input_scan_number > progress->maxScans) {
    auto* err = reinterpret_cast<ErrorManager*>(c->err);
    std::snprintf(err->message, sizeof err->message, "more than %d scans", progress->maxScans);
    std::longjmp(err->jump, 1);
  }
}

// Returns false with job->failure set. No C++ object is created in this
// frame, so a jump out of libjpeg back to the setjmp is safe.
bool Run(Job* job) {
  jpeg_decompress_struct* cinfo = &job->cinfo;
  cinfo->err = jpeg_std_error(&job->err.pub);
  job->err.pub.error_exit = OnError;
  job->err.pub.emit_message = OnMessage;
  if (setjmp(job->err.jump)) {
    job->failure = job->err.message;
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = static_cast<long>(job->limits->maxWorkBytes);
  job->progress.pub.progress_monitor = OnProgress;
  job->progress.maxScans = job->limits->maxScans;
  cinfo->progress = &job->progress.pub;
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(job->file.data()),
               static_cast<unsigned long>(job->file.size()));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) {
    job->failure = "no JPEG picture";
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  if (!job->limits->Allows(cinfo->image_width, cinfo->image_height)) {
    job->failure = "picture size out of range";
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);
  const unsigned width = cinfo->output_width;
  const unsigned components = static_cast<unsigned>(cinfo->output_components);
  if (!job->limits->Allows(width, cinfo->output_height) || components != (cmyk ? 4u : 3u)) {
    job->failure = "picture size out of range";
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  // Adobe writes CMYK inverted.
  const bool inverted = cmyk && cinfo->saw_Adobe_marker;
  job->row.resize(static_cast<std::size_t>(width) * components);
  job->out.Resize(static_cast<int>(width), static_cast<int>(cinfo->output_height));
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW rows[1] = {job->row.data()};
    const unsigned y = cinfo->output_scanline;
    if (jpeg_read_scanlines(cinfo, rows, 1) != 1) break;
    const JSAMPLE* p = job->row.data();
    for (unsigned x = 0; x < width; ++x, p += components) {
      std::uint32_t c;
      if (cmyk) {
        unsigned k = p[3], cc = p[0], m = p[1], yy = p[2];
        if (!inverted) {
          cc = 255 - cc;
          m = 255 - m;
          yy = 255 - yy;
          k = 255 - k;
        }
        c = Rgb(cc * k / 255, m * k / 255, yy * k / 255);
      } else {
        c = Rgb(p[0], p[1], p[2]);
      }
      job->out.SetPixel(x, y, c);
    }
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return true;
}

}  // namespace

Result<Bitmap> DecodeJpeg(std::string_view file, const PictureLimits& limits) {
  if (file.size() < 4) return Status::Fail("no JPEG picture");
  auto job = std::make_unique<Job>();
  job->file = file;
  job->limits = &limits;
  if (!Run(job.get())) return Status::Fail("damaged JPEG picture: " + job->failure);
  return std::move(job->out);
}

}  // namespace filedialog
