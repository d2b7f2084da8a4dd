#include "printing/PreviewPager.h"

#include <QTest>

using namespace Qt::StringLiterals;
using printing::PreviewPager;
using Step = PreviewPager::Step;

class PreviewPagerTest : public QObject {
    Q_OBJECT

private slots:
    void steps() {
        struct Row {
            const char* name;
            int count, from;
            bool forward;
            Step step;
            int to;
        };
        const Row rows[] = {
            {"back from the first", 3, 0, false, Step::AtFirst, 0},
            {"back one", 3, 2, false, Step::Moved, 1},
            {"on one", 3, 1, true, Step::Moved, 2},
            {"on from the last", 3, 2, true, Step::AtLast, 2},
            {"stops at the hundredth of 150", 150, 99, true, Step::Stopped, 99},
            {"hundredth is also the last", 100, 99, true, Step::Stopped, 99},
            {"on to the hundredth", 150, 98, true, Step::Moved, 99},
        };
        for (const Row& row : rows) {
            PreviewPager pager{row.from, row.count};
            QVERIFY2((row.forward ? pager.forward() : pager.back()) == row.step, row.name);
            QCOMPARE(pager.position(), u"%1/%2"_s.arg(row.to + 1).arg(row.count));
        }
    }
};

QTEST_GUILESS_MAIN(PreviewPagerTest)
#include "PreviewPagerTest.moc"
