#include "app/CodeCheckReport.h"

#include "zip/CodeCheck.h"

using namespace Qt::StringLiterals;

namespace app {

QStringList codeMismatchLines(const book::CardList& cards, const zip::ZipDirectory& directory,
                              int firstNumber) {
    QStringList lines;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const book::AddressCard& card = cards.at(i);
        const zip::CodeCheck check =
            zip::checkCode(card.postalCode, card.address1 + card.address2, directory);
        if (check.outcome == zip::CodeCheck::Outcome::Mismatch)
            lines << u"%1 %2: %3"_s.arg(QString::number(firstNumber + i), card.name, check.message);
    }
    return lines;
}

} // namespace app
