// Which folder holds the settings: the current one, or the user's own data folder that a
// first start fills from the installed default.
#include "app/programfolder.h"
#include "common/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    // current/perUser: the settings file already there; folder: the one chosen; file: what
    // the per-user folder's settings file holds afterwards.
    void choose_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QByteArray>("perUser");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("working copy")
            << "Ornaveld.set" << QByteArray() << true << "cur" << QByteArray("absent");
        QTest::newRow("name in another case")
            << "ORNAVELD.SET" << QByteArray() << true << "cur" << QByteArray("absent");
        QTest::newRow("first start")
            << "" << QByteArray() << true << "user/data" << QByteArray("default");
        QTest::newRow("own or damaged file kept")
            << "" << QByteArray("own") << true << "user/data" << QByteArray("own");
        QTest::newRow("not installed: the search follows")
            << "" << QByteArray() << false << "user/data" << QByteArray("absent");
    }
    void choose() {
        QFETCH(QString, current);
        QFETCH(QByteArray, perUser);
        QFETCH(bool, installed);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("cur"));
        put(dir.filePath("inst/Ornaveld.set"), "default");
        if (!current.isEmpty()) put(dir.filePath("cur/" + current), "current");
        if (!perUser.isEmpty()) put(dir.filePath("user/data/Ornaveld.set"), perUser);
        const InstallFolders install{dir.filePath("user/data"),
                                     installed ? dir.filePath("inst") : QString(),
                                     dir.filePath("docs")};

        const QString chosen = chooseProgramFolder(dir.filePath("cur"), install);

        QCOMPARE(chosen, dir.filePath(folder));
        const QString copy = dir.filePath("user/data/Ornaveld.set");
        QTEST(contents(copy), "file");
        // The installed file is read-only; its copy is written back at exit.
        QVERIFY(!QFile::exists(copy) || (QFile::permissions(copy) & QFile::WriteOwner));
        // Projects are opened from the documents, not from the hidden data folder.
        QCOMPARE(dialogFolder(chosen, install), folder == "cur" ? chosen : dir.filePath("docs"));
    }

    // The user's folders follow HOME and the XDG variables, as a desktop session sets them.
    void userFolders() {
        QTemporaryDir dir;
        const QByteArray saved[] = {qgetenv("HOME"), qgetenv("XDG_DATA_HOME"),
                                    qgetenv("XDG_CONFIG_HOME")};
        qputenv("HOME", dir.path().toUtf8());
        qunsetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", dir.filePath(".config").toUtf8());
        const InstallFolders before = installFolders();
        QDir().mkpath(dir.filePath("Documents"));
        const InstallFolders after = installFolders();
        qputenv("HOME", saved[0]);
        saved[1].isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved[1]);
        saved[2].isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved[2]);
        QVERIFY(before.perUser.startsWith(dir.filePath(".local/share/")));
        QCOMPARE(before.documents, dir.path()); // no Documents folder yet: the home folder
        QCOMPARE(after.documents, dir.filePath("Documents"));
    }
};

ORV_TEST_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
