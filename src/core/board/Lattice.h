// The fixed 7 x 12 lattice: index tables, geometry in twips and the size-class blocks.
// Level files, hints and the editor name squares and segments by these numbers.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace quirn {

inline constexpr int kRows = 7;
inline constexpr int kCols = 12;
inline constexpr int kSquareCount = 84;
inline constexpr int kSegmentCount = 187;

struct GridPos {
    int row = 0;
    int col = 0;
    bool operator==(const GridPos&) const = default;
};

enum class Orientation { Horizontal, Vertical };

// H(r, c) joins dot (r, c) to (r, c+1); V(r, c) joins dot (r, c) to (r+1, c).
struct SegmentPlace {
    Orientation orientation = Orientation::Horizontal;
    int row = 0;
    int col = 0;
    bool operator==(const SegmentPlace&) const = default;
};

// Rectangle in twips, relative to the window's client area.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool contains(double x, double y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool operator==(const Rect&) const = default;
};

/* 0 <= row < 7, 0 <= col < 12 */
int squareIndex(int row, int col);
/* 0 <= index < 84 */
GridPos squarePos(int index);
/* 0 <= row <= 7, 0 <= col < 12 */
int horizontalSegment(int row, int col);
/* 0 <= row < 7, 0 <= col <= 12 */
int verticalSegment(int row, int col);
/* 0 <= index < 187 */
SegmentPlace segmentPlace(int index);

// The four segments around a square: top, bottom, left, right.
std::array<int, 4> squareSides(int square);

inline constexpr double kPitch = 960;
inline constexpr double kSegmentLength = 1215;
inline constexpr double kSegmentThickness = 255;
inline constexpr double kSquareSize = 735;

Rect squareRect(int square);
Rect segmentRect(int segment);

enum class SizeClass { Quick, Normal, Hard, Advanced };
inline constexpr std::array<SizeClass, 4> kAllSizeClasses{SizeClass::Quick, SizeClass::Normal,
                                                          SizeClass::Hard, SizeClass::Advanced};

// Exact, case-sensitive: "Quick" selects nothing.
std::optional<SizeClass> sizeClassFromKeyword(std::string_view keyword);
std::string_view keywordOf(SizeClass size);

struct BlockShape {
    int rows = 0;
    int cols = 0;
};
BlockShape blockShape(SizeClass size);
bool squareInBlock(int square, SizeClass size);
bool segmentInBlock(int segment, SizeClass size);
// Ascending indexes.
std::vector<int> blockSquares(SizeClass size);
std::vector<int> blockSegments(SizeClass size);

// Segments from front to back: verticals of row 0 first, horizontals last.
const std::array<int, kSegmentCount>& segmentsFrontToBack();

// The front-most shown segment under (x, y), or none. Hidden segments take no press.
std::optional<int> segmentAt(double x, double y, const std::array<bool, kSegmentCount>& shown);
// The square under (x, y), or none; squares are never hidden.
std::optional<int> squareAt(double x, double y);

} // namespace quirn
