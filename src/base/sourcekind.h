#pragma once
// The two kinds of source a project holds. A kind is also the index of its list in the
// project's tables, hence the int base: sources[kind], sourceCount[kind].

#include <array>

namespace orv {

constexpr int kKinds = 2;

enum SourceKind : int {
    LineSource = 0,
    MobileSource = 1
}; // line source / driving route; mobile or fixed
constexpr std::array<SourceKind, kKinds> kSourceKinds{LineSource, MobileSource};

} // namespace orv
