#pragma once

// The envelope print screen: one entry at a time on a picture of the
// envelope (front, and back when it is printed), and the job that prints
// every entry on an envelope of its own.
//
// picEnvelope      the envelope with the entry on it (EnvelopePicture.h)
// sizeBox          the envelope: 長形3号 ... 洋長3号, or ユーザー定義 with
// widthBox, heightBox  the user's size in mm
// horizontalOption, verticalOption  横書き / 縦書き
// backCheck        prints the sender on a back page after each front
// seamOption, leftOption  the vertical sender either side of the seam, or on the left
// senderLabel      the sender; senderFromEntryButton takes the entry on screen,
//                  senderEditButton types or corrects it
// codeCheck        コードを印字: the free code line (shared with the other screens)
// barcodeCheck     カスタマバーコード: the customer barcode below the address
// positionLabel    entry number / count ("3/12"); hidden for one typed address
// previousButton, nextButton  previous / next entry
// printButton, previewButton, backButton, endButton  the job, its preview, 戻る, 終了
// trimButton, fontButton, outputButton, helpButton  印字位置設定, フォント選択, 出力先, ヘルプ

#include "book/AddressCard.h"
#include "envelope/EnvelopeChoices.h"
#include "envelope/EnvelopeJob.h"
#include "printing/PrintScreenCommands.h"
#include "printing/PrintScreenModel.h"
#include "printing/ScreenControls.h"
#include "ui/AppContext.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace postcard {
class SenderPanel;
}

namespace envelope {

class EnvelopePicture;

class EnvelopeScreen : public QWidget {
    Q_OBJECT

    // First, so that everything below can use it.
    printing::PrintScreenModel m_model;

public:
    // entries: the print list, or the one typed address when the shared
    // state's printFromList is false.
    EnvelopeScreen(ui::AppContext& context, const book::CardList& entries,
                   QWidget* parent = nullptr);

    int currentEntry() const { return m_model.currentEntry(); }

protected:
    // The close box goes back to the start window, as 戻る does.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void showEntry();
    void showControls();
    void takeChoices();
    void printJob();
    void showJobPreview();

private:
    void buildControls();
    void showChoices();
    EnvelopeJobSettings jobSettings() const;

    ui::AppContext& m_context;
    printing::PrintScreenCommands* m_commands = nullptr;
    EnvelopeChoices m_choices;
    // previousButton, nextButton, positionLabel, codeCheck, barcodeCheck,
    // printButton, previewButton, backButton, endButton
    printing::ScreenControls m_controls;
    postcard::SenderPanel* m_senderPanel = nullptr;

    EnvelopePicture* picEnvelope = nullptr;
    QComboBox* sizeBox = nullptr;
    QDoubleSpinBox* widthBox = nullptr;
    QDoubleSpinBox* heightBox = nullptr;
    QRadioButton* horizontalOption = nullptr;
    QRadioButton* verticalOption = nullptr;
    QGroupBox* backGroup = nullptr;
    QCheckBox* backCheck = nullptr;
    QRadioButton* seamOption = nullptr;
    QRadioButton* leftOption = nullptr;
    QPushButton* trimButton = nullptr;
    QPushButton* fontButton = nullptr;
    QPushButton* outputButton = nullptr;
    QPushButton* helpButton = nullptr;
};

} // namespace envelope
