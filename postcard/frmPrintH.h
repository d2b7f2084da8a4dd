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
// m_model       the entry on screen, the text face, the trims and 印刷's state (PrintScreenModel.h)
// mnuFont, mnuLocate  設定 menu: the font chooser and the position dialog, as Command4 and Command2
// chkPrintCode  コードを印字: the free code line is printed (remembered in TagoraPrint.ini)
// chkBarcode    カスタマバーコード: each card gets its customer barcode (this opening only)
// optHorizontal, optVertical  横書き / 縦書き, remembered in TagoraCard.ini
// chkSender     prints the sender (Sender.dat) on every card, remembered too
// lblSender     the sender; cmdSenderFromEntry takes the entry on screen,
//               cmdSenderEdit types or corrects it (SenderDialog)

#include "book/AddressCard.h"
#include "platform/Printer.h"
#include "postcard/CardPreview.h"
#include "postcard/PostcardChoices.h"
#include "postcard/PostcardJob.h"
#include "postcard/SenderPanel.h"
#include "printing/PrintScreenCommands.h"
#include "printing/PrintScreenModel.h"
#include "printing/ScreenControls.h"
#include "ui/AppContext.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace postcard {

class frmPrintH : public QWidget {
    Q_OBJECT

    // First, so that the hidden fields below can refer into it.
    printing::PrintScreenModel m_model;

public:
    // entries: the print list, or the one typed address when the shared
    // state's printFromList is false.
    frmPrintH(ui::AppContext& context, const book::CardList& entries, QWidget* parent = nullptr);

    // The hidden fields; Text6 is the model's.
    QString Text1;
    QString Text4, Text5;
    QString& Text6 = m_model.textFace;

    // The index of the entry on screen, from 0.
    int currentEntry() const { return m_model.currentEntry(); }
    int entryCount() const { return m_model.entryCount(); }

public slots:
    // Shows the current entry (GetPage).
    void GetPage();
    // Refills only the seven code boxes (Rezip).
    void Rezip();

protected:
    // The close box goes back to the start window, as 戻る does.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void useMinchoCodeFace();
    void useOcrBCodeFace();
    void printJob();
    void showJobPreview();
    void choosePaper();
    void chooseWriting(Writing writing);
    void chooseSenderPrinting();

private:
    void buildControls();
    // Sets the controls the model decides from its state.
    void showControls();
    // Shows the model's trims in Text4 and Text5.
    void showTrims();
    void saveChoices();
    // What the next job prints with: the faces, paper, writing and sender
    // chosen on screen, and the trims read afresh from the offsets file.
    PostcardJobSettings jobSettings() const;

    ui::AppContext& m_context;
    printing::PrintScreenCommands* m_commands = nullptr;
    PostcardChoices m_choices;
    printing::ScreenControls
        m_controls; // cmdRew, cmdFF, lblPP, chkPrintCode, chkBarcode, cmdPrint ... cmdExit
    SenderPanel* m_senderPanel = nullptr; // lblSender, cmdSenderFromEntry, cmdSenderEdit

    CardPreview* m_card = nullptr;
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
    QLabel* printedLine = nullptr; // after a job: what went where
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace postcard
