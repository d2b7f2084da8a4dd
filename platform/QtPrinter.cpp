#include "platform/QtPrinter.h"

#include "platform/Fonts.h"
#include "platform/OutputFile.h"
#include "platform/PdfTextRepair.h"
#include "platform/Units.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// The resolution of QPrinter's high-resolution PDFs, kept so that the pages
// come out as they did when QPrinter wrote them.
constexpr int PdfDotsPerInch = 1200;

} // namespace

QPageLayout qtPageLayout(const PageFormat& paper) {
    // An exact match gives a paper Qt knows (A4, 長形3号...) its standard
    // name and the printer's own media; a user's size stays custom.
    const QPageSize size(QSizeF(paper.widthMillimetres, paper.heightMillimetres),
                         QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QtPrinter::QtPrinter(const PrintDestination& destination) : m_destination(destination) {
}

QtPrinter::QtPrinter(const PrintDestination& destination, std::unique_ptr<QPrinter> configured)
    : m_destination(destination), m_ownPrinter(std::move(configured)),
      m_printer(m_ownPrinter.get()) {
}

QtPrinter::QtPrinter(QPrinter& target)
    : m_destination(PrintDestination::printer(target.printerName())), m_printer(&target) {
}

QtPrinter::~QtPrinter() {
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrinter::begin(const PageFormat& paper) {
    const QPageLayout layout = qtPageLayout(paper);
    double dotsPerInch = 0;
    m_unprintableTwips = QMargins();
    if (m_destination.kind == PrintDestination::Kind::PdfFile) {
        const QFileInfo target(m_destination.pdfPath);
        if (!target.absoluteDir().exists()) {
            m_errorText = u"フォルダがありません: "_s + target.absolutePath();
            return false;
        }
        m_pdfBytes.setData(QByteArray());
        if (!m_pdfBytes.open(QIODevice::WriteOnly)) {
            m_errorText = u"ファイルに書き込めません: "_s + m_destination.pdfPath;
            return false;
        }
        m_pdf = std::make_unique<QPdfWriter>(&m_pdfBytes);
        m_pdf->setResolution(PdfDotsPerInch);
        m_pdf->setPageLayout(layout);
        if (!m_destination.jobTitle.isEmpty())
            m_pdf->setTitle(m_destination.jobTitle);
        m_device = m_pdf.get();
        dotsPerInch = m_pdf->resolution();
    } else {
        if (!m_printer) {
            m_ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
            m_printer = m_ownPrinter.get();
            m_printer->setOutputFormat(QPrinter::NativeFormat);
            if (!m_destination.printerName.isEmpty())
                m_printer->setPrinterName(m_destination.printerName);
            if (!m_destination.jobTitle.isEmpty())
                m_printer->setDocName(m_destination.jobTitle);
            m_printer->setCopyCount(qMax(1, m_destination.copies));
            m_printer->setCollateCopies(m_destination.collate);
        }
        if (m_ownPrinter && !m_printer->isValid()) {
            m_errorText = u"プリンターが使用できません。"_s;
            return false;
        }
        // The layout first: a layout set after full-page mode would bring the
        // printer's margins back and move the origin to its printable corner.
        m_printer->setPageLayout(layout);
        m_printer->setPageOrientation(layout.orientation());
        m_printer->setFullPage(true);
        m_device = m_printer;
        dotsPerInch = m_printer->resolution();
        QPageLayout inPoints = m_printer->pageLayout();
        inPoints.setUnits(QPageLayout::Point);
        const QMarginsF margins = inPoints.minimumMargins() * double(TwipsPerPoint);
        m_unprintableTwips = QMargins(qRound(margins.left()), qRound(margins.top()),
                                      qRound(margins.right()), qRound(margins.bottom()));
    }
    if (!m_painter.begin(m_device)) {
        m_errorText = m_destination.kind == PrintDestination::Kind::PdfFile
                          ? u"ファイルに書き込めません: "_s + m_destination.pdfPath
                          : u"印刷を開始できません。"_s;
        return false;
    }
    const double scale = dotsPerInch / TwipsPerInch;
    // Device coordinates start at the printable corner unless the device
    // draws on the whole paper; either way the paper's corner is the origin.
    if (m_printer) {
        const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
        m_painter.translate(-paper.left(), -paper.top());
    }
    m_painter.scale(scale, scale);
    m_painter.translate(PageOriginInsetTwips, PageOriginInsetTwips);
    m_painter.setPen(Qt::black);
    applyFont();
    return true;
}

void QtPrinter::setFontName(const QString& face) {
    m_face = face;
    applyFont();
}

void QtPrinter::setFontSize(double points) {
    m_points = points;
    applyFont();
}

void QtPrinter::setFontStretch(int percent) {
    m_stretch = percent;
    applyFont();
}

double QtPrinter::textWidth(const QString& text) const {
    if (!m_current)
        return textWidthTwips(m_face, m_points, text);
    return m_current->metrics.horizontalAdvance(text);
}

void QtPrinter::applyFont() {
    if (!m_painter.isActive())
        return;
    const QString key =
        m_face + u'\n' + QString::number(m_points) + u'\n' + QString::number(m_stretch);
    auto found = m_fonts.find(key);
    if (found == m_fonts.end()) {
        QFont font(printableFamily(m_face));
        font.setPixelSize(qMax(1, qRound(twipsOfPoints(m_points))));
        font.setStyleStrategy(QFont::PreferOutline);
        const QFontMetricsF unstretched(font, m_device);
        if (m_stretch != 100)
            font.setStretch(m_stretch);
        found = m_fonts.insert(key, {font, unstretched.ascent(), unstretched, std::nullopt});
    }
    if (m_painter.font() != found->font)
        m_painter.setFont(found->font);
    m_current = &*found;
}

void QtPrinter::print(const QString& text) {
    if (!m_painter.isActive())
        return;
    m_painter.drawText(QPointF(m_x, m_y + m_current->ascentTwips), text);
    if (m_pdf) {
        QStringList characters;
        for (const char32_t c : text.toUcs4())
            characters << QString::fromUcs4(&c, 1);
        const QRawFont& raw = currentRawFont();
        m_drawnText.addRun(raw, raw.glyphIndexesForString(text), characters, false);
    }
}

void QtPrinter::drawLine(const QPoint& fromTwips, const QPoint& toTwips) {
    if (!m_painter.isActive())
        return;
    m_painter.save();
    // A tenth of a millimetre: thin enough to read a millimetre against.
    m_painter.setPen(QPen(Qt::black, 6));
    m_painter.drawLine(fromTwips, toTwips);
    m_painter.restore();
}

const QRawFont& QtPrinter::currentRawFont() const {
    if (!m_current->rawFont) {
        // Columns are never condensed: they are set in the face as designed.
        QFont font = m_current->font;
        font.setStretch(100);
        m_current->rawFont = QRawFont::fromFont(font);
    }
    return *m_current->rawFont;
}

const VerticalShaper& QtPrinter::shaperOf(const QRawFont& font) const {
    const QString key = font.familyName() + u'\n' + font.styleName();
    auto found = m_shapers.constFind(key);
    if (found == m_shapers.constEnd())
        found = m_shapers.insert(key, std::make_shared<VerticalShaper>(font));
    return **found;
}

void QtPrinter::printVertical(const QString& text) {
    if (!m_painter.isActive() || text.isEmpty())
        return;
    const QRawFont& raw = currentRawFont();
    const VerticalRun run = shaperOf(raw).shape(text, raw.pixelSize());
    QGlyphRun glyphs;
    glyphs.setRawFont(raw);
    glyphs.setGlyphIndexes(run.glyphs);
    glyphs.setPositions(run.positions);
    const double em = twipsOfPoints(m_points);
    m_painter.drawGlyphRun(QPointF(m_x + em / 2, m_y), glyphs);
    if (m_pdf) {
        m_drawnText.addRun(raw, run.glyphs, run.texts, true);
        const QList<quint32> usual = raw.glyphIndexesForString(text);
        for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
            // A glyph the character map gives already has its text in the PDF.
            if (run.texts[i].isEmpty() ||
                (run.texts[i].size() == 1 && usual.contains(run.glyphs[i])))
                continue;
            const QList<quint32> own = raw.glyphIndexesForString(run.texts[i]);
            if (own.size() != 1 || own.front() != run.glyphs[i])
                m_verticalText.note(raw, run.glyphs[i], run.texts[i]);
        }
    }
}

double QtPrinter::verticalLength(const QString& text) const {
    if (!m_current)
        return twipsOfPoints(double(text.toUcs4().size()) * m_points);
    const QRawFont& raw = currentRawFont();
    return shaperOf(raw).shape(text, raw.pixelSize()).length;
}

void QtPrinter::fillRect(const QRect& twips) {
    if (m_painter.isActive())
        m_painter.fillRect(twips, Qt::black);
}

void QtPrinter::newPage() {
    if (!m_painter.isActive())
        return;
    m_device->newPage();
    m_drawnText.newPage();
}

bool QtPrinter::endDoc() {
    if (!m_painter.isActive())
        return false;
    if (!m_painter.end()) {
        m_errorText = u"印刷を完了できません。"_s;
        return false;
    }
    if (m_pdf) {
        m_pdf.reset();
        m_pdfBytes.close();
        // Copying or searching the PDF's text gives the cards' text as typed:
        // the vertical forms get their characters, radicals their ideographs,
        // glyphs that several characters share the one typed, and each
        // column reads as one line.
        QList<FontTextRule> rules;
        if (!m_verticalText.isEmpty())
            rules << [this](PdfFontText& font) { m_verticalText.addTexts(font); };
        const PdfTextRepairResult repaired = repairPdfText(m_pdfBytes.data(), rules, m_drawnText);
        const book::WriteResult written = writeOutputFile(m_destination.pdfPath, repaired.pdf);
        m_pdfBytes.setData(QByteArray());
        if (!written.ok()) {
            m_errorText = written.error.describe();
            return false;
        }
        return true;
    }
    if (m_printer->printerState() == QPrinter::Error) {
        m_errorText = u"印刷を完了できません。"_s;
        return false;
    }
    return true;
}

QStringList QtPrinter::fontNames() const {
    return availableFaces();
}

} // namespace platform
