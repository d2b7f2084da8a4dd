#include "app/frmVew.h"

#include "app/SeasonColumns.h"
#include "app/SheetColumns.h"
#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr int RowHeightTwips = 250;
// Room on either side of a heading's text inside its column, in pixels.
constexpr int CellMarginPixels = 4;
// Half the width of the strip on a heading border that resizes the column.
constexpr int ResizeGripPixels = 3;

Qt::Alignment alignmentOf(const SheetColumn& column) {
    return (column.alignment == ColumnAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
           Qt::AlignVCenter;
}

} // namespace

frmVew* frmVew::open(ui::AppContext& context, bool fromMenu) {
    if (context.state.cardCount() == 0) {
        context.platform.messages.show(u"表示するデータがありません。"_s, platform::Buttons::Ok);
        context.state.startWindowAway = false;
        return nullptr;
    }
    return new frmVew(context, fromMenu);
}

frmVew::frmVew(ui::AppContext& context, bool fromMenu, QWidget* parent)
    : QWidget(parent), m_context(context), m_table(context.state.cards, fromMenu) {
    setObjectName(u"frmVew"_s);
    ui::closeOnEscape(this);
    setWindowTitle(sheetTitle(m_context.state.book.shownPath()));

    cmdHelp = ui::named(new QPushButton(u"ヘルプ"_s, this), u"cmdHelp"_s);
    connect(cmdHelp, &QPushButton::clicked, this, &frmVew::showHelp);

    fg1 = ui::named(new QTableWidget(this), u"fg1"_s);
    fg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fg1->setSelectionMode(QAbstractItemView::SingleSelection);
    fg1->setSelectionBehavior(QAbstractItemView::SelectRows);
    fg1->setCornerButtonEnabled(false);
    fg1->setWordWrap(false);

    // The fixed first column is the row heading, so it stays in view when
    // the wide address columns scroll; the corner above it shows its heading.
    QHeaderView* rows = fg1->verticalHeader();
    const int rowPixels = twipsToPixels(RowHeightTwips, logicalDpiY());
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(rowPixels);
    rows->setDefaultSectionSize(rowPixels);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setSectionsClickable(true);

    QHeaderView* headings = fg1->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setSectionsMovable(false);
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setMinimumSectionSize(1);
    m_headingArea = headings->viewport();
    m_headingArea->installEventFilter(this);

    m_corner = fg1->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);

    connect(fg1, &QTableWidget::cellClicked, this, [this](int row, int) { selectCard(row + 1); });
    // The season's 送 受 喪 cells switch on a click; only the book's open the card.
    connect(fg1, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column < m_table.columnCount() - 1)
            openCard(row + 1);
    });
    connect(rows, &QHeaderView::sectionClicked, this, [this](int row) { selectCard(row + 1); });
    connect(rows, &QHeaderView::sectionDoubleClicked, this, [this](int row) { openCard(row + 1); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(fg1);

    m_season = new SeasonColumns(m_context, fg1, this);
    buttons->insertWidget(0, m_season->yearChooser());
    fillGrid();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    int gridWidth = rows->width() + 2 * fg1->frameWidth() + 24;
    for (int c = 0; c < fg1->columnCount(); ++c)
        gridWidth += fg1->columnWidth(c);
    const int gridHeight = headings->sizeHint().height() + (m_table.cardRows() + 1) * rowPixels;
    resize(qMin(gridWidth + 24, screen.width()),
           qBound(300, gridHeight + cmdHelp->sizeHint().height() + 48, screen.height() * 3 / 4));
    ui::centreOnScreen(this);
}

void frmVew::fillGrid() {
    const int currentRow = fg1->currentRow();
    fg1->setUpdatesEnabled(false);
    fg1->clear();
    fg1->setColumnCount(m_table.columnCount() - 1);
    fg1->setRowCount(m_table.cardRows());

    const int widestColumn = QGuiApplication::primaryScreen()->availableGeometry().width() / 4;
    const QFontMetrics headingMetrics(fg1->horizontalHeader()->font());
    const QFontMetrics cellMetrics(fg1->font());
    for (int c = 1; c < m_table.columnCount(); ++c) {
        const SheetColumn& column = m_table.column(c);
        auto* heading = new QTableWidgetItem(column.heading);
        heading->setTextAlignment(alignmentOf(column));
        fg1->setHorizontalHeaderItem(c - 1, heading);
        // The padded heading gives the narrowest width; a column opens wide
        // enough for its longest text, up to a quarter of the screen.
        int width = qMax(headingMetrics.horizontalAdvance(column.paddedHeading),
                         cellMetrics.horizontalAdvance(column.paddedHeading));
        int widest = 0;
        for (int r = 1; r <= m_table.cardRows(); ++r) {
            auto* item = new QTableWidgetItem(m_table.cell(r, c));
            item->setTextAlignment(alignmentOf(column));
            fg1->setItem(r - 1, c - 1, item);
            widest = qMax(widest, cellMetrics.horizontalAdvance(item->text()));
        }
        width = qMax(width, qMin(widest, widestColumn));
        fg1->setColumnWidth(c - 1, width + 2 * CellMarginPixels);
    }
    QStringList numbers;
    for (int r = 1; r <= m_table.cardRows(); ++r)
        numbers << m_table.cell(r, 0);
    fg1->setVerticalHeaderLabels(numbers);
    const QFontMetrics rowMetrics(fg1->verticalHeader()->font());
    int numberWidth = rowMetrics.horizontalAdvance(m_table.column(0).paddedHeading);
    for (const QString& number : numbers)
        numberWidth = qMax(numberWidth, rowMetrics.horizontalAdvance(number));
    fg1->verticalHeader()->setFixedWidth(numberWidth + 4 * CellMarginPixels);

    if (m_season)
        m_season->append(m_table.columnCount() - 1);
    if (currentRow >= 0)
        fg1->selectRow(currentRow);
    fg1->setUpdatesEnabled(true);
}

bool frmVew::moveColumn(int from, int to) {
    if (!m_table.moveColumn(from, to))
        return false;
    // Widths the user set travel with their columns.
    QList<int> widths;
    for (int c = 0; c < fg1->columnCount(); ++c)
        widths << fg1->columnWidth(c);
    widths.move(from - 1, to - 1);
    fillGrid();
    for (int c = 0; c < widths.size(); ++c)
        fg1->setColumnWidth(c, widths.at(c));
    return true;
}

void frmVew::selectCard(int row) {
    if (row < 1 || row > m_table.cardRows())
        return;
    fg1->setCurrentCell(row - 1, 0);
    fg1->selectRow(row - 1);
    Text1 = m_table.cell(row, 0);
}

void frmVew::openCard(int row) {
    selectCard(row);
    if (Text1.isEmpty())
        return;
    // The editor closes the sheet, as closing it by hand would.
    m_context.state.exitOnClose = false;
    m_context.navigator.openCardEditor(Text1.toInt());
}

void frmVew::showHelp() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Context, 12);
}

void frmVew::closeEvent(QCloseEvent* event) {
    // Behind the card editor the sheet waits for the editor to close it.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    m_context.state.exitOnClose = false;
    event->accept();
    m_context.navigator.showStart();
}

bool frmVew::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QStylePainter painter(m_corner);
        QStyleOptionHeader option;
        option.initFrom(m_corner);
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = m_corner->rect();
        option.text = m_table.column(0).heading;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    if (watched == m_headingArea) {
        QHeaderView* headings = fg1->horizontalHeader();
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_dragColumn = -1;
            const int x = mouse->position().toPoint().x();
            // On the border between two headings the press resizes a column instead.
            if (headings->logicalIndexAt(x - ResizeGripPixels) !=
                headings->logicalIndexAt(x + ResizeGripPixels))
                return false;
            const int section = headings->logicalIndexAt(x);
            if (section >= 0) {
                m_dragColumn = section + 1;
                headings->viewport()->setCursor(Qt::SizeHorCursor);
            }
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_dragColumn < 0)
                return false;
            headings->viewport()->unsetCursor();
            const int section = headings->logicalIndexAt(mouse->position().toPoint().x());
            if (m_dragColumn > 0 && section >= 0)
                moveColumn(m_dragColumn, section + 1);
            m_dragColumn = -1;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
