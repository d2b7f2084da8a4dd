#pragma once

// The print-position dialog of label sheets, on the label offsets file
// "Tagora.opt" (controls in PositionDialog.h).
//
// Image1   the marker over a drawing of the sheet (MarkerCanvas); its
//          top-left is the stored position

#include "printing/MarkerCanvas.h"
#include "printing/PositionDialog.h"

namespace labels {

class frmPriloc : public printing::PositionDialog {
    Q_OBJECT

public:
    // onAccepted receives the trims when OK saved the file.
    // The trims are kept for printer (a queue name, empty: only Tagora.opt)
    // and sheet (its name).
    frmPriloc(ui::AppContext& context, std::function<void(const printing::Trims& trims)> onAccepted,
              QWidget* parent = nullptr, const QString& printer = {}, const QString& sheet = {});

private:
    printing::MarkerCanvas* Image1 = nullptr;
};

} // namespace labels
