#include "entry/SingleEntry.h"
#include "EntryHarness.h"

#include <QTest>

using namespace Qt::StringLiterals;
using entry::Field;

class SingleEntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EntryHarness> m_h;
    std::unique_ptr<entry::SingleEntry> m_entry;

private slots:
    void init() {
        m_entry.reset();
        m_h = std::make_unique<EntryHarness>();
        m_entry = std::make_unique<entry::SingleEntry>(m_h->context);
    }

    // No honorific chosen is stored as -1; a name over the card editor's limit
    // goes through, this form has none.
    void handsOverTheTypedAddress() {
        const book::AddressCard typed{
            QString(40, u'名'), u"東京都港区"_s, u"芝公園4-2-8"_s, u"タワー10階"_s,
            u"105-0011"_s,      u"X1"_s,         u"-1"_s};
        for (int field = int(Field::Name); field <= int(Field::Code); ++field)
            m_entry->setFieldText(Field(field), typed.field(field));
        m_entry->setNewAddress(u"東京都港区芝公園"_s); // not split: not handed over
        QVERIFY(m_entry->printLabels());
        QVERIFY(!m_h->state.printFromList);
        QCOMPARE(m_h->navigator.calls(), QStringList{u"labels 1"_s});
        QCOMPARE(m_h->navigator.entries(), book::CardList{typed});
        // The print screen closes this form: the close box then shows nothing more.
        m_entry->back();
        QCOMPARE(m_h->navigator.calls().size(), 1);
    }

    void noNameStops() {
        m_entry->setFieldText(Field::Address1, u"東京都港区"_s);
        QVERIFY(!m_entry->printLabels());
        QCOMPARE(m_h->messages(), QStringList{u"宛名が入力されていません。"_s});
        QVERIFY(m_h->navigator.calls().isEmpty());
        QVERIFY(m_h->state.printFromList);
    }
};

QTEST_GUILESS_MAIN(SingleEntryTest)
#include "SingleEntryTest.moc"
