#pragma once
// Small value types shared by the whole layer: points, rectangles, sizes, shift states.
#include <cstdint>

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

// A rectangle that, as everywhere in the layer, excludes its Right column and Bottom row.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(const TPoint& p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    bool operator==(const TRect&) const = default;
};

inline TPoint Point(int x, int y)
{
    return {x, y};
}
inline TRect Rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

// Shift state of a key or mouse event, as a set of flags.
enum TShiftFlag : std::uint16_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};
using TShiftState = std::uint16_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
