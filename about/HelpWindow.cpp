#include "about/HelpWindow.h"

#include "about/HelpTopics.h"
#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace about {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(u"ヘルプ"_s);

    txtHelp = ui::named(new QTextBrowser(this), u"txtHelp"_s);
    txtHelp->setOpenExternalLinks(true);
    cmdIndex = ui::named(new QPushButton(u"目次"_s, this), u"cmdIndex"_s);
    cmdBack = ui::named(new QPushButton(u"戻る"_s, this), u"cmdBack"_s);
    cmdBack->setEnabled(false);
    cmdClose = ui::named(new QPushButton(u"閉じる"_s, this), u"cmdClose"_s);

    connect(cmdIndex, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(cmdBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::sourceChanged, this, &HelpWindow::followTitle);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdIndex);
    buttons->addWidget(cmdBack);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp);

    resize(640, 600);
    ui::centreOnScreen(this);
}

void HelpWindow::showPage(const QString& page) {
    if (txtHelp->source() == QUrl(page))
        return;
    txtHelp->setSource(QUrl(page));
}

QString HelpWindow::currentPage() const {
    return txtHelp->source().toString();
}

QString HelpWindow::pageText() const {
    return txtHelp->toPlainText();
}

void HelpWindow::showContents() {
    showPage(helpPage(platform::HelpViewer::Command::Contents, 0));
}

void HelpWindow::followTitle() {
    const QString title = txtHelp->documentTitle();
    setWindowTitle(title.isEmpty() ? u"ヘルプ"_s : u"ヘルプ - "_s + title);
}

} // namespace about
