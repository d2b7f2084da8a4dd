// Book work for the benchmarks, one job per process so that the whole
// process's time and peak memory can be measured from outside:
//   tagora_book_bench generate SAMPLE OUT COUNT   a book of COUNT cards made from SAMPLE's
//   tagora_book_bench loadsave IN OUT             load IN and write its cards to OUT
//   tagora_book_bench widen IN OUT BYTES [bad]    IN's cards, address 3 filled out to about
//                                                 BYTES in all; with bad, the last card's
//                                                 honorific is the byte 0xFF (undefined)
#include "book/AddressFile.h"
#include "book/FileBytes.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "tagora_book_bench: %s\n", qPrintable(message));
    return 1;
}

// Repeats the sample's cards, each copy's names numbered, up to count cards.
int generate(const QString& samplePath, const QString& outPath, int count) {
    const book::LoadResult sample = book::loadBook(samplePath);
    if (!sample.ok())
        return failWith(sample.error.describe());
    if (sample.cards.isEmpty() || count < 0 || count > book::BookCapacity)
        return failWith(u"need a non-empty sample and 0 to %1 cards"_s.arg(book::BookCapacity));
    book::CardList cards;
    for (int i = 0; i < count; ++i) {
        book::AddressCard card = sample.cards.at(i % sample.cards.size());
        if (i >= sample.cards.size())
            card.name += u"　"_s + QString::number(i / sample.cards.size() + 1);
        cards.append(card);
    }
    const book::WriteResult written = book::writeBook(outPath, cards);
    return written.ok() ? 0 : failWith(written.error.describe());
}

int loadAndSave(const QString& inPath, const QString& outPath) {
    const book::LoadResult loaded = book::loadBook(inPath);
    if (!loaded.ok())
        return failWith(loaded.error.describe());
    const book::WriteResult written = book::writeBook(outPath, loaded.cards);
    if (!written.ok())
        return failWith(written.error.describe());
    std::printf("%d cards\n", int(loaded.cards.size()));
    return 0;
}

int widen(const QString& inPath, const QString& outPath, qint64 size, bool bad) {
    const book::LoadResult loaded = book::loadBook(inPath);
    if (!loaded.ok())
        return failWith(loaded.error.describe());
    if (loaded.cards.isEmpty())
        return failWith(u"need a non-empty book"_s);
    book::CardList cards = loaded.cards;
    // Two bytes a character: the address lines are kanji and kana.
    const qsizetype characters = qsizetype(size / cards.size() / 2);
    for (book::AddressCard& card : cards) {
        const QString pattern = card.address1 + card.name;
        card.address3 = pattern.repeated(characters / pattern.size() + 1).left(characters);
    }
    book::WriteError error;
    std::optional<QByteArray> bytes = book::formatBook(cards, &error);
    if (!bytes)
        return failWith(error.describe());
    if (bad)
        (*bytes)[bytes->size() - 4] = char(0xff); // the honorific digit before "\"\r\n"
    const book::WriteResult written = book::saveFileBytes(outPath, *bytes);
    return written.ok() ? 0 : failWith(written.error.describe());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 4 && args.at(0) == u"generate"_s)
        return generate(args.at(1), args.at(2), args.at(3).toInt());
    if (args.size() == 3 && args.at(0) == u"loadsave"_s)
        return loadAndSave(args.at(1), args.at(2));
    if ((args.size() == 4 || (args.size() == 5 && args.at(4) == u"bad"_s)) &&
        args.at(0) == u"widen"_s)
        return widen(args.at(1), args.at(2), args.at(3).toLongLong(), args.size() == 5);
    return failWith(
        u"usage: generate SAMPLE OUT COUNT | loadsave IN OUT | widen IN OUT BYTES [bad]"_s);
}
