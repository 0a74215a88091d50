#pragma once

namespace orv {
inline constexpr const char* kProgramTitle = "Ornaveld";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
// The maker as the splash and about windows name it, and where feedback mail goes.
inline constexpr const char* kMakerName = "Ornaveld";
inline constexpr const char* kSupportAddress = "support@ornaveld.nl";
} // namespace orv
