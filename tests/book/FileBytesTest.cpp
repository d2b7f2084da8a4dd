#include "SaveFolder.h"

using namespace Qt::StringLiterals;
using namespace savefolder;
using book::WriteError;

class FileBytesTest : public QObject, public SaveFolder {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void saveKeepsTheFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("setup");
        QTest::newRow("mode") << u"book.dat"_s << int(Plain);
        QTest::newRow("ACL") << u"book.dat"_s << int(Acl);
        QTest::newRow("user xattr") << u"book.dat"_s << int(Attribute);
        QTest::newRow("owner and group, root saving") << u"book.dat"_s << int(Owner);
        QTest::newRow("hard link") << u"book.dat"_s << int(HardLink);
        QTest::newRow("symbolic link") << u"book.dat"_s << int(SymLink);
        // 82 three-byte characters and ".dat": 250 bytes; then the longest name there is.
        QTest::newRow("250-byte name") << u"住"_s.repeated(82) + u".dat"_s << int(Acl);
        QTest::newRow("255-byte name, hard link")
            << u"xx"_s + u"録"_s.repeated(83) + u".dat"_s << int(HardLink);
    }

    void saveKeepsTheFile() {
        QFETCH(QString, name);
        QFETCH(int, setup);
        const QString file = path(name);
        QString skip;
        QVERIFY(prepare(file, setup, &skip));
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        const QString before = metadata(file);
        const ino_t inodeBefore = inode(file);
        const QStringList entriesBefore = entries();
        const QString savedPath = setup == SymLink ? path(u"link.dat"_s) : file;

        const book::WriteResult written = book::saveFileBytes(savedPath, newBytes());
        QVERIFY2(written.ok(), qPrintable(written.error.describe()));
        QCOMPARE(readBytes(file), newBytes());
        QCOMPARE(metadata(file), before);
        QCOMPARE(entries(), entriesBefore);
        if (setup == HardLink) {
            QCOMPARE(readBytes(path(u"link.dat"_s)), newBytes());
            QCOMPARE(inode(file), inodeBefore);
        }
        if (setup == SymLink)
            QVERIFY(QFileInfo(savedPath).isSymLink());
    }

    void newFileTakesTheUmask_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode");
        QTest::newRow("umask 022") << u"book.dat"_s << 022 << 0644;
        QTest::newRow("umask 077, 255-byte name") << u"録"_s.repeated(85) << 077 << 0600;
    }

    void newFileTakesTheUmask() {
        QFETCH(QString, name);
        QFETCH(int, umask);
        QFETCH(int, mode);
        const mode_t saved = ::umask(mode_t(umask));
        const book::WriteResult written = book::saveFileBytes(path(name), newBytes());
        ::umask(saved);
        QVERIFY2(written.ok(), qPrintable(written.error.describe()));
        QCOMPARE(readBytes(path(name)), newBytes());
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path(name)).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
        QCOMPARE(entries(), QStringList{name});
    }

    // Each failure leaves the old bytes, the old metadata and nothing else.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("setup");
        QTest::addColumn<bool>("readOnlyFolder"); // else a 4 KB file-size limit
        QTest::addColumn<QString>("reason");
        const QString tooLarge = u"cannot be written: "_s + qt_error_string(EFBIG);
        QTest::newRow("size limit") << u"book.dat"_s << int(Acl) << false << tooLarge;
        QTest::newRow("size limit, hard link")
            << u"book.dat"_s << int(HardLink) << false << tooLarge;
        QTest::newRow("size limit, 250-byte name")
            << u"住"_s.repeated(82) + u".dat"_s << int(Attribute) << false << tooLarge;
        QTest::newRow("unwritable folder") << u"book.dat"_s << int(Plain) << true
                                           << u"cannot be created: "_s + qt_error_string(EACCES);
        QTest::newRow("unwritable folder, hard link")
            << u"book.dat"_s << int(HardLink) << true
            << u"cannot be backed up: "_s + qt_error_string(EACCES);
    }

    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(int, setup);
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, reason);
        if (readOnlyFolder && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        const QString file = path(name);
        QString skip;
        QVERIFY(prepare(file, setup, &skip));
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        const QString before = metadata(file);
        const QStringList entriesBefore = entries();
        const QByteArray folder = QFile::encodeName(m_dir->path());

        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        if (readOnlyFolder)
            QCOMPARE(::chmod(folder.constData(), 0555), 0);
        else
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const book::WriteResult written = book::saveFileBytes(file, newBytes());
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        ::chmod(folder.constData(), 0700);

        QCOMPARE(int(written.error.kind), int(WriteError::Io));
        QCOMPARE(written.error.describe(), file + u": "_s + reason);
        QCOMPARE(readBytes(file), oldBytes());
        if (setup == HardLink)
            QCOMPARE(readBytes(path(u"link.dat"_s)), oldBytes());
        QCOMPARE(metadata(file), before);
        QCOMPARE(entries(), entriesBefore);
    }

    // A save killed part way leaves its temporary (or, for a hard-linked
    // book, its backup and a cut-off book); the next save of that book
    // clears them, and leaves those of other books alone.
    void killedSaveIsClearedByTheNextSave_data() {
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("killed");
        QTest::addColumn<int>("leftAfter");
        QTest::newRow("one name") << int(Plain) << u"book.dat"_s << 0;
        QTest::newRow("hard link") << int(HardLink) << u"book.dat"_s << 0;
        QTest::newRow("another book's save") << int(Plain) << u"other.dat"_s << 1;
        // A set of a small book and this one: the kill comes while this one's temporary is written.
        QTest::newRow("the second book of a set") << int(Plain) << u"SET"_s << 0;
    }

    void killedSaveIsClearedByTheNextSave() {
        QFETCH(int, setup);
        QFETCH(QString, killed);
        QFETCH(int, leftAfter);
        const QString file = path(u"book.dat"_s);
        QString skip;
        QVERIFY(prepare(file, setup, &skip));
        QVERIFY(writeBytes(path(u"other.dat"_s), oldBytes()));
        const QStringList entriesBefore = entries();
        const bool set = killed == u"SET"_s;
        const QList<book::FileToSave> files{{path(u"small.dat"_s), oldBytes()}, {file, newBytes()}};
        QVERIFY(killedSave(set ? files : QList<book::FileToSave>{{path(killed), newBytes()}}));
        QVERIFY(entries().size() > entriesBefore.size());

        const QByteArray bytes = newBytes().left(5000);
        const book::WriteResult written =
            set ? book::saveFileSet({{path(u"small.dat"_s), oldBytes()}, {file, bytes}},
                                    book::SaveMode::Replace)
                : book::saveFileBytes(file, bytes);
        QVERIFY2(written.ok(), qPrintable(written.error.describe()));
        QCOMPARE(readBytes(file), bytes);
        if (setup == HardLink)
            QCOMPARE(readBytes(path(u"link.dat"_s)), bytes);
        QCOMPARE(readBytes(path(u"other.dat"_s)), oldBytes());
        QCOMPARE(entries().size(), entriesBefore.size() + leftAfter + (set ? 1 : 0)); // small.dat
    }

    void aPlantedBackupIsNeverFollowed_data() {
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("planted");
        for (int setup : {int(Plain), int(HardLink)})
            for (const QString& planted : {u"named pipe"_s, u"link"_s, u"another's file"_s})
                QTest::addRow("%s, %s", setup == Plain ? "one name" : "hard link",
                              qPrintable(planted))
                    << setup << planted;
    }

    // The backup's name can be foretold, so anyone who may write the folder
    // can put something there: a pipe must not block the save, a link or a
    // file not written by a save must not be taken for the book's old bytes.
    void aPlantedBackupIsNeverFollowed() {
        QFETCH(int, setup);
        QFETCH(QString, planted);
        const QString file = path(u"book.dat"_s);
        QString skip;
        QVERIFY(prepare(file, setup, &skip));
        const QString backup = path(
            u".book.dat~"_s +
            QString::fromLatin1(
                QCryptographicHash::hash("book.dat", QCryptographicHash::Sha256).toHex().left(8)) +
            u".tagora-old"_s);
        const QByteArray backupName = QFile::encodeName(backup);
        const QByteArray foreign = cp932(u"他人のデータ"_s);
        QVERIFY(writeBytes(path(u"secret.txt"_s), foreign));
        if (planted == u"named pipe"_s)
            QCOMPARE(::mkfifo(backupName.constData(), 0666), 0);
        else if (planted == u"link"_s)
            QVERIFY(QFile::link(path(u"secret.txt"_s), backup));
        else
            QVERIFY(writeBytes(backup, foreign) &&
                    ::link(backupName.constData(), QFile::encodeName(path(u"2nd"_s)).constData()) ==
                        0);

        QCOMPARE(inChild([&] { return exitCodeOf(book::saveFileBytes(file, newBytes())); }), 0);
        QCOMPARE(readBytes(file), newBytes());
        QCOMPARE(readBytes(path(u"secret.txt"_s)), foreign);
    }

    void twoProgramsAtOnce_data() {
        QTest::addColumn<bool>("createNew");
        QTest::newRow("both create one new book") << true;
        QTest::newRow("both save one book") << false;
    }

    // Two programs write one book at the same moment, 40 times: of two that
    // create it one wins and the other is told it is there; two that save it
    // take turns, both succeed and the book is one of the two whole.
    void twoProgramsAtOnce() {
        QFETCH(bool, createNew);
        const QString file = path(u"book.dat"_s);
        const QByteArray bytes[] = {oldBytes(), newBytes()};
        for (int round = 0; round < 40; ++round) {
            QFile::remove(file);
            if (!createNew)
                QVERIFY(writeBytes(file, oldBytes()));
            pid_t children[2];
            for (int i : {0, 1}) {
                children[i] = ::fork();
                if (children[i] == 0) {
                    ::alarm(20);
                    int code = 0;
                    for (int save = 0; save < (createNew ? 1 : 10) && code == 0; ++save)
                        code = exitCodeOf(createNew
                                              ? book::createFileBytes(file, bytes[i])
                                              : book::saveFileBytes(file, bytes[(i + save) % 2]));
                    ::_exit(code);
                }
            }
            QList<int> codes;
            for (pid_t child : children) {
                int status = 0;
                QCOMPARE(::waitpid(child, &status, 0), child);
                QVERIFY(WIFEXITED(status));
                codes << WEXITSTATUS(status);
            }
            std::sort(codes.begin(), codes.end());
            const QList<int> expected{0, createNew ? 3 : 0};
            QCOMPARE(codes, expected);
            const QByteArray now = readBytes(file);
            QVERIFY(now == bytes[0] || now == bytes[1]);
            QCOMPARE(entries(), QStringList{u"book.dat"_s});
        }
    }

    // A set is looked over before a byte is written: one name taken and no book is created.
    void aSetIsCheckedFirst() {
        QVERIFY(writeBytes(path(u"b-2.dat"_s), oldBytes()));
        const book::WriteResult refused =
            book::saveFileSet({{path(u"b.dat"_s), newBytes()}, {path(u"b-2.dat"_s), newBytes()}},
                              book::SaveMode::CreateNew);
        QCOMPARE(int(refused.error.kind), int(WriteError::Exists));
        QCOMPARE(refused.error.path, path(u"b-2.dat"_s));
        QCOMPARE(entries(), QStringList{u"b-2.dat"_s});
        const book::WriteResult written =
            book::saveFileSet({{path(u"b.dat"_s), newBytes()}, {path(u"b-2.dat"_s), newBytes()}},
                              book::SaveMode::Replace);
        QVERIFY2(written.ok(), qPrintable(written.error.describe()));
        QCOMPARE(readBytes(path(u"b.dat"_s)) + readBytes(path(u"b-2.dat"_s)),
                 newBytes() + newBytes());
        QCOMPARE(entries(), QStringList({u"b-2.dat"_s, u"b.dat"_s}));
    }
};

QTEST_GUILESS_MAIN(FileBytesTest)
#include "FileBytesTest.moc"
