#include "BookFiles.h"

#include "book/AddressFile.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace bookfiles;

// examples/sample.dat is made by tools/make_sample.py; it must stay a book
// the program opens, and this program must write it back byte for byte.
class SampleBookTest : public QObject {
    Q_OBJECT

  private slots:
    void loadsAndCoversTheAwkwardCases();
    void writesBackTheSameBytes();

  private:
    const QString m_sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
};

void SampleBookTest::loadsAndCoversTheAwkwardCases() {
    const book::LoadResult loaded = book::loadBook(m_sample);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
    QCOMPARE(book::detectLayout(m_sample), book::FileLayout::SevenFields);
    QVERIFY(loaded.cards.size() >= 25 && loaded.cards.size() <= book::BookCapacity);

    QSet<QString> honorifics;
    QString all;
    bool longName = false;
    bool emptyField = false;
    for (const book::AddressCard& card : loaded.cards) {
        honorifics.insert(card.honorific);
        longName = longName || card.name.size() > 13;
        for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
            all += card.field(field);
            emptyField = emptyField || card.field(field).isEmpty();
        }
    }
    for (const QString& index : {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"-1"_s})
        QVERIFY2(honorifics.contains(index), qPrintable(index));
    QVERIFY(longName);
    QVERIFY(emptyField);
    for (const QString& character : {u"～"_s, u"①"_s, u"㈱"_s, u"髙"_s, u"郡"_s, u","_s})
        QVERIFY2(all.contains(character), qPrintable(character));
}

void SampleBookTest::writesBackTheSameBytes() {
    const book::LoadResult loaded = book::loadBook(m_sample);
    QVERIFY(loaded.ok());
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"sample.dat"_s);
    QVERIFY(book::writeBook(copy, loaded.cards).ok());
    QCOMPARE(readBytes(copy), readBytes(m_sample));
}

QTEST_GUILESS_MAIN(SampleBookTest)
#include "SampleBookTest.moc"
