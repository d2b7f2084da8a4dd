// The helper of bench/kill-save.sh, which kills it at random moments:
//   tagora_kill_save make DIR          DIR/old.dat and DIR/new.dat, two different 300-card books
//   tagora_kill_save loop BOOK A B     saves A's bytes, then B's, then A's... over BOOK until
//   killed tagora_kill_save save BOOK A       saves A's bytes over BOOK once tagora_kill_save
//   loopset BOOK A B  as loop, over the pair BOOK and BOOK-2 (as a 600-card
//                                      import writes them), both with the same bytes
//   tagora_kill_save saveset BOOK A    as save, over the pair
#include "book/AddressFile.h"
#include "book/FileBytes.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "tagora_kill_save: %s\n", qPrintable(message));
    return 1;
}

// 300 cards; version tells the two books apart in every card.
book::CardList cards(int version) {
    book::CardList result;
    for (int i = 1; i <= book::BookCapacity; ++i)
        result.append({u"宛名 %1 版%2"_s.arg(i).arg(version),
                       u"東京都千代田区丸の内%1丁目"_s.arg(i), u"第%1ビル"_s.arg(version),
                       QString(), u"100-0005"_s, QString(), QString::number(i % 6)});
    return result;
}

int make(const QString& dir) {
    for (int version : {1, 2}) {
        const QString path = QDir(dir).filePath(version == 1 ? u"old.dat"_s : u"new.dat"_s);
        const book::WriteResult written = book::writeBook(path, cards(version));
        if (!written.ok())
            return failWith(written.error.describe());
    }
    return 0;
}

int save(const QString& target, const QStringList& sources, bool repeat, bool set) {
    QList<QByteArray> contents;
    for (const QString& source : sources) {
        book::ReadError error;
        const std::optional<QByteArray> bytes = book::readFileBytes(source, &error);
        if (!bytes)
            return failWith(error.describe());
        contents.append(*bytes);
    }
    for (qsizetype i = 0;; ++i) {
        const QByteArray& bytes = contents.at(i % contents.size());
        const book::WriteResult written =
            set ? book::saveFileSet(
                      {{target, bytes}, {QString(target).replace(u".dat"_s, u"-2.dat"_s), bytes}},
                      book::SaveMode::Replace)
                : book::saveFileBytes(target, bytes);
        if (!written.ok())
            return failWith(written.error.describe());
        if (!repeat)
            return 0;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == u"make"_s)
        return make(args.at(1));
    const bool set = args.value(0).endsWith(u"set"_s);
    if (args.size() == 4 && (args.at(0) == u"loop"_s || args.at(0) == u"loopset"_s))
        return save(args.at(1), args.mid(2), true, set);
    if (args.size() == 3 && (args.at(0) == u"save"_s || args.at(0) == u"saveset"_s))
        return save(args.at(1), args.mid(2), false, set);
    return failWith(u"usage: make DIR | loop[set] BOOK A B | save[set] BOOK A"_s);
}
