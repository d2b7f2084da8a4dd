#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace book {

// Reads comma-separated fields from the text of a book or settings file.
// Line ends separate fields just as commas do. A field that starts with a
// double quote runs to the next double quote (the quotes are dropped and
// anything after the closing quote up to the next comma or line end is
// skipped); an unquoted field runs to the next comma or line end and loses
// its leading and trailing blanks. CR LF, LF and CR all end a line.
class QuotedFields {
public:
    explicit QuotedFields(QStringView text);

    // True when nothing but blanks and line ends is left: no further card.
    bool atEnd() const;

    // The next field; nullopt when the data has run out (failure() says why).
    std::optional<QString> next();

    // True when the last field read was ended by a line end or the end of the data.
    bool endedLine() const { return m_endedLine; }

    // 1-based line of the next character to read.
    int line() const { return m_line; }

    // Why the last next() failed, in English.
    const QString& failure() const { return m_failure; }

private:
    bool isBlank(qsizetype at) const;
    bool isLineEnd(qsizetype at) const;
    void skipLineEnd();
    void skipToSeparator();
    void takeSeparator();

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_afterComma = false;
    bool m_endedLine = false;
    QString m_failure;
};

} // namespace book
