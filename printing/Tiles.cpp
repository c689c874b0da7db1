#include "printing/Tiles.h"

#include <algorithm>

namespace printing {
namespace {

int Steps(int length, int step) { return static_cast<int>((static_cast<long long>(length) + step - 1) / step); }

bool Walkable(const DeviceRect& r, int tileWidth, int tileHeight) {
  return tileWidth >= 1 && tileHeight >= 1 && r.right >= r.left && r.bottom >= r.top;
}

}  // namespace

int CountTiles(const DeviceRect& whole, int tileWidth, int tileHeight, TileInfo* info) {
  if (!Walkable(whole, tileWidth, tileHeight)) return 0;
  const int total = Steps(whole.Width(), tileWidth) * Steps(whole.Height(), tileHeight);
  if (info) info->total = total;
  return total;
}

int ForEachTile(const DeviceRect& whole, int tileWidth, int tileHeight,
                const std::function<int(const TileInfo&)>& callback) {
  if (!Walkable(whole, tileWidth, tileHeight) || !callback) return 0;
  TileInfo info;
  info.whole = whole;
  info.tileWidth = tileWidth;
  info.tileHeight = tileHeight;
  CountTiles(whole, tileWidth, tileHeight, &info);
  info.row = 0;
  for (long long top = whole.top; top < whole.bottom; top += tileHeight) {
    ++info.row;
    info.column = 0;
    for (long long left = whole.left; left < whole.right; left += tileWidth) {
      ++info.column;
      info.tile = {static_cast<int>(left), static_cast<int>(top),
                   static_cast<int>(std::min<long long>(left + tileWidth, whole.right)),
                   static_cast<int>(std::min<long long>(top + tileHeight, whole.bottom))};
      info.width = info.tile.Width();
      info.height = info.tile.Height();
      if (info.tile.IsEmpty()) continue;
      ++info.number;
      if (callback(info) == 0) return 0;
    }
  }
  return 1;
}

}  // namespace printing
