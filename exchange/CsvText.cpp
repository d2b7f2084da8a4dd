#include "exchange/CsvText.h"

using namespace Qt::StringLiterals;

namespace exchange {

QList<CsvRow> parseCsv(QStringView text) {
    QList<CsvRow> rows;
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
                while (i < n) {
                    if (text[i] == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            cell += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    cell += text[i++];
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
    return rows;
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

} // namespace exchange
