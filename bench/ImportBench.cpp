// Inputs for the import benchmarks, made from a book's cards that have an
// address (import leaves out the others) so that they read like real
// contacts (names numbered so every row differs):
//   tagora_import_bench csv SAMPLE OUT ROWS    a UTF-8 CSV with a BOM and a Japanese header
//   tagora_import_bench vcf SAMPLE OUT CARDS   a phone's vCard 3.0 file, two ADR a contact
// and the time of reading such a file into cards, in the process (no book
// written, so no disk sync), the median of RUNS:
//   tagora_import_bench read FILE RUNS          prints "CARDS cards in MS ms"
#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "exchange/CsvImport.h"
#include "exchange/CsvText.h"
#include "exchange/VCardImport.h"

#include <QCoreApplication>

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "tagora_import_bench: %s\n", qPrintable(message));
    return 1;
}

QString numberedName(const book::AddressCard& card, int i) {
    return card.name + u"　"_s + QString::number(i + 1);
}

QByteArray csvRows(const book::CardList& sample, int count) {
    QString text = u"\uFEFF氏名,郵便番号,住所1,住所2,住所3,敬称,メモ\r\n"_s;
    for (int i = 0; i < count; ++i) {
        const book::AddressCard& card = sample.at(i % sample.size());
        text += QStringList{exchange::csvCell(numberedName(card, i)),
                            card.postalCode,
                            exchange::csvCell(card.address1),
                            exchange::csvCell(card.address2),
                            exchange::csvCell(card.address3),
                            u"様"_s,
                            exchange::csvCell(card.code)}
                    .join(u',') +
                u"\r\n"_s;
    }
    return text.toUtf8();
}

QByteArray vcards(const book::CardList& sample, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        const book::AddressCard& card = sample.at(i % sample.size());
        text += u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:%1;%2;;;\r\nFN:%1 %2\r\n"_s.arg(
            card.name.section(u'　', 0, 0), QString::number(i + 1));
        text += u"TEL;type=CELL:090-0000-0000\r\n"_s;
        text += u"item1.ADR;type=WORK:;;丸の内１－１;千代田区;東京都;1000005;日本\r\n"_s;
        text += u"item2.ADR;type=HOME;type=pref:;%1;%2;;%3;%4;日本\r\n"_s.arg(
            card.address3, card.address2, card.address1, card.postalCode);
        text += u"END:VCARD\r\n"_s;
    }
    return text.toUtf8();
}

// Reads the file RUNS times as the import command does and prints the median.
int timeReading(const QString& path, int runs) {
    book::ReadError error;
    const std::optional<QByteArray> bytes = book::readFileBytes(path, &error);
    if (!bytes)
        return failWith(error.describe());
    QList<qint64> times;
    qsizetype cards = 0;
    for (int i = 0; i < std::max(1, runs); ++i) {
        QElapsedTimer timer;
        timer.start();
        const exchange::ImportResult result = exchange::isVCardFile(path, *bytes)
                                                  ? exchange::readVCards(*bytes, path)
                                                  : exchange::readCsv(*bytes, path);
        times << timer.nsecsElapsed();
        cards = result.cards.size();
    }
    std::sort(times.begin(), times.end());
    std::printf("%lld cards in %.1f ms\n", static_cast<long long>(cards),
                times.at(times.size() / 2) / 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() == 4 && args.at(1) == u"read"_s)
        return timeReading(args.at(2), args.at(3).toInt());
    if (args.size() != 5 || (args.at(1) != u"csv"_s && args.at(1) != u"vcf"_s))
        return failWith(
            u"usage: tagora_import_bench csv|vcf SAMPLE OUT COUNT, or read FILE RUNS"_s);
    const book::LoadResult sample = book::loadBook(args.at(2));
    if (!sample.ok())
        return failWith(sample.error.describe());
    book::CardList addressed;
    for (const book::AddressCard& card : sample.cards)
        if (!card.address1.isEmpty() || !card.address2.isEmpty())
            addressed << card;
    if (addressed.isEmpty())
        return failWith(u"the sample has no cards with an address"_s);
    const int count = args.at(4).toInt();
    const QByteArray bytes =
        args.at(1) == u"csv"_s ? csvRows(addressed, count) : vcards(addressed, count);
    const book::WriteResult written = book::saveFileBytes(args.at(3), bytes);
    return written.ok() ? 0 : failWith(written.error.describe());
}
