#pragma once
// The mouse configuration shared by every chart: which buttons zoom and pan, which keys must
// be held (none), and the share of the way each step of an animated zoom goes.
#include <Qt>

inline constexpr Qt::MouseButton kZoomButton = Qt::LeftButton;
inline constexpr Qt::MouseButton kPanButton = Qt::RightButton;
inline constexpr Qt::KeyboardModifiers kZoomKeys{Qt::NoModifier};
inline constexpr Qt::KeyboardModifiers kPanKeys{Qt::NoModifier};
inline constexpr double kZoomStepDivisor = 3.0;
// A zoom drag must exceed this many pixels in both directions.
inline constexpr int kMinZoomDragPixels = 16;
// Share of an axis' range that one wheel step scrolls.
inline constexpr double kWheelStepShare = 3 * 0.01;
