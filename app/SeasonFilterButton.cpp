#include "app/SeasonFilterButton.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace app {

SeasonFilterButton::SeasonFilterButton(std::function<QStringList()> choices,
                                       std::function<int()> unmatched, QWidget* parent)
    : QPushButton(u"記録から選択"_s, parent), m_choices(std::move(choices)),
      m_unmatched(std::move(unmatched)), m_menu(new QMenu(this)) {
    setObjectName(u"seasonFilterButton"_s);
    setToolTip(u"年賀状の記録（今年のシーズン）から宛名を選んで、印刷リストに加えます"_s);
    m_menu->setObjectName(u"seasonFilterMenu"_s);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &SeasonFilterButton::fillMenu);
}

void SeasonFilterButton::fillMenu() {
    m_menu->clear();
    const QStringList choices = m_choices();
    for (int i = 0; i < choices.size(); ++i) {
        // The groups follow the four filters, set apart.
        if (i == 4)
            m_menu->addSeparator();
        const QString choice = choices.at(i);
        connect(m_menu->addAction(choice), &QAction::triggered, this,
                [this, choice] { emit chosen(choice); });
    }
    if (const int unmatched = m_unmatched(); unmatched > 0) {
        m_menu->addSeparator();
        connect(m_menu->addAction(u"記録の照合（%1件）..."_s.arg(unmatched)), &QAction::triggered,
                this, &SeasonFilterButton::matchingRequested);
    }
}

} // namespace app
