#include "exchange/CsvText.h"

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// Whether a field, past its leading apostrophes, starts the way a formula does.
bool looksLikeFormula(QStringView field) {
    qsizetype i = 0;
    while (i < field.size() && field[i] == u'\'')
        ++i;
    if (i == field.size())
        return false;
    switch (field[i].unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
        return true;
    default:
        return false;
    }
}

} // namespace

CsvRecords parseCsv(QStringView text) {
    CsvRecords records;
    QList<CsvRow>& rows = records.rows;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int row = 0;
    while (i < n) {
        ++row;
        CsvRow record;
        record.row = row;
        QString cell;
        bool recordEnded = false;
        while (!recordEnded) {
            cell.clear();
            if (i < n && text[i] == u'"') {
                ++i;
                bool closed = false;
                while (i < n) {
                    if (text[i] == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            cell += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    cell += text[i++];
                }
                if (!closed) {
                    records.rows.clear();
                    records.error =
                        u"row %1: a quoted field opens here and is never closed; the rows after it would run into it"_s
                            .arg(row);
                    return records;
                }
                // Anything between the closing quote and the next separator is kept.
                while (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r')
                    cell += text[i++];
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r')
                    ++i;
                cell = text.sliced(start, i - start).toString();
            }
            record.cells << cell;
            if (i >= n) {
                recordEnded = true;
            } else if (text[i] == u',') {
                ++i;
            } else {
                if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                    ++i;
                ++i;
                recordEnded = true;
            }
        }
        if (record.cells.size() == 1 && record.cells.first().isEmpty())
            continue;
        rows << record;
    }
    return records;
}

QString csvCell(const QString& text) {
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                       text.contains(u'\r') || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    QString inner = text;
    inner.replace(u"\""_s, u"\"\""_s);
    return u'"' + inner + u'"';
}

QString formulaEscaped(const QString& field) {
    return looksLikeFormula(field) ? u'\'' + field : field;
}

QString formulaUnescaped(const QString& field) {
    return field.startsWith(u'\'') && looksLikeFormula(field) ? field.mid(1) : field;
}

} // namespace exchange
