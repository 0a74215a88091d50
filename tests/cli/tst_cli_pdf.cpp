// ornaveld-cli pdf: the program writes the PDF with as many pages as the renderer draws for
// the same run, refuses wrong usage, and reports files it cannot read or write.

#include "app/projectfile.h"
#include "calc/commands.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "common/fakemainview.h"
#include "common/testregistry.h"
#include "report/drukoverzicht.h"
#include "report/recordingsurface.h"
#include "testdata.h"

#include <memory>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace orv;

namespace {

const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run inProcess(const QStringList& args) {
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::runPdf(args, out, err);
    out.flush();
    err.flush();
    return r;
}

Run program(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ORNAVELD_CLI_PROGRAM), QStringList{QStringLiteral("pdf")} + args);
    Run r;
    if (!p.waitForFinished(120000)) return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

// The example's sources repeated until there are lines and mobiles of each kind.
QString writeBigProject(const QString& folder, int lines, int mobiles) {
    auto st = std::make_unique<State>();
    if (!readProjectFile(kExample, *st).ok()) return {};
    const std::array<int, 2> want{lines, mobiles};
    for (int kind = 0; kind < 2; ++kind) {
        const int have = st->sourceCount[kind];
        for (int i = have + 1; i <= want[kind]; ++i)
            st->sources[kind][i] = st->sources[kind][1 + (i - 1) % have];
        st->sourceCount[kind] = static_cast<qint16>(want[kind]);
    }
    const QString path = folder + QStringLiteral("/groot.orv");
    return writeProjectFile(path, *st).ok() ? path : QString();
}

// What the renderer draws for the same run on a page the size of the PDF's printable page.
int recordedPages(const QStringList& args) {
    cli::RunOptions options;
    QString sink;
    QTextStream err(&sink);
    if (cli::parseRunOptions(args, options, err) != cli::kExitDone) return -1;
    auto st = std::make_unique<State>();
    if (cli::loadRunState(options, *st, err) != cli::kExitDone) return -1;
    if (options.orientation)
        st->settings.paperOrientation = static_cast<qint16>(*options.orientation);
    if (options.fontSize) st->settings.printFontSize = static_cast<qint16>(options.fontSize);
    cli::CliPlatform platform(err, options.sections);
    orvtest::FakeMainView view;
    if (runCalculationCommand(*st, platform, view, options.kind) != CommandStatus::Done) return -1;
    const double margins = 2 * 12 * 20; // the PDF keeps 12 points free on every side
    RecordingSurface surface(TextMetric::fixedPitch(), 595 * 20 - margins, 842 * 20 - margins);
    return DrukOverzicht(surface, *st, false);
}

} // namespace

class TestCliPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void outputRequired();
    void pagesAsRendered_data();
    void pagesAsRendered();
    void failures_data();
    void failures();

private:
    QTemporaryDir dir_;
    QString big_;
};

void TestCliPdf::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QFile::exists(kExample));
    big_ = writeBigProject(dir_.path(), 140, 90);
    QVERIFY(!big_.isEmpty());
}

// Without -o there is nowhere to write: wrong usage, before anything is read or drawn.
void TestCliPdf::outputRequired() {
    const Run r = inProcess({kExample, "--kind", "2"});
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err, QStringLiteral("ornaveld-cli pdf: geef het PDF-bestand op met -o OUT.pdf.\n"));
}

void TestCliPdf::pagesAsRendered_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("fits");
    QTest::newRow("li landscape 8")
        << QStringList{"--kind", "2", "--landscape", "--size", "8"} << true;
    QTest::newRow("cb portrait 6")
        << QStringList{"--kind", "1", "--size", "6", "--decimal", ","} << true;
    QTest::newRow("lw landscape 10 lines only")
        << QStringList{"--kind", "3", "--landscape", "--size", "10", "--sections", "1100"} << true;
    QTest::newRow("li start values") << QStringList{"--kind", "2"} << false;
}

void TestCliPdf::pagesAsRendered() {
    QFETCH(QStringList, options);
    QFETCH(bool, fits);
    const QString out = dir_.filePath(QStringLiteral("rapport.pdf"));
    QFile::remove(out);
    const QStringList args = QStringList{big_, "-o", out} + options;
    const Run r = program(args);
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty());

    const int pages = pdfPages(out);
    QVERIFY(pages > 1);
    QCOMPARE(pages, recordedPages(args));
    QVERIFY2(r.err.endsWith(QStringLiteral("%1 pagina's geschreven naar %2\n").arg(pages).arg(out)),
             qPrintable(r.err));
    QCOMPARE(r.err.contains(QStringLiteral("Waarschuwing: de tabellen zijn breder dan de pagina")),
             !fits);
}

void TestCliPdf::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder missing")
        << QStringList{kExample, "--kind", "2", "-o", "/geen/map/rapport.pdf"} << 3
        << "/geen/map/rapport.pdf: Fout 76 - Pad niet gevonden.";
    QTest::newRow("project missing")
        << QStringList{"/geen/map/project.orv", "--kind", "2", "-o", "uit.pdf"} << 3
        << "/geen/map/project.orv: Fout 76 - Pad niet gevonden.";
}

void TestCliPdf::failures() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = program(args);
    QCOMPARE(r.code, code);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(QStringLiteral("/geen/map/rapport.pdf")));
}

ORV_TEST(TestCliPdf)
#include "tst_cli_pdf.moc"
