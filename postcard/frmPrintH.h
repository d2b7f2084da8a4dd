#pragma once

// The postcard print screen: one entry at a time in a picture of the card,
// and the job that prints every entry on a postcard of its own.
//
// picCard       the card with the entry on it, code boxes in the code face (CardPreview.h)
// lblPP         entry number / count ("3/12"); hidden for one typed address
// cmdRew, cmdFF previous / next entry; cmdPrint the job; cmdPreview (and
//               the 印刷 menu's 印刷プレビュー) every card of it on screen; cmdCancel back;
// cmdExit       end the program; Command2 position dialog; Command4 font
//               chooser; Command3 help
// Option1, Option2  code face "ＭＳ 明朝" / "OCR-B"
// optPostcard, optA4  the paper the job is set up for
// Text1         code face; Text6 text face; Text4, Text5 X and Y trims in mm
// optHorizontal, optVertical  横書き / 縦書き, remembered in TagoraCard.ini
// chkSender     prints the sender (Sender.dat) on every card, remembered too
// lblSender     the sender; cmdSenderFromEntry takes the entry on screen,
//               cmdSenderEdit types or corrects it (frmSender)

#include "ui/AppContext.h"
#include "book/AddressCard.h"
#include "printing/PreviewPager.h"
#include "platform/Printer.h"
#include "postcard/CardPreview.h"
#include "postcard/PostcardChoices.h"
#include "postcard/PostcardJob.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace postcard {

class frmPrintH : public QWidget {
    Q_OBJECT

public:
    // entries: the print list, or the one typed address when the shared
    // state's PrintFromList is false.
    frmPrintH(ui::AppContext& context, const book::CardList& entries, QWidget* parent = nullptr);

    QString Text1;
    QString Text4;
    QString Text5;
    QString Text6;

    // The index of the entry on screen, from 0.
    int currentEntry() const { return m_preview.CurrentEntry; }
    int entryCount() const { return m_preview.EntryCount; }

public slots:
    // Shows the current entry (GetPage).
    void GetPage();
    // Refills only the seven code boxes (Rezip).
    void Rezip();
    // The face the font chooser confirmed becomes the text face of the
    // preview and of the next job.
    void applyTextFont(const QString& face);

protected:
    // The close box goes back to the start window, as 戻る does.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void nextEntry();
    void previousEntry();
    void useMinchoCodeFace();
    void useOcrBCodeFace();
    void printJob();
    void showJobPreview();
    void backToStart();
    void quitProgram();
    void openPositionDialog();
    void openFontChooser();
    void showHelp();
    void openOutputChoice();
    void chooseWriting(Writing writing);
    void chooseSenderPrinting();
    void takeEntryAsSender();
    void editSender();

private:
    void buildControls();
    void buildMenu(QMenuBar* bar);
    void showPosition();
    void saveChoices();
    void showSender();
    // What the next job prints with: the faces, paper, writing and sender
    // chosen on screen, and the trims read afresh from the offsets file.
    PostcardJobSettings jobSettings() const;

    ui::AppContext& m_context;
    book::CardList m_entries;
    printing::PreviewPager m_preview;
    QPointer<QWidget> m_positionDialog;
    QPointer<QWidget> m_fontChooser;
    PostcardChoices m_choices;
    std::optional<book::AddressCard> m_sender;

    CardPreview* m_card = nullptr;
    QLabel* lblPP = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* fraFont = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QGroupBox* fraPaper = nullptr;
    QRadioButton* optPostcard = nullptr;
    QRadioButton* optA4 = nullptr;
    QGroupBox* fraWriting = nullptr;
    QRadioButton* optHorizontal = nullptr;
    QRadioButton* optVertical = nullptr;
    QGroupBox* fraSender = nullptr;
    QCheckBox* chkSender = nullptr;
    QLabel* lblSender = nullptr;
    QPushButton* cmdSenderFromEntry = nullptr;
    QPushButton* cmdSenderEdit = nullptr;
    QPushButton* cmdRew = nullptr;
    QPushButton* cmdFF = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
    QMenu* mnuPrint = nullptr;
    QAction* mnuPreview = nullptr;
    QMenu* mnuSet = nullptr;
    QAction* mnuFont = nullptr;
    QAction* mnuLocate = nullptr;
    QAction* mnuOutput = nullptr;
};

} // namespace postcard
