#pragma once
// Colours as 32-bit values: red in the low byte, then green, then blue. Values with the top
// bit set name system colours, resolved through ColorToRGB.
#include <cstdint>

using TColor = uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
  return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8) |
         (static_cast<TColor>(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;

// No colour of its own: a point takes its series' colour, a wall or a title gets no fill.
constexpr TColor clAutoColor = 0x20000000;
// Marks a null point.
constexpr TColor clNone = 0x1FFFFFFF;

// System colours (top bit set, index in the low byte).
constexpr TColor clSystemBit = 0x80000000;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clBtnHighlight = 0x80000014;

// The plain RGB value of a colour; system colours are looked up in the platform's palette.
TColor ColorToRGB(TColor c);
