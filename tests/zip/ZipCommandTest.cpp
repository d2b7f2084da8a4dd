#include "app/cli/Commands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ZipCommandTest : public QObject {
    Q_OBJECT

    struct Run {
        int code = 0;
        QString out;
        QString err;
    };

    static Run run(const QStringList& args) {
        Run result;
        QString input;
        QTextStream out(&result.out), err(&result.err), in(&input);
        cli::Io io{out, err, in};
        result.code = cli::runZip(args, io);
        out.flush();
        err.flush();
        return result;
    }

private slots:
    void codesPrintEveryPlace_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("one place") << QStringList{u"1000013"_s} << u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
        QTest::newRow("full width") << QStringList{u"１００－００１３"_s} << u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
        QTest::newRow("two prefectures")
            << QStringList{u"498-0000"_s} << u"498-0000\t愛知県\t弥富市\t\n498-0000\t三重県\t桑名郡木曽岬町\t\n"_s;
        QTest::newRow("address") << QStringList{u"--address"_s, u"東京都千代田区霞が関1-2-3"_s}
                                 << u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
        QTest::newRow("address in two words") << QStringList{u"--address"_s, u"東京都千代田区"_s, u"霞が関1-2-3"_s}
                                              << u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
        QTest::newRow("address with equals") << QStringList{u"--address=千代田区霞が関"_s}
                                             << u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
    }

    void codesPrintEveryPlace() {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const Run result = run(args);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, out);
        QCOMPARE(result.code, 0);
    }

    void unknownInputFails_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown code") << QStringList{u"9999999"_s} << u"tagora: no address has the postal code 999-9999\n"_s;
        QTest::newRow("not a code") << QStringList{u"12345"_s} << u"tagora: 12345 is not a 7-digit postal code\n"_s;
        QTest::newRow("unknown address") << QStringList{u"--address"_s, u"火星"_s}
                                         << u"tagora: no postal code found for the address 火星\n"_s;
        QTest::newRow("address missing") << QStringList{u"--address"_s} << u"tagora: --address needs an address\n"_s;
        QTest::newRow("nothing") << QStringList() << u"tagora: usage: tagora zip CODE | tagora zip --address ADDRESS\n"_s;
        QTest::newRow("two codes") << QStringList{u"1000013"_s, u"1000014"_s}
                                   << u"tagora: usage: tagora zip CODE | tagora zip --address ADDRESS\n"_s;
    }

    void unknownInputFails() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const Run result = run(args);
        QCOMPARE(result.code, 1);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, err);
    }
};

QTEST_GUILESS_MAIN(ZipCommandTest)
#include "ZipCommandTest.moc"
