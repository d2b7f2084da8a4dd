#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

// What a user reads in the windows is Japanese. A few words stay as they
// are: captions the windows have always had, and names a Japanese user
// reads in Latin letters (file types, fonts, paper sizes, file names).
namespace japanesetext {

inline const QSet<QString>& allowedWords() {
    static const QSet<QString> words{
        // captions and titles the windows have always had
        QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Code"),
        QStringLiteral("Font"), QStringLiteral("Tagora"), QStringLiteral("Ver"),
        QStringLiteral("Copyright"), QStringLiteral("Book"), QStringLiteral("Database"),
        // names of formats, fonts, papers, programs and files
        QStringLiteral("PDF"), QStringLiteral("CSV"), QStringLiteral("vCard"),
        QStringLiteral("OCR-B"), QStringLiteral("A4"), QStringLiteral("UTF-8"),
        QStringLiteral("Shift-JIS"), QStringLiteral("mm"), QStringLiteral("dat"),
        QStringLiteral("csv"), QStringLiteral("vcf"), QStringLiteral("pdf"),
        QStringLiteral("Sender.dat"), QStringLiteral("Tagora.dat")};
    return words;
}

// The words of text in Latin letters that are not allowed ("Print", "Cancel" is allowed).
inline QStringList englishWords(const QString& text) {
    static const QRegularExpression word(
        QStringLiteral("[A-Za-z][A-Za-z0-9]*(?:[.\\-][A-Za-z0-9]+)*"));
    // A file's path, a web or mail address: names, not words to translate.
    static const QRegularExpression path(
        QStringLiteral("https?://\\S+|[\\w.]+@[\\w.]+|(?:[A-Za-z]:)?[/\\\\][^\\s「」（）]*"));
    QStringList found;
    for (auto it = word.globalMatch(QString(text).remove(path)); it.hasNext();) {
        const QString w = it.next().captured();
        // One letter is a mark (X and Y offsets), not a word; a file's name is the user's.
        static const QRegularExpression fileName(
            QStringLiteral("\\.(dat|csv|vcf|pdf|ini|opt|xml)$"));
        if (w.size() > 1 && !allowedWords().contains(w) && !fileName.match(w).hasMatch())
            found << w;
    }
    return found;
}

// Every text a user can read on the window: its title, captions, labels,
// tool tips, menu commands, list choices and column headings.
inline QStringList visibleTexts(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<const QWidget*> widgets{window};
    for (const QWidget* child : window->findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* w : widgets) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* combo = qobject_cast<const QComboBox*>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* table = qobject_cast<const QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                texts << (table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text()
                                                         : QString());
    }
    for (const QAction* action : window->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// "text: word, word" for each text with English words in it.
inline QStringList englishIn(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts)
        if (const QStringList words = englishWords(text); !words.isEmpty())
            found << text + QStringLiteral(": ") + words.join(QStringLiteral(", "));
    return found;
}

} // namespace japanesetext
