#pragma once

// The print-position dialog of label sheets, on the label offsets file
// "Tagora.opt" (controls in PositionDialog.h).
//
// Image1   the marker over a drawing of the sheet (MarkerCanvas); its
//          top-left is the stored position

#include "labels/MarkerCanvas.h"
#include "labels/PositionDialog.h"

namespace labels {

class frmPriloc : public PositionDialog {
    Q_OBJECT

public:
    // onAccepted receives the X and Y millimetre texts when OK saved the file.
    frmPriloc(ui::AppContext& context, std::function<void(const QString& xMm, const QString& yMm)> onAccepted,
              QWidget* parent = nullptr);

private:
    MarkerCanvas* Image1 = nullptr;
};

} // namespace labels
