#include "EntryHarness.h"
#include "entry/SingleEntry.h"

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
    std::unique_ptr<EntryHarness> m_h;
    std::unique_ptr<SingleEntry> m_entry;
};

void SingleEntryTest::init() {
    m_entry.reset();
    m_h = std::make_unique<EntryHarness>();
    m_entry = std::make_unique<SingleEntry>(m_h->context);
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
    // A name over the card editor's limit: this form has none.
    const book::AddressCard typed{QString(40, u'名'), u"東京都港区"_s, u"芝公園4-2-8"_s,
                                  u"タワー10階"_s,    u"105-0011"_s,   u"X1"_s, stored};
    for (const Field field : {Field::Name, Field::PostalCode, Field::Address1, Field::Address2,
                              Field::Address3, Field::Code})
        m_entry->setFieldText(field, typed.field(int(field)));
    if (honorific >= -1)
        m_entry->chooseHonorific(honorific);
    QVERIFY(labels ? m_entry->printLabels() : m_entry->printPostcards());
    QVERIFY(!m_h->state.PrintFromList);
    QCOMPARE(m_h->navigator.calls(), QStringList{labels ? u"labels 1"_s : u"postcards 1"_s});
    QCOMPARE(m_h->navigator.entries(), book::CardList{typed});
    QVERIFY(m_h->messages().isEmpty());
    // The print screen closes this form: the close box then shows nothing more.
    m_entry->back();
    QCOMPARE(m_h->navigator.calls().size(), 1);
}

void SingleEntryTest::nameOnlyAddressIsHandedOver() {
    m_entry->setFieldText(Field::Name, u"山田太郎"_s);
    m_entry->setNewAddress(u"東京都港区芝公園"_s); // not split: not handed over
    QVERIFY(m_entry->printPostcards());
    const book::AddressCard nameOnly{u"山田太郎"_s, {}, {}, {}, {}, {}, u"-1"_s};
    QCOMPARE(m_h->navigator.entries(), book::CardList{nameOnly});
}

void SingleEntryTest::noNameStops() {
    QSignalSpy focus(m_entry.get(), &SingleEntry::focusRequested);
    m_entry->setFieldText(Field::Address1, u"東京都港区"_s);
    QVERIFY(!m_entry->printLabels());
    QCOMPARE(m_h->messages(), QStringList{u"宛名が入力されていません。"_s});
    QCOMPARE(focus.last().first().toString(), u"txtName"_s);
    QVERIFY(m_h->navigator.calls().isEmpty());
    QVERIFY(m_h->state.PrintFromList);
}

QTEST_GUILESS_MAIN(SingleEntryTest)
#include "SingleEntryTest.moc"
