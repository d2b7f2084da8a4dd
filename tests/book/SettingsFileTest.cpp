#include "BookFiles.h"

#include "book/SettingsFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace bookfiles;
using book::SettingsValues;

class SettingsFileTest : public QObject {
    Q_OBJECT

    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void writesOneLineAndReadsItBack() {
        const QString file = path(u"Tagora.ini"_s);
        const SettingsValues values{u"C:\\住所\\a,b.dat"_s, u" 3 "_s, u"\t"_s};
        QVERIFY(book::writeSettings(file, values).ok());
        QCOMPARE(readBytes(file), cp932(u"\"C:\\住所\\a,b.dat\",\" 3 \",\"\t\"\r\n"_s));
        QCOMPARE(book::readSettings(file), values);
    }

    void readsWhatItCan_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SettingsValues>("values");
        QTest::newRow("unquoted, LF only")
            << QByteArray(" /a/b.dat , 3 ,x\n") << SettingsValues{u"/a/b.dat"_s, u"3"_s, u"x"_s};
        QTest::newRow("one field, only the first line")
            << QByteArray("\"/a\"\r\n\"other\"\r\n") << SettingsValues{u"/a"_s, {}, {}};
        QTest::newRow("invalid bytes")
            << QByteArray("\"\x85\x40\",\"3\",\"\"\r\n") << SettingsValues{};
    }

    void readsWhatItCan() {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsValues, values);
        const QString file = path(u"Tagora.ini"_s);
        QVERIFY(writeBytes(file, bytes));
        QCOMPARE(book::readSettings(file), values);
        QCOMPARE(book::readSettings(path(u"missing.ini"_s)), SettingsValues{});
    }

    void refusedValueLeavesOldFile() {
        const QString file = path(u"Tagora.ini"_s);
        QVERIFY(book::writeSettings(file, {u"/a.dat"_s, u"3"_s, u""_s}).ok());
        const QByteArray before = readBytes(file);
        const book::WriteResult written =
            book::writeSettings(file, {u"/home/😀/a.dat"_s, u"3"_s, u""_s});
        QCOMPARE(int(written.error.kind), int(book::WriteError::Unencodable));
        QCOMPARE(written.error.describe(),
                 file + u": field 1: U+1F600 「😀」 cannot be written in code page 932"_s);
        QCOMPARE(readBytes(file), before);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
