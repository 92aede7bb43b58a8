#pragma once

// Positions in the window design are given in twips, 1/1440 inch: 15 twips to
// a pixel at 96 dots per inch. They are converted here, once; Qt's high-DPI
// scaling does the rest.

#include <QLine>
#include <QPoint>
#include <QRect>

#include <cmath>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Round to the nearest pixel, halves away from zero, as the design tool did.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QPoint twipsPoint(int x, int y)
{
    return {px(x), px(y)};
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
constexpr QLine twipsLine(int x1, int y1, int x2, int y2)
{
    return {px(x1), px(y1), px(x2), px(y2)};
}

} // namespace ui
