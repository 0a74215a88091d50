// The sound power library without its window: order, the editor's steps and the import.
#include "app/numberformat.h"
#include "app/win1252.h"
#include "common/fakeplatform.h"
#include "library/library.h"
#include "library/libraryimport.h"
#include "library/lweditor.h"

#include <memory>
#include <QTemporaryDir>
#include <QTest>
#include <random>

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

QStringList texts(const QList<RecordedMessage>& messages) {
    QStringList t;
    for (const RecordedMessage& m : messages)
        t.append(m.caption + QLatin1Char('|') + m.text);
    return t;
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:
    void init() { setDecimalSeparator(QLatin1Char('.')); }

    void storeAndSort_data() {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("count");
        QTest::newRow("placeholder only")
            << QStringList{} << QStringList{} << QStringList{} << "0 geluidsbron(nen) in lijst";
        QTest::newRow("case ignored")
            << QStringList{} << QStringList{"beta", "Alpha", "gamma"}
            << QStringList{"Alpha", "beta", "gamma"} << "3 geluidsbron(nen) in lijst";
        QTest::newRow("equal names keep order")
            << QStringList{"pomp", "Anker"} << QStringList{"POMP", "  Pomp  "}
            << QStringList{"Anker", "pomp", "POMP", "Pomp"} << "4 geluidsbron(nen) in lijst";
        QTest::newRow("loaded unsorted, sorted at first store")
            << QStringList{"zaag", "boor"} << QStringList{"hamer"}
            << QStringList{"boor", "hamer", "zaag"} << "3 geluidsbron(nen) in lijst";
        QTest::newRow("empty name") << QStringList{} << QStringList{"   "}
                                    << QStringList{"<naamloos>"} << "1 geluidsbron(nen) in lijst";
    }
    void storeAndSort() {
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, added);
        auto st = libraryOf(loaded);
        FakePlatform platform;
        LwEditor editor(*st, platform);
        QCOMPARE(editor.names(), loaded); // opening the editor does not sort
        int selected = -1;
        for (const QString& name : added) {
            platform.inputAnswers.enqueue("1");
            QCOMPARE(editor.add(), LwEditor::AddChoice::Manual);
            selected = editor.confirm(name, 80, 90, selected);
        }
        QTEST(editor.names(), "listed");
        QTEST(countText(st->settings), "count");
        if (!added.isEmpty()) // the old position: the last line after an add
            QCOMPARE(selected, st->settings.libraryCount - 2);
    }

    // Insertion behind equals must give exactly what appending and a stable sort give.
    void addSortedMatchesStableSort() {
        std::mt19937 rng(7);
        const QStringList pool{"a", "A", "b", "B ", "ab", "Ab", "ë", "E", "z"};
        auto fast = libraryOf({});
        auto slow = libraryOf({});
        for (int i = 0; i < 300; ++i) {
            const LibraryEntry e = makeEntry(pool[int(rng() % pool.size())], i, i);
            QVERIFY(addSorted(fast->settings, e));
            slow->settings.library[static_cast<std::size_t>(++slow->settings.libraryCount)] = e;
            SorTeren(slow->settings);
        }
        for (int i = 1; i <= slow->settings.libraryCount; ++i)
            QCOMPARE(fast->settings.library[i].lwEq, slow->settings.library[i].lwEq);
    }

    void importLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name"); // empty: refused
        QTest::addColumn<double>("lwEq");
        QTest::addColumn<double>("lwMax");
        QTest::newRow("comma") << "compressor;95,5;100"
                               << "Compressor" << 95.5 << 100.0;
        QTest::newRow("point, upper case") << "COMPRESSOR;95.5;100"
                                           << "Compressor" << 95.5 << 100.0;
        QTest::newRow("spaced format") << "heftruck diesel ; 101 ; 108,5"
                                       << "Heftruck diesel" << 101.0 << 108.5;
        QTest::newRow("no coupling") << "fan;90;80"
                                     << "Fan" << 90.0 << 80.0;
        QTest::newRow("cut at 25") << QString(30, 'x') + ";1;2"
                                   << "X" + QString(24, 'x') << 1.0 << 2.0;
        QTest::newRow("trailing delimiter") << "pomp;90;95;"
                                            << "Pomp" << 90.0 << 95.0;
        QTest::newRow("two fields") << "pomp;90"
                                    << "" << 0.0 << 0.0;
        QTest::newRow("four fields") << "pomp;90;95;3"
                                     << "" << 0.0 << 0.0;
        QTest::newRow("letter level") << "pomp;x;95"
                                      << "" << 0.0 << 0.0;
        QTest::newRow("negative level") << "pomp;-3;95"
                                        << "" << 0.0 << 0.0;
        QTest::newRow("empty line") << ""
                                    << "" << 0.0 << 0.0;
    }
    void importLine() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        const auto entry = parseImportLine(line);
        QCOMPARE(entry.has_value(), !name.isEmpty());
        if (!entry) return;
        QCOMPARE(trimmed(entry->entryName), name);
        QTEST(entry->lwEq, "lwEq");
        QTEST(entry->lwMax, "lwMax");
    }

    void importFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QList<int>>("badLines");
        QTest::newRow("bad lines go on")
            << QByteArray("pomp;90\r\nb;1;2\r\npomp;90;95;3\r\npomp;x;95\r\na;3;4\r\n")
            << QStringList{"A", "B"} << QList<int>{1, 3, 4};
        QTest::newRow("CR, LF and an empty line")
            << QByteArray("a;1;2\rb;1;2\n\nc;1;2") << QStringList{"A", "B", "C"} << QList<int>{3};
        QTest::newRow("windows-1252")
            << QByteArray("\xebzel;1;2\r\n") << QStringList{"Ëzel"} << QList<int>{};
        QTest::newRow("utf-8 with mark")
            << QByteArray("\xef\xbb\xbf\xc3\xabzel;1;2\r\n") << QStringList{"Ëzel"} << QList<int>{};
    }
    void importFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, badLines);
        QTemporaryDir dir;
        const QString path = dir.filePath("bronnen.txt");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        auto st = libraryOf({});
        FakePlatform platform;
        const ImportOutcome outcome = importFile(st->settings, path, platform, u"\r\n");
        QTEST(listNames(st->settings), "listed");
        QStringList expected;
        for (int n : badLines)
            expected.append(
                QStringLiteral("Waarschuwing|Fout in format regel %1 van %2").arg(n).arg(path));
        QCOMPARE(texts(platform.messages), expected);
        QCOMPARE(outcome.refused, badLines.size());
    }

    // Through the editor: the prompt, the dialog, the name check and the full library.
    void addChoices_data() {
        QTest::addColumn<int>("named");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("namedAfter");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("room");
        const QString full = "Invoer-stop|Maximaal aantal geluidsbronnen bereikt (= 500)!";
        QTest::newRow("600 lines into an empty library")
            << 0 << "2"
            << "a.txt" << 499 << QStringList{full} << "499";
        QTest::newRow("one line of room") << 497 << "2"
                                          << "a.CSV" << 498 << QStringList{} << "2";
        QTest::newRow("room for one") << 498 << "2"
                                      << "a.txt" << 499 << QStringList{full} << "1";
        QTest::newRow("full") << 499 << ""
                              << "" << 499 << QStringList{full} << "";
        QTest::newRow("other file name") << 0 << "2"
                                         << "a.dat" << 0 << QStringList{} << "499";
        QTest::newRow("cancelled dialog") << 0 << "2"
                                          << "" << 0 << QStringList{} << "499";
        QTest::newRow("other answer") << 0 << "3"
                                      << "" << 0 << QStringList{} << "499";
        QTest::newRow("unreadable")
            << 0 << "2"
            << "missing.txt" << 0
            << QStringList{"Ornaveld|Onverwachte fout in procedure cmdToevoegen_Click van Form "
                           "frmLw.\r\nFout 53 - Bestand niet gevonden."}
            << "499";
    }
    void addChoices() {
        QFETCH(int, named);
        QFETCH(QString, file);
        QFETCH(QString, room);
        QStringList names;
        for (int i = 0; i < named; ++i)
            names.append(QStringLiteral("bron %1").arg(i, 3, 10, QLatin1Char('0')));
        auto st = libraryOf(names);
        QTemporaryDir dir;
        QByteArray lines;
        for (int i = 0; i < 600; ++i)
            lines += "import " + QByteArray::number(i) + ";90;95\n";
        for (const QString n : {"a.txt", "a.CSV", "a.dat"}) {
            QFile f(dir.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(n == "a.CSV" ? lines.left(15) : lines));
        }
        FakePlatform platform;
        QFETCH(QString, answer);
        platform.inputAnswers.enqueue(answer);
        platform.openAnswers.enqueue(file.isEmpty() ? cancelled() : chosen(dir.filePath(file)));
        LwEditor(*st, platform).add();
        QTEST(namedEntryCount(st->settings), "namedAfter");
        QTEST(texts(platform.messages), "messages");
        QCOMPARE(platform.inputPrompts.size(), room.isEmpty() ? 0 : 1);
        if (!room.isEmpty())
            QVERIFY(platform.inputPrompts[0].contains("2= tekstbestand (maximaal " + room +
                                                      " regels)"));
        QVERIFY(!platform.busy);
    }

    void remove_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("selected"); // -2: nothing changed
        QTest::newRow("middle") << QStringList{"a", "b", "c"} << 1 << kAnswerYes
                                << QStringList{"a", "c"} << 0;
        QTest::newRow("only one") << QStringList{"a"} << 0 << kAnswerYes << QStringList{} << -1;
        QTest::newRow("no") << QStringList{"a", "b"} << 1 << kAnswerNo << QStringList{"a", "b"}
                            << -2;
        QTest::newRow("no selection")
            << QStringList{"a"} << -1 << kAnswerYes << QStringList{"a"} << -2;
    }
    void remove() {
        QFETCH(QStringList, names);
        QFETCH(int, position);
        auto st = libraryOf(names);
        FakePlatform platform;
        QFETCH(int, answer);
        platform.answers.enqueue(answer);
        const auto selected = LwEditor(*st, platform).remove(position);
        QTEST(listNames(st->settings), "left");
        QTEST(selected.value_or(-2), "selected");
        const QString question = position < 0
                                     ? "Waarschuwing|Geen geluidsbronnen geselecteerd!"
                                     : "Wissen van geluidsbronnen|" + names[position] + " wissen?";
        QCOMPARE(texts(platform.messages), QStringList{question});
    }

    void coupling_data() {
        QTest::addColumn<QString>("eq");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("newMax");
        QTest::newRow("raised") << "90.0"
                                << "80.0"
                                << "90.0";
        QTest::newRow("dutch comma") << "90,5"
                                     << "80,0"
                                     << "90,5";
        QTest::newRow("equal stays") << "90.0"
                                     << "90.0"
                                     << "";
        QTest::newRow("above stays") << "80.0"
                                     << "90.0"
                                     << "";
        QTest::newRow("refused box") << ""
                                     << "80.0"
                                     << "";
    }
    void coupling() {
        QFETCH(QString, eq);
        setDecimalSeparator(eq.contains(',') ? QLatin1Char(',') : QLatin1Char('.'));
        QFETCH(QString, max);
        QTEST(coupledMaxText(eq, max), "newMax");
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
