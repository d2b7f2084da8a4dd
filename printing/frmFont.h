#pragma once

// The font chooser: the printer's faces, a sample, and the choice handed back
// to the screen that opened it.
//
// List1     the faces the printer offers, vertical ("@") faces left out
// lblNameF  the face picked with a double-click
// lblDemo   the sample, shown in that face by cmdApl (表示)
// cmdOk     hands the face over; Command1 help; Command2 キャンセル
// Timer1    starts loading the list once the window shows (1 ms)

#include "ui/AppContext.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace printing {

class frmFont : public QWidget {
    Q_OBJECT

public:
    // onChosen receives the face the user confirmed with OK.
    frmFont(ui::AppContext& context, std::function<void(const QString& face)> onChosen,
            QWidget* parent = nullptr);

    // Fills List1 from the printer's faces, the caption counting them.
    void SetFont();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pickFont(QListWidgetItem* item);
    void showSample();
    void accept();
    void showHelp();

    ui::AppContext& m_context;
    std::function<void(const QString&)> m_onChosen;
    QListWidget* List1 = nullptr;
    QLabel* lblNameF = nullptr;
    QLabel* lblDemo = nullptr;
    QPushButton* cmdApl = nullptr;
    QPushButton* cmdOk = nullptr;
    QTimer* Timer1 = nullptr;
    bool m_loaded = false;
};

} // namespace printing
