#include "platform/QtPrinterProvider.h"

#include "platform/Fonts.h"
#include "platform/QtPrinter.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

QtPrinterProvider::~QtPrinterProvider() = default;

std::unique_ptr<Printer> QtPrinterProvider::open(const PrintDestination& destination) {
    std::unique_ptr<QPrinter> configured = std::move(m_configured);
    if (configured && destination.kind == PrintDestination::Kind::SystemPrinter &&
        configured->printerName() == destination.printerName)
        return std::make_unique<QtPrinter>(destination, std::move(configured));
    return std::make_unique<QtPrinter>(destination);
}

void QtPrinterProvider::useForNextJob(std::unique_ptr<QPrinter> configured) {
    m_configured = std::move(configured);
}

QStringList QtPrinterProvider::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinterProvider::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

QStringList QtPrinterProvider::fontNames() const {
    // The chooser offers faces that can write a Japanese address: the
    // layout's own names, then no Latin-only or symbol fonts.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    const QStringList layoutFaces{QString::fromUtf16(MinchoFace), QStringLiteral("ＭＳ ゴシック"),
                                  QString::fromUtf16(OcrBFace)};
    QStringList faces;
    for (const QString& face : availableFaces()) {
        if (layoutFaces.contains(face) || japanese.contains(face))
            faces << face;
    }
    return faces;
}

} // namespace platform
