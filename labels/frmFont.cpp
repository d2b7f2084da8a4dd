#include "labels/frmFont.h"

namespace labels {

frmFont::frmFont(app::AppContext& context, std::function<void(const QString& face)> onChosen, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_onChosen(std::move(onChosen)) {
    setObjectName(QStringLiteral("frmFont"));
}

} // namespace labels
