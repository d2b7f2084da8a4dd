#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::ProgramFolder;

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void homeOptionWinsOverTheEnvironment() {
        QTemporaryDir home;
        qputenv("TAGORA_HOME", "/somewhere/else");
        ProgramFolder::choose(home.path());
        QCOMPARE(ProgramFolder::path(), home.path());
        ProgramFolder::choose(QString());
        QCOMPARE(ProgramFolder::path(), u"/somewhere/else"_s);
        qunsetenv("TAGORA_HOME");
        qputenv("XDG_DATA_HOME", "/data");
        ProgramFolder::choose(QString());
        QCOMPARE(ProgramFolder::path(), u"/data/tagora"_s);
    }

    // Tagora.Ini and Tagora.ini are one file; a new file takes the name as spelt.
    void fileNamesMatchWithoutCase() {
        QTemporaryDir home;
        ProgramFolder::choose(home.path());
        QCOMPARE(ProgramFolder::file(u"Tagora.ini"_s), home.filePath(u"Tagora.ini"_s));
        QFile existing(home.filePath(u"TAGORA.INI"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(ProgramFolder::file(u"Tagora.Ini"_s), home.filePath(u"TAGORA.INI"_s));
    }

    void folderIsCreatedWhenFirstNeeded() {
        QTemporaryDir base;
        ProgramFolder::choose(base.filePath(u"a/b/tagora"_s));
        QVERIFY(!QFile::exists(ProgramFolder::path()));
        QVERIFY(ProgramFolder::ensureExists());
        QVERIFY(QFile::exists(ProgramFolder::path()));
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
