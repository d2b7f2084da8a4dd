#pragma once

#include "labels/SheetTemplate.h"

#include <QList>
#include <QString>

#include <optional>

namespace labels {

// The maker's name as printed on its packages here ("ヒサゴ" for Hisago);
// the brand itself when there is none.
QString makerName(const QString& brand);
// The paper's name as a shop here labels it: "A4", "はがき".
QString japanesePaperName(SheetPaper paper);
// One line of the sheet chooser: "ヒサゴ ELM012  A4  24面  66 × 33.9 mm".
QString sheetListLine(const SheetTemplate& sheet);

// Text as the search compares it: full-width letters and digits and
// half-width katakana made ordinary (NFKC), hiragana as katakana, lower
// case, "×" and "*" as "x", hyphens dropped.
QString searchForm(const QString& text);

// What a user typed into the sheet search, read once into its terms.
class SheetQuery {
public:
    explicit SheetQuery(const QString& typed);

    bool isEmpty() const { return m_terms.isEmpty(); }
    // Whether the sheet answers every term; haystack is its
    // sheetSearchText(), kept by the caller.
    bool matches(const SheetTemplate& sheet, const QString& haystack) const;
    // How far the sheet is from what was typed: 0 when it matches, more the
    // further its count, size, paper or names are off.
    double distance(const SheetTemplate& sheet, const QString& haystack) const;

private:
    struct Term {
        enum Kind { Count, Number, Size, Paper, Word } kind = Word;
        int count = 0;
        double widthMm = 0;
        double heightMm = 0;
        SheetPaper paper = SheetPaper::A4;
        QString word;
    };

    double termDistance(const Term& term, const SheetTemplate& sheet,
                        const QString& haystack) const;

    QList<Term> m_terms;
};

// The words of a sheet the search looks through: maker in both scripts,
// part, description, papers, in search form.
QString sheetSearchText(const SheetTemplate& sheet);

// How many characters must change to turn a into b: the nearest sheets to
// a search that found nothing.
int editDistance(const QString& a, const QString& b);

} // namespace labels
