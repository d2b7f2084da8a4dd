#include "platform/ScriptedMessages.h"
#include "zip/ScriptedTownPicker.h"
#include "zip/ZipLookupButtons.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The fields the buttons work on, as the entry windows have them.
struct Form {
    QWidget window;
    QLineEdit* txtZip = new QLineEdit(&window);
    QLineEdit* txtAdd1 = new QLineEdit(&window);
    QLineEdit* txtAdd2 = new QLineEdit(&window);
    QRadioButton* Option2 = new QRadioButton(&window);
    platform::ScriptedMessages messages;
    zip::ScriptedTownPicker picker;
    QStringList typed; // "field=text" for every set through the setter
    zip::ZipLookupButtons buttons{&window, messages, picker, txtZip, txtAdd1, txtAdd2, Option2,
                                  [this](QLineEdit* field, const QString& text) {
                                      typed << field->objectName() + u'=' + text;
                                      field->setText(text);
                                  }};

    Form() {
        txtZip->setObjectName(u"txtZip"_s);
        txtAdd1->setObjectName(u"txtAdd1"_s);
        txtAdd2->setObjectName(u"txtAdd2"_s);
    }
};

class ZipLookupButtonsTest : public QObject {
    Q_OBJECT

private slots:
    // Only changed lines go through the setter; the cursor waits after the town.
    void theTypedCodeFillsTheLines() {
        Form form;
        form.Option2->setChecked(true);
        form.txtZip->setText(u"100-0013"_s);
        form.txtAdd1->setText(u"千代田区"_s);
        QSignalSpy filled(&form.buttons, &zip::ZipLookupButtons::addressFilled);
        form.buttons.cmdAddSearch->click(); // asked, the script answers Yes
        QCOMPARE(filled.size(), 1);
        QCOMPARE(form.typed, QStringList{u"txtAdd2=霞が関"_s});
        QCOMPARE(form.txtAdd2->cursorPosition(), 3);
    }

    void theAddressGivesTheCode() {
        Form form;
        form.txtAdd1->setText(u"東京都千代田区"_s);
        form.txtAdd2->setText(u"霞が関1-2-3"_s);
        QSignalSpy filled(&form.buttons, &zip::ZipLookupButtons::codeFilled);
        form.messages.answer(platform::Answer::No);
        form.buttons.cmdZipSearch->click();
        QVERIFY(form.typed.isEmpty());
        form.buttons.cmdZipSearch->click(); // the script answers Yes
        QCOMPARE(filled.size(), 1);
        QCOMPARE(form.typed, QStringList{u"txtZip=100-0013"_s});
    }
};

QTEST_MAIN(ZipLookupButtonsTest)
#include "ZipLookupButtonsTest.moc"
