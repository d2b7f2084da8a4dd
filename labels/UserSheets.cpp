#include "labels/UserSheets.h"

#include "book/FileBytes.h"
#include "labels/SheetFigures.h"
#include "labels/SheetFile.h"
#include "labels/SheetLibrary.h"

#include <QFile>
#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The paper as the template files name it.
QString paperAttribute(SheetPaper paper) {
    switch (paper) {
    case SheetPaper::A4:
        return u"A4"_s;
    case SheetPaper::B5:
        return u"B5"_s;
    case SheetPaper::A5:
        return u"A5"_s;
    case SheetPaper::Postcard:
        return u"Postcard"_s;
    case SheetPaper::Letter:
        return u"US-Letter"_s;
    }
    return u"A4"_s;
}

QString mm(double millimetres) {
    return millimetreNumber(millimetres) + u"mm"_s;
}

qsizetype placeOf(const QList<SheetTemplate>& sheets, const QString& name) {
    for (qsizetype i = 0; i < sheets.size(); ++i)
        if (sheetKey(sheets[i].name()) == sheetKey(name))
            return i;
    return -1;
}

} // namespace

QByteArray formatSheetFile(const QList<SheetTemplate>& sheets) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"Glabels-templates"_s);
    for (const SheetTemplate& sheet : sheets) {
        xml.writeStartElement(u"Template"_s);
        xml.writeAttribute(u"brand"_s, sheet.brand);
        xml.writeAttribute(u"part"_s, sheet.part);
        xml.writeAttribute(u"size"_s, paperAttribute(sheet.paper));
        if (!sheet.description.isEmpty())
            xml.writeAttribute(u"_description"_s, sheet.description);
        xml.writeEmptyElement(u"Meta"_s);
        xml.writeAttribute(u"category"_s, u"label"_s);
        xml.writeStartElement(u"Label-rectangle"_s);
        xml.writeAttribute(u"id"_s, u"0"_s);
        xml.writeAttribute(u"width"_s, mm(sheet.labelWidthMm));
        xml.writeAttribute(u"height"_s, mm(sheet.labelHeightMm));
        xml.writeAttribute(u"round"_s, mm(sheet.cornerRadiusMm));
        for (const SheetGrid& grid : sheet.grids) {
            xml.writeEmptyElement(u"Layout"_s);
            xml.writeAttribute(u"nx"_s, QString::number(grid.columns));
            xml.writeAttribute(u"ny"_s, QString::number(grid.rows));
            xml.writeAttribute(u"x0"_s, mm(grid.x0Mm));
            xml.writeAttribute(u"y0"_s, mm(grid.y0Mm));
            xml.writeAttribute(u"dx"_s, mm(grid.dxMm));
            xml.writeAttribute(u"dy"_s, mm(grid.dyMm));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

SheetFileResult UserSheets::load() {
    m_sheets.clear();
    m_loaded = false;
    if (!QFile::exists(m_path)) {
        m_loaded = true;
        return {};
    }
    const SheetFileContents contents = readSheetFile(m_path);
    if (!contents.ok())
        return {contents.error};
    m_sheets = contents.sheets;
    m_loaded = true;
    return {};
}

qsizetype UserSheets::indexOf(const QString& name) const {
    return placeOf(m_sheets, name);
}

SheetFileResult UserSheets::write(const QList<SheetTemplate>& sheets) {
    if (!m_loaded)
        return {u"用紙のファイルを読めないため、書き込みません: "_s + m_path};
    const book::WriteResult written = book::saveFileBytes(m_path, formatSheetFile(sheets));
    if (!written.ok())
        return {written.error.describe()};
    m_sheets = sheets;
    return {};
}

SheetFileResult UserSheets::save(const SheetTemplate& sheet, const QString& replacing) {
    if (const std::optional<SheetFigureFault> fault = checkSheetFigures(sheet))
        return {fault->message};
    const qsizetype place = indexOf(replacing.isEmpty() ? sheet.name() : replacing);
    const qsizetype sameName = indexOf(sheet.name());
    if (sameName >= 0 && sameName != place)
        return {sheetFieldName(SheetField::Part) + u": 「"_s + sheet.name() +
                u"」はもうあります"_s};
    QList<SheetTemplate> sheets = m_sheets;
    if (place >= 0)
        sheets[place] = sheet;
    else
        sheets.append(sheet);
    return write(sheets);
}

SheetFileResult UserSheets::remove(const QString& name) {
    const qsizetype place = indexOf(name);
    if (place < 0)
        return {u"「"_s + name + u"」はありません"_s};
    QList<SheetTemplate> sheets = m_sheets;
    sheets.removeAt(place);
    return write(sheets);
}

SheetFileResult UserSheets::importFrom(const QString& path) {
    const SheetFileContents contents = readSheetFile(path);
    if (!contents.ok())
        return {contents.error};
    QList<SheetTemplate> sheets = m_sheets;
    int added = 0;
    for (const SheetTemplate& sheet : contents.sheets) {
        if (checkSheetFigures(sheet))
            continue;
        const qsizetype same = placeOf(sheets, sheet.name());
        if (same >= 0)
            sheets[same] = sheet;
        else
            sheets.append(sheet);
        ++added;
    }
    SheetFileResult result = write(sheets);
    result.count = added;
    return result;
}

SheetFileResult UserSheets::exportTo(const QString& path) const {
    const book::WriteResult written = book::saveFileBytes(path, formatSheetFile(m_sheets));
    return {written.ok() ? QString() : written.error.describe()};
}

} // namespace labels
