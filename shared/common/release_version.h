// The version of this release of kivo32 and teldrin, which ship together: their about boxes show it and
// kivo32's update check compares it with the newest one published.
#pragma once

inline constexpr const char* kReleaseVersion = "v1.346";
