#pragma once

// The version box.
//   lblApplication  the product's name
//   lblHeading      the publisher's banner line
//   lblVer          the version
//   lblCopyright    copyright, contact mail and web address
//   cmdOK           closes the box

#include <QDialog>

class QLabel;
class QPushButton;

namespace about {

class About : public QDialog {
    Q_OBJECT
public:
    // The box with its placeholders, centred on the screen.
    explicit About(QWidget* parent = nullptr);

    // Caption of lblApplication.
    void setApplication(const QString& text);
    // Caption of lblHeading.
    void setHeading(const QString& text);
    // Caption of lblCopyright (several lines).
    void setCopyright(const QString& text);
    // Caption of lblVer.
    void setVersion(const QString& text);
    // Shows the box modally until cmdOK or the close box.
    void Display();

    // The version box as the help menu's command fills it, modal over owner.
    static void showVersion(QWidget* owner);
    // The same box filled in, not yet shown (for showVersion and tests).
    static About* filled(QWidget* owner);

private:
    QLabel* lblApplication = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblVer = nullptr;
    QLabel* lblCopyright = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace about
