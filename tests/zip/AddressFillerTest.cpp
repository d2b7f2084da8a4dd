#include "platform/ScriptedMessages.h"
#include "zip/AddressFiller.h"
#include "zip/ScriptedTownPicker.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Answer;
using zip::AddressLines;

class AddressFillerTest : public QObject {
    Q_OBJECT

    platform::ScriptedMessages messages;
    zip::ScriptedTownPicker picker;

    zip::AddressFiller filler() {
        return zip::AddressFiller(zip::ZipDirectory::shipped(), messages, picker);
    }

private slots:
    void init() {
        messages = {};
        picker = {};
    }

    void badCodesAreReported_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << u"999-9999"_s << u"この郵便番号の住所は見つかりません。"_s;
        QTest::newRow("too short") << u"100-001"_s << u"郵便番号を７桁の数字で入力してください。"_s;
    }

    void badCodesAreReported() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QVERIFY(!filler().addressFor(typed, {u"東京都"_s, u"丸の内"_s}, false));
        QCOMPARE(messages.texts(), QStringList{message});
    }

    void theChosenPlaceIsFilled_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("withoutPrefecture");
        QTest::addColumn<QString>("line1");
        QTest::newRow("second") << 1 << false << u"三重県桑名郡木曽岬町"_s;
        QTest::newRow("second, no prefecture") << 1 << true << u"桑名郡木曽岬町"_s;
        QTest::newRow("cancelled") << -1 << false << QString();
    }

    void theChosenPlaceIsFilled() {
        QFETCH(int, choice);
        QFETCH(bool, withoutPrefecture);
        QFETCH(QString, line1);
        picker.answer(choice);
        const auto lines = filler().addressFor(u"4980000"_s, {u"x"_s, u"y"_s}, withoutPrefecture);
        QCOMPARE(picker.codes(), QStringList{u"4980000"_s});
        QCOMPARE(picker.offered().value(0).size(), 2);
        QCOMPARE(lines.value_or(AddressLines{}).line1, line1);
        // Replacing x and y is asked only once a place is chosen.
        QCOMPARE(messages.shown().size(), line1.isEmpty() ? 0 : 1);
    }

    void typedTextIsReplacedOnlyWhenAgreed_data() {
        QTest::addColumn<AddressLines>("typed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("line 1 typed, yes") << AddressLines{u"大阪府"_s, {}} << Answer::Yes << true << true;
        QTest::newRow("block number typed, no")
            << AddressLines{u"東京都千代田区"_s, u"霞が関1-2-3"_s} << Answer::No << true << false;
        QTest::newRow("line 2 only, yes") << AddressLines{{}, u"1-2-3"_s} << Answer::Yes << true << true;
        QTest::newRow("the same text") << AddressLines{u"東京都千代田区"_s, u"霞が関"_s} << Answer::No
                                       << false << true;
    }

    void typedTextIsReplacedOnlyWhenAgreed() {
        QFETCH(AddressLines, typed);
        QFETCH(Answer, answer);
        QFETCH(bool, asked);
        QFETCH(bool, replaced);
        messages.answer(answer);
        const auto lines = filler().addressFor(u"1000013"_s, typed, false);
        QCOMPARE(messages.shown().size(), asked ? 1 : 0);
        QCOMPARE(lines, replaced ? std::optional(AddressLines{u"東京都千代田区"_s, u"霞が関"_s}) : std::nullopt);
    }

    void missingDataIsReported() {
        QTemporaryDir dir;
        zip::ZipDirectory broken(dir.filePath(u"none.txt"_s));
        zip::AddressFiller brokenFiller(broken, messages, picker);
        QVERIFY(!brokenFiller.addressFor(u"1000013"_s, {}, false));
        QVERIFY(!brokenFiller.codeFor({u"東京都千代田区"_s, u"霞が関"_s}, {}));
        QCOMPARE(messages.texts(), QStringList(2, u"郵便番号データを読み込めません。"_s));
    }

    void theCodeIsProposedForTheAddress_data() {
        QTest::addColumn<QString>("line2");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("code");
        QTest::newRow("accepted") << u"霞が関1-2-3"_s << Answer::Yes << u"100-0013"_s;
        QTest::newRow("declined") << u"霞が関1-2-3"_s << Answer::No << QString();
        QTest::newRow("municipality's code") << u"どこか1"_s << Answer::Yes << u"100-0000"_s;
    }

    void theCodeIsProposedForTheAddress() {
        QFETCH(QString, line2);
        QFETCH(Answer, answer);
        QFETCH(QString, code);
        messages.answer(answer);
        const auto proposed = filler().codeFor({u"東京都千代田区"_s, line2}, u"123-4567"_s);
        QCOMPARE(proposed.value_or(QString()), code);
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(messages.lastText().startsWith(u"〒100-00"_s));
        // A code found without the town says it is the municipality's.
        QCOMPARE(messages.lastText().contains(u"市区町村の郵便番号"_s), line2 == u"どこか1"_s);
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
