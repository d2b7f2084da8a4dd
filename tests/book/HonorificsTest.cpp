#include "book/Honorifics.h"

#include <QTest>

using namespace Qt::StringLiterals;

class HonorificsTest : public QObject {
    Q_OBJECT

private slots:
    // The stored index is read leniently: a leading number, halves to even.
    void storedIndexGivesItsText_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty reads as 0") << QString() << u"様"_s;
        QTest::newRow("-1 is none") << u"-1"_s << QString();
        QTest::newRow("6 is none") << u"6"_s << QString();
        QTest::newRow("2.5 rounds to even 2") << u"2.5"_s << u"御中"_s;
        QTest::newRow("3.5 rounds to even 4") << u"3.5"_s << u"行"_s;
        QTest::newRow("leading number") << u" 1abc"_s << u"殿"_s;
        QTest::newRow("too large for an int") << u"99999999999999"_s << u"様"_s;
    }

    void storedIndexGivesItsText() {
        QFETCH(QString, stored);
        QFETCH(QString, text);
        QCOMPARE(book::honorificText(stored), text);
    }
};

QTEST_GUILESS_MAIN(HonorificsTest)
#include "HonorificsTest.moc"
