#include "zip/CodeCheck.h"
#include "app/cli/Commands.h"
#include "book/AddressFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class CodeCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(zip::ZipDirectory::shipped().ensureLoaded()); }

    void checksTheCodeAgainstTheAddress_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::addColumn<zip::CodeCheck::Outcome>("outcome");
        QTest::addColumn<QString>("message");
        using enum zip::CodeCheck::Outcome;
        QTest::newRow("right") << u"100-0005"_s << u"東京都千代田区丸の内１－１"_s << Matches
                               << u""_s;
        QTest::newRow("right, typed loosely")
            << u"〒１０００００５"_s << u"千代田区丸の内1-1"_s << Matches << u""_s;
        QTest::newRow("wrong")
            << u"100-0001"_s << u"東京都千代田区丸の内１－１"_s << Mismatch
            << u"100-0001 は 千代田区千代田 です。住所は 千代田区丸の内: 100-0005 ?"_s;
        QTest::newRow("no entry for the address")
            << u"100-0001"_s << u"どこにもない町１"_s << Unchecked << u""_s;
        QTest::newRow("no code") << u""_s << u"東京都千代田区丸の内１－１"_s << Unchecked << u""_s;
    }

    void checksTheCodeAgainstTheAddress() {
        QFETCH(QString, code);
        QFETCH(QString, address);
        QFETCH(zip::CodeCheck::Outcome, outcome);
        QFETCH(QString, message);
        const zip::CodeCheck check = zip::checkCode(code, address, zip::ZipDirectory::shipped());
        QCOMPARE(check.outcome, outcome);
        QCOMPARE(check.message, message);
    }

    // tagora check BOOK lists the wrong codes, exits 1 for any, and leaves the book as it was.
    void checkCommandListsMismatches_data() {
        QTest::addColumn<bool>("wrong");
        QTest::addColumn<int>("exit");
        QTest::newRow("all right") << false << 0;
        QTest::newRow("one wrong") << true << 1;
    }

    void checkCommandListsMismatches() {
        QFETCH(bool, wrong);
        QFETCH(int, exit);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"book.dat"_s);
        book::CardList cards{{u"山田　太郎"_s,
                              u"東京都千代田区"_s,
                              u"丸の内１－１"_s,
                              {},
                              u"100-0005"_s,
                              {},
                              u"0"_s}};
        if (wrong)
            cards << book::AddressCard{
                u"佐藤　花子"_s, u"東京都千代田区"_s, u"丸の内２－１"_s, {}, u"100-0001"_s, {},
                u"0"_s};
        QVERIFY(book::writeBook(path, cards).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString out, err, input;
        QTextStream outStream(&out), errStream(&err), in(&input);
        cli::Io io{outStream, errStream, in};
        QCOMPARE(cli::runCheck({path}, io), exit);
        QCOMPARE(
            out,
            wrong
                ? u"2 佐藤　花子: 100-0001 は 千代田区千代田 です。住所は 千代田区丸の内: 100-0005 ?\n"_s
                : QString());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_APPLESS_MAIN(CodeCheckTest)
#include "CodeCheckTest.moc"
