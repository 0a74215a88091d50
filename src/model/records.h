#pragma once
// The records of one project: the sources of both kinds, the project with its receiving
// point, the calculation results and the sound power library. Plain value structs: the
// tables are fixed arrays and nothing is allocated per source.

#include "base/sourcekind.h"

#include <QString>
#include <QtGlobal>

namespace orv {

constexpr int kMaxSources = 500; // per kind; slots 0..500, slot 0 is never a source
constexpr int kMaxLibrary = 500; // library entries 1..500
constexpr int kPeriods = 3;      // day, evening, night

// Widths of the fixed texts, on disk and in memory.
constexpr int kSourceNameWidth = 25;
constexpr int kDescriptionWidth = 25;
constexpr int kProjectNumberWidth = 10;
constexpr int kProjectNameWidth = 50;
constexpr int kRemarksWidth = 50;
constexpr int kProjectDateWidth = 10;
constexpr int kReceiverDescriptionWidth = 30;
constexpr int kGroundTypeWidth = 5;
constexpr int kUserNameWidth = 30;
constexpr int kPrintFontNameWidth = 40;
constexpr int kEntryNameWidth = 25;

// Sentinels, always compared exactly.
constexpr double kSilent = -99.0;         // cb[p]: the source does not operate in period p
constexpr double kNoCorrectedLw = -200.0; // correctedLw: no corrected sound power

struct SourceRecord {
    qint16 surchargeKx = 0;
    QString sourceName = QString(kSourceNameWidth, QLatin1Char(' '));
    double lwA = 0;
    double lwAMax = 0;
    QString description = QString(kDescriptionWidth, QLatin1Char(' '));
    double pointCount = 0;
    double length = 0;
    double speed = 0;
    double movements[kPeriods] = {0, 0, 0};
    double operatingHours[kPeriods] = {0, 0, 0};
    double height = 0;
    double distanceA = 0;
    double distanceB = 0;
    qint16 reflection = 0;
    qint16 screening = 0;
};

struct ProjectRecord {
    QString projectNumber = QString(kProjectNumberWidth, QLatin1Char(' '));
    QString projectName = QString(kProjectNameWidth, QLatin1Char(' '));
    QString remarks = QString(kRemarksWidth, QLatin1Char(' '));
    QString projectDate = QString(kProjectDateWidth, QLatin1Char(' '));
    QString receiverDescription = QString(kReceiverDescriptionWidth, QLatin1Char(' '));
    double receiverHeight = 1.5;
    QString groundType = QStringLiteral("hard ");
    qint16 facadeReflection = 0;
};

struct SourceResult {
    double cb[kPeriods] = {0, 0, 0};
    double levelEqBase = 0;
    double levelMaxBase = 0;
    double laeq[kPeriods] = {0, 0, 0};
    double lamax[kPeriods] = {0, 0, 0};
    double cm = 0;
    double cmMax = 0;
    double transmission = 0;
    double transmissionMax = 0;
    double equivalentDistance = 0;
    double lineLength = 0;
    double startCosine = 0;
    double perpendicularDistance = 0;
};

// Entry 1 of every library: the choice of no source, levels 0 and 0.
inline const QString kPlaceholderName = QStringLiteral("<selecteer geluidsbron>");

struct LibraryEntry {
    QString entryName = QString(kEntryNameWidth, QLatin1Char(' '));
    double lwEq = 0;
    double lwMax = 0;
};

} // namespace orv
