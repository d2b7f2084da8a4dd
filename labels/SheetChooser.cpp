#include "labels/SheetChooser.h"

#include "labels/SheetEditor.h"
#include "labels/SheetSearch.h"
#include "labels/SheetTestPage.h"
#include "labels/UserSheets.h"
#include "platform/FileDialogs.h"
#include "ui/Named.h"
#include "ui/ToolWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The list holds each sheet's place in the library.
constexpr int SheetIndexRole = Qt::UserRole;
// Sheets suggested when a search finds none.
constexpr int NearestShown = 5;
const QSize IconSize(36, 48);

constexpr char16_t SheetsFileFilter[] = u"ラベル用紙ファイル (XML)|*.xml|すべてのファイル|*";

// Descriptions in the library are English ("Rectangular labels"): only the
// user's own words are worth showing.
bool worthShowing(const QString& description) {
    for (const QChar c : description)
        if (c.unicode() > 0x7f)
            return true;
    return false;
}

} // namespace

SheetChooser::SheetChooser(ui::AppContext& context, SheetLibrary& library,
                           const SheetTemplate& current,
                           std::function<void(const SheetTemplate& sheet)> onChosen,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_library(library),
      m_onChosen(std::move(onChosen)), m_currentName(current.name()) {
    setObjectName(u"SheetChooser"_s);
    setWindowTitle(u"用紙"_s);
    auto* columns = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    searchEdit = ui::named(new QLineEdit(this), u"txtSearch"_s);
    searchEdit->setPlaceholderText(u"メーカー・品番・面数 (12面)・大きさ (86.4×42.3)・用紙 (A4)"_s);
    searchEdit->setClearButtonEnabled(true);
    foundLabel = ui::named(new QLabel(this), u"lblFound"_s);
    foundLabel->setWordWrap(true);
    sheetList = ui::named(new QListWidget(this), u"lstSheets"_s);
    sheetList->setMinimumSize(440, 360);
    sheetList->setIconSize(IconSize);
    sheetList->setUniformItemSizes(true);
    libraryLabel = ui::named(new QLabel(this), u"lblLibrary"_s);
    libraryLabel->setWordWrap(true);
    left->addWidget(searchEdit);
    left->addWidget(foundLabel);
    left->addWidget(sheetList, 1);
    left->addWidget(libraryLabel);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    sheetPicture = ui::named(new SheetPicture(this), u"picSheet"_s);
    sheetPicture->setMinimumSize(220, 300);
    detailsLabel = ui::named(new QLabel(this), u"lblSheet"_s);
    detailsLabel->setWordWrap(true);
    detailsLabel->setMaximumWidth(260);
    auto* own = new QGridLayout;
    newSheetButton = ui::named(new QPushButton(u"自分の用紙を作る…"_s, this), u"newSheetButton"_s);
    editSheetButton = ui::named(new QPushButton(u"変更…"_s, this), u"editSheetButton"_s);
    deleteSheetButton = ui::named(new QPushButton(u"削除"_s, this), u"deleteSheetButton"_s);
    importButton = ui::named(new QPushButton(u"読み込み…"_s, this), u"importButton"_s);
    exportButton = ui::named(new QPushButton(u"書き出し…"_s, this), u"exportButton"_s);
    testPageButton = ui::named(new QPushButton(u"試し印刷…"_s, this), u"testPageButton"_s);
    own->addWidget(newSheetButton, 0, 0, 1, 2);
    own->addWidget(editSheetButton, 1, 0);
    own->addWidget(deleteSheetButton, 1, 1);
    own->addWidget(importButton, 2, 0);
    own->addWidget(exportButton, 2, 1);
    own->addWidget(testPageButton, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    okButton = ui::named(new QPushButton(u"OK"_s, this), u"cmdSheetOk"_s);
    cancelButton = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdSheetCancel"_s);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    right->addWidget(sheetPicture);
    right->addWidget(detailsLabel);
    right->addStretch(1);
    right->addLayout(own);
    right->addSpacing(12);
    right->addLayout(buttons);
    columns->addLayout(right);

    connect(searchEdit, &QLineEdit::textChanged, this, &SheetChooser::showFound);
    connect(sheetList, &QListWidget::currentRowChanged, this, &SheetChooser::showHighlighted);
    connect(sheetList, &QListWidget::itemDoubleClicked, this, &SheetChooser::takeSheet);
    connect(okButton, &QPushButton::clicked, this, &SheetChooser::takeSheet);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(newSheetButton, &QPushButton::clicked, this, [this] { openEditor(false); });
    connect(editSheetButton, &QPushButton::clicked, this, [this] { openEditor(true); });
    connect(deleteSheetButton, &QPushButton::clicked, this, &SheetChooser::deleteSheet);
    connect(importButton, &QPushButton::clicked, this, &SheetChooser::importSheets);
    connect(exportButton, &QPushButton::clicked, this, &SheetChooser::exportSheets);
    connect(testPageButton, &QPushButton::clicked, this, [this] {
        if (const SheetTemplate* sheet = highlighted())
            printSheetTestPage(m_context.platform, m_context.state.book.path(), *sheet);
    });
    libraryLabel->setText(libraryNote(library));
    showFound();
}

QString SheetChooser::libraryNote(SheetLibrary& library) {
    QString note;
    if (!library.libraryFound())
        note = u"ラベル用紙ライブラリ (glabels-data) がインストールされていません。標準の用紙と "
               u"自分の用紙だけを選べます。"_s;
    else
        note = QString::number(library.sheets().size()) + u" 種類の用紙"_s;
    for (const QString& problem : library.userProblems())
        note += u"\n自分の用紙のファイルを読めません: "_s + problem;
    return note;
}

QString SheetChooser::sheetDetails(const SheetTemplate& sheet) {
    const QList<QPoint> places = sheet.gridPlaces();
    int columns = 0, rows = 0;
    for (const QPoint& place : places) {
        columns = std::max(columns, place.x() + 1);
        rows = std::max(rows, place.y() + 1);
    }
    QString text = makerName(sheet.brand) + u' ' + sheet.part + u'\n' +
                   japanesePaperName(sheet.paper) + u"　"_s + QString::number(sheet.labelCount()) +
                   u"面 ("_s + QString::number(columns) + u" 列 × "_s + QString::number(rows) +
                   u" 行)\nラベル "_s + millimetreNumber(sheet.labelWidthMm) + u" × "_s +
                   millimetreNumber(sheet.labelHeightMm) + u"\u00a0mm"_s;
    // No-break spaces keep a figure and its unit on one line of the narrow panel.
    if (sheet.cornerRadiusMm > 0)
        text += u"、角の丸み\u00a0"_s + millimetreNumber(sheet.cornerRadiusMm) + u"\u00a0mm"_s;
    if (worthShowing(sheet.description))
        text += u'\n' + sheet.description;
    if (!sheet.fault.isEmpty())
        text += u"\n\nこの用紙には印刷できません。\n"_s + sheet.fault;
    return text;
}

bool SheetChooser::isUsers(const SheetTemplate& sheet) const {
    return !sheet.source.isEmpty() && sheet.source == m_library.userFile();
}

const SheetTemplate* SheetChooser::highlighted() const {
    const QListWidgetItem* item = sheetList->currentItem();
    if (!item)
        return nullptr;
    return &m_library.sheets()[item->data(SheetIndexRole).toInt()];
}

QIcon SheetChooser::iconOf(int index) {
    auto found = m_icons.constFind(index);
    if (found == m_icons.constEnd())
        found = m_icons.insert(index,
                               QIcon(SheetPicture::thumbnail(m_library.sheets()[index], IconSize)));
    return *found;
}

void SheetChooser::showFound() {
    const QList<SheetTemplate>& all = m_library.sheets();
    const QString typed = searchEdit->text();
    QList<const SheetTemplate*> found = m_library.search(typed);
    if (found.isEmpty()) {
        found = m_library.nearest(typed, NearestShown);
        foundLabel->setText(u"「"_s + typed.trimmed() + u"」に合う用紙はありません。近い用紙:"_s);
    } else {
        foundLabel->setText(QString::number(found.size()) + u" 種類"_s);
    }
    sheetList->clear();
    int currentRow = 0;
    for (const SheetTemplate* sheet : found) {
        const int index = int(sheet - all.data());
        QString line = sheetListLine(*sheet);
        if (!sheet->fault.isEmpty())
            line += u"　（印刷できません）"_s;
        auto* item = new QListWidgetItem(iconOf(index), line, sheetList);
        item->setData(SheetIndexRole, index);
        if (!sheet->fault.isEmpty())
            item->setForeground(Qt::gray);
        if (sheet->name() == m_currentName)
            currentRow = sheetList->count() - 1;
    }
    sheetList->setCurrentRow(sheetList->count() > 0 ? currentRow : -1);
    showHighlighted();
}

void SheetChooser::showHighlighted() {
    const SheetTemplate* sheet = highlighted();
    okButton->setEnabled(sheet && sheet->fault.isEmpty());
    editSheetButton->setEnabled(sheet && isUsers(*sheet));
    deleteSheetButton->setEnabled(sheet && isUsers(*sheet));
    testPageButton->setEnabled(sheet && sheet->fault.isEmpty());
    if (!sheet) {
        detailsLabel->clear();
        sheetPicture->clearSheet();
        return;
    }
    sheetPicture->setSheet(*sheet);
    detailsLabel->setText(sheetDetails(*sheet));
}

void SheetChooser::takeSheet() {
    const SheetTemplate* sheet = highlighted();
    if (!sheet || !sheet->fault.isEmpty())
        return;
    m_currentName = sheet->name();
    const SheetTemplate chosen = *sheet;
    close();
    m_onChosen(chosen);
}

void SheetChooser::reloadLibrary(const QString& nameToShow) {
    m_library.reload();
    m_icons.clear();
    m_currentName = nameToShow;
    libraryLabel->setText(libraryNote(m_library));
    showFound();
}

void SheetChooser::openEditor(bool editHighlighted) {
    const SheetTemplate* sheet = editHighlighted ? highlighted() : nullptr;
    if (editHighlighted && !(sheet && isUsers(*sheet)))
        return;
    ui::showToolWindow(m_editor, [&] {
        return new SheetEditor(
            m_context, m_library.userFile(), sheet,
            [this](const SheetTemplate& saved) {
                searchEdit->clear();
                reloadLibrary(saved.name());
            },
            this);
    });
}

void SheetChooser::deleteSheet() {
    const SheetTemplate* sheet = highlighted();
    if (!sheet || !isUsers(*sheet))
        return;
    const QString name = sheet->name();
    if (m_context.platform.messages.show(u"「"_s + name + u"」を削除しますか？"_s,
                                         platform::Buttons::YesNo) != platform::Answer::Yes)
        return;
    UserSheets sheets(m_library.userFile());
    SheetFileResult result = sheets.load();
    if (result.ok())
        result = sheets.remove(name);
    if (!result.ok()) {
        m_context.platform.messages.show(u"用紙を削除できませんでした。\n"_s + result.error,
                                         platform::Buttons::Ok);
        return;
    }
    reloadLibrary(m_currentName);
}

void SheetChooser::importSheets() {
    const QString path = m_context.platform.dialogs.openFile({u"用紙の読み込み"_s,
                                                              QString::fromUtf16(SheetsFileFilter),
                                                              platform::dialogStartFolder({}),
                                                              {},
                                                              false});
    if (path.isEmpty())
        return;
    UserSheets sheets(m_library.userFile());
    SheetFileResult result = sheets.load();
    if (result.ok())
        result = sheets.importFrom(path);
    if (!result.ok()) {
        m_context.platform.messages.show(u"用紙を読み込めませんでした。\n"_s + result.error,
                                         platform::Buttons::Ok);
        return;
    }
    m_context.platform.messages.show(
        QString::number(result.count) + u" 種類の用紙を読み込みました。"_s, platform::Buttons::Ok);
    reloadLibrary(m_currentName);
}

void SheetChooser::exportSheets() {
    UserSheets sheets(m_library.userFile());
    SheetFileResult result = sheets.load();
    if (result.ok() && sheets.sheets().isEmpty()) {
        m_context.platform.messages.show(u"書き出す自分の用紙がありません。"_s,
                                         platform::Buttons::Ok);
        return;
    }
    if (result.ok()) {
        const QString path = m_context.platform.dialogs.saveFile(
            {u"用紙の書き出し"_s, QString::fromUtf16(SheetsFileFilter),
             platform::dialogStartFolder({}), u"my-sheets.xml"_s, true});
        if (path.isEmpty())
            return;
        result = sheets.exportTo(path);
    }
    if (!result.ok())
        m_context.platform.messages.show(u"用紙を書き出せませんでした。\n"_s + result.error,
                                         platform::Buttons::Ok);
}

} // namespace labels
