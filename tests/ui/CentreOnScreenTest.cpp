#include "ui/CentreOnScreen.h"

#include <QTest>

class CentreOnScreenTest : public QObject {
    Q_OBJECT

private slots:
    void centredTopLeft_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("first screen")
            << QRect(0, 0, 1920, 1040) << QSize(800, 600) << QPoint(560, 220);
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1920, 1040) << QSize(800, 600) << QPoint(2480, 220);
        QTest::newRow("screen left of and above the first")
            << QRect(-1280, -1024, 1280, 1024) << QSize(400, 300) << QPoint(-840, -662);
        QTest::newRow("panel at the top")
            << QRect(0, 32, 1366, 736) << QSize(366, 136) << QPoint(500, 332);
        QTest::newRow("odd difference rounds down")
            << QRect(0, 0, 1001, 1001) << QSize(100, 100) << QPoint(450, 450);
        QTest::newRow("wider than the screen")
            << QRect(1920, 40, 1024, 728) << QSize(1200, 400) << QPoint(1920, 204);
        QTest::newRow("taller than the screen")
            << QRect(1920, 40, 1024, 728) << QSize(400, 900) << QPoint(2232, 40);
        QTest::newRow("larger both ways")
            << QRect(-800, 0, 800, 600) << QSize(1000, 700) << QPoint(-800, 0);
    }
    void centredTopLeft() {
        QFETCH(QRect, area);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(ui::centredTopLeft(area, window), topLeft);
    }
};

QTEST_GUILESS_MAIN(CentreOnScreenTest)
#include "CentreOnScreenTest.moc"
