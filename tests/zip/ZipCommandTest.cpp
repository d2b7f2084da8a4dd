#include "app/cli/Commands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ZipCommandTest : public QObject {
    Q_OBJECT

private slots:
    void run_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString kasumigaseki = u"100-0013\t東京都\t千代田区\t霞が関\n"_s;
        QTest::newRow("full width")
            << QStringList{u"１００－００１３"_s} << 0 << kasumigaseki << QString();
        QTest::newRow("two prefectures")
            << QStringList{u"498-0000"_s} << 0
            << u"498-0000\t愛知県\t弥富市\t\n498-0000\t三重県\t桑名郡木曽岬町\t\n"_s << QString();
        QTest::newRow("address in two words")
            << QStringList{u"--address"_s, u"東京都千代田区"_s, u"霞が関1-2-3"_s} << 0
            << kasumigaseki << QString();
        QTest::newRow("unknown code") << QStringList{u"9999999"_s} << 1 << QString()
                                      << u"tagora: no address has the postal code 999-9999\n"_s;
        QTest::newRow("not a code") << QStringList{u"12345"_s} << 1 << QString()
                                    << u"tagora: 12345 is not a 7-digit postal code\n"_s;
        QTest::newRow("address missing") << QStringList{u"--address"_s} << 2 << QString()
                                         << u"tagora: --address needs an address\n"_s;
    }

    void run() {
        QFETCH(QStringList, args);
        QString out, err, input;
        QTextStream outStream(&out), errStream(&err), in(&input);
        cli::Io io{outStream, errStream, in};
        QTEST(cli::runZip(args, io), "code");
        outStream.flush();
        errStream.flush();
        QTEST(out, "out");
        QTEST(err, "err");
    }
};

QTEST_GUILESS_MAIN(ZipCommandTest)
#include "ZipCommandTest.moc"
