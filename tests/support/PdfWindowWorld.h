#pragma once

#include "platform/QtPrinterProvider.h"
#include "printing/OutputChoice.h"
#include "support/WindowWorld.h"

#include <QDir>
#include <QFile>

// A WindowWorld whose windows print into real PDF files: the Qt printers
// behind the scripted dialogs and messages, and a PDF file asked for at
// every job. Links tagora_print.
struct PdfWindowWorld : WindowWorld {
    platform::QtPrinterProvider pdfPrinters;
    platform::Platform pdfPlatform{platform.messages, platform.dialogs, platform.help,
                                   platform.shell,    pdfPrinters,      platform.printDialog};
    ui::AppContext pdfContext{state, pdfPlatform, navigator};

    PdfWindowWorld() {
        printing::outputChoiceForThisRun() = {printing::OutputChoice::Mode::PdfFile, {}};
    }
    ~PdfWindowWorld() { printing::outputChoiceForThisRun() = {}; }

    QByteArray bytesOf(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    }
};
