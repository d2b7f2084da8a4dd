#include "zip/TownPickerDialog.h"
#include "zip/ZipDirectory.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TownPickerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void okTakesTheSelectedPlace() {
        zip::TownPickerDialog dialog(u"4980000"_s,
                                     zip::ZipDirectory::shipped().addressesFor(u"4980000"_s));
        auto* list = dialog.findChild<QListWidget*>(u"lstTown"_s);
        QVERIFY(list);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), u"三重県桑名郡木曽岬町"_s);
        QCOMPARE(dialog.chosenIndex(), 0);
        list->setCurrentRow(1);
        dialog.findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenIndex(), 1);
    }
};

QTEST_MAIN(TownPickerDialogTest)
#include "TownPickerDialogTest.moc"
