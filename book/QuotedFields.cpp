#include "book/QuotedFields.h"

using namespace Qt::StringLiterals;

namespace book {

QuotedFields::QuotedFields(QStringView text) : m_text(text) {
}

bool QuotedFields::isBlank(qsizetype at) const {
    return m_text[at] == u' ' || m_text[at] == u'\t';
}

bool QuotedFields::isLineEnd(qsizetype at) const {
    return m_text[at] == u'\r' || m_text[at] == u'\n';
}

bool QuotedFields::atEnd() const {
    for (qsizetype i = m_pos; i < m_text.size(); ++i) {
        if (!isBlank(i) && !isLineEnd(i))
            return false;
    }
    // A comma before the end still introduces one (empty) field.
    return !m_afterComma;
}

void QuotedFields::skipLineEnd() {
    if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

void QuotedFields::skipToSeparator() {
    while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_pos))
        ++m_pos;
}

void QuotedFields::takeSeparator() {
    m_afterComma = false;
    m_endedLine = true;
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == u',') {
        ++m_pos;
        m_afterComma = true;
        m_endedLine = false;
        return;
    }
    skipLineEnd();
}

std::optional<QString> QuotedFields::next() {
    m_failure.clear();
    while (m_pos < m_text.size() && isBlank(m_pos))
        ++m_pos;
    if (m_pos >= m_text.size()) {
        if (!m_afterComma) {
            m_failure = u"the data ends"_s;
            return std::nullopt;
        }
        m_afterComma = false;
        m_endedLine = true;
        return QString();
    }
    if (m_text[m_pos] == u'"') {
        const qsizetype open = m_pos;
        const qsizetype close = m_text.indexOf(u'"', open + 1);
        if (close < 0) {
            m_failure = u"a quoted field has no closing quote"_s;
            return std::nullopt;
        }
        const QStringView field = m_text.mid(open + 1, close - open - 1);
        // A quoted field may run across line ends; keep the line count true.
        for (qsizetype i = 0; i < field.size(); ++i) {
            if (field[i] == u'\n' ||
                (field[i] == u'\r' && (i + 1 >= field.size() || field[i + 1] != u'\n')))
                ++m_line;
        }
        m_pos = close + 1;
        skipToSeparator();
        takeSeparator();
        return field.toString();
    }
    const qsizetype start = m_pos;
    skipToSeparator();
    qsizetype end = m_pos;
    while (end > start && (m_text[end - 1] == u' ' || m_text[end - 1] == u'\t'))
        --end;
    const QString field = m_text.mid(start, end - start).toString();
    takeSeparator();
    return field;
}

} // namespace book
