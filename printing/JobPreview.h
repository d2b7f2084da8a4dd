#pragma once

// A page preview of a whole job: every page drawn by the job's own code, as
// on paper, with the paper's label edges or code boxes outlined in red on
// screen only.
//
// previewPages  the pages, one at a time, the whole page in view
// cmdPrevPage, cmdNextPage  前のページ / 次のページ
// lblPage       "2 / 26": the page shown and the job's page count
// cmdZoomIn, cmdZoomOut, cmdFit  拡大 / 縮小 / ページ全体
// cmdClose      閉じる

#include "platform/PrintJob.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace printing {

class JobPreview : public QDialog {
    Q_OBJECT

public:
    // title names the job in the window's title; paper is the job's paper;
    // drawJob is called whenever the preview is drawn afresh.
    JobPreview(const QString& title, const platform::PageFormat& paper,
               platform::JobDrawing drawJob, QWidget* parent = nullptr);
    ~JobPreview() override;

    int pageCount() const;
    int currentPage() const;
    void showPage(int page);

private:
    void drawPages(QPrinter* printer);
    void showPageNumber();

    platform::PageFormat m_paper;
    platform::JobDrawing m_drawJob;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* previewPages = nullptr;
    QPushButton* cmdPrevPage = nullptr;
    QPushButton* cmdNextPage = nullptr;
    QLabel* lblPage = nullptr;
    QPushButton* cmdZoomIn = nullptr;
    QPushButton* cmdZoomOut = nullptr;
    QPushButton* cmdFit = nullptr;
    QPushButton* cmdClose = nullptr;
};

// Opens the preview of a job over parent, closed by the user; it deletes
// itself when closed.
JobPreview* openJobPreview(const QString& title, const platform::PageFormat& paper,
                           platform::JobDrawing drawJob, QWidget* parent);

} // namespace printing
