// The sound power library without its window: order, the editor's steps and the import.
#include "base/numberformat.h"
#include "base/win1252.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "library/library.h"
#include "library/libraryimport.h"
#include "library/lweditor.h"

#include <algorithm>
#include <memory>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

// A library with the placeholder and the given names, in the order given (not sorted).
std::unique_ptr<State> libraryOf(const QStringList& names) {
    auto st = std::make_unique<State>();
    st->settings.library[1] = makeEntry(kPlaceholderName, 0, 0);
    st->settings.libraryCount = 1;
    for (const QString& n : names)
        st->settings.library[static_cast<std::size_t>(++st->settings.libraryCount)] =
            makeEntry(n, 80, 90);
    return st;
}

// "caption|text" of every message, or "name eq max" of every named entry.
QStringList texts(const QList<RecordedMessage>& messages) {
    QStringList t;
    for (const RecordedMessage& m : messages)
        t.append(m.caption + QLatin1Char('|') + m.text);
    return t;
}
QStringList entries(const SettingsData& s) {
    QStringList t;
    for (int e = 2; e <= s.libraryCount; ++e)
        t.append(QStringLiteral("%1 %2 %3")
                     .arg(trimmed(s.library[e].entryName))
                     .arg(s.library[e].lwEq)
                     .arg(s.library[e].lwMax));
    return t;
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
    DecimalSeparatorGuard point_{QLatin1Char('.')};

private slots:

    // Steps: "+name" adds by hand, "=p name" changes position p, "-p" deletes it (yes), "?p"
    // asks and is answered no.
    void edit_data() {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("messages");
        const QStringList ab{"a", "b"}, none;
        const QString noSelection = "Waarschuwing|Geen geluidsbronnen geselecteerd!";
        QTest::newRow("placeholder only") << none << none << none << -1 << none;
        QTest::newRow("case ignored, old position selected")
            << none << QStringList{"+beta", "+Alpha", "+gamma"}
            << QStringList{"Alpha", "beta", "gamma"} << 2 << none;
        QTest::newRow("equal names keep order")
            << QStringList{"pomp", "Anker"} << QStringList{"+POMP", "+  Pomp  "}
            << QStringList{"Anker", "pomp", "POMP", "Pomp"} << 3 << none;
        QTest::newRow("loaded unsorted, sorted at first store")
            << QStringList{"zaag", "boor"} << QStringList{"+hamer"}
            << QStringList{"boor", "hamer", "zaag"} << 2 << none;
        QTest::newRow("empty name")
            << none << QStringList{"+   "} << QStringList{"<naamloos>"} << 0 << none;
        QTest::newRow("change") << QStringList{"a", "b", "c"} << QStringList{"=0 z"}
                                << QStringList{"b", "c", "z"} << 0 << none;
        QTest::newRow("delete") << ab << QStringList{"-0"} << QStringList{"b"} << 0
                                << QStringList{"Wissen van geluidsbronnen|a wissen?"};
        QTest::newRow("answered no") << ab << QStringList{"?1"} << ab << 1
                                     << QStringList{"Wissen van geluidsbronnen|b wissen?"};
        QTest::newRow("nothing selected") << ab << QStringList{"--1", "=-1 x"} << ab << -1
                                          << QStringList{noSelection, noSelection};
    }
    void edit() {
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, steps);
        auto st = libraryOf(loaded);
        FakePlatform platform;
        LwEditor editor(*st, platform);
        QCOMPARE(editor.names(), loaded); // opening the editor does not sort
        int selected = -1;
        for (const QString& step : steps) {
            const int p = step.mid(1).section(' ', 0, 0).toInt();
            if (step[0] == '+') {
                platform.inputAnswers.enqueue("1");
                QCOMPARE(editor.add(), LwEditor::AddChoice::Manual);
                selected = editor.confirm(step.mid(1), 80, 90, selected);
            } else if (step[0] == '=') {
                if (editor.change(p)) selected = editor.confirm(step.section(' ', 1), 80, 90, p);
            } else {
                platform.answers.enqueue(step[0] == '-' ? kAnswerYes : kAnswerNo);
                selected = editor.remove(p).value_or(p);
            }
        }
        QTEST(editor.names(), "listed");
        QTEST(selected, "selected");
        QTEST(texts(platform.messages), "messages");
        QCOMPARE(countText(st->settings),
                 QString::number(editor.names().size()) + " geluidsbron(nen) in lijst");
    }

    // Through "Toevoegen", answer 2: the dialog, the name check, the lines and a full library.
    // An empty file content stands for 600 good lines; "%1" in a message is the path.
    void import_data() {
        QTest::addColumn<int>("named");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("listed"); // checked when the library started empty
        QTest::addColumn<int>("namedAfter");
        QTest::addColumn<QStringList>("messages");
        const QString full = "Invoer-stop|Maximaal aantal geluidsbronnen bereikt (= 500)!";
        const QString format = "Waarschuwing|Fout in format regel %2 van %1";
        QTest::newRow("casing, both separators")
            << 0 << "a.txt"
            << QByteArray("compressor;95,5;100\r\nCOMPRESSOR;95.5;100\r\nfan ; 90 ; 80")
            << QStringList{"Compressor 95.5 100", "Compressor 95.5 100", "Fan 90 80"} << 3
            << QStringList{};
        QTest::newRow("bad lines reported, import goes on")
            << 0 << "a.csv" << QByteArray("pomp;90\nb;1;2\npomp;90;95;3\npomp;x;95\n\npomp;-3;95\n")
            << QStringList{"B 1 2"} << 1
            << QStringList{format.arg("%1", "1"), format.arg("%1", "3"), format.arg("%1", "4"),
                           format.arg("%1", "5"), format.arg("%1", "6")};
        QTest::newRow("CR alone, no last line end, trailing delimiter")
            << 0 << "a.txt" << QByteArray("b;1;2\ra;1;2;") << QStringList{"A 1 2", "B 1 2"} << 2
            << QStringList{};
        QTest::newRow("equal names keep file order")
            << 0 << "a.txt" << QByteArray("b;1;2\nB;3;4\na;0;0\nb;5;6\n")
            << QStringList{"A 0 0", "B 1 2", "B 3 4", "B 5 6"} << 4 << QStringList{};
        QTest::newRow("cut at 25")
            << 0 << "a.txt" << QByteArray(30, 'x') + ";1;2"
            << QStringList{"X" + QString(24, 'x') + " 1 2"} << 1 << QStringList{};
        QTest::newRow("windows-1252") << 0 << "a.txt" << QByteArray("\xebzel;1;2\r\n")
                                      << QStringList{"Ëzel 1 2"} << 1 << QStringList{};
        // A character the file cannot hold goes whole (here a surrogate pair), and is told.
        QTest::newRow("utf-8 with mark, a character lost")
            << 0 << "a.txt"
            << QByteArray("\xef\xbb\xbf\xc3\xabzel;1;2\r\n\xf0\x9f\x94\x8a"
                          "FAN;1;2")
            << QStringList{"Fan 1 2", "Ëzel 1 2"} << 2
            << QStringList{"Waarschuwing|Tekens die niet in de tekenset Windows-1252 staan, zijn "
                           "weggelaten uit de naam in regel 2 van %1"};
        QStringList tenAndSummary;
        for (int i = 1; i <= 10; ++i)
            tenAndSummary.append(format.arg("%1", QString::number(i)));
        tenAndSummary.append("Waarschuwing|Nog 9990 regels met een fout in het format "
                             "overgeslagen in %1");
        QTest::newRow("10000 empty lines")
            << 0 << "a.txt" << QByteArray(10000, '\n') << QStringList{} << 0 << tenAndSummary;
        QTest::newRow("over 1 MB, nothing taken")
            << 0 << "a.txt" << QByteArray("a;1;2\n").repeated(180000) << QStringList{} << 0
            << QStringList{"Waarschuwing|%1 is groter dan 1 MB en is geen bibliotheek; er is "
                           "niets geïmporteerd."};
        QTest::newRow("600 lines, empty library")
            << 0 << "a.txt" << QByteArray() << QStringList{} << 499 << QStringList{full};
        QTest::newRow("room for one, loaded unsorted")
            << 498 << "a.TXT" << QByteArray() << QStringList{} << 499 << QStringList{full};
        QTest::newRow("full") << 499 << "" << QByteArray() << QStringList{} << 499
                              << QStringList{full};
        QTest::newRow("other file name")
            << 0 << "a.dat" << QByteArray() << QStringList{} << 0 << QStringList{};
        QTest::newRow("unreadable")
            << 0 << "" << QByteArray() << QStringList{} << 0
            << QStringList{"Ornaveld|Onverwachte fout in procedure cmdToevoegen_Click van Form "
                           "frmLw.\r\nFout 53 - Bestand niet gevonden."};
    }
    void import() {
        QFETCH(int, named);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, messages);
        QStringList names; // "10" before "2": not in order
        for (int i = 0; i < named; ++i)
            names.append(QString::number(i));
        auto st = libraryOf(names);
        QTemporaryDir dir;
        for (int i = 0, n = bytes.isEmpty() ? 600 : 0; i < n; ++i)
            bytes += "import " + QByteArray::number(i) + ";90;95\n";
        const QString path = dir.filePath(file.isEmpty() ? "missing.txt" : file);
        QFile f(path);
        QVERIFY(file.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()));
        f.close();
        FakePlatform platform;
        platform.inputAnswers.enqueue("2");
        platform.openAnswers.enqueue(chosen(path));
        LwEditor(*st, platform).add();
        QTEST(namedEntryCount(st->settings), "namedAfter");
        if (named == 0 && !listed.isEmpty()) QCOMPARE(entries(st->settings), listed);
        const QStringList after = listNames(st->settings);
        if (named < 499 && file != "a.dat")
            QVERIFY(std::is_sorted(after.begin(), after.end(), nameLess));
        messages.replaceInStrings("%1", path);
        QCOMPARE(texts(platform.messages), messages);
        QCOMPARE(platform.inputPrompts.size(), named < 499 ? 1 : 0);
        if (named < 499)
            QVERIFY(platform.inputPrompts[0].contains(
                QStringLiteral("2= tekstbestand (maximaal %1 regels)").arg(499 - named)));
        QVERIFY(!platform.busy);
    }
};

ORV_TEST_MAIN(TestLibrary)
#include "tst_library.moc"
