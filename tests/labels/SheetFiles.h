#pragma once

#include "labels/SheetDraft.h"

#include <QFile>
#include <QString>
#include <QTest>

// The sheet files the label tests read and write.
namespace sheetfiles {

using namespace Qt::StringLiterals;

inline const QString Faulty = QStringLiteral(TAGORA_SOURCE_DIR "/tests/data/sheets-faulty.xml");

// The figures of the standard sheet as its package gives them.
inline labels::SheetDraft standardDraft() {
    return {u"ヒサゴ"_s, u"FSCGB861"_s, labels::SheetPaper::A4,
            u"2"_s,      u"6"_s,        u"86.4"_s,
            u"42.3"_s,   u"21.6"_s,     u"18.6"_s,
            u"86.4"_s,   u"42.3"_s,     u"0"_s};
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace sheetfiles
