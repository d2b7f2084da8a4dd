#include "app/SeasonSheet.h"

using namespace Qt::StringLiterals;

namespace app {

SeasonSheet::SeasonSheet(const QString& bookPath, const book::CardList& cards, int year)
    : m_cards(cards), m_hasFile(!bookPath.isEmpty()),
      m_record(std::make_unique<season::SeasonRecord>(bookPath)), m_year(year) {
}

QString SeasonSheet::heading(Mark mark) {
    switch (mark) {
    case Sent:
        return u"送"_s;
    case Received:
        return u"受"_s;
    case Mourning:
        return u"喪"_s;
    }
    return {};
}

QString SeasonSheet::cellText(int cardNumber, Mark mark) const {
    const season::YearMarks marks = m_record->marks(cardNumber, m_year);
    const bool set = mark == Sent ? marks.sent : mark == Received ? marks.received : marks.mourning;
    return set ? u"○"_s : QString();
}

QString SeasonSheet::cellTip(int cardNumber) const {
    const season::YearMarks marks = m_record->marks(cardNumber, m_year);
    QStringList lines;
    if (marks.mourning)
        lines << u"喪中"_s +
                     (marks.mourningNote.isEmpty() ? QString() : u"："_s + marks.mourningNote);
    if (!marks.note.isEmpty())
        lines << u"メモ："_s + marks.note;
    return lines.join(u'\n');
}

season::RecordResult SeasonSheet::toggle(int cardNumber, Mark mark) {
    if (cardNumber < 1 || cardNumber > m_cards.size())
        return {u"no card %1"_s.arg(cardNumber)};
    // The record lives beside the book's file: without one it would land in
    // whatever folder the program was started from.
    if (!m_hasFile)
        return {u"住所録がまだファイルに保存されていません。"_s};
    season::YearMarks marks = m_record->marks(cardNumber, m_year);
    bool& flag = mark == Sent ? marks.sent : mark == Received ? marks.received : marks.mourning;
    flag = !flag;
    return m_record->setMarks(cardNumber, m_cards.at(cardNumber - 1), m_year, marks);
}

} // namespace app
