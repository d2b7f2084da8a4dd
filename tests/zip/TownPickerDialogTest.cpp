#include "platform/Fonts.h"
#include "zip/TownPickerDialog.h"
#include "zip/ZipDirectory.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TownPickerDialogTest : public QObject {
    Q_OBJECT

    static zip::ZipAddressList places() { return zip::ZipDirectory::shipped().addressesFor(u"4980000"_s); }

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void everyPlaceIsListed() {
        zip::TownPickerDialog dialog(u"4980000"_s, places());
        auto* list = dialog.findChild<QListWidget*>(u"lstTown"_s);
        QVERIFY(list);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"愛知県弥富市"_s);
        QCOMPARE(list->item(1)->text(), u"三重県桑名郡木曽岬町"_s);
        QCOMPARE(dialog.chosenIndex(), 0);
        if (!qEnvironmentVariableIsEmpty("TAGORA_SCREENSHOTS")) {
            dialog.show();
            dialog.grab().save(qEnvironmentVariable("TAGORA_SCREENSHOTS") + u"/town-picker.png"_s);
        }
    }

    void okTakesTheSelectedRow() {
        zip::TownPickerDialog dialog(u"4980000"_s, places());
        dialog.findChild<QListWidget*>(u"lstTown"_s)->setCurrentRow(1);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenIndex(), 1);
    }

};

QTEST_MAIN(TownPickerDialogTest)
#include "TownPickerDialogTest.moc"
