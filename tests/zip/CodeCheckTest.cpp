#include "zip/CodeCheck.h"

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
};

QTEST_APPLESS_MAIN(CodeCheckTest)
#include "CodeCheckTest.moc"
