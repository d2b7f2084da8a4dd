#include "labels/frmSheet.h"

#include "ui/Named.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The list holds each sheet's place in the library.
constexpr int SheetIndexRole = Qt::UserRole;

} // namespace

frmSheet::frmSheet(SheetLibrary& library, const SheetTemplate& current,
                   std::function<void(const SheetTemplate& sheet)> onChosen, QWidget* parent)
    : QWidget(parent, Qt::Window), m_library(library), m_onChosen(std::move(onChosen)),
      m_currentName(current.name()) {
    setObjectName(u"frmSheet"_s);
    setWindowTitle(u"用紙"_s);
    auto* columns = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    txtSearch = ui::named(new QLineEdit(this), u"txtSearch"_s);
    txtSearch->setPlaceholderText(u"メーカー・品番・大きさ (66x33.9)・面数 (24)"_s);
    txtSearch->setClearButtonEnabled(true);
    lstSheets = ui::named(new QListWidget(this), u"lstSheets"_s);
    lstSheets->setMinimumSize(420, 360);
    lblLibrary = ui::named(new QLabel(libraryNote(library), this), u"lblLibrary"_s);
    lblLibrary->setWordWrap(true);
    left->addWidget(txtSearch);
    left->addWidget(lstSheets, 1);
    left->addWidget(lblLibrary);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    picSheet = ui::named(new SheetPicture(this), u"picSheet"_s);
    picSheet->setMinimumSize(220, 300);
    lblSheet = ui::named(new QLabel(this), u"lblSheet"_s);
    lblSheet->setWordWrap(true);
    lblSheet->setMaximumWidth(240);
    auto* buttons = new QHBoxLayout;
    cmdSheetOk = ui::named(new QPushButton(u"OK"_s, this), u"cmdSheetOk"_s);
    cmdSheetCancel = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdSheetCancel"_s);
    buttons->addWidget(cmdSheetOk);
    buttons->addWidget(cmdSheetCancel);
    right->addWidget(picSheet);
    right->addWidget(lblSheet);
    right->addStretch(1);
    right->addLayout(buttons);
    columns->addLayout(right);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmSheet::showFound);
    connect(lstSheets, &QListWidget::currentRowChanged, this, &frmSheet::showHighlighted);
    connect(lstSheets, &QListWidget::itemDoubleClicked, this, &frmSheet::takeSheet);
    connect(cmdSheetOk, &QPushButton::clicked, this, &frmSheet::takeSheet);
    connect(cmdSheetCancel, &QPushButton::clicked, this, &QWidget::close);
    showFound();
}

QString frmSheet::libraryNote(SheetLibrary& library) {
    QString note;
    if (!library.libraryFound())
        note = u"ラベル用紙ライブラリ (glabels-data) がインストールされていません。標準の用紙と "
               u"Tagora-sheets.xml の用紙だけを選べます。"_s;
    else
        note = QString::number(library.sheets().size()) + u" 種類の用紙"_s;
    for (const QString& problem : library.problems())
        note += u"\n読み込めないファイル: "_s + problem;
    return note;
}

const SheetTemplate* frmSheet::highlighted() const {
    const QListWidgetItem* item = lstSheets->currentItem();
    if (!item)
        return nullptr;
    return &m_library.sheets()[item->data(SheetIndexRole).toInt()];
}

void frmSheet::showFound() {
    const QList<SheetTemplate>& all = m_library.sheets();
    lstSheets->clear();
    int currentRow = 0;
    for (const SheetTemplate* sheet : m_library.search(txtSearch->text())) {
        auto* item = new QListWidgetItem(sheet->summary(), lstSheets);
        item->setData(SheetIndexRole, int(sheet - all.data()));
        if (sheet->name() == m_currentName)
            currentRow = lstSheets->count() - 1;
    }
    lstSheets->setCurrentRow(lstSheets->count() > 0 ? currentRow : -1);
    showHighlighted();
}

void frmSheet::showHighlighted() {
    const SheetTemplate* sheet = highlighted();
    cmdSheetOk->setEnabled(sheet != nullptr);
    if (!sheet) {
        lblSheet->clear();
        return;
    }
    picSheet->setSheet(*sheet);
    lblSheet->setText(sheet->summary() + (sheet->description.isEmpty() ? QString() : u"\n"_s + sheet->description));
}

void frmSheet::takeSheet() {
    const SheetTemplate* sheet = highlighted();
    if (!sheet)
        return;
    m_currentName = sheet->name();
    const SheetTemplate chosen = *sheet;
    close();
    m_onChosen(chosen);
}

} // namespace labels
