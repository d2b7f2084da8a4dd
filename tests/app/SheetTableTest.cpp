#include "app/SheetTable.h"
#include "book/BookFiles.h"

#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

static const book::AddressCard Full =
    bookfiles::card(u"甲"_s, u"住一"_s, u"住二"_s, u"住三"_s, u"100-0001"_s, u"C9"_s, u"1"_s);

// Heading and row 1 of each grid column, in the current order.
static QStringList row(const app::SheetTable& table, int r) {
    QStringList shown;
    for (int c = 0; c < table.columnCount(); ++c)
        shown << (r == 0 ? table.column(c).heading : table.cell(r, c));
    return shown;
}

class SheetTableTest : public QObject {
    Q_OBJECT
private slots:
    // Only the six stored honorific digits are looked up; anything else shows as stored.
    void rowsShowTheFieldsUnderTheirHeadings() {
        const auto withHonorific = [](const QString& honorific) {
            return bookfiles::card(u"乙"_s, {}, {}, {}, {}, {}, honorific);
        };
        const app::SheetTable table(
            {Full, withHonorific(u"3"_s), withHonorific(u"6"_s), withHonorific({})}, true);
        QCOMPARE(row(table, 1), (QStringList{u"1"_s, u"甲"_s, u"殿"_s, u"100-0001"_s, u"住一"_s,
                                             u"住二"_s, u"住三"_s, u"C9"_s}));
        QCOMPARE(row(table, 2).mid(0, 3),
                 (QStringList{u"2"_s, u"乙"_s, u" 差出"_s})); // keeps its blank
        QCOMPARE((QStringList{table.cell(3, 2), table.cell(4, 2)}),
                 (QStringList{u"6"_s, QString()}));
    }

    void movingColumns_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("order"); // of the headings as they first stand
        QTest::newRow("住所１ onto 宛名") << 4 << 1 << true << u"04123567"_s;
        QTest::newRow("宛名 onto コード") << 1 << 7 << true << u"02345671"_s;
        QTest::newRow("onto No refused") << 4 << 0 << false << u"01234567"_s;
        QTest::newRow("No itself refused") << 0 << 3 << false << u"01234567"_s;
    }
    void movingColumns() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, moved);
        QFETCH(QString, order);
        const QStringList unmoved{u"No"_s,     u"宛名"_s,   u"敬称"_s,  u"〒"_s,
                                  u"住所１"_s, u"住所２"_s, u"住所3"_s, u"コード"_s};
        QStringList headings;
        for (QChar c : order)
            headings << unmoved.at(c.digitValue());
        app::SheetTable table({Full}, false);
        QHash<QString, QString> cellOf;
        for (int c = 0; c < table.columnCount(); ++c)
            cellOf[table.column(c).heading] = table.cell(1, c);
        QCOMPARE(table.moveColumn(from, to), moved);
        QCOMPARE(row(table, 0), headings);
        // Each cell travels with its heading.
        for (int c = 0; c < table.columnCount(); ++c)
            QCOMPARE(table.cell(1, c), cellOf.value(table.column(c).heading));
    }
};

QTEST_APPLESS_MAIN(SheetTableTest)
#include "SheetTableTest.moc"
