#pragma once
// Cutting a rectangle into tiles, rows top to bottom and columns left to
// right; the last column and row are cut at the rectangle's edges.
#include <functional>

#include "printing/DeviceRect.h"

namespace printing {

struct TileInfo {
  DeviceRect whole;
  DeviceRect tile;
  int column = 0;  // from 1
  int row = 0;     // from 1
  int width = 0;   // of this tile
  int height = 0;
  int tileWidth = 0;  // nominal
  int tileHeight = 0;
  int number = 0;  // running number of this tile, from 1
  int total = 0;   // tiles that are not empty
};

// The number of non-empty tiles (also stored in `info` when given); 0 when
// a tile size is below 1 or the rectangle is inverted.
int CountTiles(const DeviceRect& whole, int tileWidth, int tileHeight, TileInfo* info = nullptr);

// Calls `callback` for each non-empty tile; a result of 0 ends the walk.
// 1 when every tile was walked (an empty rectangle has none), 0 when the
// walk ended early, a tile size is below 1, the rectangle is inverted or
// there is no callback.
int ForEachTile(const DeviceRect& whole, int tileWidth, int tileHeight,
                const std::function<int(const TileInfo&)>& callback);

}  // namespace printing
