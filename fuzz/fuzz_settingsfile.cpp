// Any bytes fed to the start-up file reader: refused with the settings untouched, or
// accepted and written back byte for byte.

#include "app/settingsfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static orv::SettingsData settings;
    const QByteArray before = orv::encodeSettings(settings);

    const orv::FileError e = orv::decodeSettings(bytes, settings);
    if (!e.ok()) {
        check(e.number == orv::kErrPastEnd || e.number == orv::kErrCountOutOfRange);
        check(orv::encodeSettings(settings) == before);
        return 0;
    }
    const QByteArray written = orv::encodeSettings(settings);
    check(written.size() == orv::settingsFileSize(settings.libraryCount));
    check(written == bytes.left(written.size()));

    orv::SettingsData again;
    check(orv::decodeSettings(written, again).ok());
    check(orv::encodeSettings(again) == written);
    return 0;
}
