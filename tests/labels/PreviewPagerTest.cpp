#include "labels/PreviewPager.h"

#include <QTest>

using namespace Qt::StringLiterals;
using labels::PreviewPager;
using Step = PreviewPager::Step;

class PreviewPagerTest : public QObject {
    Q_OBJECT

private slots:
    void steps_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("to");
        QTest::newRow("back from the first") << 3 << 0 << false << int(Step::AtFirst) << 0;
        QTest::newRow("back one") << 3 << 2 << false << int(Step::Moved) << 1;
        QTest::newRow("on one") << 3 << 1 << true << int(Step::Moved) << 2;
        QTest::newRow("on from the last") << 3 << 2 << true << int(Step::AtLast) << 2;
        QTest::newRow("one entry only") << 1 << 0 << true << int(Step::AtLast) << 0;
        QTest::newRow("stops at the hundredth of 150") << 150 << 99 << true << int(Step::Stopped) << 99;
        QTest::newRow("hundredth is also the last") << 100 << 99 << true << int(Step::Stopped) << 99;
        QTest::newRow("on to the hundredth") << 150 << 98 << true << int(Step::Moved) << 99;
    }

    void steps() {
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(bool, forward);
        QFETCH(int, step);
        QFETCH(int, to);
        PreviewPager pager{from, count};
        QCOMPARE(int(forward ? pager.forward() : pager.back()), step);
        QCOMPARE(pager.CurrentEntry, to);
        QCOMPARE(pager.position(), u"%1/%2"_s.arg(to + 1).arg(count));
    }
};

QTEST_GUILESS_MAIN(PreviewPagerTest)
#include "PreviewPagerTest.moc"
