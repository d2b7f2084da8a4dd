#include "about/About.h"

#include "about/VersionInfo.h"
#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace about {

About::About(QWidget* parent) : QDialog(parent) {
    setObjectName(u"About"_s);
    setWindowTitle(u"ﾊﾞｰｼﾞｮﾝ情報"_s);
    setModal(true);

    lblApplication = ui::named(new QLabel(this), u"lblApplication"_s);
    QFont title = lblApplication->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    lblApplication->setFont(title);
    lblHeading = ui::named(new QLabel(this), u"lblHeading"_s);
    lblVer = ui::named(new QLabel(this), u"lblVer"_s);
    lblCopyright = ui::named(new QLabel(this), u"lblCopyright"_s);
    lblCopyright->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK = ui::named(new QPushButton(u"OK"_s, this), u"cmdOK"_s);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblApplication);
    layout->addWidget(lblHeading);
    layout->addWidget(lblVer);
    layout->addSpacing(12);
    layout->addWidget(lblCopyright);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    lblApplication->setText(u"- Heading -"_s);
    lblHeading->setText(u"- Heading -"_s);
    lblCopyright->setText(u"- Copyright -"_s);
    resize(420, 240);
    ui::centreOnScreen(this);
}

void About::setApplication(const QString& text) {
    lblApplication->setText(text);
}

void About::setHeading(const QString& text) {
    lblHeading->setText(text);
}

void About::setCopyright(const QString& text) {
    lblCopyright->setText(text);
}

void About::setVersion(const QString& text) {
    lblVer->setText(text);
}

void About::Display() {
    exec();
}

About* About::filled(QWidget* owner) {
    auto* box = new About(owner);
    box->setApplication(productTitle());
    box->setVersion(versionText());
    box->setHeading(bannerLine());
    box->setCopyright(copyrightText());
    return box;
}

void About::showVersion(QWidget* owner) {
    QPointer<About> box = filled(owner);
    box->Display();
    delete box;
}

} // namespace about
