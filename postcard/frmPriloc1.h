#pragma once

// The postcard position dialog: moves everything printed on a postcard by
// whole millimetres and keeps the setting in the program folder's
// "Tagora1.opt".
//
// Image1      the marker; its left and top are the stored X and Y positions (twips)
// Shape1      the drawing of a postcard; Line1, Line2 the cross at the neutral position
// Command1-4  one step left, right, up, down; Command5 OK (save and close)
// lblXscale   the X trim in mm; lblYscale the Y trim in mm
// txtXpoint, txtYpoint, txtOpt  the file's three fields as text

#include "app/AppContext.h"
#include "labels/PositionMarker.h"

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace postcard {

class frmPriloc1 : public QWidget {
    Q_OBJECT

public:
    // onSaved receives the X and Y trims in mm as the screen keeps them
    // ("3", "-10"), after OK has written the file.
    frmPriloc1(app::AppContext& context, std::function<void(const QString& xMm, const QString& yMm)> onSaved,
               QWidget* parent = nullptr);

    // The offsets file the dialog reads and writes.
    static QString offsetsPath();

    QString txtXpoint;
    QString txtYpoint;
    QString txtOpt;

private slots:
    void stepLeft();
    void stepRight();
    void stepUp();
    void stepDown();
    void saveAndClose();

private:
    void buildControls();
    void setOpt(const labels::MarkerPosition& position);
    labels::MarkerPosition getOpt() const;
    void step(labels::MarkerDirection direction);
    void placeMarker();

    app::AppContext& m_context;
    std::function<void(const QString&, const QString&)> m_onSaved;

    QWidget* m_drawing = nullptr;
    QLabel* Shape1 = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblXscale = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblYscale = nullptr;
    QLabel* Label4 = nullptr;
};

} // namespace postcard
