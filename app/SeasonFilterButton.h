#pragma once

#include <QPushButton>
#include <QStringList>

#include <functional>

class QMenu;

namespace app {

// 記録から選択 on the start window: a button whose menu lists the season's
// choices (the filters, then the groups), read afresh each time it opens.
class SeasonFilterButton : public QPushButton {
    Q_OBJECT

  public:
    SeasonFilterButton(std::function<QStringList()> choices, QWidget* parent = nullptr);

  signals:
    void chosen(const QString& choice);

  private:
    void fillMenu();

    std::function<QStringList()> m_choices;
    QMenu* m_menu;
};

} // namespace app
