#include "examples.h"

#include "base/win1252.h"

#include <QtGlobal>

namespace orv::examples {
namespace {

struct Named {
    const char16_t* name;
    double lwEq;
    double lwMax;
};

// Sound power levels in dB(A) as they are commonly used in Dutch industrial-noise studies;
// the maximum level is that of the loudest event (air brakes, a slammed door, a container
// set down), not of the average operation.
constexpr Named kLibrary[] = {
    {u"Vrachtwagen (rijdend)", 105, 108},
    {u"Vrachtwagen (stationair)", 94, 98},
    {u"Trekker-oplegger", 106, 109},
    {u"Bestelbus", 95, 100},
    {u"Personenauto", 89, 99},
    {u"Heftruck diesel", 98, 105},
    {u"Heftruck LPG", 95, 102},
    {u"Heftruck elektrisch", 90, 97},
    {u"Reachtruck elektrisch", 88, 95},
    {u"Shovel", 104, 110},
    {u"Compressor", 95, 97},
    {u"Dakventilator", 85, 87},
    {u"Afzuiginstallatie", 92, 94},
    {u"Koelunit vrachtwagen", 97, 99},
    {u"Koelinstallatie dak", 90, 92},
    {u"Laadperron/docking", 95, 110},
    {u"Rolcontainers laden", 98, 112},
    {u"Palletwagen handmatig", 93, 105},
    {u"Hogedrukreiniger", 100, 103},
    {u"Containerwissel", 103, 118},
    {u"Noodstroomaggregaat", 100, 102},
    {u"Transportband", 88, 90},
    {u"Hoogwerker", 96, 103},
    {u"Vuilniswagen (lediging)", 104, 115},
};

const LibraryEntry& entry(const SettingsData& settings, QStringView name) {
    for (int i = 1; i <= settings.libraryCount; ++i)
        if (trimmed(settings.library[static_cast<std::size_t>(i)].entryName) == name)
            return settings.library[static_cast<std::size_t>(i)];
    qFatal("example source not in the library");
}

SourceRecord baseSource(const SettingsData& settings, QStringView name, QStringView description) {
    SourceRecord s;
    const LibraryEntry& e = entry(settings, name);
    s.sourceName = e.entryName;
    s.lwA = e.lwEq;
    s.lwAMax = e.lwMax;
    s.description = fixedText(description, kDescriptionWidth);
    return s;
}

struct Route {
    const char16_t* name;
    const char16_t* description;
    double pointCount, length, speed, day, evening, night, height, a, b;
    qint16 reflection, screening;
};

struct Mobile {
    const char16_t* name;
    const char16_t* description;
    double pointCount, day, evening, night, height, a, b;
    qint16 reflection, screening;
};

// Distances from the dwelling to both ends of each route form a triangle with its length,
// and every route has at least two point sources per nearest distance.
constexpr Route kRoutes[] = {
    {u"Vrachtwagen (rijdend)", u"Expeditie naar België", 12, 180, 15, 40, 6, 2, 1, 60, 140, 0, 0},
    {u"Bestelbus", u"Route pakketdienst", 8, 95, 20, 24, 8, 0, 1, 45, 70, 0, 0},
    {u"Vrachtwagen (rijdend)", u"Aanvoer grondstoffen", 12, 240, 25, 16, 2, 0, 1, 110, 150, 2, 0},
};

constexpr Mobile kMobiles[] = {
    {u"Heftruck diesel", u"Laden en lossen terrein", 2, 6, 1.5, 0, 1.5, 40, 75, 0, 0},
    {u"Compressor", u"Compressor werkplaats", 1, 10, 4, 8, 1, 85, 85, 0, 5},
    {u"Dakventilator", u"Dakventilatoren hal 2", 4, 12, 4, 8, 9.5, 55, 90, 0, 0},
    {u"Laadperron/docking", u"Laadperrons expeditie", 3, 2, 0.5, 0.25, 1.5, 62, 80, 2, 0},
    {u"Koelunit vrachtwagen", u"Koelunit wachtplaats", 2, 4, 2, 3, 3.5, 70, 95, 0, 0},
};

} // namespace

void buildSettings(SettingsData& settings) {
    settings = SettingsData{};
    settings.userName = fixedText(u"Akoestisch Adviesbureau & Zn", kUserNameWidth);
    settings.userNameLabel = fixedText(u"Akoestisch Adviesbureau && Zn", kUserNameWidth);
    settings.paperOrientation = 2;
    settings.printFontName = fixedText(u"Courier New", kPrintFontNameWidth);
    settings.printFontSize = 8;
    settings.headerStyle = 3;
    settings.bodyStyle1 = 1;
    settings.bodyStyle2 = 2;
    // Entry 1 of every library is the choice of no source; the editor never shows it.
    settings.library[1] = LibraryEntry{fixedText(kPlaceholderName, kEntryNameWidth), 0, 0};
    qint16 n = 1;
    for (const Named& e : kLibrary) {
        ++n;
        settings.library[static_cast<std::size_t>(n)] =
            LibraryEntry{fixedText(e.name, kEntryNameWidth), e.lwEq, e.lwMax};
    }
    settings.libraryCount = n;
}

void buildProject(State& state) {
    Reset(state);
    SettingsData settings;
    buildSettings(settings);

    qint16 n = 0;
    for (const Route& r : kRoutes) {
        SourceRecord s = baseSource(settings, r.name, r.description);
        s.pointCount = r.pointCount;
        s.length = r.length;
        s.speed = r.speed;
        s.movements[0] = r.day;
        s.movements[1] = r.evening;
        s.movements[2] = r.night;
        s.height = r.height;
        s.distanceA = r.a;
        s.distanceB = r.b;
        s.reflection = r.reflection;
        s.screening = r.screening;
        state.sources[0][static_cast<std::size_t>(++n)] = s;
    }
    state.sourceCount[0] = n;

    n = 0;
    for (const Mobile& m : kMobiles) {
        SourceRecord s = baseSource(settings, m.name, m.description);
        s.pointCount = m.pointCount;
        s.operatingHours[0] = m.day;
        s.operatingHours[1] = m.evening;
        s.operatingHours[2] = m.night;
        s.height = m.height;
        s.distanceA = m.a;
        s.distanceB = m.b;
        s.reflection = m.reflection;
        s.screening = m.screening;
        state.sources[1][static_cast<std::size_t>(++n)] = s;
    }
    state.sourceCount[1] = n;

    ProjectRecord& p = state.project;
    p.projectNumber = fixedText(u"24.117", kProjectNumberWidth);
    p.projectName = fixedText(u"Uitbreiding distributiecentrum Vaartweg", kProjectNameWidth);
    p.remarks = fixedText(u"Representatieve bedrijfssituatie, industriële zone", kRemarksWidth);
    p.projectDate = fixedText(u"14-03-2025", kProjectDateWidth);
    p.receiverDescription = fixedText(u"Woning Vaartweg 12, gevel oost", kReceiverDescriptionWidth);
    p.receiverHeight = 5;
    p.groundType = fixedText(u"zacht", kGroundTypeWidth);
    p.facadeReflection = 0;
}

} // namespace orv::examples
