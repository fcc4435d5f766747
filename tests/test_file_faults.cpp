// What the lesson does on real file-system faults: a full disk, a read-only
// folder, a folder or a link on the target name, folder names in another code
// page or longer than a path may be, read-only and immutable configurations,
// and a save killed half-way. For each: the message the student sees, the old
// file byte for byte, and nothing written outside the working folder.
#include "app/drive_type.h"
#include "app/exit.h"
#include "app/problem_packages.h"
#include "app/text_file.h"
#include "content/codepage.h"
#include "setup/config_store.h"
#include "setup/menu_entry.h"
#include "support/expected_files.h"
#include "support/workbench_lesson.h"

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstdlib>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

const QByteArray OldBytes = "old answer\r\n";

bool isRoot() { return ::geteuid() == 0; }

// A small tmpfs mounted over the lesson's working folder; the process works
// inside it. Needs root.
class SmallDisk {
public:
    SmallDisk(const QString& folder, const char* size) : path_(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray(size);
        mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, options.constData()) == 0 &&
                   ::chdir(path_.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (::chdir("/") == 0 && mounted_)
            ::umount2(path_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly()
    {
        return ::mount(nullptr, path_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0 &&
               ::chdir(path_.constData()) == 0;
    }
    // Writes a filler file until the disk is full.
    void fill()
    {
        QFile filler(QStringLiteral("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QByteArray path_;
    bool mounted_ = false;
};

// Without root, a file-size limit makes every larger write fail the way a full
// disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

// A full disk: as root a small tmpfs filled up, otherwise a file-size limit.
class FullDisk {
public:
    explicit FullDisk(const TestLesson& t, rlim_t limit = 16 * 1024) : limit(limit)
    {
        if (isRoot())
            disk_ = std::make_unique<SmallDisk>(t.folder(), "256k");
    }
    bool ready() const { return !disk_ || disk_->mounted(); }
    void fill()
    {
        if (disk_)
            disk_->fill();
        else
            limit_ = std::make_unique<FileSizeLimit>(limit);
    }
    void release() { limit_.reset(); }

private:
    rlim_t limit;
    std::unique_ptr<SmallDisk> disk_;
    std::unique_ptr<FileSizeLimit> limit_;
};

// The student types an answer for task 1 and saves it alone ("Запис само решение").
void saveAnswer(TestLesson& t, const QString& answer)
{
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    bench.mnu_ZapReshen_Click(2);
}

// The student leaves the lesson with "Изход" and "Да".
void leaveWithAnswer(TestLesson& t, const QString& answer)
{
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    bench.mnu_IzhodN_Click();
    t.services.answers = {true};
    t.program().lesko().Izhod_Click();
}

// A save failure the student was told of (messages 40 and 41).
bool failureShown(const TestLesson& t)
{
    for (const ShownMessage& m : t.services.shown)
        if (m.text.startsWith(u"40\r\n"_s) || m.text.startsWith(u"41\r\n"_s))
            return true;
    return false;
}

QString lastMessage(const TestLesson& t) { return t.services.shown.isEmpty() ? QString() : t.services.shown.last().text; }

// The working folder holds exactly these names: no temporary file is left.
QStringList entries() { return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System); }

QString bigAnswer() { return QString(40000, u'я'); }

}  // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void aFullDiskKeepsTheOldSolutionFile();
    void aFullDiskKeepsTheOldAnswerRecord();
    void aSetupSaveOnAFullDiskKeepsTheClassFile();
    void aReadOnlyFolderIsReported();
    void aFolderOnTheTargetNameIsReported();
    void aLinkOnTheTargetNameIsReplacedNotFollowed_data();
    void aLinkOnTheTargetNameIsReplacedNotFollowed();
    void unusualFolderNamesStillSave_data();
    void unusualFolderNamesStillSave();
    void aConfigurationThatCannotBeMadeWritableIsRead_data();
    void aConfigurationThatCannotBeMadeWritableIsRead();
    void aLinkedConfigurationIsReadButNotChanged();
    void aSaveKilledHalfWayLeavesOldOrNewNeverPart();
    void theSetupsOtherFilesOnFaults_data();
    void theSetupsOtherFilesOnFaults();
    void aReadOnlyMountIsSeenAsOne();
    void problemPackagesOnAFaultyFolder_data();
    void problemPackagesOnAFaultyFolder();
};

void TestFileFaults::aFullDiskKeepsTheOldSolutionFile()
{
    TestLesson t;
    FullDisk disk(t);
    QVERIFY(disk.ready());
    startWorkbenchLesson(t);
    QVERIFY(writeFile(u"FUNKR_01.TXT"_s, OldBytes));
    disk.fill();
    saveAnswer(t, bigAnswer());
    disk.release();
    QCOMPARE(readFile(u"FUNKR_01.TXT"_s), OldBytes);
    QVERIFY(lastMessage(t).startsWith(u"40\r\n"_s));
    QVERIFY(lastMessage(t).contains(QDir::current().absoluteFilePath(u"FUNKR_01.TXT"_s)));
    QVERIFY(!entries().join(u' ').contains(u".FUNKR_01.TXT"_s));
}

void TestFileFaults::aFullDiskKeepsTheOldAnswerRecord()
{
    TestLesson t;
    FullDisk disk(t);
    QVERIFY(disk.ready());
    startWorkbenchLesson(t);
    const QString record = app::answerRecordName(t.program());
    QVERIFY(writeFile(record, OldBytes));
    disk.fill();
    leaveWithAnswer(t, bigAnswer());
    disk.release();
    QCOMPARE(readFile(record), OldBytes);
    QVERIFY(std::any_of(t.services.shown.begin(), t.services.shown.end(), [&](const ShownMessage& m) {
        return m.text.startsWith(u"41\r\n"_s) && m.text.contains(record);
    }));
    QCOMPARE(t.services.ends, 1);  // the lesson still ends
}

void TestFileFaults::aSetupSaveOnAFullDiskKeepsTheClassFile()
{
    TestLesson t;
    FullDisk disk(t, 100);
    QVERIFY(disk.ready());
    const QByteArray old = content::serialiseConfig(app::openLessonConfig(t.program()));
    QVERIFY(writeFile(u"FUNKR.UFG"_s, old));
    disk.fill();
    setup::ClassConfiguration changed(*content::parseConfig(old));
    changed.setTasksKept(3);
    const QString problem = setup::saveConfiguration(QDir::current().absoluteFilePath(u"FUNKR.UFG"_s), changed);
    disk.release();
    QVERIFY(problem.contains(u"FUNKR.UFG"_s));
    QCOMPARE(readFile(u"FUNKR.UFG"_s), old);
}

void TestFileFaults::aReadOnlyFolderIsReported()
{
    if (!isRoot())
        QSKIP("A read-only folder needs a read-only mount, which needs root (permissions do not stop root).");
    TestLesson t;
    SmallDisk disk(t.folder(), "256k");
    QVERIFY(disk.mounted());
    startWorkbenchLesson(t);
    QVERIFY(writeFile(u"FUNKR_01.TXT"_s, OldBytes));
    QVERIFY(disk.makeReadOnly());
    saveAnswer(t, u"ново решение"_s);
    QCOMPARE(readFile(u"FUNKR_01.TXT"_s), OldBytes);
    QVERIFY(lastMessage(t).startsWith(u"40\r\n"_s));
}

void TestFileFaults::aFolderOnTheTargetNameIsReported()
{
    TestLesson t;
    startWorkbenchLesson(t);
    QVERIFY(QDir().mkdir(u"FUNKR_01.TXT"_s));
    QVERIFY(writeFile(u"FUNKR_01.TXT/keep"_s, OldBytes));
    saveAnswer(t, u"решение"_s);
    QVERIFY(QFileInfo(u"FUNKR_01.TXT"_s).isDir());
    QCOMPARE(readFile(u"FUNKR_01.TXT/keep"_s), OldBytes);
    QVERIFY(lastMessage(t).startsWith(u"40\r\n"_s));
}

void TestFileFaults::aLinkOnTheTargetNameIsReplacedNotFollowed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("dangling");
    for (const QString& file : {u"solution file"_s, u"answer record"_s, u"attempt log"_s}) {
        QTest::addRow("%s linked to a file outside", qPrintable(file)) << file << false;
        QTest::addRow("%s linked to nowhere", qPrintable(file)) << file << true;
    }
}

void TestFileFaults::aLinkOnTheTargetNameIsReplacedNotFollowed()
{
    QFETCH(QString, file);
    QFETCH(bool, dangling);
    const bool record = file == u"answer record";
    const bool log = file == u"attempt log";
    QTemporaryDir outside;
    const QString victim = outside.filePath(u"victim.txt"_s);
    if (!dangling)
        QVERIFY(writeFile(victim, OldBytes));
    TestLesson t;
    startWorkbenchLesson(t);
    const QString name = record ? app::answerRecordName(t.program()) : log ? attemptLogName() : u"FUNKR_01.TXT"_s;
    QVERIFY(QFile::link(victim, name));
    if (record)
        leaveWithAnswer(t, u"отговор по задачата"_s);
    else
        saveAnswer(t, u"отговор по задачата"_s);
    QVERIFY(!failureShown(t));
    // The log takes a numbered name beside anything in its way; the others
    // replace the link itself.
    if (!log) {
        QVERIFY(!QFileInfo(name).isSymLink());
        QVERIFY(readFile(name).contains(content::toWindows1251(u"отговор по задачата"_s)));
    }
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files | QDir::Hidden),
             dangling ? QStringList() : QStringList{u"victim.txt"_s});
    if (!dangling)
        QCOMPARE(readFile(victim), OldBytes);
}

void TestFileFaults::unusualFolderNamesStillSave_data()
{
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<int>("depth");
    // "Задачи" in Windows-1251 bytes: not valid UTF-8.
    QTest::addRow("a folder named in Windows-1251") << QByteArray("\xc7\xe0\xe4\xe0\xf7\xe8") << 1;
    QTest::addRow("a path longer than 4096 bytes") << QByteArray(200, 'd') << 25;
}

void TestFileFaults::unusualFolderNamesStillSave()
{
    QFETCH(QByteArray, component);
    QFETCH(int, depth);
    TestLesson t;
    for (int i = 0; i < depth; ++i)
        QVERIFY(::mkdir(component.constData(), 0700) == 0 && ::chdir(component.constData()) == 0);
    QCOMPARE(app::driveTypeOfWorkingFolder(), quint8(app::DriveFixed));
    workbench_lesson::install(t.program());
    QVERIFY(writeFile(u"FUNKR.UFG"_s, content::serialiseConfig(app::openLessonConfig(t.program()))));
    t.program().start();
    saveAnswer(t, u"решение"_s);
    QVERIFY(t.services.shown.isEmpty());
    QCOMPARE(readFile(u"FUNKR_01.TXT"_s), content::toWindows1251(u"решение"_s));
    // Qt cannot name these folders to remove them; the shell can.
    QVERIFY(::chdir(QFile::encodeName(t.folder()).constData()) == 0);
    QCOMPARE(std::system("rm -rf -- ./*"), 0);
}

void TestFileFaults::aConfigurationThatCannotBeMadeWritableIsRead_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("read-only file on a read-only mount") << u"read-only mount"_s;
    QTest::addRow("immutable file") << u"immutable"_s;
}

void TestFileFaults::aConfigurationThatCannotBeMadeWritableIsRead()
{
    QFETCH(QString, how);
    if (!isRoot())
        QSKIP("Read-only mounts and immutable files need root.");
    TestLesson t;
    std::unique_ptr<SmallDisk> disk;
    if (how == u"read-only mount") {
        disk = std::make_unique<SmallDisk>(t.folder(), "256k");
        QVERIFY(disk->mounted());
    }
    content::ConfigRecords records = app::openLessonConfig(t.program());
    records[1].Count = 3;  // three tasks listed: shows the file was applied
    QVERIFY(writeFile(u"FUNKR.UFG"_s, content::serialiseConfig(records)));
    QVERIFY(QFile::setPermissions(u"FUNKR.UFG"_s, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    if (disk) {
        QVERIFY(disk->makeReadOnly());
    } else if (QProcess::execute(u"chattr"_s, {u"+i"_s, u"FUNKR.UFG"_s}) != 0) {
        QSKIP("This file system has no immutable files.");
    }
    t.program().start();
    if (!disk)
        QProcess::execute(u"chattr"_s, {u"-i"_s, u"FUNKR.UFG"_s});
    QVERIFY2(t.services.shown.isEmpty(), qPrintable(lastMessage(t)));
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].ListCount(), 3);
}

void TestFileFaults::aLinkedConfigurationIsReadButNotChanged()
{
    QTemporaryDir outside;
    const QString target = outside.filePath(u"class.UFG"_s);
    TestLesson t;
    content::ConfigRecords records = app::openLessonConfig(t.program());
    records[1].Count = 4;
    QVERIFY(writeFile(target, content::serialiseConfig(records)));
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
    QVERIFY(QFile::link(target, u"FUNKR.UFG"_s));
    t.program().start();
    QVERIFY(t.services.shown.isEmpty());
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].ListCount(), 4);
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(target).constData(), &st) == 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0400));
}

// A child process saves a large file over and over and is killed at a random
// moment; the name then holds the old bytes or the new ones, whole.
void TestFileFaults::aSaveKilledHalfWayLeavesOldOrNewNeverPart()
{
    QTemporaryDir folder;
    const QByteArray older(3 << 20, 'o');
    const QByteArray newer(3 << 20, 'n');
    for (int round = 0; round < 5; ++round) {
        QVERIFY(writeFile(folder.filePath(u"FUNKR_01.TXT"_s), older));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::chdir(QFile::encodeName(folder.path()).constData()) != 0)
                ::_exit(2);
            for (;;)
                app::replaceFileInWorkingFolder(QStringLiteral("FUNKR_01.TXT"), newer);
        }
        QTest::qSleep(20 + 15 * round);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = readFile(folder.filePath(u"FUNKR_01.TXT"_s));
        QVERIFY2(now == older || now == newer, qPrintable(QString::number(now.size())));
    }
}

// The class settings beside the configuration and the setup's hidden menu
// entry: a full disk or a read-only folder keeps the old file and says why, a
// link planted on the name is replaced, never followed.
void TestFileFaults::theSetupsOtherFilesOnFaults_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault");
    for (const QString& file : {u"class settings"_s, u"hidden menu entry"_s})
        for (const QString& fault : {u"full disk"_s, u"link planted"_s, u"read-only folder"_s})
            QTest::addRow("%s, %s", qPrintable(file), qPrintable(fault)) << file << fault;
}

void TestFileFaults::theSetupsOtherFilesOnFaults()
{
    QFETCH(QString, file);
    QFETCH(QString, fault);
    if (fault == u"read-only folder" && !isRoot())
        QSKIP("A read-only folder needs a read-only mount, which needs root.");
    TestLesson t;
    std::unique_ptr<SmallDisk> readOnly;
    if (fault == u"read-only folder") {
        readOnly = std::make_unique<SmallDisk>(t.folder(), "256k");
        QVERIFY(readOnly->mounted());
    }
    std::unique_ptr<FullDisk> disk;
    if (fault == u"full disk") {
        disk = std::make_unique<FullDisk>(t, 100);
        QVERIFY(disk->ready());
    }
    const QByteArray previousData = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(t.folder()));
    const bool settings = file == u"class settings";
    const QString path = settings ? t.path(u"FUNKR_klas.ini"_s) : setup::hiddenSetupEntryPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QTemporaryDir outside;
    const QString victim = outside.filePath(u"victim"_s);
    if (fault == u"link planted") {
        QVERIFY(writeFile(victim, OldBytes));
        QVERIFY(QFile::link(victim, path));
    } else {
        QVERIFY(writeFile(path, OldBytes));
    }
    if (disk)
        disk->fill();
    if (readOnly)
        QVERIFY(readOnly->makeReadOnly());
    const QString problem = settings ? setup::saveClassSettings(path, {true, false, u"/srv/klas"_s}, u"FUNKR"_s)
                                     : setup::applySetupEntryRule(true);
    if (disk)
        disk->release();
    qputenv("XDG_DATA_DIRS", previousData);
    if (fault == u"link planted") {
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(victim), OldBytes);
        return;
    }
    QVERIFY(problem.contains(path));
    QCOMPARE(readFile(path), OldBytes);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).filter(u".FUNKR"_s).size() +
                 QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).filter(u".bg.lesko"_s).size(),
             0);  // no temporary file left
}

// The lesson asks the folder itself whether it can write there.
void TestFileFaults::aReadOnlyMountIsSeenAsOne()
{
    if (!isRoot())
        QSKIP("A read-only mount needs root.");
    TestLesson t;
    SmallDisk disk(t.folder(), "256k");
    QVERIFY(disk.mounted());
    QVERIFY(app::workingFolderWritable());
    QVERIFY(disk.makeReadOnly());
    QVERIFY(!app::workingFolderWritable());
}

// The problem packages (lesko_check --export) on a full disk, a read-only
// folder, and with a link planted on a package's name.
void TestFileFaults::problemPackagesOnAFaultyFolder_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addRow("a full disk") << u"full"_s;
    QTest::addRow("a read-only folder") << u"read-only"_s;
    QTest::addRow("a link on a package's name") << u"link"_s;
}

void TestFileFaults::problemPackagesOnAFaultyFolder()
{
    QFETCH(QString, fault);
    if (fault == u"read-only" && !isRoot())
        QSKIP("A read-only folder needs a read-only mount, which needs root (permissions do not stop root).");
    QTemporaryDir outside;
    const QString victim = outside.filePath(u"victim.zip"_s);
    QVERIFY(writeFile(victim, OldBytes));
    TestLesson t;
    std::unique_ptr<FullDisk> full;
    std::unique_ptr<SmallDisk> readOnly;
    if (fault == u"link") {
        QVERIFY(QFile::link(victim, u"funkr01.zip"_s));
    } else {
        QVERIFY(writeFile(u"funkr01.zip"_s, OldBytes));
        if (fault == u"full") {
            full = std::make_unique<FullDisk>(t);
            QVERIFY(full->ready());
            QVERIFY(writeFile(u"funkr01.zip"_s, OldBytes));
            full->fill();
        } else {
            readOnly = std::make_unique<SmallDisk>(t.folder(), "256k");
            QVERIFY(readOnly->mounted());
            QVERIFY(writeFile(u"funkr01.zip"_s, OldBytes));
            QVERIFY(readOnly->makeReadOnly());
        }
    }
    const QStringList before = entries();
    const content::Result<int> written = app::writeProblemPackages(content::Lesson::embedded(), QDir::currentPath());
    if (full)
        full->release();  // the file-size limit, when it stands in for a full disk
    if (fault == u"link") {
        QVERIFY2(written.ok(), qPrintable(written.reason()));
        QVERIFY(!QFileInfo(u"funkr01.zip"_s).isSymLink());
        QCOMPARE(readFile(u"funkr01.zip"_s), app::problemPackage(content::Lesson::embedded(), 1));
    } else {
        QVERIFY(!written.ok());
        QVERIFY2(written.reason().contains(QDir::current().absoluteFilePath(u"funkr01.zip"_s)),
                 qPrintable(written.reason()));
        QCOMPARE(readFile(u"funkr01.zip"_s), OldBytes);
        QCOMPARE(entries(), before);  // no temporary file left, nothing else written
    }
    QCOMPARE(readFile(victim), OldBytes);
}

QTEST_GUILESS_MAIN(TestFileFaults)
#include "test_file_faults.moc"
