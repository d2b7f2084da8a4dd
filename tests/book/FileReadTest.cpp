#include "BookFiles.h"

#include "book/AddressFile.h"
#include "book/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using book::ReadError;

class FileReadTest : public QObject {
    Q_OBJECT

    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Reading refuses what is not a plain file of a sensible size before
    // reading a byte: a pipe with no writer would block, /dev/zero never ends.
    void readRefusesWhatIsNotABook_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << u"pipe.dat"_s << u"is a named pipe, not a file"_s;
        QTest::newRow("/dev/zero") << u"/dev/zero"_s << u"is a device, not a file"_s;
        QTest::newRow("one byte over 64 MB")
            << u"big.dat"_s
            << u"is too large: %1 bytes, more than 64 MB"_s.arg(book::MaxFileBytes + 1);
        QTest::newRow("folder") << u"folder.dat"_s << u"is a folder, not a file"_s;
    }

    void readRefusesWhatIsNotABook() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString file = name.startsWith(u'/') ? name : path(name);
        if (name == u"pipe.dat"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        if (name == u"big.dat"_s) {
            QFile sparse(file);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(book::MaxFileBytes + 1));
        }
        if (name == u"folder.dat"_s)
            QVERIFY(QDir(m_dir->path()).mkdir(name));
        const book::LoadResult loaded = book::loadBook(file);
        QCOMPARE(int(loaded.error.kind), int(ReadError::Unreadable));
        QCOMPARE(loaded.error.describe(), file + u": "_s + reason);
        QVERIFY(loaded.cards.isEmpty());
    }

    void readTakesAFileOfExactlyTheLimit() {
        const QString file = path(u"big.dat"_s);
        QFile sparse(file);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(book::MaxFileBytes));
        sparse.close();
        ReadError error;
        const std::optional<QByteArray> bytes = book::readFileBytes(file, &error);
        QVERIFY2(bytes, qPrintable(error.describe()));
        QCOMPARE(bytes->size(), book::MaxFileBytes);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(FileReadTest)
#include "FileReadTest.moc"
