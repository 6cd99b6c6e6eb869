#pragma once
// The main window's class style: the drop-shadow bit is added on the NT family from
// version 5.1 on, when both the major version is above 4 and the minor version above 0.
// Here the window manager draws shadows itself, so the decision is only computed.
#include <cstdint>

constexpr uint32_t CS_DROPSHADOW = 0x00020000;
constexpr int VER_PLATFORM_WIN32_NT = 2;

struct OsVersion {
  int PlatformId = 0;
  int Major = 0;
  int Minor = 0;
};

constexpr bool WantsDropShadow(const OsVersion& v) {
  return v.PlatformId == VER_PLATFORM_WIN32_NT && v.Major > 4 && v.Minor > 0;
}

// The class style with the drop-shadow bit added where the version wants it.
constexpr uint32_t WindowClassStyle(uint32_t style, const OsVersion& v) {
  return WantsDropShadow(v) ? style | CS_DROPSHADOW : style;
}
