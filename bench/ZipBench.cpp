// Postal-code lookups for the benchmarks: reads the built-in postal-code
// file once, then times ROUNDS lookups of a code and of an address each.
//   tagora_zip_bench ROUNDS
// Prints the time of the first read and of one code plus one address lookup;
// exits 1 when a lookup takes 500 microseconds or more.
#include "zip/ZipDirectory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int rounds = argc == 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: tagora_zip_bench ROUNDS\n");
        return 2;
    }
    zip::ZipDirectory directory(u":/zip/zipcodes.txt"_s);
    QElapsedTimer loading;
    loading.start();
    if (!directory.ensureLoaded()) {
        std::fprintf(stderr, "tagora_zip_bench: %s\n", qPrintable(directory.error()));
        return 1;
    }
    const double loadMs = loading.nsecsElapsed() / 1e6;

    // Known codes, one with two prefectures, one unknown; addresses with and
    // without their prefecture.
    const QStringList codes{u"1000013"_s, u"4980000"_s, u"9999999"_s, u"0600000"_s, u"9071801"_s};
    const QStringList addresses{u"東京都千代田区霞が関1-2-3"_s, u"府中市府川町1"_s,
                                u"北海道札幌市中央区北一条西"_s};
    QElapsedTimer timer;
    timer.start();
    qsizetype found = 0;
    for (int i = 0; i < rounds; ++i) {
        found += directory.addressesFor(codes[i % codes.size()]).size();
        found += directory.codeForAddress(addresses[i % addresses.size()]) ? 1 : 0;
    }
    const double microseconds = timer.nsecsElapsed() / 1000.0 / rounds;
    std::printf("first read of the postal-code file: %.1f ms\n", loadMs);
    std::printf("one code and one address lookup: %.1f us (%lld places found)\n", microseconds,
                static_cast<long long>(found));
    return microseconds < 500.0 && found > rounds ? 0 : 1;
}
