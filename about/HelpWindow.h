#pragma once

// The help window: one page of the built-in help book at a time.
//   txtHelp   the page, with its links between topics
//   cmdIndex  目次: the contents page
//   cmdBack   戻る: the page shown before
//   cmdClose  閉じる

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace about {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page at a resource address ("qrc:/help/sheet.html").
    void showPage(const QString& page);
    // The page shown.
    QString currentPage() const;
    // The shown page's text, without markup.
    QString pageText() const;

private:
    void showContents();
    void followTitle();

    QTextBrowser* txtHelp = nullptr;
    QPushButton* cmdIndex = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace about
