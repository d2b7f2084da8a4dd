#pragma once

// The whole program as a user drives it: the real windows on an X server, the
// real navigator and printer (into PDF files), the program folder in a
// temporary directory, and only the prompts answered by a script.

#include "app/WindowNavigator.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinterProvider.h"
#include "platform/QtTranslations.h"
#include "platform/RecordingHelp.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "platform/ScriptedPrintDialog.h"
#include "printing/OutputChoice.h"
#include "session/SessionState.h"
#include "support/JapaneseText.h"
#include "support/PdfText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace e2e {

// The sheet as a ruler measures it, in points from the paper's corner: the postal line of the
// top-left label starts 1500 twips right of and 1200 below the page origin, 240 twips inside
// the corner; the right column starts 6450 twips in and the rows are 2390 apart.
constexpr double LeftPt = 1740 / 20.0, RightPt = 6690 / 20.0, TopPt = 1440 / 20.0,
                 PitchPt = 2390 / 20.0;
constexpr double PointsPerMm = 72.0 / 25.4;
inline const QString SampleBook = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
inline const QRectF WholePage(0, 0, 1000, 1000);

// Where the postal line of the i-th entry (from 0) of a job from startLabel
// starts (a point box), its page, and its label's cell (a long name may start left of it).
struct LabelPlace {
    int page;
    QRectF start, cell;
};
inline LabelPlace placeOfEntry(int entry, int startLabel) {
    const int slot = startLabel - 1 + entry, label = slot % 12 + 1; // slot over all sheets
    const double x = label % 2 == 1 ? LeftPt : RightPt, y = TopPt + ((label + 1) / 2 - 1) * PitchPt;
    return {slot / 12 + 1, {x - 1, y - 1, 2, 2}, {x - 50, y - 1, RightPt - LeftPt + 50, PitchPt}};
}

template <typename T> T* control(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// Clicks an enabled, visible button of the window; false when there is none.
inline bool click(QWidget* window, const QString& name) {
    auto* button = control<QAbstractButton>(window, name);
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Types into each visible line edit in turn, a key press per character (as an input method
// hands kana and kanji over); the first control that did not take its text, or empty.
inline QString type(QWidget* window, const QList<std::pair<QString, QString>>& fields) {
    for (const auto& [name, text] : fields) {
        auto* edit = control<QLineEdit>(window, name);
        for (QChar c : edit && edit->isVisible() && edit->isEnabled() ? text : QString()) {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        if (!edit || edit->text() != text)
            return name;
    }
    return {};
}

// Types text at the end of what a line edit holds; false when it did not take it.
inline bool append(QWidget* window, const QString& name, const QString& text) {
    auto* edit = control<QLineEdit>(window, name);
    if (!edit || !edit->isVisible() || !edit->isEnabled())
        return false;
    const QString expected = edit->text() + text;
    edit->end(false);
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return edit->text() == expected;
}

// Picks entry `index` of the honorific list with the arrow keys; its text.
inline QString chooseHonorific(QWidget* window, int index) {
    auto* honorific = control<QComboBox>(window, u"Combo1"_s);
    for (int i = 0; honorific && i < index; ++i)
        QTest::keyClick(honorific, Qt::Key_Down);
    return honorific ? honorific->currentText() : QString();
}

// Whether a word reading as text stands on page with its top-left corner in
// area. The PDF's text gives some kanji of the Mincho face as look-alike
// radicals that NFKC leaves alone (長 comes back as U+2ED1); they count as the kanji.
inline bool wordIn(const pdftext::Document& document, const QString& text, int page,
                   const QRectF& area) {
    const auto folded = [](QString t) {
        static const QString radicals = u"⻑⻘⻄⻝⻩⻤⻫⻭⻯⻲"_s,
                             kanji = u"長青西食黄鬼斉歯竜亀"_s;
        t = t.normalized(QString::NormalizationForm_KC);
        for (qsizetype i = 0; i < radicals.size(); ++i)
            t.replace(radicals[i], kanji[i]);
        return t;
    };
    return std::any_of(document.words.begin(), document.words.end(), [&](const pdftext::Word& w) {
        return w.page == page && area.contains(w.xMin, w.yMin) && folded(w.text) == folded(text);
    });
}

// The single-digit words of one page, left to right, in the top quarter of
// the card, where the code boxes sit.
inline QString boxDigits(const pdftext::Document& document, int page) {
    QMap<double, QString> digits; // by left edge
    for (const pdftext::Word& w : document.words)
        if (w.page == page && w.text.size() == 1 && w.text[0].isDigit() &&
            w.yMin < 148 * PointsPerMm / 4)
            digits.insert(w.xMin, w.text);
    return QStringList(digits.values()).join(QString());
}

// Keeps a picture of the window in TAGORA_SCREENSHOT_DIR for people to look
// at; false when there is no window.
inline bool screenshot(QWidget* window, const QString& name) {
    QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
    QCoreApplication::processEvents();
    return window &&
           window->grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/") + name + u".png"_s);
}

// Selects rows of the address list as a user does (a click on the first,
// Ctrl+click on the others) and adds them; false unless the count shows them.
inline bool addToPrintList(QWidget* start, const QList<int>& rows) {
    auto* list = control<QListWidget>(start, u"lstSet1"_s);
    for (int i = 0; i < rows.size(); ++i) {
        list->scrollToItem(list->item(rows[i]));
        QTest::mouseClick(list->viewport(), Qt::LeftButton,
                          i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          list->visualItemRect(list->item(rows[i])).center());
    }
    return click(start, u"cmdAdd"_s) &&
           control<QLabel>(start, u"lblCount"_s)->text() == QString::number(rows.size());
}

// The program as `tagora --home TMP` builds it, the prompts answered by a script.
struct Program {
    QTemporaryDir home;
    platform::ScriptedMessages messages;
    platform::ScriptedFileDialogs dialogs;
    platform::RecordingHelpViewer help;
    platform::RecordingShell shell;
    platform::QtPrinterProvider printers;
    platform::ScriptedPrintDialog printDialog;
    platform::Platform services{messages, dialogs, help, shell, printers, printDialog};
    session::SessionState state;
    app::WindowNavigator navigator{state, services};

    Program() {
        home.setAutoRemove(!qEnvironmentVariableIsSet("TAGORA_KEEP_E2E")); // to look at the PDFs
        platform::ProgramFolder::choose(home.path());
        // With a system printer installed the job would go to it; these runs
        // always print to a file, as the 出力先 menu lets the user choose.
        printing::outputChoiceForThisRun() = {};
        if (!printers.defaultPrinterName().isEmpty())
            printing::outputChoiceForThisRun().mode = printing::OutputChoice::Mode::PdfFile;
        navigator.showStart();
    }
    ~Program() {
        delete navigator.current();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return home.filePath(name); }
    QString samplePath() const { return path(u"sample.dat"_s); }

    // The window in use once the hand-over has settled, or null when it is not name.
    QWidget* windowNamed(const QString& name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* current = navigator.current();
        return current && current->objectName() == name && QTest::qWaitForWindowExposed(current)
                   ? current
                   : nullptr;
    }

    book::CardList sample; // the sample book's cards, once opened

    // The start window after its open button read a copy of the sample book.
    QWidget* openSample() {
        const book::LoadResult loaded = QFile::copy(SampleBook, samplePath())
                                            ? book::loadBook(samplePath())
                                            : book::LoadResult{};
        sample = loaded.cards;
        QWidget* start = windowNamed(u"frmStart"_s);
        dialogs.answer(samplePath());
        return loaded.ok() && click(start, u"cmdOpen"_s) ? start : nullptr;
    }

    // The print screen's job into the PDF file name, read back; not ok on a failure.
    pdftext::Document print(QWidget* screen, const QString& name) {
        dialogs.answer(path(name));
        const bool printed = click(screen, u"cmdPrint"_s) &&
                             messages.texts().filter(u"印刷できませんでした"_s).isEmpty();
        return printed ? pdftext::read(path(name)) : pdftext::Document{};
    }

    // Clicks button of from; the window name it hands over to, or null.
    QWidget* clickTo(QWidget* from, const QString& button, const QString& name) {
        return click(from, button) ? windowNamed(name) : nullptr;
    }
};

} // namespace e2e

// Without an X server the run is reported to CTest as skipped, not passed.
#define TAGORA_E2E_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsSet("TAGORA_NO_XVFB")) {                                         \
            std::puts("SKIP: xvfb-run is not installed: the windows need a real X server");        \
            return 77;                                                                             \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
