#include "platform/QtTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Qt's stock buttons in the user's language, from Debian's Qt translations.
class QtTranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void japaneseButtons() {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), u"&Yes"_s); // C locale: Qt's own words
        if (!platform::installQtTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)))
            QSKIP("Qt's Japanese translations (qt6-translations-l10n) are not installed");
        QMessageBox translated;
        translated.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(translated.button(QMessageBox::Yes)->text().contains(u"はい"_s));
        QVERIFY(translated.button(QMessageBox::No)->text().contains(u"いいえ"_s));
        QVERIFY(translated.button(QMessageBox::Cancel)->text().contains(u"キャンセル"_s));
    }

    void noTranslationForAnUnknownLanguage() {
        QVERIFY(!platform::installQtTranslations(*qApp, QLocale(QLocale::Zulu)));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
