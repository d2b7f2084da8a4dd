#include "zip/AddressFiller.h"
#include "platform/ScriptedMessages.h"
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

    void badCodesAreReported() {
        QVERIFY(!filler().addressFor(u"999-9999"_s, {u"東京都"_s, u"丸の内"_s}, false));
        QVERIFY(!filler().addressFor(u"100-001"_s, {u"東京都"_s, u"丸の内"_s}, false));
        QCOMPARE(messages.texts(), (QStringList{u"この郵便番号の住所は見つかりません。"_s,
                                                u"郵便番号を７桁の数字で入力してください。"_s}));
    }

    // Replacing the typed lines is asked only once a place is chosen.
    void theChosenPlaceIsFilled() {
        picker.answer(-1);
        QVERIFY(!filler().addressFor(u"4980000"_s, {u"x"_s, u"y"_s}, true));
        QVERIFY(messages.shown().isEmpty());
        picker.answer(1);
        QCOMPARE(filler().addressFor(u"4980000"_s, {u"x"_s, u"y"_s}, true)->line1,
                 u"桑名郡木曽岬町"_s);
        QCOMPARE(picker.codes(), QStringList(2, u"4980000"_s));
        QCOMPARE(picker.offered().value(1).size(), 2);
        QCOMPARE(messages.shown().size(), 1);
    }

    void typedTextIsReplacedOnlyWhenAgreed_data() {
        QTest::addColumn<AddressLines>("typed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("line2");
        const QString town = u"霞が関"_s;
        QTest::newRow("line 1 typed, yes")
            << AddressLines{u"大阪府"_s, {}} << Answer::Yes << 1 << true << town;
        QTest::newRow("block number typed, no") << AddressLines{u"東京都港区"_s, u"霞が関1-2-3"_s}
                                                << Answer::No << 1 << false << QString();
        QTest::newRow("block number kept after the town")
            << AddressLines{u"東京都港区"_s, u"霞が関１－２－３"_s} << Answer::Yes << 1 << true
            << u"霞が関１－２－３"_s;
        QTest::newRow("town written in line 1") << AddressLines{u"千代田区霞が関"_s, u"３－１"_s}
                                                << Answer::Yes << 1 << true << u"霞が関３－１"_s;
        QTest::newRow("the same text")
            << AddressLines{u"東京都千代田区"_s, town} << Answer::No << 0 << true << town;
    }

    // The lookup replaces the place; the house number typed after the town stays.
    void typedTextIsReplacedOnlyWhenAgreed() {
        QFETCH(AddressLines, typed);
        QFETCH(Answer, answer);
        QFETCH(bool, replaced);
        QFETCH(QString, line2);
        messages.answer(answer);
        const auto lines = filler().addressFor(u"1000013"_s, typed, false);
        QTEST(int(messages.shown().size()), "asked");
        QCOMPARE(lines,
                 replaced ? std::optional(AddressLines{u"東京都千代田区"_s, line2}) : std::nullopt);
        // The question shows both lines as they will become.
        if (!messages.shown().isEmpty() && replaced)
            QVERIFY(messages.lastText().contains(u"住所２："_s + line2));
    }

    void missingDataIsReported() {
        QTemporaryDir dir;
        zip::ZipDirectory broken(dir.filePath(u"none.txt"_s));
        zip::AddressFiller brokenFiller(broken, messages, picker);
        QVERIFY(!brokenFiller.addressFor(u"1000013"_s, {}, false));
        QVERIFY(!brokenFiller.codeFor({u"東京都千代田区"_s, u"霞が関"_s}, {}));
        QCOMPARE(messages.texts(), QStringList(2, u"郵便番号データを読み込めません。"_s));
    }

    // A code found without the town says it is the municipality's.
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
        messages.answer(answer);
        QTEST(filler().codeFor({u"東京都千代田区"_s, line2}, u"123-4567"_s).value_or(QString()),
              "code");
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(messages.lastText().startsWith(u"〒100-00"_s));
        QCOMPARE(messages.lastText().contains(u"市区町村の郵便番号"_s), line2 == u"どこか1"_s);
    }

    // Nothing typed, an unknown address, a code that already fits.
    void noProposalIsReported() {
        QVERIFY(!filler().codeFor({u"　"_s, {}}, {}));
        QVERIFY(!filler().codeFor({u"火星"_s, {}}, {}));
        QVERIFY(!filler().codeFor({u"東京都千代田区霞が関"_s, {}}, u"１００－００１３"_s));
        QCOMPARE(messages.texts(), (QStringList{u"住所が入力されていません。"_s,
                                                u"この住所の郵便番号は見つかりません。"_s,
                                                u"郵便番号 100-0013 は住所と合っています。"_s}));
    }
};

QTEST_GUILESS_MAIN(AddressFillerTest)
#include "AddressFillerTest.moc"
