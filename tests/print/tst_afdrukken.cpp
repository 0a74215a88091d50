// The overview's "printen": print to file writes what the command line writes, a PDF file
// chosen in the printer dialog is the command line's PDF, a printer gets one job per copy,
// cancelling is silent and failures show their number.

#include "cli/commands.h"
#include "cli/runoptions.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/testmain.h"
#include "print/afdrukken.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace orv;
using namespace orvtest;

namespace {

const QStringList kReportArgs{kExample, QStringLiteral("--kind"), QStringLiteral("2"),
                              QStringLiteral("--decimal"), QStringLiteral(",")};

// A PDF information text as the writer stores it: UTF-16, big-endian, after a byte-order mark.
QString utf16(const QString& text) {
    QByteArray bytes("\xfe\xff");
    for (QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    return QString::fromLatin1(bytes);
}

} // namespace

class TestAfdrukken : public QObject {
    Q_OBJECT
private slots:
    void afdrukken_data() {
        QTest::addColumn<int>("target"); // PrintTarget
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("file"); // chosen in the file dialog; "" cancels it
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("message");
        const int file = int(PrintTarget::File), printer = int(PrintTarget::Printer);
        QTest::newRow("dialog cancelled") << int(PrintTarget::Cancelled) << 1 << "" << 0 << "";
        QTest::newRow("to file") << file << 1 << "uit.prn" << 0 << "";
        QTest::newRow("PDF file") << printer << 1 << "uit.pdf" << 0 << "";
        QTest::newRow("to file, folder missing")
            << file << 1 << "geen/uit.prn" << 0 << "Fout 76\r\nPad niet gevonden";
        QTest::newRow("printer, three copies") << printer << 3 << "" << 3 << "";
        QTest::newRow("printer fails on the first copy")
            << printer << 3 << "" << 1 << "Fout 482\r\nPrinterfout";
    }
    void afdrukken() {
        QFETCH(int, target);
        QFETCH(int, copies);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString sink;
        QTextStream out(&sink), err(&sink);
        // The same report as the command line makes, and its "*.prn" file.
        const QString cliPrn = dir.filePath("cli.prn");
        QCOMPARE(cli::runReport(kReportArgs + QStringList{"-o", cliPrn}, out, err), 0);
        cli::RunOptions options;
        QCOMPARE(cli::parseRunOptions(kReportArgs, options, err), 0);
        auto state = std::make_unique<State>();
        QCOMPARE(cli::loadRunState(options, *state, err), 0);
        QCOMPARE(cli::runCliCommand(options, *state, err), 0);

        FakePlatform platform;
        const bool pdf = file.endsWith(".pdf");
        platform.printAnswers.enqueue(
            {PrintTarget(target), copies, pdf ? dir.filePath(file) : QString()});
        platform.saveAnswers.enqueue(file.isEmpty() ? cancelled() : chosen(dir.filePath(file)));
        QList<int> pages;
        platform.printer = [&](const PrintRender& render) {
            if (message.contains("482")) return printerError();
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
            const bool drawn = render(pdf);
            pages.append(drawn ? int(QString::fromLatin1(buffer.data()).count(page)) : -1);
            return FileError{};
        };
        Afdrukken(*state, QString(), platform, platform);

        QTEST(int(platform.log.count("print-job")), "jobs");
        QVERIFY(!pages.contains(-1) && !pages.contains(0));
        QCOMPARE(platform.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(platform.messages[0].caption + '|' + platform.messages[0].text,
                     "Foutmelding|" + message);
        if (target == int(PrintTarget::File) && message.isEmpty() && !file.isEmpty())
            QCOMPARE(fileBytes(dir.filePath(file)), fileBytes(cliPrn));
        // The PDF path of the command line: its pages, named by the project and the program.
        if (pdf) {
            const QString written = QString::fromLatin1(fileBytes(dir.filePath(file)));
            QCOMPARE(written.count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
            for (const QString& info :
                 {QStringLiteral("24.117 Uitbreiding distributiecentrum Vaartweg"),
                  QStringLiteral("Ornaveld 1.0")})
                QVERIFY2(written.contains(utf16(info)), qPrintable(info));
        }
    }
};

ORV_GUI_TEST_MAIN(TestAfdrukken)
#include "tst_afdrukken.moc"
