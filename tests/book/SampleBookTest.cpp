#include "BookFiles.h"

#include "book/AddressFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// examples/sample.dat is made by tools/make_sample.py; it must stay a book
// the program opens, and this program must write it back byte for byte.
class SampleBookTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndWritesBackTheSameBytes() {
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        const book::LoadResult loaded = book::loadBook(sample);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
        QVERIFY(loaded.cards.size() >= 25);
        QTemporaryDir dir;
        const QString copy = dir.filePath(u"sample.dat"_s);
        QVERIFY(book::writeBook(copy, loaded.cards).ok());
        QCOMPARE(bookfiles::readBytes(copy), bookfiles::readBytes(sample));
    }
};

QTEST_GUILESS_MAIN(SampleBookTest)
#include "SampleBookTest.moc"
