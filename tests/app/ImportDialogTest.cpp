#include "app/ImportDialog.h"
#include "book/Cp932.h"
#include "platform/Fonts.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using exchange::CardField;

namespace {

// Three cards, a contact without an address and a column no field takes.
const QString Sample = u"氏名,郵便番号,住所1,住所2,敬称,電話番号\r\n"
                       u"山田　花子,1000013,東京都千代田区,霞が関1-2-3,様,03-0000-0000\r\n"
                       u"鈴木商事,530-0001,大阪府大阪市北区,梅田2-4-9,御中,\r\n"
                       u"佐藤　次郎,980-0811,宮城県仙台市青葉区,一番町3-1,先生,\r\n"
                       u"伊藤　誠,,,,様,090-0000-0000\r\n"_s;

// A preview dialog over the sample, its controls found by objectName.
struct Dialog {
    exchange::ImportPreview preview =
        exchange::ImportPreview::fromBytes(*book::encodeCp932(Sample), u"住所.csv"_s);
    std::unique_ptr<app::ImportDialog> form = std::make_unique<app::ImportDialog>(preview);

    template <typename T> T* control(const QString& name) const {
        T* found = form->findChild<T*>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    QTableWidget* grid() const { return control<QTableWidget>(u"grdPreview"_s); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }
    QComboBox* column(int number) const { return control<QComboBox>(u"cboColumn%1"_s.arg(number)); }
    void choose(int number, CardField field) {
        column(number)->setCurrentIndex(column(number)->findData(int(field)));
    }
};

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void showsTheCardsAndTheColumns() {
        Dialog d;
        QVERIFY(d.grid() && d.control<QLabel>(u"lblLeftOut"_s) &&
                d.control<QPushButton>(u"cmdOk"_s) && d.control<QPushButton>(u"cmdCancel"_s));
        QStringList headers;
        for (int c = 0; c < d.grid()->columnCount(); ++c)
            headers << d.grid()->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{u"宛名"_s, u"住所1"_s, u"住所2"_s, u"住所3"_s, u"郵便番号"_s,
                                       u"コード"_s, u"敬称"_s}));
        QCOMPARE(d.grid()->rowCount(), 3);
        QCOMPARE(d.cell(0, 0), u"山田　花子"_s);
        QCOMPARE(d.cell(0, 4), u"100-0013"_s);
        QCOMPARE(d.cell(1, 6), u"御中"_s);
        QCOMPARE(d.cell(2, 0), u"佐藤　次郎　先生"_s);
        QCOMPARE(d.cell(2, 6), QString());
        QVERIFY(!d.form->findChild<QComboBox*>(u"cboColumn7"_s));
        QStringList chosen;
        for (int number = 1; number <= 6; ++number)
            chosen << d.column(number)->currentText();
        QCOMPARE(chosen, (QStringList{u"宛名"_s, u"郵便番号"_s, u"住所1"_s, u"住所2"_s, u"敬称"_s,
                                      u"使わない"_s}));
        QCOMPARE(d.column(1)->count(), 11);
        QCOMPARE(d.column(1)->itemText(10), u"使わない"_s);
        QCOMPARE(d.control<QLabel>(u"lblLeftOut"_s)->text(),
                 u"取り込む住所 3件\n取り込まないもの 1件\n住所.csv 5行目: "
                 u"住所がありません（伊藤　誠）。\n"
                 u"使わなかった列: 電話番号"_s);
        QVERIFY(d.control<QPushButton>(u"cmdOk"_s)->isEnabled());

        QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
        d.form->adjustSize();
        QVERIFY(
            d.form->grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR) + u"/ImportDialog.png"_s));
    }

    // A change of a column re-reads the preview; the combo boxes show what moved.
    void changingAColumnRereadsThePreview() {
        Dialog d;
        d.choose(5, CardField::Unused);
        QCOMPARE(d.grid()->rowCount(), 3);
        QCOMPARE(d.cell(2, 0), u"佐藤　次郎"_s);
        QCOMPARE(d.cell(2, 6), u"様"_s);
        QCOMPARE(d.control<QLabel>(u"lblLeftOut"_s)->text().split(u'\n').last(),
                 u"使わなかった列: 敬称, 電話番号"_s);

        d.choose(4, CardField::PostalCode);
        QCOMPARE(d.column(2)->currentText(), u"使わない"_s);
        QCOMPARE(d.cell(0, 4), u"霞が関1-2-3"_s);
        QCOMPARE(d.cell(0, 2), QString());
    }

    // Nothing to import: OK cannot be pressed; Cancel rejects.
    void okNeedsCards() {
        Dialog d;
        for (int number = 1; number <= 6; ++number)
            d.choose(number, CardField::Unused);
        QCOMPARE(d.grid()->rowCount(), 0);
        QVERIFY(!d.control<QPushButton>(u"cmdOk"_s)->isEnabled());
        d.form->open();
        QTest::mouseClick(d.control<QPushButton>(u"cmdCancel"_s), Qt::LeftButton);
        QCOMPARE(d.form->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(ImportDialogTest)
#include "ImportDialogTest.moc"
