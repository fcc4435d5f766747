// A task's tests in the problem package layout: the YAML the package files
// use, the scan of a package folder (order, hints, time limit) and what it
// reports of a damaged one, also through a lesson loaded from that folder.
#include "content/lesson.h"
#include "content/task_package.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A sound package: two secret tests written out of order, one with a hint,
// and a sample.
void writeSoundPackage(const QString& folder)
{
    writeFile(folder + u"/problem.yaml", "problem_format_version: 2025-09\nlimits:\n  time_limit: 2\n");
    writeFile(folder + u"/data/sample/01.in", "5\n");
    writeFile(folder + u"/data/sample/01.ans", "13\n");
    writeFile(folder + u"/data/sample/test_group.yaml", "output_validator_args: [case_sensitive]\n");
    writeFile(folder + u"/data/secret/02.in", "-4\n");
    writeFile(folder + u"/data/secret/02.ans", "-5\n");
    writeFile(folder + u"/data/secret/02.yaml", "hint: \"Помислете за отрицателно x.\"\n");
    writeFile(folder + u"/data/secret/01.in", "0\n");
    writeFile(folder + u"/data/secret/01.ans", "3\n");
}

using Fault = std::function<void(const QString& folder)>;

}  // namespace

Q_DECLARE_METATYPE(Fault)

class TestTaskPackage : public QObject {
    Q_OBJECT
private slots:
    void yamlValues_data();
    void yamlValues();
    void malformedYamlNamesItsLine_data();
    void malformedYamlNamesItsLine();
    void scanListsTestsInOrderWithHintsAndLimit();
    void damagedPackageIsReported_data();
    void damagedPackageIsReported();
    void aTestThatCannotBeReadIsNamed();
    void aLessonFolderCarriesItsTasks();
};

void TestTaskPackage::yamlValues_data()
{
    QTest::addColumn<QByteArray>("yaml");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addRow("nested key") << QByteArray("name:\n  bg: Име\nlimits:\n  time_limit: 1.5\n")
                                << u"limits.time_limit"_s << u"1.5"_s;
    QTest::addRow("double quotes with escapes") << QByteArray(R"(hint: "a \"b\" \\ \u0436 c: d")"
                                                              "\n")
                                                << u"hint"_s << u"a \"b\" \\ ж c: d"_s;
    QTest::addRow("single quotes") << QByteArray("hint: 'it''s # not a comment'\n") << u"hint"_s
                                   << u"it's # not a comment"_s;
    QTest::addRow("comment after a plain value")
        << QByteArray("# the test\n\nhint: x y # why\n") << u"hint"_s << u"x y"_s;
    QTest::addRow("CR LF line ends") << QByteArray("hint: x\r\ndescription: y\r\n") << u"description"_s << u"y"_s;
    QTest::addRow("flow sequence kept as written") << QByteArray("output_validator_args: [case_sensitive]\n")
                                                   << u"output_validator_args"_s << u"[case_sensitive]"_s;
    QTest::addRow("key after a block") << QByteArray("limits:\n  time_limit: 1\nuuid: abc\n") << u"uuid"_s << u"abc"_s;
}

void TestTaskPackage::yamlValues()
{
    QFETCH(QByteArray, yaml);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const content::Result<QHash<QString, QString>> read = content::readPackageYaml(yaml);
    QVERIFY2(read.ok(), qPrintable(read.reason()));
    QCOMPARE(read->value(key), value);
}

void TestTaskPackage::malformedYamlNamesItsLine_data()
{
    QTest::addColumn<QByteArray>("yaml");
    QTest::addColumn<int>("line");
    QTest::addRow("no colon") << QByteArray("hint: a\njust text\n") << 2;
    QTest::addRow("indented without a block") << QByteArray("  hint: x\n") << 1;
    QTest::addRow("unterminated quote") << QByteArray("hint: \"abc\n") << 1;
    QTest::addRow("text after the closing quote") << QByteArray("hint: \"a\" b\n") << 1;
    QTest::addRow("repeated key") << QByteArray("limits:\n  time_limit: 1\n  time_limit: 2\n") << 3;
    QTest::addRow("unknown escape") << QByteArray(R"(hint: "\q")") << 1;
    QTest::addRow("short unicode escape") << QByteArray(R"(hint: "\u04")") << 1;
}

void TestTaskPackage::malformedYamlNamesItsLine()
{
    QFETCH(QByteArray, yaml);
    QFETCH(int, line);
    const content::Result<QHash<QString, QString>> read = content::readPackageYaml(yaml);
    QVERIFY(!read.ok());
    QVERIFY2(read.reason().startsWith(u"ред %1: "_s.arg(line)), qPrintable(read.reason()));
}

void TestTaskPackage::scanListsTestsInOrderWithHintsAndLimit()
{
    QTemporaryDir dir;
    writeSoundPackage(dir.path());
    const content::TaskPackage package = content::scanTaskPackage(dir.path());
    QVERIFY2(package.problems.isEmpty(), qPrintable(package.problems.join(u'\n')));
    QCOMPARE(package.timeLimitMs, 2000);
    const content::Result<QList<content::TaskTest>> tests = content::readTests(package.tests);
    QVERIFY(tests.ok());
    QStringList names;
    for (const content::TaskTest& test : tests.value())
        names << test.name;
    QCOMPARE(names, QStringList({u"sample/01"_s, u"secret/01"_s, u"secret/02"_s}));
    QVERIFY(tests->at(0).sample && !tests->at(1).sample);
    QCOMPARE(tests->at(2).input, u"-4\n"_s);
    QCOMPARE(tests->at(2).answer, u"-5\n"_s);
    QCOMPARE(tests->at(2).hint, u"Помислете за отрицателно x."_s);
    QVERIFY(tests->at(1).hint.isEmpty());
}

void TestTaskPackage::damagedPackageIsReported_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("named");
    const auto remove = [](const QString& file) {
        return Fault([file](const QString& f) { QFile::remove(f + file); });
    };
    const auto write = [](const QString& file, const QByteArray& bytes) {
        return Fault([file, bytes](const QString& f) { writeFile(f + file, bytes); });
    };
    QTest::addRow("answer missing") << remove(u"/data/secret/01.ans"_s) << u"secret/01.in"_s;
    QTest::addRow("answer without input") << write(u"/data/secret/03.ans"_s, "1\n") << u"secret/03.ans"_s;
    QTest::addRow("hint file malformed") << write(u"/data/secret/02.yaml"_s, "hint: \"open\n") << u"secret/02.yaml"_s;
    QTest::addRow("time limit not a number")
        << write(u"/problem.yaml"_s, "limits:\n  time_limit: fast\n") << u"problem.yaml"_s;
    QTest::addRow("time limit zero") << write(u"/problem.yaml"_s, "limits:\n  time_limit: 0\n") << u"problem.yaml"_s;
    QTest::addRow("problem.yaml missing") << remove(u"/problem.yaml"_s) << u"problem.yaml"_s;
    QTest::addRow("problem.yaml malformed") << write(u"/problem.yaml"_s, "name\n") << u"problem.yaml"_s;
}

void TestTaskPackage::damagedPackageIsReported()
{
    QFETCH(Fault, fault);
    QFETCH(QString, named);
    QTemporaryDir dir;
    writeSoundPackage(dir.path());
    fault(dir.path());
    const content::TaskPackage package = content::scanTaskPackage(dir.path());
    QCOMPARE(package.problems.size(), 1);
    QVERIFY2(package.problems.constFirst().contains(named), qPrintable(package.problems.constFirst()));
    QCOMPARE(package.timeLimitMs, named == u"problem.yaml" ? 0 : 2000);
}

void TestTaskPackage::aTestThatCannotBeReadIsNamed()
{
    QTemporaryDir dir;
    writeSoundPackage(dir.path());
    const content::TaskPackage package = content::scanTaskPackage(dir.path());
    QVERIFY(QFile::remove(dir.filePath(u"data/secret/02.in"_s)));
    const content::Result<QList<content::TaskTest>> tests = content::readTests(package.tests);
    QVERIFY(!tests.ok());
    QVERIFY2(tests.reason().contains(u"02.in"_s) && tests.reason().contains(u"прочетен"_s), qPrintable(tests.reason()));
}

// A lesson folder's tasks/NN/ are its tasks' tests; their problems join the lesson's.
void TestTaskPackage::aLessonFolderCarriesItsTasks()
{
    QTemporaryDir dir;
    writeSoundPackage(dir.filePath(u"tasks/07"_s));
    writeSoundPackage(dir.filePath(u"tasks/08"_s));
    QFile::remove(dir.filePath(u"tasks/08/data/sample/01.ans"_s));
    writeSoundPackage(dir.filePath(u"tasks/notes"_s));  // not a task: no two-digit name
    const content::Lesson lesson(dir.path());
    QCOMPARE(lesson.tests(7).size(), 3);
    QCOMPARE(lesson.timeLimitMs(7), 2000);
    QCOMPARE(lesson.samples(7).size(), 1);
    QCOMPARE(lesson.samples(7).constFirst().output, u"13\n"_s);
    QVERIFY(lesson.tests(9).isEmpty());
    QCOMPARE(lesson.timeLimitMs(9), 0);
    QVERIFY(lesson.tests(8).isEmpty());  // its sample's answer cannot be read
    QCOMPARE(lesson.problems().filter(u"tasks/08/data/sample/01.in"_s).size(), 1);
    QVERIFY(lesson.problems().filter(u"notes"_s).isEmpty());
}

QTEST_GUILESS_MAIN(TestTaskPackage)
#include "test_task_package.moc"
