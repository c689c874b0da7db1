#include "editor/PaintDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace editor::paint {
namespace {

// Coordinates are held to a band around any bitmap a graphic can have, so
// that a far-away mouse position costs no endless loop and no overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 16;
std::int64_t Near(std::int64_t v) { return std::clamp(v, -kFar, 2 * kFar); }
Point Near(Point p) { return {Near(p.X), Near(p.Y)}; }
Rect Near(const Rect& r) { return {Near(r.Left), Near(r.Top), Near(r.Right), Near(r.Bottom)}; }

void Set(Bitmap& image, std::int64_t x, std::int64_t y, ColourValue colour) { image.SetPixel(x, y, colour); }

// Pen cells: offsets from -h to w - 1 - h each way (h = w / 2) whose centre
// lies in the circle of diameter w around the middle of that square.
bool InPen(int w, std::int64_t dx, std::int64_t dy) {
  const std::int64_t h = w / 2;
  const std::int64_t ax = 2 * dx + 1 + 2 * h - w, ay = 2 * dy + 1 + 2 * h - w;
  return ax * ax + ay * ay <= static_cast<std::int64_t>(w) * w;
}

// The pixels of the line from `a` to `b` in order, both ends included.
template <class Visit>
void WalkLine(Point a, Point b, Visit visit) {
  std::int64_t x = a.X, y = a.Y;
  const std::int64_t dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
  const std::int64_t sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
  std::int64_t err = dx + dy;
  for (;;) {
    visit(x, y);
    if (x == b.X && y == b.Y) return;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

// Whether a pen of width w at (x, y) can reach the image at all.
bool PenTouches(const Bitmap& image, std::int64_t x, std::int64_t y, int w) {
  return x + w >= 0 && y + w >= 0 && x - w < image.Width() && y - w < image.Height();
}

// Inside test of the ellipse inscribed in `r`, at the pixel's centre.
struct Ellipse {
  std::int64_t l, t, w, h;
  explicit Ellipse(const Rect& r) : l(r.Left), t(r.Top), w(r.Width()), h(r.Height()) {}
  bool Inside(std::int64_t x, std::int64_t y) const {
    if (x < l || y < t || x >= l + w || y >= t + h) return false;
    // Up to 2^18 a side: the products need more than 64 bits.
    const __int128 ax = 2 * (x - l) + 1 - w, ay = 2 * (y - t) + 1 - h;
    const __int128 w2 = static_cast<__int128>(w) * w, h2 = static_cast<__int128>(h) * h;
    return ax * ax * h2 + ay * ay * w2 <= w2 * h2;
  }
};

}  // namespace

Rect SpannedRect(Point a, Point b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
}

void DrawDot(Bitmap& image, Point at, int penWidth, ColourValue colour) {
  const int w = std::max(penWidth, 1);
  at = Near(at);
  if (!PenTouches(image, at.X, at.Y, w)) return;
  const std::int64_t h = w / 2;
  for (std::int64_t dy = -h; dy < w - h; ++dy)
    for (std::int64_t dx = -h; dx < w - h; ++dx)
      if (InPen(w, dx, dy)) Set(image, at.X + dx, at.Y + dy, colour);
}

void DrawLine(Bitmap& image, Point from, Point to, int penWidth, ColourValue colour, bool withEnd) {
  from = Near(from);
  to = Near(to);
  if (penWidth <= 1) {
    WalkLine(from, to, [&](std::int64_t x, std::int64_t y) {
      if (withEnd || x != to.X || y != to.Y) Set(image, x, y, colour);
    });
    return;
  }
  WalkLine(from, to, [&](std::int64_t x, std::int64_t y) { DrawDot(image, {x, y}, penWidth, colour); });
}

void DrawRectangle(Bitmap& image, const Rect& r, int penWidth, ColourValue pen, std::optional<ColourValue> fill) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const Rect n = Near(r);
  if (fill) image.FillRect(n.Left, n.Top, n.Right, n.Bottom, *fill);
  const Point corners[4] = {{n.Left, n.Top}, {n.Right - 1, n.Top}, {n.Right - 1, n.Bottom - 1}, {n.Left, n.Bottom - 1}};
  for (int i = 0; i < 4; ++i) DrawLine(image, corners[i], corners[(i + 1) % 4], penWidth, pen, true);
}

void DrawEllipse(Bitmap& image, const Rect& r, int penWidth, ColourValue pen, std::optional<ColourValue> fill) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const Rect n = Near(r);
  const Ellipse e(n);
  const int w = std::max(penWidth, 1);
  // Only the part that can reach the image is visited.
  const std::int64_t top = std::max<std::int64_t>(n.Top, -w), bottom = std::min<std::int64_t>(n.Bottom, image.Height() + w);
  const std::int64_t left = std::max<std::int64_t>(n.Left, -w), right = std::min<std::int64_t>(n.Right, image.Width() + w);
  if (fill) {
    for (std::int64_t y = top; y < bottom; ++y)
      for (std::int64_t x = left; x < right; ++x)
        if (e.Inside(x, y)) Set(image, x, y, *fill);
  }
  for (std::int64_t y = top; y < bottom; ++y) {
    for (std::int64_t x = left; x < right; ++x) {
      if (!e.Inside(x, y)) continue;
      const bool border = !e.Inside(x - 1, y) || !e.Inside(x + 1, y) || !e.Inside(x, y - 1) || !e.Inside(x, y + 1);
      if (!border) continue;
      if (w == 1)
        Set(image, x, y, pen);
      else
        DrawDot(image, {x, y}, w, pen);
    }
  }
}

bool FloodFill(Bitmap& image, Point at, ColourValue colour) {
  if (!image.Contains(at.X, at.Y)) return false;
  const ColourValue old = image.Pixel(at.X, at.Y);
  if (old == colour) return false;
  std::vector<std::pair<int, int>> stack;
  stack.emplace_back(static_cast<int>(at.X), static_cast<int>(at.Y));
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    stack.pop_back();
    if (image.Pixel(x, y) != old) continue;
    // The run of the row, then the rows above and below it.
    int left = x, right = x;
    while (left > 0 && image.Pixel(left - 1, y) == old) --left;
    while (right + 1 < image.Width() && image.Pixel(right + 1, y) == old) ++right;
    for (int i = left; i <= right; ++i) image.SetPixel(i, y, colour);
    for (int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= image.Height()) continue;
      bool inRun = false;
      for (int i = left; i <= right; ++i) {
        const bool same = image.Pixel(i, ny) == old;
        if (same && !inRun) stack.emplace_back(i, ny);
        inRun = same;
      }
    }
  }
  return true;
}

void DrawDottedFrame(Bitmap& image, const Rect& r, ColourValue colour) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const Rect n = Near(r);
  std::int64_t step = 0;
  auto dot = [&](std::int64_t x, std::int64_t y) {
    if (step++ % 2 == 0) Set(image, x, y, colour);
  };
  const std::int64_t right = n.Right - 1, bottom = n.Bottom - 1;
  for (std::int64_t x = n.Left; x <= right; ++x) dot(x, n.Top);
  for (std::int64_t y = n.Top + 1; y <= bottom; ++y) dot(right, y);
  if (bottom > n.Top)
    for (std::int64_t x = right - 1; x >= n.Left; --x) dot(x, bottom);
  if (right > n.Left)
    for (std::int64_t y = bottom - 1; y > n.Top; --y) dot(n.Left, y);
}

Bitmap CopyRect(const Bitmap& image, const Rect& r) {
  const std::int64_t left = std::max<std::int64_t>(r.Left, 0), top = std::max<std::int64_t>(r.Top, 0);
  const std::int64_t right = std::min<std::int64_t>(r.Right, image.Width());
  const std::int64_t bottom = std::min<std::int64_t>(r.Bottom, image.Height());
  if (right <= left || bottom <= top) return Bitmap();
  Bitmap clip(static_cast<int>(right - left), static_cast<int>(bottom - top));
  for (std::int64_t y = top; y < bottom; ++y)
    for (std::int64_t x = left; x < right; ++x) clip.SetPixel(x - left, y - top, image.Pixel(x, y));
  return clip;
}

void PasteClip(Bitmap& image, const Bitmap& clip, Point at, bool transparent) {
  at = Near(at);
  for (int y = 0; y < clip.Height(); ++y) {
    for (int x = 0; x < clip.Width(); ++x) {
      const ColourValue c = clip.Pixel(x, y);
      if (transparent && c == platform::kWhite) continue;
      Set(image, at.X + x, at.Y + y, c);
    }
  }
}

void Invert(Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      image.SetPixel(x, y, image.Pixel(x, y) == platform::kBlack ? platform::kWhite : platform::kBlack);
}

void HatchRows(Bitmap& image) {
  for (int y = 1; y < image.Height(); y += 2) image.FillRect(0, y, image.Width(), y + 1, platform::kWhite);
}

void HatchColumns(Bitmap& image) {
  for (int x = 1; x < image.Width(); x += 2) image.FillRect(x, 0, x + 1, image.Height(), platform::kWhite);
}

void HatchChecker(Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = (y + 1) % 2; x < image.Width(); x += 2) image.SetPixel(x, y, platform::kWhite);
}

void MirrorHorizontal(Bitmap& image, const Bitmap& source) {
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) image.SetPixel(source.Width() - 1 - x, y, source.Pixel(x, y));
}

void MirrorVertical(Bitmap& image, const Bitmap& source) {
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) image.SetPixel(x, source.Height() - 1 - y, source.Pixel(x, y));
}

}  // namespace editor::paint
