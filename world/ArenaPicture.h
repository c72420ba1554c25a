#pragma once

// How the skin's arena picture "HALL.BMP" is cut. The playing field stands
// at its top left; the blocks are tiles of 50 × 50, seats in the top row and
// standing places in the row below. Each side of the field has its own
// tiles, so the stands face the field: three sizes (large, middle, small,
// from left to right) per side, the sides in the order of ArenaSide, and
// after them one tile per side for an empty block.
namespace ArenaPicture {

constexpr int kTile = 50;
constexpr int kFieldWidth = 150;  // the field picture, stretched over 3 × 2 blocks
constexpr int kFieldHeight = 100;
constexpr int kSeatsRow = 0;
constexpr int kStandingRow = kTile;
constexpr int kSizesPerSide = 3;  // large, middle, small
constexpr int kFirstBlockTile = kFieldWidth;

// Where a block lies relative to the field. In a corner region a block on
// the diagonal takes the corner's tiles, any other the tiles of the side
// it lies nearer to.
enum ArenaSide : int { kAbove, kBelow, kLeft, kRight, kAboveLeft, kAboveRight, kBelowLeft, kBelowRight, kSideCount };

constexpr int kFirstEmptyTile = kFirstBlockTile + kSideCount * kSizesPerSide * kTile;  // 1350
constexpr int kWidth = kFirstEmptyTile + kSideCount * kTile;
constexpr int kHeight = 2 * kTile;

}  // namespace ArenaPicture
