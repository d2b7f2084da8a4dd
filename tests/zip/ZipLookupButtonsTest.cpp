#include "zip/ZipLookupButtons.h"
#include "platform/ScriptedMessages.h"
#include "zip/ScriptedTownPicker.h"
#include "zip/TownPickerDialog.h"
#include "zip/ZipDirectory.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The lookup's two windows: the buttons beside the address lines and the
// list of places a code covers.
class ZipLookupButtonsTest : public QObject {
    Q_OBJECT

private slots:
    // The code goes in through the form's setter, and only when agreed.
    void theAddressGivesTheCode() {
        QWidget window;
        auto* txtZip = new QLineEdit(&window);
        auto* txtAdd1 = new QLineEdit(u"東京都千代田区"_s, &window);
        auto* txtAdd2 = new QLineEdit(u"霞が関1-2-3"_s, &window);
        platform::ScriptedMessages messages;
        zip::ScriptedTownPicker picker;
        QStringList typed;
        zip::ZipLookupButtons buttons{&window,
                                      messages,
                                      picker,
                                      txtZip,
                                      txtAdd1,
                                      txtAdd2,
                                      new QRadioButton(&window),
                                      [&](QLineEdit* field, const QString& text) {
                                          typed << text;
                                          field->setText(text);
                                      }};
        QSignalSpy filled(&buttons, &zip::ZipLookupButtons::codeFilled);
        messages.answer(platform::Answer::No);
        buttons.cmdZipSearch->click();
        QVERIFY(typed.isEmpty());
        buttons.cmdZipSearch->click(); // the script answers Yes
        QCOMPARE(filled.size(), 1);
        QCOMPARE(typed, QStringList{u"100-0013"_s});
        QCOMPARE(txtZip->text(), u"100-0013"_s);
    }

    void okTakesTheSelectedPlace() {
        zip::TownPickerDialog dialog(u"4980000"_s,
                                     zip::ZipDirectory::shipped().addressesFor(u"4980000"_s));
        auto* list = dialog.findChild<QListWidget*>(u"lstTown"_s);
        QVERIFY(list);
        QCOMPARE(list->item(1)->text(), u"三重県桑名郡木曽岬町"_s);
        list->setCurrentRow(1);
        dialog.findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenIndex(), 1);
    }
};

QTEST_MAIN(ZipLookupButtonsTest)
#include "ZipLookupButtonsTest.moc"
