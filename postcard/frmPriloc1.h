#pragma once

// The postcard position dialog: moves everything printed on a postcard by
// whole millimetres and keeps the setting in the program folder's
// "Tagora1.opt" (buttons and fields in printing/PositionDialog.h).
//
// Image1      the marker; its left and top follow the stored X and Y positions
// Shape1      the drawing of a postcard; Line1, Line2 the cross at the neutral position

#include "printing/PositionDialog.h"

class QFrame;
class QLabel;

namespace postcard {

class frmPriloc1 : public printing::PositionDialog {
    Q_OBJECT

public:
    // onSaved receives the trims after OK has written the file. The trims
    // are kept for printer (a queue name, empty: only Tagora1.opt) and
    // medium ("はがき", "A4", an envelope's name).
    frmPriloc1(ui::AppContext& context, std::function<void(const printing::Trims& trims)> onSaved,
               QWidget* parent = nullptr, const QString& printer = {}, const QString& medium = {});

    // The offsets file the dialog reads and writes.
    static QString offsetsPath();

private:
    QWidget* buildDrawing();

    QWidget* m_drawing = nullptr;
    QLabel* Shape1 = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QLabel* Image1 = nullptr;
};

} // namespace postcard
