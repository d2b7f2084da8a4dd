// The envelope screen on its doubles: its choices remembered and handed to
// the job, the back only with a sender, and a screenshot to look at.

#include "envelope/EnvelopeScreen.h"
#include "book/AddressFile.h"
#include "platform/Fonts.h"
#include "printing/OutputChoice.h"
#include "support/WindowWorld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

book::AddressCard entry(const QString& name, const QString& zip) {
    return {name, u"東京都千代田区"_s, u"千代田１－１"_s, QString(), zip, u"C1"_s, u"0"_s};
}

} // namespace

class EnvelopeScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init() { printing::outputChoiceForThisRun() = {}; }

    // 洋形2号, horizontal, with the back: remembered in TagoraEnvelope.ini,
    // shown again on the next opening, and printed as a turned 洋2 page and a
    // back page for each envelope. Without a sender 印刷 waits for one.
    void choicesAreRememberedAndPrinted() {
        WindowWorld world;
        world.platform.printers.setPrinters({u"Printer"_s}, u"Printer"_s);
        const book::CardList list = {entry(u"山田　太郎"_s, u"1000001"_s),
                                     entry(u"佐藤　花子"_s, u"103-0007"_s)};
        {
            envelope::EnvelopeScreen screen(world.context, list);
            auto* size = screen.findChild<QComboBox*>(u"sizeBox"_s);
            QCOMPARE(size->currentIndex(), 0);
            QVERIFY(screen.findChild<QRadioButton*>(u"verticalOption"_s)->isChecked());
            size->setCurrentIndex(3);
            emit size->activated(3);
            screen.findChild<QAbstractButton*>(u"horizontalOption"_s)->click();
            screen.findChild<QAbstractButton*>(u"backCheck"_s)->click();
            QVERIFY(!screen.findChild<QPushButton*>(u"printButton"_s)->isEnabled());
            QVERIFY(!screen.findChild<QRadioButton*>(u"seamOption"_s)->isEnabled());
            screen.findChild<QAbstractButton*>(u"senderFromEntryButton"_s)->click();
            QVERIFY(screen.findChild<QPushButton*>(u"printButton"_s)->isEnabled());
        }
        QFile choices(world.dir.filePath(u"TagoraEnvelope.ini"_s));
        QVERIFY(choices.open(QIODevice::ReadOnly));
        QCOMPARE(choices.readAll(), QByteArray("\"you2\",\"0\",\"1\",\"0\"\r\n"));

        envelope::EnvelopeScreen again(world.context, list);
        QCOMPARE(again.findChild<QComboBox*>(u"sizeBox"_s)->currentIndex(), 3);
        QVERIFY(again.findChild<QRadioButton*>(u"horizontalOption"_s)->isChecked());
        world.platform.messages.answer(Answer::Ok);
        again.findChild<QAbstractButton*>(u"printButton"_s)->click();
        QCOMPARE(world.platform.messages.lastText(), u"印刷枚数は2枚です。"_s);
        const platform::RecordingPrinter* printer = world.platform.printers.last();
        QVERIFY(printer && printer->ended());
        QCOMPARE(printer->calls().first(), u"begin you2 landscape"_s);
        QCOMPARE(printer->pageCount(), 4);
        QVERIFY(!again.findChild<QPushButton*>(u"printButton"_s)->isEnabled());
    }

    // The start of a vertical 長3 job with the back beside the front, to look at.
    void verticalEnvelopeWithItsBack() {
        WindowWorld world;
        QVERIFY(book::writeBook(world.dir.filePath(u"Sender.dat"_s),
                                {{u"鈴木　一郎"_s, u"大阪府大阪市北区"_s, u"梅田３－１－１"_s,
                                  QString(), u"530-0001"_s, QString(), u"0"_s}})
                    .ok());
        envelope::EnvelopeScreen screen(world.context, {entry(u"山田　太郎"_s, u"1000001"_s)});
        screen.findChild<QAbstractButton*>(u"backCheck"_s)->click();
        QVERIFY(screen.findChild<QRadioButton*>(u"seamOption"_s)->isEnabled());
        QVERIFY(screen.findChild<QPushButton*>(u"printButton"_s)->isEnabled());
        QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
        screen.grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/EnvelopeScreen.png"));
    }
};

QTEST_MAIN(EnvelopeScreenTest)
#include "EnvelopeScreenTest.moc"
