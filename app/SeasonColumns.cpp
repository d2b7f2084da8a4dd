#include "app/SeasonColumns.h"

#include "season/CardKey.h"
#include "ui/Named.h"

#include <QDate>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace app {

SeasonColumns::SeasonColumns(ui::AppContext& context, QTableWidget* grid, QWidget* parent)
    : QObject(parent), m_context(context), m_grid(grid),
      m_sheet(context.state.book.path(), context.state.cards,
              season::comingNewYear(QDate::currentDate())),
      m_year(ui::named(new QSpinBox(parent), u"seasonYear"_s)) {
    m_year->setRange(1900, 2999);
    m_year->setValue(m_sheet.year());
    m_year->setPrefix(u"年賀状 "_s);
    m_year->setSuffix(u"年"_s);
    m_year->setToolTip(u"送・受・喪の列が示す年（その年のお正月）"_s);
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        m_sheet.setYear(year);
        fill();
    });
    connect(m_grid, &QTableWidget::cellClicked, this, &SeasonColumns::toggle);
    m_grid->installEventFilter(this);
}

void SeasonColumns::append(int firstColumn) {
    m_first = firstColumn;
    m_grid->setColumnCount(firstColumn + SeasonSheet::MarkCount);
    for (int m = 0; m < SeasonSheet::MarkCount; ++m) {
        auto* heading = new QTableWidgetItem(SeasonSheet::heading(SeasonSheet::Mark(m)));
        heading->setTextAlignment(Qt::AlignCenter);
        m_grid->setHorizontalHeaderItem(firstColumn + m, heading);
        m_grid->setColumnWidth(firstColumn + m,
                               m_grid->fontMetrics().horizontalAdvance(u"○○"_s) + 8);
    }
    fill();
}

void SeasonColumns::fill() {
    if (m_first < 0)
        return;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString tip = m_sheet.cellTip(row + 1);
        for (int m = 0; m < SeasonSheet::MarkCount; ++m) {
            auto* item = new QTableWidgetItem(m_sheet.cellText(row + 1, SeasonSheet::Mark(m)));
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(tip);
            m_grid->setItem(row, m_first + m, item);
        }
    }
}

void SeasonColumns::toggle(int row, int column) {
    const int mark = column - m_first;
    if (m_first < 0 || mark < 0 || mark >= SeasonSheet::MarkCount)
        return;
    const season::RecordResult changed = m_sheet.toggle(row + 1, SeasonSheet::Mark(mark));
    if (!changed.ok())
        m_context.platform.messages.show(u"年賀状の記録を保存できませんでした。\n"_s +
                                         changed.error);
    fill();
}

bool SeasonColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggle(m_grid->currentRow(), m_grid->currentColumn());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
