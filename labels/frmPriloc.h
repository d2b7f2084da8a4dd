#pragma once

// The print-position dialog of label sheets: a marker moved in millimetre
// steps over a drawing of the sheet, saved to the label offsets file.
//
// Image1           the marker (drawn by MarkerCanvas); its top-left is the stored position
// Command1..4      ＜ ＞ ∧ ∨: one step (20 twips on the dialog, 1 mm on paper)
// Command5         OK: write the file and hand the mm values to the print screen
// lblXscale        X in mm; lblYscale Y in mm
// txtXpoint, txtYpoint, txtOpt  the file's three fields as text

#include "app/AppContext.h"
#include "labels/MarkerCanvas.h"
#include "labels/PositionMarker.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace labels {

class frmPriloc : public QWidget {
    Q_OBJECT

public:
    // onAccepted receives the X and Y millimetre texts when OK saved the file.
    frmPriloc(app::AppContext& context, std::function<void(const QString& xMm, const QString& yMm)> onAccepted,
              QWidget* parent = nullptr);

    // The three fields held by the dialog.
    QString txtXpoint, txtYpoint, txtOpt;

private:
    void SetOpt(const MarkerPosition& position);
    MarkerPosition GetOpt() const;
    void step(MarkerDirection direction);
    void showMarker();
    void accept();

    app::AppContext& m_context;
    std::function<void(const QString&, const QString&)> m_onAccepted;
    QString m_path;
    MarkerCanvas* Image1 = nullptr;
    QLabel* lblXscale = nullptr;
    QLabel* lblYscale = nullptr;
};

} // namespace labels
