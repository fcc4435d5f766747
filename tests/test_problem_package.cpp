// The zip writer and the tasks' problem packages, read back by Python's own
// zip reader: every file there byte for byte with a right CRC-32, the layout
// of the package format, the statement in Markdown, and the writing of all
// twenty into a folder.
#include "checker/problem_packages.h"
#include "content/zip_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const content::Lesson& lesson() { return content::Lesson::embedded(); }

// Tests the archive's CRCs and unpacks it into a folder with Python's zipfile;
// its complaint, empty when the archive is sound.
QString unpack(const QByteArray& archive, const QString& folder)
{
    const QString zipPath = folder + u".zip";
    QFile file(zipPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size())
        return u"cannot write "_s + zipPath;
    file.close();
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(u"python3"_s, {u"-c"_s,
                                u"import sys, zipfile\n"
                                "z = zipfile.ZipFile(sys.argv[1])\n"
                                "bad = z.testzip()\n"
                                "if bad: sys.exit('bad CRC: ' + bad)\n"
                                "print(' '.join(str(i.compress_type) for i in z.infolist()))\n"
                                "z.extractall(sys.argv[2])\n"_s,
                                zipPath, folder});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return u"python3: "_s + QString::fromUtf8(python.readAll());
    return {};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString taskFolder(int task) { return lesson().folder() + u"/tasks/%1"_s.arg(task, 2, 10, QChar(u'0')); }

}  // namespace

class TestProblemPackage : public QObject {
    Q_OBJECT
private slots:
    void zipHoldsEveryFileByteForByte();
    void sameFilesGiveTheSameArchive();
    void packageHasTheFormatsLayout_data();
    void packageHasTheFormatsLayout();
    void statementIsMarkdownWithoutTitleAndExamples();
    void allTwentyAreWrittenIntoAFolder();
    void aFolderThatCannotBeMadeIsReported();
};

void TestProblemPackage::zipHoldsEveryFileByteForByte()
{
    QByteArray noise(70000, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& c : noise)
        c = char(generator.bounded(256));
    const QList<QPair<QString, QByteArray>> files{
        {u"p/empty.txt"_s, QByteArray()},
        {u"p/data/secret/01.in"_s, QByteArray("1 2 3\n").repeated(20000)},  // deflated
        {u"p/noise.bin"_s, noise},                                          // stored: deflate would not shrink it
        {u"p/statement/problem.bg.md"_s, u"Задача: ж\n"_s.toUtf8()},
    };
    content::ZipWriter zip;
    for (const auto& [path, bytes] : files)
        zip.add(path, bytes);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"unpacked"_s);
    const QString complaint = unpack(zip.archive(), folder);
    QVERIFY2(complaint.isEmpty(), qPrintable(complaint));
    QCOMPARE(filesUnder(folder).size(), files.size());
    for (const auto& [path, bytes] : files)
        QVERIFY2(readFile(folder + u'/' + path) == bytes, qPrintable(path));
    QVERIFY(zip.archive().size() < noise.size() + 20000);  // the repeated lines were deflated
}

void TestProblemPackage::sameFilesGiveTheSameArchive()
{
    QCOMPARE(app::problemPackage(lesson(), 4), app::problemPackage(lesson(), 4));
    QVERIFY(app::problemPackage(lesson(), 4) != app::problemPackage(lesson(), 5));
    QVERIFY(app::problemPackage(lesson(), 21).isEmpty());
}

void TestProblemPackage::packageHasTheFormatsLayout_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("wrongAnswer");
    QTest::addColumn<QString>("itsFolder");
    QTest::addRow("task 10") << 10 << u"10_trial_division_up_to_n_slow.cpp"_s << u"time_limit_exceeded"_s;
    QTest::addRow("task 14") << 14 << u"14_recursion_from_one_crash.cpp"_s << u"run_time_error"_s;
    QTest::addRow("task 20, the largest") << 20 << u"20_repeats_kept.cpp"_s << u"wrong_answer"_s;
}

// The package is a folder named after it holding the lesson's task folder as
// it is, the statement, and the submissions in the folders their names give.
void TestProblemPackage::packageHasTheFormatsLayout()
{
    QFETCH(int, task);
    QFETCH(QString, wrongAnswer);
    QFETCH(QString, itsFolder);
    QTemporaryDir dir;
    const QString complaint = unpack(app::problemPackage(lesson(), task), dir.filePath(u"out"_s));
    QVERIFY2(complaint.isEmpty(), qPrintable(complaint));
    const QString name = app::problemPackageName(lesson(), task);
    QCOMPARE(name, u"funkr%1"_s.arg(task));
    const QStringList unpacked = filesUnder(dir.filePath(u"out"_s));
    QCOMPARE(unpacked.filter(QString(name + u'/')), unpacked);
    const QString root = dir.filePath(u"out/"_s + name);

    const QStringList lessonFiles = filesUnder(taskFolder(task));
    for (const QString& file : lessonFiles)
        QVERIFY2(readFile(root + u'/' + file) == readFile(taskFolder(task) + u'/' + file), qPrintable(file));
    QVERIFY(lessonFiles.contains(u"problem.yaml"_s));
    QVERIFY(lessonFiles.contains(u"input_validators/validate.py"_s));
    QVERIFY(lessonFiles.contains(u"data/secret/test_group.yaml"_s));
    QVERIFY(!lessonFiles.filter(u"data/sample/"_s).isEmpty());

    QCOMPARE(QString::fromUtf8(readFile(root + u"/statement/problem.bg.md")), app::packageStatement(lesson(), task));
    QCOMPARE(QString::fromUtf8(readFile(root + u"/submissions/accepted/solution.cpp")),
             app::authorSolution(lesson(), task));
    QCOMPARE(readFile(root + u"/submissions/" + itsFolder + u'/' + wrongAnswer),
             readFile(lesson().folder() + u"/wrong_answers/" + wrongAnswer));
    const QStringList submissions = filesUnder(root + u"/submissions");
    QCOMPARE(submissions.size(), app::submissions(lesson(), task).size());
    for (const QString& file : submissions)
        QVERIFY2(file.startsWith(u"accepted/") || QFileInfo(file).fileName().startsWith(u"%1_"_s.arg(task)),
                 qPrintable(file));
}

void TestProblemPackage::statementIsMarkdownWithoutTitleAndExamples()
{
    for (int task = 1; task <= 20; ++task) {
        const QString statement = app::packageStatement(lesson(), task);
        QVERIFY2(!statement.contains(u"Задача"_s) && !statement.contains(u"Пример"_s), qPrintable(statement));
        QVERIFY2(!statement.contains(u"означава нов ред"_s), qPrintable(statement));
        QVERIFY(statement.contains(u"Изходът се сравнява по редове"_s));
        for (const QString& line : statement.split(u'\n'))
            QVERIFY2(!line.startsWith(u"    "_s), qPrintable(line));  // no code blocks
    }
    const QString factorial = app::packageStatement(lesson(), 14);
    QVERIFY2(factorial.contains(uR"(n! = 1 \* 2 \* ... \* n)"_s), qPrintable(factorial));
    const QString pieces = app::packageStatement(lesson(), 4);
    QVERIFY2(pieces.contains(uR"(f(x) = 2x + 1, ако x \< 0;\)"_s), qPrintable(pieces));
    // The notes after the examples stay.
    QVERIFY(app::packageStatement(lesson(), 1).contains(u"Помислете кой тип побира"_s));
    QVERIFY(app::packageStatement(lesson(), 2).contains(u"Забележка"_s));
}

void TestProblemPackage::allTwentyAreWrittenIntoAFolder()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"packages/new"_s);
    const content::Result<int> written = app::writeProblemPackages(lesson(), folder);
    QVERIFY2(written.ok(), qPrintable(written.reason()));
    QCOMPARE(written.value(), 20);
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 20);
    QCOMPARE(files.constFirst(), u"funkr01.zip"_s);
    QCOMPARE(files.constLast(), u"funkr20.zip"_s);
    QCOMPARE(readFile(folder + u"/funkr07.zip"), app::problemPackage(lesson(), 7));
}

void TestProblemPackage::aFolderThatCannotBeMadeIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"file"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.filePath(u"file/packages"_s);
    const content::Result<int> written = app::writeProblemPackages(lesson(), folder);
    QVERIFY(!written.ok());
    QCOMPARE(written.reason(), u"Папката „"_s + folder + u"“ не може да бъде създадена."_s);
}

QTEST_GUILESS_MAIN(TestProblemPackage)
#include "test_problem_package.moc"
