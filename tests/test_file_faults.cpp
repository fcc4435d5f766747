// What the lesson does on real file-system faults: a full disk, a read-only
// folder, a folder or a link on the target name, folder names in another code
// page or longer than a path may be, read-only and immutable configurations,
// and a save killed half-way. For each: the message the student sees, the old
// file byte for byte, and nothing written outside the working folder.
#include "aux_windows/lesko_prow.h"
#include "checker/check_store.h"
#include "checker/problem_packages.h"
#include "content/class_settings.h"
#include "content/codepage.h"
#include "files/drive_type.h"
#include "files/text_file.h"
#include "program/exit.h"
#include "program/recording.h"
#include "results/class_results.h"
#include "results/kept_answers.h"
#include "results/report_tool.h"
#include "results/results_report.h"
#include "setup/config_store.h"
#include "setup/menu_entry.h"
#include "support/checker_settings.h"
#include "support/expected_files.h"
#include "support/workbench_lesson.h"

#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>

// A disk that syncs slowly: while FsyncDelayMs is above 0, every fsync of
// this process (the lesson's saves included) waits that long first.
static std::atomic<int> FsyncDelayMs{0};

extern "C" int fsync(int fd)
{
    if (const int delay = FsyncDelayMs.load(); delay > 0)
        ::usleep(useconds_t(delay) * 1000);
    return int(::syscall(SYS_fsync, fd));
}

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

QString lastMessage(const TestLesson& t)
{
    return t.services.shown.isEmpty() ? QString() : t.services.shown.last().text;
}

// The working folder holds exactly these names: no temporary file is left.
QStringList entries()
{
    return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QString bigAnswer() { return QString(40000, u'я'); }

// A log of task 1 for the class summary's folder.
QByteArray aLog(const QString& host, int minute)
{
    ScriptedServices clock;
    clock.clock = QDateTime(QDate(2025, 3, 10), QTime(9, minute));
    results::AttemptLog log(clock, host);
    log.taskOpened(1, 1, 20);
    log.recordCheck(1, 6, 6, u"Верен"_s);
    return log.document(u"FUNKR"_s);
}

struct ReportRun {
    int code = -1;
    QByteArray table;
    QString err;
};

ReportRun runReport(const QStringList& arguments)
{
    ReportRun run;
    QBuffer out(&run.table);
    out.open(QIODevice::WriteOnly);
    QTextStream err(&run.err);
    run.code = results::runReportTool(QStringList{u"lesko_report"_s} + arguments, out, err);
    err.flush();
    return run;
}

// The lesson with its class settings naming a hand-in folder.
void startWithHandIn(TestLesson& t, const QString& handIn)
{
    content::ClassSettings settings;
    settings.handInFolder = handIn;
    QVERIFY(writeFile(u"FUNKR_klas.ini"_s, content::serialiseClassSettings(settings, u"FUNKR"_s)));
    startWorkbenchLesson(t);
}

int messagesStartingWith(const TestLesson& t, const QString& code)
{
    return int(std::count_if(t.services.shown.begin(), t.services.shown.end(),
                             [&](const ShownMessage& m) { return m.text.startsWith(code + u"\r\n"_s); }));
}

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
    void theCheckersFolderOnFaults_data();
    void theCheckersFolderOnFaults();
    void problemPackagesOnAFaultyFolder_data();
    void problemPackagesOnAFaultyFolder();
    void theClassSummaryHoldsUnderBadInput_data();
    void theClassSummaryHoldsUnderBadInput();
    void twoLessonsStartedInOneSecondKeepBothLogs();
    void leftoversOfAKilledSaveAreRemovedAtStart();
    void theMinuteWritesFailureBoxComesAfterTheTick();
    void theNewFilesOnFaults_data();
    void theNewFilesOnFaults();
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
    const QString problem =
        setup::saveConfiguration(QDir::current().absoluteFilePath(u"FUNKR.UFG"_s), changed).reason();
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
    const QString problem = settings
                                ? setup::saveClassSettings(path, {true, false, u"/srv/klas"_s}, u"FUNKR"_s).reason()
                                : setup::applySetupEntryRule(true).reason();
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

// "Проверка" with the checker's folder on a full disk, read-only, or with a
// link planted where its jobs go: the check is not available and says why;
// nothing is written through the link; the lesson goes on.
void TestFileFaults::theCheckersFolderOnFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addRow("a full disk") << u"full"_s << u"на диска няма място за проверката"_s;
    QTest::addRow("a read-only folder") << u"read-only"_s << u"папката за проверката не може да бъде създадена"_s;
    QTest::addRow("a link planted on the jobs' folder")
        << u"link"_s << u"папката за проверката не може да бъде създадена"_s;
}

void TestFileFaults::theCheckersFolderOnFaults()
{
    QFETCH(QString, fault);
    if (fault != u"link" && !isRoot())
        QSKIP("A small or read-only disk needs root.");
    TestLesson t;
    QTemporaryDir cache, elsewhere;
    std::unique_ptr<SmallDisk> disk;
    if (fault != u"link") {
        disk = std::make_unique<SmallDisk>(cache.path(), "1m");
        QVERIFY(disk->mounted());
        if (fault == u"read-only")
            QVERIFY(disk->makeReadOnly());
        QVERIFY(QDir::setCurrent(t.folder()));
    } else {
        QVERIFY(QFile::link(elsewhere.path(), cache.filePath(u"jobs"_s)));
    }
    t.program().checks().settings = testCheckSettings(cache.path());
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"int main() {}"_s);
    bench.mnu_Prowerka.userClick();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.CheckRunning(), 60000);
    QFETCH(QString, reason);
    const QString verdict = t.program().lesko_Prow().Prisyda.Caption();
    QVERIFY2(verdict.startsWith(u"Проверката не е налична: "_s + reason), qPrintable(verdict));
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QVERIFY(bench.Visible());
    QVERIFY(bench.Timer_n.Enabled());
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

// lesko_report on the folders and files a classroom produces. Every row has
// one good log beside its trouble; the tool never hangs, never fills the
// memory, says what it left out and why, and never replaces a student's log.
void TestFileFaults::theClassSummaryHoldsUnderBadInput_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("logsRead");
    QTest::addRow("a folder that does not exist") << u"missing folder"_s << 1 << u"не може да бъде прочетена"_s << -1;
    QTest::addRow("a file given as the folder") << u"file as folder"_s << 1 << u"не може да бъде прочетена"_s << -1;
    QTest::addRow("an unreadable log") << u"unreadable"_s << 0 << u"Пропуснат x.csv: не може да бъде прочетен: "_s << 1;
    QTest::addRow("a link in a circle") << u"loop"_s << 0 << u"Пропуснат x.csv: връзка в кръг"_s << 1;
    QTest::addRow("a link to nothing") << u"dangling"_s << 0
                                       << u"Пропуснат x.csv: връзка към файл, който не съществува"_s << 1;
    QTest::addRow("a link to /dev/zero") << u"zero"_s << 0 << u"Пропуснат x.csv: не е обикновен файл"_s << 1;
    QTest::addRow("a pipe named as a log") << u"fifo"_s << 0 << u"Пропуснат x.csv: не е обикновен файл"_s << 1;
    QTest::addRow("a used time no lesson has")
        << u"huge time"_s << 0 << u"Пропуснат x.csv: ред 2: неправилно поле „Използвано време (с)“"_s << 1;
    QTest::addRow("a log saved with CR line ends") << u"cr only"_s << 0 << u"пропуснати: 0"_s << 2;
    QTest::addRow("-o naming one of the logs")
        << u"output is a log"_s << 1 << u"е един от файловете в папката с дневниците"_s << 1;
    QTest::addRow("-o naming a student's log elsewhere")
        << u"output is a log elsewhere"_s << 1 << u"е дневник на опитите на ученик"_s << 1;
    QTest::addRow("-o into a folder that does not exist")
        << u"output folder missing"_s << 1 << u": "_s + QString::fromLocal8Bit(std::strerror(ENOENT)) << 1;
}

void TestFileFaults::theClassSummaryHoldsUnderBadInput()
{
    QFETCH(QString, trouble);
    QFETCH(int, code);
    QFETCH(QString, said);
    QFETCH(int, logsRead);
    if (trouble == u"unreadable" && isRoot())
        QSKIP("Permissions do not stop root.");
    QTemporaryDir work;
    const QDir dir(work.path());
    QVERIFY(dir.mkdir(u"logs"_s));
    const QString logs = dir.filePath(u"logs"_s);
    const QString good = QDir(logs).filePath(u"good.csv"_s);
    const QString x = QDir(logs).filePath(u"x.csv"_s);
    QVERIFY(writeFile(good, aLog(u"pc-1"_s, 0)));
    QString folder = logs;
    QStringList options;
    QString kept;  // a file that must stay as it is
    if (trouble == u"missing folder") {
        folder = dir.filePath(u"няма"_s);
    } else if (trouble == u"file as folder") {
        folder = good;
    } else if (trouble == u"unreadable") {
        QVERIFY(writeFile(x, aLog(u"pc-2"_s, 1)) && QFile::setPermissions(x, {}));
    } else if (trouble == u"loop") {
        QVERIFY(QFile::link(x, x));
    } else if (trouble == u"dangling") {
        QVERIFY(QFile::link(dir.filePath(u"gone.csv"_s), x));
    } else if (trouble == u"zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, x));
    } else if (trouble == u"fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(x).constData(), 0600) == 0);
    } else if (trouble == u"huge time") {
        QVERIFY(writeFile(x, QByteArray(aLog(u"pc-2"_s, 1)).replace(";20;0;не;", ";20;9223372036854775807;не;")));
    } else if (trouble == u"cr only") {
        QVERIFY(writeFile(x, QByteArray(aLog(u"pc-2"_s, 1)).replace("\r\n", "\r")));
    } else if (trouble == u"output is a log") {
        options << u"-o"_s << good;
        kept = good;
    } else if (trouble == u"output is a log elsewhere") {
        kept = dir.filePath(u"ученик.csv"_s);
        QVERIFY(writeFile(kept, aLog(u"pc-9"_s, 5)));
        options << u"-o"_s << kept;
    } else if (trouble == u"output folder missing") {
        options << u"-o"_s << dir.filePath(u"няма/клас.csv"_s);
    }
    const QByteArray keptBytes = readFile(kept);

    const ReportRun run = runReport(QStringList{folder} + options);

    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    if (logsRead >= 0)
        QVERIFY2(run.err.contains(u"Прочетени дневници: "_s + QString::number(logsRead)), qPrintable(run.err));
    if (!kept.isEmpty())
        QCOMPARE(readFile(kept), keptBytes);
    // A table goes out exactly when the run succeeded; it holds the good log.
    QCOMPARE(run.table.contains("pc-1"), code == 0);
}

// Two lessons started in one folder in the same second on one computer, on a
// disk slow to sync: each keeps its own log and answers, and the summary
// reads both runs.
void TestFileFaults::twoLessonsStartedInOneSecondKeepBothLogs()
{
    TestLesson t;
    workbench_lesson::install(t.program());
    QVERIFY(writeFile(u"FUNKR.UFG"_s, content::serialiseConfig(app::openLessonConfig(t.program()))));
    FsyncDelayMs = 300;
    QList<pid_t> children;
    for (int run = 1; run <= 2; ++run) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ScriptedServices services;
            app::Program program(services.services());
            workbench_lesson::install(program);
            program.start();
            program.lesko().mnu_Wyprosi_Click();
            program.lesko_n().Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор на пускане "_s + QString::number(run));
            program.lesko_n().mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
            ::_exit(services.shown.isEmpty() ? 0 : 3);
        }
        children << child;
    }
    FsyncDelayMs = 0;
    for (const pid_t child : children) {
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child);
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    const QStringList logs = QDir().entryList({u"FUNKR_opiti_*.csv"_s}, QDir::Files);
    QCOMPARE(logs.size(), 2);
    QCOMPARE(QDir().entryList({u"FUNKR_otgowori_*.csv"_s}, QDir::Files).size(), 2);
    const content::Result<results::ClassSummary> summary = results::readAttemptLogs(u"."_s, u"FUNKR"_s);
    QVERIFY(summary);
    QCOMPARE(summary->skipped, QStringList());
    QCOMPARE(summary->runs.size(), 2);
    QCOMPARE(summary->runs[0].start, summary->runs[1].start);
    QVERIFY(summary->runs[0].runId != summary->runs[1].runId);
}

// A save killed while its temporary file was being synced leaves it behind;
// the next start removes it, and any other of the lesson's leftovers, but not
// a file a running save holds, nor anybody else's.
void TestFileFaults::leftoversOfAKilledSaveAreRemovedAtStart()
{
    TestLesson t;
    FsyncDelayMs = 5000;
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        app::replaceFileInWorkingFolder(u"FUNKR_01.TXT"_s, "half way");
        ::_exit(0);
    }
    FsyncDelayMs = 0;
    const QString killed = u".FUNKR_01.TXT."_s + QString::number(child) + u".0"_s;
    QTRY_VERIFY(QFileInfo::exists(killed));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const QString record = content::Lesson::embedded().answerFiles().value(1);
    const QStringList leftovers{u".FUNKR_opiti_pc_20250310-090000.csv.4242.0"_s, u"."_s + record + u".17.3"_s};
    for (const QString& name : leftovers + QStringList{u".FUNKR_02.TXT.77.0"_s, u".notes.txt.5.0"_s})
        QVERIFY(writeFile(name, "left"));
    // A save of another lesson in this folder is writing this one right now.
    const int held = ::open(".FUNKR_02.TXT.77.0", O_WRONLY | O_CLOEXEC);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

    startWorkbenchLesson(t);

    ::close(held);
    QVERIFY(!QFileInfo::exists(killed));
    for (const QString& name : leftovers)
        QVERIFY2(!QFileInfo::exists(name), qPrintable(name));
    QVERIFY(QFileInfo::exists(u".FUNKR_02.TXT.77.0"_s));
    QVERIFY(QFileInfo::exists(u".notes.txt.5.0"_s));
}

// The box of a failed minute's write is shown once the workbench's tick has
// returned, not inside it: the clock goes on ticking under the box.
void TestFileFaults::theMinuteWritesFailureBoxComesAfterTheTick()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    clickTask(t, 2, {true});
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();  // the log takes its name
    t.services.shown.clear();
    QVERIFY(QFile::remove(attemptLogName()) && QDir().mkdir(attemptLogName()));
    tick(bench, app::TicksPerWrite);
    QVERIFY(t.services.shown.isEmpty());
    QCOMPARE(t.services.deferred.size(), std::size_t(1));
    const double before = bench.RemainingTime;
    tick(bench, 5);  // the event loop runs the next ticks before the box
    t.services.runDeferred();
    QCOMPARE(messagesStartingWith(t, u"42"_s), 1);
    QVERIFY(bench.RemainingTime < before);
}

// The files this lesson added: the answers kept for a restart, the hand-in
// copies and the results window's exports, on a full disk, with a link
// planted on the name and in a read-only folder. Nothing is lost, nothing is
// written through the link, and each failure is told.
void TestFileFaults::theNewFilesOnFaults_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault");
    for (const QString& file : {u"kept answers"_s, u"hand-in solution"_s, u"summary table"_s, u"pdf report"_s})
        for (const QString& fault : {u"full disk"_s, u"link"_s, u"read-only folder"_s})
            QTest::addRow("%s, %s", qPrintable(file), qPrintable(fault)) << file << fault;
}

void TestFileFaults::theNewFilesOnFaults()
{
    QFETCH(QString, file);
    QFETCH(QString, fault);
    if (fault == u"read-only folder" && !isRoot())
        QSKIP("A read-only folder needs a read-only mount, which needs root.");
    TestLesson t;
    QTemporaryDir other;  // the hand-in folder, or the export's folder
    std::unique_ptr<SmallDisk> disk;
    const bool inWorkingFolder = file == u"kept answers";
    if (fault != u"link" && isRoot()) {
        disk = std::make_unique<SmallDisk>(inWorkingFolder ? t.folder() : other.path(), "256k");
        QVERIFY(disk->mounted());
        QVERIFY(::chdir(QFile::encodeName(t.folder()).constData()) == 0);
    }
    startWithHandIn(t, other.path());
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"първият отговор"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    const QString tag = t.program().attemptLog().writing.handInTag;
    const QString target = file == u"kept answers" ? t.path(keptAnswersName())
                           : file == u"hand-in solution"
                               ? QDir(other.path()).filePath(results::handInSolutionName(u"FUNKR_01.TXT"_s, tag))
                               : QDir(other.path()).filePath(u"клас"_s);
    if (!QFileInfo::exists(target))
        QVERIFY(writeFile(target, "the old table"));
    const QByteArray old = readFile(target);
    QVERIFY(!old.isEmpty());

    QTemporaryDir outside;
    const QString victim = outside.filePath(u"victim"_s);
    std::unique_ptr<FullDisk> full;
    if (fault == u"link") {
        QVERIFY(writeFile(victim, OldBytes) && QFile::remove(target) && QFile::link(victim, target));
    } else if (fault == u"full disk") {
        if (disk) {
            QVERIFY(::chdir(QFile::encodeName(inWorkingFolder ? t.folder() : other.path()).constData()) == 0);
            disk->fill();
            QVERIFY(::chdir(QFile::encodeName(t.folder()).constData()) == 0);
        } else {
            full = std::make_unique<FullDisk>(t, 16 * 1024);
            full->fill();
        }
    } else {
        QVERIFY(disk->makeReadOnly());
        QVERIFY(::chdir(QFile::encodeName(t.folder()).constData()) == 0);
    }

    t.services.shown.clear();
    QString exportFailure;
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(bigAnswer());
    if (inWorkingFolder) {
        tick(bench, app::TicksPerWrite);
        t.services.runDeferred();
    } else if (file == u"hand-in solution") {
        bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    } else {
        const results::ClassResults results = results::readClassResults(t.folder(), u"FUNKR"_s);
        exportFailure = file == u"summary table" ? results::saveSummaryTable(results, target).reason()
                                                 : results::saveReportPdf(results, target).reason();
    }
    if (full)
        full->release();

    if (fault == u"link") {
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(readFile(victim), OldBytes);
        QVERIFY(t.services.shown.isEmpty() && exportFailure.isEmpty());
        return;
    }
    QCOMPARE(readFile(target), old);
    QVERIFY(!folderEntries(QFileInfo(target).path()).join(u' ').contains(u'.' + QFileInfo(target).fileName() + u'.'));
    if (inWorkingFolder)
        QCOMPARE(messagesStartingWith(t, u"42"_s), 1);
    else if (file == u"hand-in solution")
        QCOMPARE(messagesStartingWith(t, u"61"_s), 1);
    else
        QVERIFY2(exportFailure.startsWith(target + u": "_s), qPrintable(exportFailure));
}

// A GUI application (offscreen in the tests): the PDF report paints text.
QTEST_MAIN(TestFileFaults)
#include "test_file_faults.moc"
