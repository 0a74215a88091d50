#include "app/projectfile.h"

#include "base/bytes.h"
#include "base/fileio.h"

#include <algorithm>

namespace orv {
namespace {

constexpr int kCountSize = 2;
constexpr qsizetype kLargestProject =
    2 * kCountSize + 2 * kMaxSources * kSourceRecordSize + kProjectRecordSize;

// The tables hold 500 sources per kind; a count outside that range in memory would make the
// writer run off the table, so it writes the nearest count the table can back.
qint16 storableCount(qint16 count) {
    return static_cast<qint16>(std::clamp<int>(count, 0, kMaxSources));
}

void writeSource(bytes::Writer& w, const SourceRecord& s) {
    w.int16(s.surchargeKx);
    w.text(s.sourceName, kSourceNameWidth);
    w.real(s.lwA);
    w.real(s.lwAMax);
    w.text(s.description, kDescriptionWidth);
    w.real(s.pointCount);
    w.real(s.length);
    w.real(s.speed);
    for (double m : s.movements)
        w.real(m);
    for (double h : s.operatingHours)
        w.real(h);
    w.real(s.height);
    w.real(s.distanceA);
    w.real(s.distanceB);
    w.int16(s.reflection);
    w.int16(s.screening);
}

void readSource(bytes::Reader& r, SourceRecord& s) {
    s.surchargeKx = r.int16();
    s.sourceName = r.text(kSourceNameWidth);
    s.lwA = r.real();
    s.lwAMax = r.real();
    s.description = r.text(kDescriptionWidth);
    s.pointCount = r.real();
    s.length = r.real();
    s.speed = r.real();
    for (double& m : s.movements)
        m = r.real();
    for (double& h : s.operatingHours)
        h = r.real();
    s.height = r.real();
    s.distanceA = r.real();
    s.distanceB = r.real();
    s.reflection = r.int16();
    s.screening = r.int16();
}

void writeProjectRecord(bytes::Writer& w, const ProjectRecord& p) {
    w.text(p.projectNumber, kProjectNumberWidth);
    w.text(p.projectName, kProjectNameWidth);
    w.text(p.remarks, kRemarksWidth);
    w.text(p.projectDate, kProjectDateWidth);
    w.text(p.receiverDescription, kReceiverDescriptionWidth);
    w.real(p.receiverHeight);
    w.text(p.groundType, kGroundTypeWidth);
    w.int16(p.facadeReflection);
}

void readProjectRecord(bytes::Reader& r, ProjectRecord& p) {
    p.projectNumber = r.text(kProjectNumberWidth);
    p.projectName = r.text(kProjectNameWidth);
    p.remarks = r.text(kRemarksWidth);
    p.projectDate = r.text(kProjectDateWidth);
    p.receiverDescription = r.text(kReceiverDescriptionWidth);
    p.receiverHeight = r.real();
    p.groundType = r.text(kGroundTypeWidth);
    p.facadeReflection = r.int16();
}

// Walks the counts and lengths without storing anything: the first failure found in file
// order, or none when every announced record is there.
FileError checkProject(const QByteArray& bytes) {
    qsizetype at = 0;
    for ([[maybe_unused]] const SourceKind kind : kSourceKinds) {
        if (bytes.size() < at + kCountSize) return makeFileError(kErrPastEnd);
        const qint16 count = qFromLittleEndian<qint16>(bytes.constData() + at);
        if (count < 0 || count > kMaxSources) return makeFileError(kErrCountOutOfRange);
        at += kCountSize + static_cast<qsizetype>(count) * kSourceRecordSize;
    }
    if (bytes.size() < at + kProjectRecordSize) return makeFileError(kErrPastEnd);
    return {};
}

} // namespace

qsizetype projectFileSize(int lineCount, int mobileCount) {
    return 2 * kCountSize + static_cast<qsizetype>(lineCount + mobileCount) * kSourceRecordSize +
           kProjectRecordSize;
}

QByteArray encodeProject(const State& state) {
    const qint16 counts[kKinds] = {storableCount(state.sourceCount[LineSource]),
                                   storableCount(state.sourceCount[MobileSource])};
    bytes::Writer w(projectFileSize(counts[0], counts[1]));
    for (const SourceKind kind : kSourceKinds) {
        w.int16(counts[kind]);
        for (int n = 1; n <= counts[kind]; ++n)
            writeSource(w, state.sources[kind][n]);
    }
    writeProjectRecord(w, state.project);
    return w.take();
}

FileError decodeProject(const QByteArray& bytes, State& state) {
    if (const FileError e = checkProject(bytes); !e.ok()) return e;
    bytes::Reader r(bytes);
    for (const SourceKind kind : kSourceKinds) {
        const qint16 count = r.int16();
        state.sourceCount[kind] = count;
        // Slot 0 stays: of the line table it carries the total-level surcharge, which lives
        // in memory only.
        for (int n = 1; n <= count; ++n)
            readSource(r, state.sources[kind][n]);
    }
    readProjectRecord(r, state.project);
    Q_ASSERT(!r.overrun());
    return {};
}

FileError readProjectFile(const QString& path, State& state) {
    QByteArray bytes;
    if (const FileError e = readFileStart(path, kLargestProject, bytes); !e.ok()) return e;
    return decodeProject(bytes, state);
}

FileError writeProject(QIODevice& device, const State& state) {
    return writeBytes(device, encodeProject(state));
}

FileError writeProjectFile(const QString& path, const State& state) {
    // A save over a project keeps the one before beside it: a project that failed to open is
    // shown empty under its own name, and saving that must not take the only copy.
    if (const FileError e = keepPreviousVersion(path, kBackupSuffix); !e.ok()) return e;
    return saveFile(path, [&state](QIODevice& device) { return writeProject(device, state); });
}

} // namespace orv
