// Where the lesson keeps its files: the folder it was started in from a
// terminal, whatever its name, a folder of the student's own under documents
// from the desktop menu, with a message and a fallback when that folder cannot
// be created.
#include "support/scripted_services.h"

#include "content/lesson.h"
#include "files/working_folder.h"
#include "program/lesson_folder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"Функционална релация"_s;

class WorkingFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    void titleComesFromTheLesson();
    void fromMenuOptionIsTakenOut();
    void candidates_data();
    void candidates();
    void createsTheFolderOnFirstStartAndWorksInIt();
    void keepsTheStudentsFilesOnTheNextStart();
    void folderInTheWayFallsBackAndSaysWhere();
    void noUsableFolderIsReportedAndNothingChanges();
    void aFolderThatCannotBeWrittenIsStillEntered();
    void fromATerminalTheStartedFolderIsKeptWhateverItsName_data();
    void fromATerminalTheStartedFolderIsKeptWhateverItsName();

private:
    QString previous_;
};

void WorkingFolderTest::titleComesFromTheLesson() { QCOMPARE(app::lessonTitle(content::Lesson::embedded()), Title); }

void WorkingFolderTest::fromMenuOptionIsTakenOut()
{
    std::vector<QByteArray> words{"lesko", "--from-menu", "--setup", "--from-menu"};
    std::vector<char*> argv;
    for (QByteArray& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    int argc = int(words.size());
    QVERIFY(app::takeOption(argc, argv.data(), app::FromMenuOption));
    QCOMPARE(argc, 2);
    QCOMPARE(QByteArray(argv[0]), "lesko");
    QCOMPARE(QByteArray(argv[1]), "--setup");
    QCOMPARE(argv[2], nullptr);

    QVERIFY(!app::takeOption(argc, argv.data(), app::FromMenuOption));
    QCOMPARE(argc, 2);
}

void WorkingFolderTest::candidates_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");

    const QString home = u"/home/ana"_s;
    const QString data = u"/home/ana/.local/share/lesko/"_s;
    const auto fallbacks = [&](const QString& name) { return QStringList{data + name}; };
    QTest::addRow("menu: the lesson's folder under documents")
        << u"/home/ana/Документи"_s << Title << QStringList{u"/home/ana/Документи/"_s + Title} + fallbacks(Title);
    QTest::addRow("menu: documents written with a trailing slash")
        << u"/home/ana/Documents/"_s << Title << QStringList{u"/home/ana/Documents/"_s + Title} + fallbacks(Title);
    QTest::addRow("menu: documents is the home folder")
        << home << Title << QStringList{u"/home/ana/"_s + Title} + fallbacks(Title);
    QTest::addRow("menu: no documents folder") << QString() << Title << fallbacks(Title);
    QTest::addRow("menu: relative documents folder") << u"Documents"_s << Title << fallbacks(Title);
    QTest::addRow("menu: documents is the root") << u"/"_s << Title << fallbacks(Title);
    QTest::addRow("menu: documents in a system folder") << u"/usr/share/doc"_s << Title << fallbacks(Title);
    QTest::addRow("menu: a slash in the title")
        << u"/home/ana/Документи"_s << u"f/g"_s << QStringList{u"/home/ana/Документи/f-g"_s} + fallbacks(u"f-g"_s);
    QTest::addRow("menu: a title of dots never climbs out")
        << u"/home/ana/Документи"_s << u".."_s << QStringList{u"/home/ana/Документи/lesko"_s} + fallbacks(u"lesko"_s);
    QTest::addRow("menu: an empty title")
        << u"/home/ana/Документи"_s << QString() << QStringList{u"/home/ana/Документи/lesko"_s} + fallbacks(u"lesko"_s);
}

void WorkingFolderTest::candidates()
{
    QFETCH(QString, documents);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    const app::StartFolders folders{u"/home/ana"_s, documents, u"/home/ana/.local/share/lesko"_s};
    const QStringList candidates = app::workingFolderCandidates(folders, title);
    QCOMPARE(candidates, expected);
    QVERIFY(!candidates.contains(u"/home/ana"_s));
}

void WorkingFolderTest::createsTheFolderOnFirstStartAndWorksInIt()
{
    QTemporaryDir documents;
    const QString folder = documents.filePath(Title);
    testing_support::ScriptedServices services;
    QVERIFY(app::enterWorkingFolder({folder, documents.filePath(u"other"_s)}, services));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir::currentPath(), QFileInfo(folder).canonicalFilePath());
    QVERIFY(services.shown.isEmpty());
    QVERIFY(!QFileInfo::exists(documents.filePath(u"other"_s)));
}

void WorkingFolderTest::keepsTheStudentsFilesOnTheNextStart()
{
    QTemporaryDir documents;
    const QString folder = documents.filePath(Title);
    QVERIFY(QDir().mkpath(folder));
    QFile answer(folder + u"/FUNKR_01.TXT"_s);
    QVERIFY(answer.open(QIODevice::WriteOnly) && answer.write("abc") == 3);
    answer.close();
    testing_support::ScriptedServices services;
    QVERIFY(app::enterWorkingFolder({folder}, services));
    QFile again(u"FUNKR_01.TXT"_s);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), "abc");
    QVERIFY(services.shown.isEmpty());
}

void WorkingFolderTest::folderInTheWayFallsBackAndSaysWhere()
{
    QTemporaryDir root;
    QFile inTheWay(root.filePath(u"Документи"_s));  // a file where the documents folder should be
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    const QString blocked = root.filePath(u"Документи/"_s + Title);
    const QString fallback = root.filePath(u"data/"_s + Title);
    testing_support::ScriptedServices services;

    QVERIFY(app::enterWorkingFolder({blocked, fallback}, services));
    QCOMPARE(QDir::currentPath(), QFileInfo(fallback).canonicalFilePath());
    QCOMPARE(services.shown.size(), 1);
    QVERIFY(services.shown[0].text.contains(blocked));
    QVERIFY(services.shown[0].text.contains(fallback));
    QVERIFY(services.shown[0].text.contains(u"не може да бъде създадена"_s));
    QCOMPARE(services.shown[0].flags, app::box::OkOnly);
}

void WorkingFolderTest::noUsableFolderIsReportedAndNothingChanges()
{
    QTemporaryDir root;
    QFile inTheWay(root.filePath(u"file"_s));
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    const QString before = QDir::currentPath();
    testing_support::ScriptedServices services;

    QVERIFY(!app::enterWorkingFolder({root.filePath(u"file/a"_s), root.filePath(u"file/b"_s)}, services));
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(services.shown.size(), 1);
    QVERIFY(services.shown[0].text.contains(root.filePath(u"file/a"_s)));
    QCOMPARE(services.shown[0].flags, app::box::OkOnly | app::box::Stop);

    services.shown.clear();
    QVERIFY(!app::enterWorkingFolder({}, services));
    QCOMPARE(services.shown.size(), 1);
}

void WorkingFolderTest::aFolderThatCannotBeWrittenIsStillEntered()
{
    if (::geteuid() == 0)
        QSKIP("root writes into every folder; the read-only mount of test_file_faults covers it");
    QTemporaryDir root;
    const QString readOnly = root.filePath(Title);
    QVERIFY(QDir().mkpath(readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    testing_support::ScriptedServices services;
    QVERIFY(app::enterWorkingFolder({readOnly, root.filePath(u"file/b"_s)}, services));
    QCOMPARE(QDir::currentPath(), QFileInfo(readOnly).canonicalFilePath());
    QVERIFY(services.shown.isEmpty());  // the lesson says at its start that saving is off
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void WorkingFolderTest::fromATerminalTheStartedFolderIsKeptWhateverItsName_data()
{
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("shownEnd");
    QTest::addRow("a name that is not UTF-8") << QByteArray("bad\xff\xfe") << 1 << u"/bad\uFFFD\uFFFD"_s;
    QTest::addRow("a path of about 4800 bytes") << QByteArray(200, 'd') << 24 << u"/"_s + QString(200, u'd');
}

void WorkingFolderTest::fromATerminalTheStartedFolderIsKeptWhateverItsName()
{
    QFETCH(QByteArray, component);
    QFETCH(int, depth);
    QFETCH(QString, shownEnd);
    QTemporaryDir root;
    QVERIFY(QDir::setCurrent(root.path()));
    for (int i = 0; i < depth; ++i)
        QVERIFY(::mkdir(component.constData(), 0700) == 0 && ::chdir(component.constData()) == 0);
    struct stat before {};
    QVERIFY(::stat(".", &before) == 0);
    testing_support::ScriptedServices services;
    const app::StartFolders folders{u"/home/ana"_s, u"/home/ana/Документи"_s, u"/home/ana/.local/share/lesko"_s};
    QVERIFY(app::enterLessonFolder(false, folders, Title, services));
    struct stat after {};
    QVERIFY(::stat(".", &after) == 0);
    QCOMPARE(after.st_ino, before.st_ino);  // the same folder, not a sibling named by decoded text
    QVERIFY(services.shown.isEmpty());
    const QString shown = app::currentFolderPath();
    QVERIFY2(shown.startsWith(root.path()) && shown.endsWith(shownEnd), qPrintable(shown.left(200)));
    QCOMPARE(app::shownPath(u"FUNKR.UFG"_s), shown + u"/FUNKR.UFG"_s);
    // Qt cannot name these folders to remove them; the shell can.
    QVERIFY(QDir::setCurrent(root.path()));
    QCOMPARE(std::system("rm -rf -- ./*"), 0);
}

}  // namespace

QTEST_GUILESS_MAIN(WorkingFolderTest)
#include "test_working_folder.moc"
