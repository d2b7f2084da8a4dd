#pragma once

// The font chooser: the printer's faces, a sample, and the choice handed back
// to the screen that opened it.

#include "app/AppContext.h"

#include <QWidget>

#include <functional>

namespace labels {

class frmFont : public QWidget {
    Q_OBJECT

public:
    // onChosen receives the face the user confirmed with OK.
    frmFont(app::AppContext& context, std::function<void(const QString& face)> onChosen,
            QWidget* parent = nullptr);

private:
    app::AppContext& m_context;
    std::function<void(const QString&)> m_onChosen;
};

} // namespace labels
