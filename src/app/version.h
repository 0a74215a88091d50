#pragma once

namespace orv {
inline constexpr const char* kProgramTitle = "Ornaveld";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
} // namespace orv
