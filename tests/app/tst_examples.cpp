// The bundled example must be what the generator makes, and a project a consultant could
// calculate without a single warning.

#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "app/win1252.h"
#include "common/testregistry.h"
#include "examples.h"
#include "testdata.h"

#include <cmath>
#include <QDate>
#include <QFile>

using namespace orv;

namespace {

QByteArray exampleFile(const char* name) {
    QFile f(QStringLiteral(ORNAVELD_EXAMPLES_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void committedFilesMatchTheGenerator() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        examples::buildSettings(state->settings);
        QCOMPARE(exampleFile("voorbeeld.orv"), encodeProject(*state));
        QCOMPARE(exampleFile("Ornaveld.set"), encodeSettings(state->settings));
    }

    void lineSourcesFormTriangles() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        QVERIFY(state->sourceCount[0] >= 3);
        for (int i = 1; i <= state->sourceCount[0]; ++i) {
            const SourceRecord& s = state->sources[0][i];
            const double a = s.distanceA, b = s.distanceB, c = s.length;
            const double startCos = (c * c + a * a - b * b) / (2 * c * a);
            const double endCos = (c * c + b * b - a * a) / (2 * c * b);
            QVERIFY2(startCos > -1 && startCos < 1, qPrintable(trimmed(s.description)));
            const double half = (a + b + c) / 2;
            const double perpendicular =
                2 / c * std::sqrt(half * (half - a) * (half - b) * (half - c));
            const double rmin = startCos > 0 && endCos > 0 ? perpendicular : std::min(a, b);
            QVERIFY2(s.pointCount >= std::nearbyint(2 * c / rmin),
                     qPrintable(trimmed(s.description)));
            QVERIFY(s.speed >= 5 && s.speed <= 80);
        }
    }

    void mobileSourcesWithinTheirLimits() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        QVERIFY(state->sourceCount[1] >= 5);
        const double maxHours[3] = {12, 4, 8};
        for (int i = 1; i <= state->sourceCount[1]; ++i) {
            const SourceRecord& s = state->sources[1][i];
            QVERIFY(s.distanceB >= s.distanceA);
            for (int p = 0; p < 3; ++p)
                QVERIFY(s.operatingHours[p] >= 0 && s.operatingHours[p] <= maxHours[p]);
        }
    }

    void levelsComeFromTheLibrary() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        examples::buildSettings(state->settings);
        const SettingsData& lib = state->settings;
        QVERIFY(lib.libraryCount >= 20 && lib.libraryCount <= 30);
        for (int kind = 0; kind < 2; ++kind) {
            for (int i = 1; i <= state->sourceCount[kind]; ++i) {
                const SourceRecord& s = state->sources[kind][i];
                int found = 0;
                for (int e = 1; e <= lib.libraryCount; ++e)
                    if (lib.library[e].entryName == s.sourceName && lib.library[e].lwEq == s.lwA &&
                        lib.library[e].lwMax == s.lwAMax)
                        ++found;
                QVERIFY2(found == 1, qPrintable(trimmed(s.sourceName)));
            }
        }
    }

    void projectAndUserTexts() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        examples::buildSettings(state->settings);
        const ProjectRecord& p = state->project;
        QVERIFY(QDate::fromString(p.projectDate, "dd-MM-yyyy").isValid());
        QVERIFY(trimmed(p.groundType) == "zacht" || trimmed(p.groundType) == "hard");
        QVERIFY(p.facadeReflection == 0 || p.facadeReflection == 3);
        QVERIFY(p.receiverHeight >= 1.5 && p.receiverHeight <= 99);
        const QByteArray bytes = encodeProject(*state);
        QVERIFY(bytes.contains('\xEB')); // "ë" as one Windows-1252 byte
        const QString name = trimmed(state->settings.userName);
        QString label = name;
        label.insert(name.indexOf('&'), '&');
        QCOMPARE(trimmed(state->settings.userNameLabel), label);
    }
};

ORV_TEST(TestExamples)
#include "tst_examples.moc"
