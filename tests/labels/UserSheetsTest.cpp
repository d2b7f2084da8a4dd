#include "SheetFiles.h"

#include "labels/SheetChoice.h"
#include "labels/SheetLibrary.h"
#include "labels/UserSheets.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sheetfiles;

class UserSheetsTest : public QObject {
    Q_OBJECT

private slots:
    // Tagora2.opt: brand and part as quoted fields, cp932, CR LF; a sheet the
    // library no longer holds, or no file, gives the standard sheet.
    void sheetChoiceFile() {
        QTemporaryDir dir;
        QTemporaryDir empty;
        labels::SheetLibrary library(empty.path(), Faulty);
        const QString path = dir.filePath(u"Tagora2.opt"_s);
        QCOMPARE(labels::readSheetChoice(path, library).name(), u"標準 12面"_s);
        QVERIFY(labels::writeSheetChoice(path, *library.find(u"Test CARD"_s)).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"Test\",\"CARD\"\r\n"));
        QCOMPARE(labels::readSheetChoice(path, library).name(), u"Test CARD"_s);
        QVERIFY(labels::writeSheetChoice(path, labels::standardSheet()).ok());
        QCOMPARE(labels::readSheetChoice(path, library).standardTextLayout, true);
        writeFile(path, "\"Test\",\"GONE\"\r\n");
        QCOMPARE(labels::readSheetChoice(path, library).name(), u"標準 12面"_s);
        QTemporaryDir mine;
        const QString userFile = mine.filePath(u"Tagora-sheets.xml"_s);
        writeFile(
            userFile,
            "<Glabels-templates><Template brand=\"Off\" part=\"A4\" size=\"A4\"><Label-rectangle "
            "width=\"100mm\" height=\"50mm\"><Layout nx=\"3\" ny=\"1\" dx=\"100mm\"/>"
            "</Label-rectangle></Template></Glabels-templates>");
        labels::SheetLibrary withFaulty(empty.path(), userFile);
        writeFile(path, "\"Off\",\"A4\"\r\n");
        QCOMPARE(labels::readSheetChoice(path, withFaulty).name(), u"標準 12面"_s);
    }

    // The user's file: a sheet saved from its figures is read back with the
    // same figures and found by the library; saved again the bytes are the
    // same; changed, deleted, exported and imported; a file that cannot be
    // read is never written over.
    void usersSheetsFileRoundTrips() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tagora-sheets.xml"_s);
        labels::SheetDraft typed = standardDraft();
        typed.labelWidth = u"86.36"_s;
        typed.cornerRadius = u"1.5"_s;
        labels::UserSheets sheets(path);
        QVERIFY(sheets.load().ok());
        QVERIFY(sheets.save(*labels::sheetFromDraft(typed).sheet).ok());
        const QByteArray first = bytesOf(path);

        labels::SheetLibrary library(dir.filePath(u"no-library"_s), path);
        const labels::SheetTemplate* mine = library.find(u"ヒサゴ FSCGB861"_s);
        QVERIFY(mine);
        QCOMPARE(labels::draftOfSheet(*mine).labelWidth, u"86.36"_s);
        QCOMPARE(labels::draftOfSheet(*mine).cornerRadius, u"1.5"_s);
        QCOMPARE(library.search(u"ヒサゴ 86.36x42.3"_s).size(), 1);

        labels::UserSheets again(path);
        QVERIFY(again.load().ok());
        QVERIFY(again.save(again.sheets().first()).ok());
        QCOMPARE(bytesOf(path), first);

        // Another name in the place of the first; a second sheet; one deleted.
        labels::SheetDraft renamed = typed;
        renamed.part = u"Mine"_s;
        QVERIFY(again.save(*labels::sheetFromDraft(renamed).sheet, u"ヒサゴ FSCGB861"_s).ok());
        QVERIFY(again.save(*labels::sheetFromDraft(typed).sheet).ok());
        QVERIFY(
            !again.save(*labels::sheetFromDraft(typed).sheet, u"ヒサゴ Mine"_s).ok()); // name taken
        QCOMPARE(again.sheets().size(), 2);
        QCOMPARE(again.sheets().first().part, u"Mine"_s);
        const QString shared = dir.filePath(u"shared.xml"_s);
        QVERIFY(again.exportTo(shared).ok());
        QVERIFY(again.remove(u"ヒサゴ mine"_s).ok());
        QCOMPARE(again.sheets().size(), 1);
        const labels::SheetFileResult imported = again.importFrom(shared);
        QVERIFY(imported.ok());
        QCOMPARE(imported.count, 2);
        QCOMPARE(again.sheets().size(), 2);

        const QByteArray broken = "<Glabels-templates><Template";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(broken);
        file.close();
        labels::UserSheets unreadable(path);
        QVERIFY(!unreadable.load().ok());
        QVERIFY(!unreadable.save(*labels::sheetFromDraft(typed).sheet).ok());
        QCOMPARE(bytesOf(path), broken);
    }
};

QTEST_GUILESS_MAIN(UserSheetsTest)
#include "UserSheetsTest.moc"
