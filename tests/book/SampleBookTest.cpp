#include "BookFiles.h"

#include "book/AddressFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// examples/sample.dat is made by tools/make_sample.py; it must stay a book
// the program opens, covering the awkward cases, written back byte for byte.
class SampleBookTest : public QObject {
    Q_OBJECT

  private slots:
    void opensCoversAndWritesBackTheSameBytes() {
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        const book::LoadResult loaded = book::loadBook(sample);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
        QVERIFY(loaded.cards.size() >= 25);
        QString all;
        QStringList honorifics;
        for (const book::AddressCard& card : loaded.cards) {
            honorifics.append(card.honorific);
            for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
                all += card.field(field) + u'|';
        }
        for (const QString& index : {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"-1"_s})
            QVERIFY2(honorifics.contains(index), qPrintable(index));
        for (const QString& piece : {u"～"_s, u"①"_s, u"㈱"_s, u"髙"_s, u"郡"_s, u","_s, u"||"_s})
            QVERIFY2(all.contains(piece), qPrintable(piece));

        QTemporaryDir dir;
        const QString copy = dir.filePath(u"sample.dat"_s);
        QVERIFY(book::writeBook(copy, loaded.cards).ok());
        QCOMPARE(bookfiles::readBytes(copy), bookfiles::readBytes(sample));
    }
};

QTEST_GUILESS_MAIN(SampleBookTest)
#include "SampleBookTest.moc"
