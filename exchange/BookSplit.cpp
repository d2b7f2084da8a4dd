#include "exchange/BookSplit.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace exchange {

QList<book::CardList> splitIntoBooks(const book::CardList& cards) {
    QList<book::CardList> books;
    for (qsizetype start = 0; start < cards.size(); start += book::BookCapacity)
        books << cards.mid(start, book::BookCapacity);
    return books;
}

QStringList bookPaths(const QString& path, int count) {
    QStringList paths;
    if (count < 1)
        return paths;
    paths << path;
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot > 0 ? fileName.left(dot) : fileName;
    const QString suffix = dot > 0 ? fileName.mid(dot) : u".dat"_s;
    const QString folder = path.left(path.size() - fileName.size());
    for (int i = 2; i <= count; ++i)
        paths << folder + stem + u'-' + QString::number(i) + suffix;
    return paths;
}

} // namespace exchange
