#include "printing/JobPreview.h"

#include "platform/PreviewPrinter.h"
#include "platform/QtPrinter.h"
#include "ui/Named.h"

#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace printing {

JobPreview::JobPreview(const QString& title, const platform::PageFormat& paper,
                       platform::JobDrawing drawJob, QWidget* parent)
    : QDialog(parent), m_paper(paper), m_drawJob(std::move(drawJob)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(u"JobPreview"_s);
    setWindowTitle(u"印刷プレビュー - "_s + title);
    // The pages are laid out on the job's paper from the paper's corner.
    m_printer->setPageLayout(platform::qtPageLayout(paper));
    m_printer->setFullPage(true);

    previewPages = ui::named(new QPrintPreviewWidget(m_printer.get(), this), u"previewPages"_s);
    previewPages->setViewMode(QPrintPreviewWidget::SinglePageView);
    previewPages->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(previewPages, &QPrintPreviewWidget::paintRequested, this, &JobPreview::drawPages);
    connect(previewPages, &QPrintPreviewWidget::previewChanged, this, &JobPreview::showPageNumber);
    // Scrolling or the wheel moves to another page too; the page number follows.
    if (auto* view = previewPages->findChild<QGraphicsView*>())
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &JobPreview::showPageNumber);

    auto button = [this](const char* name, const QString& caption) {
        auto* made = ui::named(new QPushButton(caption, this), name);
        made->setAutoDefault(false);
        return made;
    };
    cmdPrevPage = button("cmdPrevPage", u"前のページ"_s);
    cmdNextPage = button("cmdNextPage", u"次のページ"_s);
    lblPage = ui::named(new QLabel(this), u"lblPage"_s);
    lblPage->setAlignment(Qt::AlignCenter);
    lblPage->setMinimumWidth(80);
    cmdZoomIn = button("cmdZoomIn", u"拡大"_s);
    cmdZoomOut = button("cmdZoomOut", u"縮小"_s);
    cmdFit = button("cmdFit", u"ページ全体"_s);
    cmdClose = button("cmdClose", u"閉じる"_s);
    cmdClose->setDefault(true);

    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdPrevPage);
    commands->addWidget(lblPage);
    commands->addWidget(cmdNextPage);
    commands->addSpacing(16);
    commands->addWidget(cmdZoomIn);
    commands->addWidget(cmdZoomOut);
    commands->addWidget(cmdFit);
    commands->addStretch(1);
    commands->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(previewPages, 1);

    connect(cmdPrevPage, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(cmdNextPage, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(cmdZoomIn, &QPushButton::clicked, previewPages, [this] { previewPages->zoomIn(); });
    connect(cmdZoomOut, &QPushButton::clicked, previewPages, [this] { previewPages->zoomOut(); });
    connect(cmdFit, &QPushButton::clicked, previewPages, &QPrintPreviewWidget::fitInView);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    // A page tall enough to read a label's lines: most of the screen's height.
    QSize size(640, 820);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        size.setHeight(qMin(size.height(), area.height() * 9 / 10));
    }
    resize(size);
    previewPages->updatePreview();
    showPageNumber();
}

JobPreview::~JobPreview() = default;

int JobPreview::pageCount() const {
    return previewPages->pageCount();
}

int JobPreview::currentPage() const {
    return previewPages->currentPage();
}

void JobPreview::showPage(int page) {
    previewPages->setCurrentPage(qBound(1, page, qMax(1, pageCount())));
    showPageNumber();
}

void JobPreview::drawPages(QPrinter* printer) {
    platform::PreviewPrinter pages(*printer);
    if (!pages.begin(m_paper))
        return;
    m_drawJob(pages);
    pages.endDoc();
}

void JobPreview::showPageNumber() {
    const int page = currentPage();
    lblPage->setText(QString::number(page) + u" / "_s + QString::number(pageCount()));
    cmdPrevPage->setEnabled(page > 1);
    cmdNextPage->setEnabled(page < pageCount());
}

JobPreview* openJobPreview(const QString& title, const platform::PageFormat& paper,
                           platform::JobDrawing drawJob, QWidget* parent) {
    auto* preview = new JobPreview(title, paper, std::move(drawJob), parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->open();
    return preview;
}

} // namespace printing
