#include "platform/ProgramFolder.h"
#include "platform/FileDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::ProgramFolder;

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void homeOptionWinsOverTheEnvironment() {
        qputenv("TAGORA_HOME", "/somewhere/else");
        ProgramFolder::choose(u"/home/option"_s);
        QCOMPARE(ProgramFolder::path(), u"/home/option"_s);
        ProgramFolder::choose(QString());
        QCOMPARE(ProgramFolder::path(), u"/somewhere/else"_s);
        qunsetenv("TAGORA_HOME");
        qputenv("XDG_DATA_HOME", "/data");
        ProgramFolder::choose(QString());
        QCOMPARE(ProgramFolder::path(), u"/data/tagora"_s);
    }

    // Created when first needed; Tagora.Ini and TAGORA.INI are one file, and a
    // new file takes the name as spelt.
    void folderAndFileNames() {
        QTemporaryDir base;
        ProgramFolder::choose(base.filePath(u"a/tagora"_s));
        QVERIFY(ProgramFolder::ensureExists());
        QCOMPARE(ProgramFolder::file(u"Tagora.ini"_s), base.filePath(u"a/tagora/Tagora.ini"_s));
        QFile existing(base.filePath(u"a/tagora/TAGORA.INI"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(ProgramFolder::file(u"Tagora.Ini"_s), existing.fileName());
    }

    // The file dialogs' filters: a name that already shows its pattern keeps
    // it once; others get it added.
    void dialogFiltersShowTheirPatternOnce() {
        QCOMPARE(platform::qtFilter(u"データファイル(*.dat)|*.dat"_s), u"データファイル(*.dat)"_s);
        QCOMPARE(platform::qtFilter(u"PDF|*.pdf|すべて|*.*"_s), u"PDF (*.pdf);;すべて (*.*)"_s);
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
