// Book work for the benchmarks, one job per process so that the whole
// process's time and peak memory can be measured from outside:
//   tagora_book_bench generate SAMPLE OUT COUNT   a book of COUNT cards made from SAMPLE's
//   tagora_book_bench loadsave IN OUT             load IN and write its cards to OUT
#include "book/AddressFile.h"

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 4 && args.at(0) == u"generate"_s)
        return generate(args.at(1), args.at(2), args.at(3).toInt());
    if (args.size() == 3 && args.at(0) == u"loadsave"_s)
        return loadAndSave(args.at(1), args.at(2));
    return failWith(u"usage: generate SAMPLE OUT COUNT | loadsave IN OUT"_s);
}
