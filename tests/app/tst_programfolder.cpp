// Which folder holds the settings: the current one, or the user's own data folder that a
// first start fills from the installed default.
#include "app/programfolder.h"
#include "app/settingsfile.h"
#include "common/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

// Everything under one temporary folder: cur/ (the current folder), user/data (the per-user
// folder, not yet made), inst/ (the installed files), docs/.
struct Folders {
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QByteArray bytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
    }
    InstallFolders install(bool installed) const {
        return {path("user/data"), installed ? path("inst") : QString(), path("docs")};
    }
    QTemporaryDir dir;
};

// An environment variable set for one test and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    // current/perUser: the settings file already there ("" none); folder: "cur" or "user/data";
    // file: what the per-user folder's settings file holds afterwards.
    void choose_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("perUser");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("working copy") << "Ornaveld.set"
                                      << "" << true << "cur" << QByteArray("absent");
        QTest::newRow("name in another case") << "ORNAVELD.SET"
                                              << "" << true << "cur" << QByteArray("absent");
        QTest::newRow("first start") << ""
                                     << "" << true << "user/data" << QByteArray("default");
        QTest::newRow("user's own kept") << ""
                                         << "own" << true << "user/data" << QByteArray("own");
        QTest::newRow("damaged one not replaced") << ""
                                                  << "x" << true << "user/data" << QByteArray("x");
        QTest::newRow("not installed: search follows")
            << ""
            << "" << false << "user/data" << QByteArray("absent");
    }
    void choose() {
        QFETCH(QString, current);
        QFETCH(QString, perUser);
        QFETCH(bool, installed);
        QFETCH(QString, folder);
        Folders f;
        QDir().mkpath(f.path("cur"));
        f.put("inst/Ornaveld.set", "default");
        if (!current.isEmpty()) f.put("cur/" + current, "current");
        if (!perUser.isEmpty()) f.put("user/data/Ornaveld.set", perUser.toLatin1());
        const InstallFolders install = f.install(installed);

        const QString chosen = chooseProgramFolder(f.path("cur"), install);

        QCOMPARE(chosen, f.path(folder));
        QTEST(f.bytes("user/data/Ornaveld.set"), "file");
        QCOMPARE(f.bytes("cur/" + (current.isEmpty() ? "Ornaveld.set" : current)),
                 current.isEmpty() ? QByteArray("absent") : QByteArray("current"));
        // Projects are opened from the documents, not from the hidden data folder.
        QCOMPARE(dialogFolder(chosen, install), folder == "cur" ? chosen : f.path("docs"));
        if (QFile::exists(f.path("user/data/Ornaveld.set"))) // rewritten at exit
            QVERIFY(QFile::permissions(f.path("user/data/Ornaveld.set")) & QFile::WriteOwner);
    }

    void deliveryText() {
        Folders f;
        const InstallFolders install = f.install(true);
        QCOMPARE(deliveryTextPath(f.path("cur"), install), f.path("inst/levering.txt"));
        f.put("cur/levering.txt", "eigen");
        QCOMPARE(deliveryTextPath(f.path("cur"), install), f.path("cur/levering.txt"));
    }

    // The user's folders follow HOME and the XDG variables, as a desktop session sets them.
    void userFolders() {
        Folders f;
        const ScopedEnv home("HOME", f.path("home").toUtf8());
        const ScopedEnv data("XDG_DATA_HOME", f.path("home/.local/share").toUtf8());
        const ScopedEnv config("XDG_CONFIG_HOME", f.path("home/.config").toUtf8());
        QDir().mkpath(f.path("home"));
        InstallFolders install = installFolders();
        QVERIFY(install.perUser.startsWith(f.path("home/.local/share/")));
        QCOMPARE(install.documents, f.path("home")); // no Documents folder yet
        QDir().mkpath(f.path("home/Documents"));
        QCOMPARE(installFolders().documents, f.path("home/Documents"));
    }
};

ORV_TEST_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
