#include "app/settingsfile.h"

#include "base/bytes.h"
#include "base/fileio.h"
#include "base/win1252.h"

#include <algorithm>

namespace orv {
namespace {

constexpr qsizetype kLargestSettings =
    kSettingsHeaderSize + static_cast<qsizetype>(kMaxLibrary) * kLibraryEntrySize;
constexpr qsizetype kLibraryCountOffset = 110;

} // namespace

qsizetype settingsFileSize(int libraryCount) {
    return kSettingsHeaderSize + static_cast<qsizetype>(libraryCount) * kLibraryEntrySize;
}

QByteArray encodeSettings(const SettingsData& s) {
    // The library table has 500 places; never write past it.
    const auto count = static_cast<qint16>(std::clamp<int>(s.libraryCount, 0, kMaxLibrary));
    bytes::Writer w(settingsFileSize(count));
    w.text(s.userName, kUserNameWidth);
    w.text(s.userNameLabel, kUserNameWidth);
    w.int16(s.paperOrientation);
    w.text(s.printFontName, kPrintFontNameWidth);
    w.int16(s.printFontSize);
    w.int16(s.headerStyle);
    w.int16(s.bodyStyle1);
    w.int16(s.bodyStyle2);
    w.int16(count);
    for (int i = 1; i <= count; ++i) {
        const LibraryEntry& e = s.library[static_cast<std::size_t>(i)];
        w.text(e.entryName, kEntryNameWidth);
        w.real(e.lwEq);
        w.real(e.lwMax);
    }
    return w.take();
}

FileError decodeSettings(const QByteArray& bytes, SettingsData& s) {
    if (bytes.size() < kSettingsHeaderSize) return makeFileError(kErrPastEnd);
    const auto count = qFromLittleEndian<qint16>(bytes.constData() + kLibraryCountOffset);
    if (count < 0 || count > kMaxLibrary) return makeFileError(kErrCountOutOfRange);
    if (bytes.size() < settingsFileSize(count)) return makeFileError(kErrPastEnd);

    bytes::Reader r(bytes);
    s.userName = r.text(kUserNameWidth);
    s.userNameLabel = r.text(kUserNameWidth);
    s.paperOrientation = r.int16();
    s.printFontName = r.text(kPrintFontNameWidth);
    s.printFontSize = r.int16();
    s.headerStyle = r.int16();
    s.bodyStyle1 = r.int16();
    s.bodyStyle2 = r.int16();
    s.libraryCount = r.int16();
    for (int i = 1; i <= count; ++i) {
        LibraryEntry& e = s.library[static_cast<std::size_t>(i)];
        e.entryName = r.text(kEntryNameWidth);
        e.lwEq = r.real();
        e.lwMax = r.real();
    }
    Q_ASSERT(!r.overrun());
    return {};
}

bool fillEmptyLibrary(SettingsData& s) {
    if (s.libraryCount != 0) return false;
    s.library[1] = LibraryEntry{fixedText(kPlaceholderName, kEntryNameWidth), 0, 0};
    s.libraryCount = 1;
    return true;
}

FileError readSettingsFile(const QString& path, SettingsData& settings) {
    QByteArray bytes;
    if (const FileError e = readFileStart(path, kLargestSettings, bytes); !e.ok()) return e;
    return decodeSettings(bytes, settings);
}

FileError writeSettingsFile(const QString& path, const SettingsData& settings) {
    const QByteArray bytes = encodeSettings(settings);
    return saveFile(path, [&bytes](QIODevice& device) { return writeBytes(device, bytes); });
}

} // namespace orv
