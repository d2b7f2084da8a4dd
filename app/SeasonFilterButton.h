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
    // unmatched gives the number of records no card matches: the menu then
    // ends in 記録の照合.
    SeasonFilterButton(std::function<QStringList()> choices, std::function<int()> unmatched,
                       QWidget* parent = nullptr);

signals:
    void chosen(const QString& choice);
    void matchingRequested();

private:
    void fillMenu();

    std::function<QStringList()> m_choices;
    std::function<int()> m_unmatched;
    QMenu* m_menu;
};

} // namespace app
