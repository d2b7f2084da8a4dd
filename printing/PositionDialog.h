#pragma once

// The print-position dialog, for one medium: a marker moved in millimetre
// steps over a drawing of the medium, saved to the medium's offsets file.
// The label sheet (frmPriloc) and postcard (frmPriloc1) dialogs are this
// dialog with their own drawing and file.
//
// Command1..4      ＜ ＞ ∧ ∨: one step (20 twips on the dialog, 1 mm on paper)
// Command5         OK: write the file and hand the mm values to the print screen
// Label1, lblXscale, Label3   "X 位置（横）", X in mm, "mm"
// Label2, lblYscale, Label4   "Ｙ位置（縦）", Y in mm, "mm"
// txtXpoint, txtYpoint, txtOpt  the file's three fields as text
// xOffsetBox, yOffsetBox  the X and Y offsets typed in mm, in step with the marker
// alignmentButton  位置合わせ用紙を印刷: rulers and crosses to read the offsets off

#include "platform/Paper.h"
#include "printing/PositionMarker.h"
#include "ui/AppContext.h"

#include <QWidget>

#include <functional>

class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;

namespace printing {

class PositionDialog : public QWidget {
    Q_OBJECT

public:
    // The three fields held by the dialog.
    QString txtXpoint, txtYpoint, txtOpt;

    // The paper the alignment page is printed on (A4 until set).
    void setAlignmentPaper(const platform::PageFormat& paper) { m_alignmentPaper = paper; }

protected:
    // onAccepted receives the trims when OK saved the file.
    PositionDialog(ui::AppContext& context, const QString& offsetsPath,
                   std::function<void(const Trims& trims)> onAccepted, QWidget* parent);

    // Puts the drawing of the medium left of the buttons, reads the file and
    // shows the marker; placeMarker moves the marker picture to a stored
    // position (twips). Called once, by the dialog of each medium.
    void showDrawing(QWidget* drawing, std::function<void(const QPoint& markerTwips)> placeMarker);
    // Before showDrawing(): the trims are read and kept for this printer
    // queue and medium as well (in the trims file beside the offsets file),
    // so that each printer keeps its own. An empty printer keeps only the file.
    void keepPerPrinter(const QString& printer, const QString& medium);

private:
    void SetOpt(const MarkerPosition& position);
    MarkerPosition GetOpt() const;
    void showMarker();
    void step(MarkerDirection direction);
    void takeTypedOffsets();
    void printAlignmentPage();
    void accept();

    ui::AppContext& m_context;
    QString m_path;
    QString m_printer;
    QString m_medium;
    std::function<void(const Trims&)> m_onAccepted;
    std::function<void(const QPoint&)> m_placeMarker;
    platform::PageFormat m_alignmentPaper;
    QHBoxLayout* m_layout = nullptr;
    QLabel* lblXscale = nullptr;
    QLabel* lblYscale = nullptr;
    QDoubleSpinBox* xOffsetBox = nullptr;
    QDoubleSpinBox* yOffsetBox = nullptr;
};

} // namespace printing
