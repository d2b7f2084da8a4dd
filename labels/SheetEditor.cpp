#include "labels/SheetEditor.h"

#include "labels/SheetSearch.h"
#include "labels/SheetTestPage.h"
#include "ui/Named.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

constexpr SheetPaper Papers[] = {SheetPaper::A4, SheetPaper::B5, SheetPaper::A5,
                                 SheetPaper::Postcard, SheetPaper::Letter};

// A field the figures were refused for.
constexpr char FaultyStyle[] = "background: #ffe0e0;";

} // namespace

SheetEditor::SheetEditor(ui::AppContext& context, const QString& sheetsFile,
                         const SheetTemplate* editing,
                         std::function<void(const SheetTemplate&)> onSaved, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_sheetsFile(sheetsFile),
      m_editingName(editing ? editing->name() : QString()), m_onSaved(std::move(onSaved)) {
    setObjectName(u"SheetEditor"_s);
    setWindowTitle(editing ? u"自分の用紙の変更"_s : u"自分の用紙"_s);

    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    // A length's row names its unit, which stays in sight once the field is filled.
    const auto edit = [&](const char16_t* name, SheetField field, const QString& hint = {}) {
        auto* line = ui::named(new QLineEdit(this), QString::fromUtf16(name));
        line->setPlaceholderText(hint);
        const bool length = hint.contains(u"mm"_s);
        form->addRow(sheetFieldName(field) + (length ? u" (mm)"_s : QString()), line);
        m_fields.insert(field, line);
        connect(line, &QLineEdit::textChanged, this, &SheetEditor::showFigures);
        return line;
    };
    makerEdit = edit(u"makerEdit", SheetField::Maker, u"ヒサゴ、エーワン…"_s);
    partEdit = edit(u"partEdit", SheetField::Part, u"パッケージの品番"_s);
    paperCombo = ui::named(new QComboBox(this), u"paperCombo"_s);
    for (SheetPaper paper : Papers)
        paperCombo->addItem(japanesePaperName(paper), int(paper));
    form->addRow(sheetFieldName(SheetField::Paper), paperCombo);
    m_fields.insert(SheetField::Paper, paperCombo);
    connect(paperCombo, &QComboBox::currentIndexChanged, this, &SheetEditor::showFigures);
    columnsEdit = edit(u"columnsEdit", SheetField::Columns, u"横に並ぶ数"_s);
    rowsEdit = edit(u"rowsEdit", SheetField::Rows, u"縦に並ぶ数"_s);
    widthEdit = edit(u"widthEdit", SheetField::LabelWidth, u"mm"_s);
    heightEdit = edit(u"heightEdit", SheetField::LabelHeight, u"mm"_s);
    topEdit = edit(u"topEdit", SheetField::TopMargin, u"用紙の上端から 1 枚目の上端まで mm"_s);
    leftEdit = edit(u"leftEdit", SheetField::LeftMargin, u"用紙の左端から 1 枚目の左端まで mm"_s);
    columnPitchEdit = edit(u"columnPitchEdit", SheetField::ColumnPitch,
                           u"左端から隣の左端まで mm (空欄: すき間なし)"_s);
    rowPitchEdit = edit(u"rowPitchEdit", SheetField::RowPitch,
                        u"上端から下の上端まで mm (空欄: すき間なし)"_s);
    radiusEdit = edit(u"radiusEdit", SheetField::CornerRadius, u"mm (空欄: 角なし)"_s);
    faultLabel = ui::named(new QLabel(this), u"faultLabel"_s);
    faultLabel->setWordWrap(true);
    faultLabel->setStyleSheet(u"color: #b00000;"_s);
    form->addRow(faultLabel);
    auto* buttons = new QHBoxLayout;
    testPageButton = ui::named(new QPushButton(u"試し印刷…"_s, this), u"testPageButton"_s);
    saveButton = ui::named(new QPushButton(u"保存"_s, this), u"saveButton"_s);
    closeButton = ui::named(new QPushButton(u"閉じる"_s, this), u"closeButton"_s);
    buttons->addWidget(testPageButton);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    form->addRow(buttons);
    columns->addLayout(form);

    picSheet = ui::named(new SheetPicture(this), u"picSheet"_s);
    picSheet->setMinimumSize(260, 360);
    columns->addWidget(picSheet, 1);

    connect(testPageButton, &QPushButton::clicked, this, &SheetEditor::printTestPage);
    connect(saveButton, &QPushButton::clicked, this, &SheetEditor::saveSheet);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    SheetDraft start = draftOfSheet(editing ? *editing : standardSheet());
    if (!editing) {
        start.maker.clear();
        start.part.clear();
    }
    setFields(start);
}

void SheetEditor::setFields(const SheetDraft& draft) {
    makerEdit->setText(draft.maker);
    partEdit->setText(draft.part);
    paperCombo->setCurrentIndex(paperCombo->findData(int(draft.paper)));
    columnsEdit->setText(draft.columns);
    rowsEdit->setText(draft.rows);
    widthEdit->setText(draft.labelWidth);
    heightEdit->setText(draft.labelHeight);
    topEdit->setText(draft.topMargin);
    leftEdit->setText(draft.leftMargin);
    columnPitchEdit->setText(draft.columnPitch);
    rowPitchEdit->setText(draft.rowPitch);
    radiusEdit->setText(draft.cornerRadius);
    showFigures();
}

SheetDraft SheetEditor::draft() const {
    SheetDraft draft;
    draft.maker = makerEdit->text();
    draft.part = partEdit->text();
    draft.paper = SheetPaper(paperCombo->currentData().toInt());
    draft.columns = columnsEdit->text();
    draft.rows = rowsEdit->text();
    draft.labelWidth = widthEdit->text();
    draft.labelHeight = heightEdit->text();
    draft.topMargin = topEdit->text();
    draft.leftMargin = leftEdit->text();
    draft.columnPitch = columnPitchEdit->text();
    draft.rowPitch = rowPitchEdit->text();
    draft.cornerRadius = radiusEdit->text();
    return draft;
}

void SheetEditor::showFigures() {
    // Called while the fields are being filled in the constructor.
    if (!radiusEdit || !saveButton)
        return;
    m_result = sheetFromDraft(draft());
    if (m_result.sheet)
        picSheet->setSheet(*m_result.sheet);
    else
        picSheet->clearSheet();
    for (auto field = m_fields.cbegin(); field != m_fields.cend(); ++field) {
        const bool faulty = m_result.fault && m_result.fault->field == field.key();
        field.value()->setStyleSheet(faulty ? QString::fromLatin1(FaultyStyle) : QString());
    }
    if (m_result.ok())
        faultLabel->setText(
            u"%1　%2面"_s.arg(m_result.sheet->name()).arg(m_result.sheet->labelCount()));
    else
        faultLabel->setText(m_result.fault->message);
    faultLabel->setStyleSheet(m_result.ok() ? QString() : u"color: #b00000;"_s);
    saveButton->setEnabled(m_result.ok());
    // A test page of labels off the paper still shows where they would go.
    testPageButton->setEnabled(m_result.sheet.has_value());
}

void SheetEditor::printTestPage() {
    if (m_result.sheet)
        printSheetTestPage(m_context.platform, m_context.state.book.path(), *m_result.sheet);
}

void SheetEditor::saveSheet() {
    if (!m_result.ok())
        return;
    UserSheets sheets(m_sheetsFile);
    SheetFileResult result = sheets.load();
    if (result.ok())
        result = sheets.save(*m_result.sheet, m_editingName);
    if (!result.ok()) {
        m_context.platform.messages.show(u"用紙を保存できませんでした。\n"_s + result.error,
                                         platform::Buttons::Ok);
        return;
    }
    m_editingName = m_result.sheet->name();
    const SheetTemplate saved = *m_result.sheet;
    close();
    m_onSaved(saved);
}

} // namespace labels
