#include "platform/ScriptedMessages.h"
#include "zip/AddressFiller.h"
#include "zip/ScriptedTownPicker.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Answer;
using platform::Buttons;
using zip::AddressLines;

class AddressFillerTest : public QObject {
    Q_OBJECT

    platform::ScriptedMessages messages;
    zip::ScriptedTownPicker picker;

    zip::AddressFiller filler() { return zip::AddressFiller(zip::ZipDirectory::shipped(), messages, picker); }

private slots:
    void init() {
        messages = {};
        picker = {};
    }

    void emptyLinesAreFilled_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withoutPrefecture");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::newRow("digits only") << u"1000013"_s << false << u"東京都千代田区"_s << u"霞が関"_s;
        QTest::newRow("full width") << u"１００－００１３"_s << false << u"東京都千代田区"_s << u"霞が関"_s;
        QTest::newRow("prefecture left out") << u"1000013"_s << true << u"千代田区"_s << u"霞が関"_s;
        QTest::newRow("municipality's own code") << u"100-0000"_s << false << u"東京都千代田区"_s << QString();
        QTest::newRow("county kept without prefecture") << u"370-3500"_s << true << u"北群馬郡榛東村"_s << QString();
    }

    void emptyLinesAreFilled() {
        QFETCH(QString, typed);
        QFETCH(bool, withoutPrefecture);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        const auto lines = filler().addressFor(typed, {}, withoutPrefecture);
        QVERIFY(lines);
        QCOMPARE(lines->line1, line1);
        QCOMPARE(lines->line2, line2);
        QVERIFY(messages.shown().isEmpty());
        QVERIFY(picker.offered().isEmpty());
    }

    void badCodesAreReported_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << u"999-9999"_s << u"この郵便番号の住所は見つかりません。"_s;
        QTest::newRow("too short") << u"100-001"_s << u"郵便番号を７桁の数字で入力してください。"_s;
        QTest::newRow("empty") << QString() << u"郵便番号を７桁の数字で入力してください。"_s;
    }

    void badCodesAreReported() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const AddressLines typedBefore{u"東京都"_s, u"丸の内"_s};
        QVERIFY(!filler().addressFor(typed, typedBefore, false));
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.shown().first().buttons, Buttons::Ok);
    }

    void severalTownsAreOffered() {
        picker.answer(1);
        const auto lines = filler().addressFor(u"498-0004"_s, {}, false);
        QCOMPARE(picker.codes(), QStringList{u"4980004"_s});
        QCOMPARE(picker.offered().size(), 1);
        QCOMPARE(picker.offered().first().size(), 2);
        QVERIFY(lines);
        QCOMPARE(*lines, (AddressLines{u"愛知県弥富市"_s, u"又八町"_s}));
    }

    void bothPrefecturesAreOffered_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("withoutPrefecture");
        QTest::addColumn<QString>("line1");
        QTest::newRow("first") << 0 << false << u"愛知県弥富市"_s;
        QTest::newRow("second") << 1 << false << u"三重県桑名郡木曽岬町"_s;
        QTest::newRow("second, no prefecture") << 1 << true << u"桑名郡木曽岬町"_s;
    }

    void bothPrefecturesAreOffered() {
        QFETCH(int, choice);
        QFETCH(bool, withoutPrefecture);
        QFETCH(QString, line1);
        picker.answer(choice);
        const auto lines = filler().addressFor(u"4980000"_s, {}, withoutPrefecture);
        QStringList offered;
        for (const zip::ZipAddress& place : picker.offered().value(0))
            offered << place.fullText();
        QCOMPARE(offered, (QStringList{u"愛知県弥富市"_s, u"三重県桑名郡木曽岬町"_s}));
        QVERIFY(lines);
        QCOMPARE(lines->line1, line1);
        QCOMPARE(lines->line2, QString());
    }

    void aCancelledChoiceChangesNothing() {
        picker.answer(-1);
        QVERIFY(!filler().addressFor(u"4980000"_s, {u"x"_s, u"y"_s}, false));
        QVERIFY(messages.shown().isEmpty());
    }

    void typedTextIsReplacedOnlyWhenAgreed_data() {
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("line 1 typed, yes") << u"大阪府"_s << QString() << int(Answer::Yes) << true;
        QTest::newRow("line 1 typed, no") << u"大阪府"_s << QString() << int(Answer::No) << false;
        QTest::newRow("block number typed, no") << u"東京都千代田区"_s << u"霞が関1-2-3"_s << int(Answer::No) << false;
        QTest::newRow("line 2 only, yes") << QString() << u"1-2-3"_s << int(Answer::Yes) << true;
    }

    void typedTextIsReplacedOnlyWhenAgreed() {
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        messages.answer(Answer(answer));
        const auto lines = filler().addressFor(u"1000013"_s, {line1, line2}, false);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().buttons, Buttons::YesNo);
        QVERIFY(messages.lastText().contains(u"東京都千代田区霞が関"_s));
        QCOMPARE(bool(lines), replaced);
        if (replaced)
            QCOMPARE(*lines, (AddressLines{u"東京都千代田区"_s, u"霞が関"_s}));
    }

    void theSameTextIsNotQuestioned() {
        const auto lines = filler().addressFor(u"1000013"_s, {u"東京都千代田区"_s, u"霞が関"_s}, false);
        QVERIFY(lines);
        QVERIFY(messages.shown().isEmpty());
    }

    void missingDataIsReported() {
        QTemporaryDir dir;
        zip::ZipDirectory broken(dir.filePath(u"none.txt"_s));
        zip::AddressFiller brokenFiller(broken, messages, picker);
        QVERIFY(!brokenFiller.addressFor(u"1000013"_s, {}, false));
        QVERIFY(!brokenFiller.codeFor({u"東京都千代田区"_s, u"霞が関"_s}, {}));
        QCOMPARE(messages.texts(), (QStringList{u"郵便番号データを読み込めません。"_s, u"郵便番号データを読み込めません。"_s}));
    }

    void theCodeIsProposedForTheAddress_data() {
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("code");
        QTest::newRow("accepted") << u"東京都千代田区"_s << u"霞が関1-2-3"_s << int(Answer::Yes) << u"100-0013"_s;
        QTest::newRow("declined") << u"東京都千代田区"_s << u"霞が関1-2-3"_s << int(Answer::No) << QString();
        QTest::newRow("without prefecture") << u"千代田区"_s << u"霞が関1-2-3"_s << int(Answer::Yes) << u"100-0013"_s;
    }

    void theCodeIsProposedForTheAddress() {
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        QFETCH(int, answer);
        QFETCH(QString, code);
        messages.answer(Answer(answer));
        const auto proposed = filler().codeFor({line1, line2}, u"123-4567"_s);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().buttons, Buttons::YesNo);
        QVERIFY(messages.lastText().startsWith(u"〒100-0013　東京都千代田区霞が関"_s));
        QCOMPARE(proposed.value_or(QString()), code);
    }

    void aMunicipalityCodeSaysSo() {
        const auto proposed = filler().codeFor({u"東京都千代田区"_s, u"どこか1"_s}, {});
        QCOMPARE(proposed.value_or(QString()), u"100-0000"_s);
        QVERIFY(messages.lastText().contains(u"市区町村の郵便番号"_s));
    }

    void noProposalIsReported_data() {
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing typed") << u"　"_s << QString() << u"住所が入力されていません。"_s;
        QTest::newRow("unknown address") << u"火星"_s << QString() << u"この住所の郵便番号は見つかりません。"_s;
        QTest::newRow("code already right")
            << u"東京都千代田区霞が関"_s << u"１００－００１３"_s << u"郵便番号 100-0013 は住所と合っています。"_s;
    }

    void noProposalIsReported() {
        QFETCH(QString, line1);
        QFETCH(QString, typedCode);
        QFETCH(QString, message);
        QVERIFY(!filler().codeFor({line1, {}}, typedCode));
        QCOMPARE(messages.texts(), QStringList{message});
    }
};

QTEST_GUILESS_MAIN(AddressFillerTest)
#include "AddressFillerTest.moc"
