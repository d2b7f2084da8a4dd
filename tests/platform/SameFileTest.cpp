#include "platform/SameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

// Paths are relative to a folder holding book.dat, a copy of it, a hard link,
// a symlink to it and a symlink to its folder.
class SameFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile book(u"book.dat"_s);
        QVERIFY(book.open(QIODevice::WriteOnly) && book.write("\"名\"\r\n") > 0);
        book.close();
        QVERIFY(QFile::copy(u"book.dat"_s, u"copy.dat"_s));
        QVERIFY(QFile::link(u"book.dat"_s, u"link.pdf"_s));
        QVERIFY(::link("book.dat", "hard.dat") == 0);
        QVERIFY(QDir().mkdir(u"sub"_s));
        QVERIFY(QFile::link(m_dir.path(), u"sub/up"_s));
    }

    void tellsOneFileFromTwo_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        const QString book = m_dir.filePath(u"book.dat"_s);
        QTest::newRow("same name") << u"book.dat"_s << u"book.dat"_s << true;
        QTest::newRow("./name") << u"./book.dat"_s << u"book.dat"_s << true;
        QTest::newRow("absolute") << book << u"book.dat"_s << true;
        QTest::newRow("down and up") << u"sub/../book.dat"_s << book << true;
        QTest::newRow("through a linked folder") << u"sub/up/book.dat"_s << u"book.dat"_s << true;
        QTest::newRow("symlink") << u"link.pdf"_s << u"book.dat"_s << true;
        QTest::newRow("hard link") << u"hard.dat"_s << u"book.dat"_s << true;
        QTest::newRow("copy, same bytes") << u"copy.dat"_s << u"book.dat"_s << false;
        QTest::newRow("new file beside it") << u"new.pdf"_s << u"book.dat"_s << false;
        QTest::newRow("both new, one path")
            << u"./new.pdf"_s << m_dir.filePath(u"new.pdf"_s) << true;
        QTest::newRow("both new, linked folder") << u"sub/up/new.pdf"_s << u"new.pdf"_s << true;
        QTest::newRow("both new, two names") << u"new.pdf"_s << u"other.pdf"_s << false;
        QTest::newRow("empty") << QString() << QString() << false;
    }

    void tellsOneFileFromTwo() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, same);
        QCOMPARE(platform::sameFile(first, second), same);
        QCOMPARE(platform::sameFile(second, first), same);
    }
};

QTEST_APPLESS_MAIN(SameFileTest)
#include "SameFileTest.moc"
