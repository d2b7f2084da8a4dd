#pragma once

// The postcard screen's picture of the card with one entry on it, each text
// where a job prints it and in its face and size.
//
// picCard       the blank card with its red code boxes (this widget)
// lblZipb(0-6)  the seven code boxes' digits, in the code face
// lblName, lblAdd1-3, lblCode  name with honorific, address lines, code, in the text face

#include "book/AddressCard.h"
#include "postcard/PostcardChoices.h"
#include "postcard/ZipBoxSplit.h"

#include <QLabel>

#include <array>
#include <optional>

namespace postcard {

class CardPreview : public QLabel {
    Q_OBJECT

public:
    explicit CardPreview(QWidget* parent = nullptr);

    // The entry's name, address and code lines in textFace, written across
    // or in columns as a job prints them, with the sender when given.
    void showEntry(const book::AddressCard& entry, const QString& textFace,
                   Writing writing = Writing::Horizontal,
                   const std::optional<book::AddressCard>& sender = std::nullopt);
    // The seven boxes' digits in codeFace; an empty box shows nothing.
    void showCode(const ZipBoxes& boxes, const QString& codeFace);

private:
    std::array<QLabel*, ZipBoxCount> lblZipb{};
    QLabel* lblName = nullptr;
    QLabel* lblAdd1 = nullptr;
    QLabel* lblAdd2 = nullptr;
    QLabel* lblAdd3 = nullptr;
    QLabel* lblCode = nullptr;
};

} // namespace postcard
