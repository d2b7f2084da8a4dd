#include "platform/Fonts.h"
#include "platform/ScriptedMessages.h"
#include "zip/ScriptedTownPicker.h"
#include "zip/ZipLookupButtons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A form with the fields the buttons work on, as the card editor has them.
struct Form {
    QWidget window;
    QLineEdit* txtZip = new QLineEdit(&window);
    QLineEdit* txtAdd1 = new QLineEdit(&window);
    QLineEdit* txtAdd2 = new QLineEdit(&window);
    QRadioButton* Option1 = new QRadioButton(u"都府県名あり"_s, &window);
    QRadioButton* Option2 = new QRadioButton(u"都府県名なし"_s, &window);
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
        Option1->setChecked(true);
        auto* grid = new QGridLayout(&window);
        grid->addWidget(new QLabel(u"〒"_s), 0, 0);
        grid->addWidget(txtZip, 0, 1);
        grid->addWidget(buttons.cmdAddSearch, 0, 2);
        grid->addWidget(buttons.cmdZipSearch, 0, 3);
        grid->addWidget(new QLabel(u"住所１"_s), 1, 0);
        grid->addWidget(txtAdd1, 1, 1, 1, 3);
        grid->addWidget(new QLabel(u"住所２"_s), 2, 0);
        grid->addWidget(txtAdd2, 2, 1, 1, 3);
        grid->addWidget(Option1, 3, 1);
        grid->addWidget(Option2, 3, 2, 1, 2);
    }

    void click(const QString& name) { window.findChild<QPushButton*>(name)->click(); }
};

class ZipLookupButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void theTypedCodeFillsTheLines() {
        Form form;
        form.window.show();
        form.txtZip->setText(u"1000013"_s);
        QSignalSpy filled(&form.buttons, &zip::ZipLookupButtons::addressFilled);
        form.click(u"cmdAddSearch"_s);
        QCOMPARE(filled.size(), 1);
        QCOMPARE(form.typed, (QStringList{u"txtAdd1=東京都千代田区"_s, u"txtAdd2=霞が関"_s}));
        QCOMPARE(form.txtAdd1->text(), u"東京都千代田区"_s);
        QCOMPARE(form.txtAdd2->text(), u"霞が関"_s);
        QCOMPARE(form.txtAdd2->cursorPosition(), 3);
        if (!qEnvironmentVariableIsEmpty("TAGORA_SCREENSHOTS"))
            form.window.grab().save(qEnvironmentVariable("TAGORA_SCREENSHOTS") + u"/zip-buttons.png"_s);
    }

    void withoutPrefectureLeavesItOut() {
        Form form;
        form.Option2->setChecked(true);
        form.txtZip->setText(u"１００－００１３"_s);
        form.click(u"cmdAddSearch"_s);
        QCOMPARE(form.txtAdd1->text(), u"千代田区"_s);
    }

    void anUnchangedLineIsNotTypedAgain() {
        Form form;
        form.txtZip->setText(u"100-0013"_s);
        form.txtAdd1->setText(u"東京都千代田区"_s);
        form.click(u"cmdAddSearch"_s); // asked, the script answers Yes
        QCOMPARE(form.typed, QStringList{u"txtAdd2=霞が関"_s});
    }

    void theAddressGivesTheCode() {
        Form form;
        form.txtAdd1->setText(u"東京都千代田区"_s);
        form.txtAdd2->setText(u"霞が関1-2-3"_s);
        QSignalSpy filled(&form.buttons, &zip::ZipLookupButtons::codeFilled);
        form.click(u"cmdZipSearch"_s); // asked, the script answers Yes
        QCOMPARE(filled.size(), 1);
        QCOMPARE(form.typed, QStringList{u"txtZip=100-0013"_s});
        QCOMPARE(form.txtZip->text(), u"100-0013"_s);
        // Declined: nothing is set.
        form.messages.answer(platform::Answer::No);
        form.txtZip->clear();
        form.click(u"cmdZipSearch"_s);
        QCOMPARE(filled.size(), 1);
        QCOMPARE(form.txtZip->text(), QString());
    }
};

QTEST_MAIN(ZipLookupButtonsTest)
#include "ZipLookupButtonsTest.moc"
