// Any bytes fed to the project reader: it either refuses them and leaves the state as it
// was, or accepts them, and then writing the state back gives exactly the bytes it read
// (a file is never silently changed by opening and saving it).

#include "app/projectfile.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// States for the whole run: they are too large to build per input.
orv::State& state(int which) {
    static const std::unique_ptr<orv::State> s[2] = {std::make_unique<orv::State>(),
                                                     std::make_unique<orv::State>()};
    return *s[which];
}

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    orv::State& s = state(0);
    const QByteArray before = orv::encodeProject(s);

    const orv::FileError e = orv::decodeProject(bytes, s);
    if (!e.ok()) {
        check(e.number == orv::kErrPastEnd || e.number == orv::kErrCountOutOfRange);
        check(orv::encodeProject(s) == before);
        return 0;
    }
    const QByteArray written = orv::encodeProject(s);
    check(written.size() == orv::projectFileSize(s.sourceCount[0], s.sourceCount[1]));
    check(written == bytes.left(written.size()));

    orv::State& again = state(1);
    check(orv::decodeProject(written, again).ok());
    check(orv::encodeProject(again) == written);
    return 0;
}
