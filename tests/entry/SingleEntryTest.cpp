#include "app/RecordingNavigator.h"
#include "book/SharedState.h"
#include "entry/SingleEntry.h"
#include "platform/TestPlatform.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using entry::Field;
using entry::SingleEntry;

class SingleEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void handsOverTheTypedAddress_data();
    void handsOverTheTypedAddress();
    void nameOnlyAddressIsHandedOver();
    void noNameStops();

private:
    std::unique_ptr<platform::TestPlatform> m_platform;
    std::unique_ptr<app::RecordingNavigator> m_navigator;
    std::unique_ptr<book::SharedState> m_state;
    std::unique_ptr<app::AppContext> m_context;
    std::unique_ptr<SingleEntry> m_entry;
};

void SingleEntryTest::init() {
    m_platform = std::make_unique<platform::TestPlatform>();
    m_navigator = std::make_unique<app::RecordingNavigator>();
    m_state = std::make_unique<book::SharedState>();
    m_context = std::make_unique<app::AppContext>(
        app::AppContext{*m_state, m_platform->platform, *m_navigator});
    m_entry = std::make_unique<SingleEntry>(*m_context);
}

void SingleEntryTest::handsOverTheTypedAddress_data() {
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("honorific");
    QTest::addColumn<QString>("stored");
    QTest::newRow("labels, no honorific chosen") << true << -2 << u"-1"_s;
    QTest::newRow("postcards, no honorific chosen") << false << -2 << u"-1"_s;
    QTest::newRow("labels, 御中") << true << 2 << u"2"_s;
    QTest::newRow("postcards, empty entry") << false << 5 << u"5"_s;
}

void SingleEntryTest::handsOverTheTypedAddress() {
    QFETCH(bool, labels);
    QFETCH(int, honorific);
    QFETCH(QString, stored);
    const QString longName(40, u'名'); // no length limit on this form
    m_entry->setFieldText(Field::Name, longName);
    m_entry->setFieldText(Field::PostalCode, u"105-0011"_s);
    m_entry->setFieldText(Field::Address1, u"東京都港区"_s);
    m_entry->setFieldText(Field::Address2, u"芝公園4-2-8"_s);
    m_entry->setFieldText(Field::Address3, u"タワー10階"_s);
    m_entry->setFieldText(Field::Code, u"X1"_s);
    if (honorific >= -1)
        m_entry->chooseHonorific(honorific);
    QVERIFY(labels ? m_entry->printLabels() : m_entry->printPostcards());
    QVERIFY(!m_state->PrintFromList);
    QCOMPARE(m_navigator->calls(), QStringList{labels ? u"labels 1"_s : u"postcards 1"_s});
    const book::AddressCard handed = m_navigator->entries().first();
    QCOMPARE(handed.name, longName);
    QCOMPARE(handed.postalCode, u"105-0011"_s);
    QCOMPARE(handed.address1, u"東京都港区"_s);
    QCOMPARE(handed.address2, u"芝公園4-2-8"_s);
    QCOMPARE(handed.address3, u"タワー10階"_s);
    QCOMPARE(handed.code, u"X1"_s);
    QCOMPARE(handed.honorific, stored);
    QVERIFY(m_platform->messages.shown().isEmpty());
    // The print screen closes this form: the close box then shows nothing more.
    m_entry->back();
    QCOMPARE(m_navigator->calls().size(), 1);
}

void SingleEntryTest::nameOnlyAddressIsHandedOver() {
    m_entry->setFieldText(Field::Name, u"山田太郎"_s);
    m_entry->setNewAddress(u"東京都港区芝公園"_s); // not split: not handed over
    QVERIFY(m_entry->printPostcards());
    book::AddressCard expected;
    expected.name = u"山田太郎"_s;
    expected.honorific = u"-1"_s;
    QCOMPARE(m_navigator->entries(), book::CardList{expected});
}

void SingleEntryTest::noNameStops() {
    QSignalSpy focus(m_entry.get(), &SingleEntry::focusRequested);
    m_entry->setFieldText(Field::Address1, u"東京都港区"_s);
    QVERIFY(!m_entry->printLabels());
    QCOMPARE(m_platform->messages.texts(), QStringList{u"宛名が入力されていません。"_s});
    QCOMPARE(focus.last().first().toString(), u"txtName"_s);
    QVERIFY(m_navigator->calls().isEmpty());
    QVERIFY(m_state->PrintFromList);
}



QTEST_GUILESS_MAIN(SingleEntryTest)
#include "SingleEntryTest.moc"
