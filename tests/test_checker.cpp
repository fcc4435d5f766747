// The checker's pure parts: output comparison, run classification,
// compiler diagnostics and the command lines.
#include "checker/commands.h"
#include "checker/compare.h"
#include "checker/diagnostics.h"
#include "checker/verdict.h"

#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;
using checker::Verdict;

Q_DECLARE_METATYPE(checker::Verdict)
Q_DECLARE_METATYPE(checker::RunOutcome)

#include <functional>

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void comparison_data();
    void comparison();
    void classification_data();
    void classification();
    void diagnostics_data();
    void diagnostics();
    void linkerAndBrokenOutputBecomeLineLessErrors();
    void assemblerErrorsReadFromAPipeAreErrors();
    void errorInAHeaderIsPlacedOnTheAnswersLine();
    void limitsThatStopTheCompilerAreNamed_data();
    void limitsThatStopTheCompilerAreNamed();
    void fatalErrorKeepsItsLine();
    void compilerTextKeepsLinesAndNotes();
    void leadingIncludes_data();
    void leadingIncludes();
    void headerFolderChangesWithCompilerAndIncludes();
    void sandboxesHoldWhatTheyMust();
};

void TestChecker::comparison_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("got");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<int>("firstDifferent");
    QTest::addColumn<bool>("onlySpacing");
    QTest::addRow("same") << u"42\n"_s << u"42\n"_s << true << 0 << false;
    QTest::addRow("CR LF is LF") << u"1\n2\n"_s << u"1\r\n2\r\n"_s << true << 0 << false;
    QTest::addRow("trailing blanks of a line") << u"a b\nc\n"_s << u"a b  \t\nc \n"_s << true << 0 << false;
    QTest::addRow("trailing empty lines") << u"7"_s << u"7\n\n\n"_s << true << 0 << false;
    QTest::addRow("missing last line break") << u"7\n"_s << u"7"_s << true << 0 << false;
    QTest::addRow("case counts") << u"Yes\n"_s << u"yes\n"_s << false << 1 << false;
    QTest::addRow("leading blanks count") << u"5\n"_s << u" 5\n"_s << false << 1 << true;
    QTest::addRow("blank inside a line counts") << u"1 2\n"_s << u"1  2\n"_s << false << 1 << true;
    QTest::addRow("numbers on separate lines") << u"1 2\n"_s << u"1\n2\n"_s << false << 1 << true;
    QTest::addRow("second line differs") << u"1\n2\n3\n"_s << u"1\n5\n3\n"_s << false << 2 << false;
    QTest::addRow("a line missing at the end") << u"1\n2\n"_s << u"1\n"_s << false << 2 << false;
    QTest::addRow("an extra line") << u"1\n"_s << u"1\n2\n"_s << false << 2 << false;
    QTest::addRow("empty line inside counts") << u"1\n2\n"_s << u"1\n\n2\n"_s << false << 2 << true;
    QTest::addRow("nothing printed") << u"42\n"_s << QString() << false << 1 << false;
    QTest::addRow("Cyrillic, case kept") << u"Да\n"_s << u"да\n"_s << false << 1 << false;
}

void TestChecker::comparison()
{
    QFETCH(QString, expected);
    QFETCH(QString, got);
    const checker::Comparison c = checker::compareOutputs(expected, got);
    QTEST(c.equal, "equal");
    QTEST(c.firstDifferentLine, "firstDifferent");
    QTEST(c.onlySpacing, "onlySpacing");
}

void TestChecker::classification_data()
{
    QTest::addColumn<checker::RunOutcome>("run");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("line");
    using Ending = checker::RunOutcome::Ending;
    const auto run = [](QByteArray out, Ending ending = Ending::Exited, int code = 0) {
        checker::RunOutcome r;
        r.output = out;
        r.ending = ending;
        r.code = code;
        return r;
    };
    const auto with = [](checker::RunOutcome r, const std::function<void(checker::RunOutcome&)>& change) {
        change(r);
        return r;
    };
    const checker::RunOutcome right = run("42\n");
    QTest::addRow("right") << right << true << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("right, hidden") << right << false << Verdict::Accepted << u"Тест 1 (скрит): Верен"_s;
    QTest::addRow("wrong") << run("41\n") << true << Verdict::WrongAnswer << u"Тест 1: Грешен отговор"_s;
    QTest::addRow("spacing only") << run("4 2\n") << true << Verdict::WrongAnswer
                                  << u"Тест 1: Грешен отговор (разликата е само в интервалите)"_s;
    QTest::addRow("wall clock") << with(right, [](auto& r) { r.wallTimeout = true; }) << true << Verdict::TimeLimit
                                << u"Тест 1: Превишено време"_s;
    QTest::addRow("CPU time used up") << with(run("", Ending::Signalled, SIGKILL), [](auto& r) { r.cpuTimeout = true; })
                                      << true << Verdict::TimeLimit << u"Тест 1: Превишено време"_s;
    QTest::addRow("CPU limit of the kernel")
        << run("", Ending::Signalled, SIGXCPU) << true << Verdict::TimeLimit << u"Тест 1: Превишено време"_s;
    QTest::addRow("output cap before the timer")
        << with(run(QByteArray(100, 'x')), [](auto& r) { r.outputCapped = r.wallTimeout = true; }) << true
        << Verdict::OutputLimit << u"Тест 1: Твърде много изход"_s;
    QTest::addRow("file size limit") << run("", Ending::Signalled, SIGXFSZ) << true << Verdict::OutputLimit
                                     << u"Тест 1: Твърде много изход"_s;
    QTest::addRow("one mapping past the memory limit")
        << run("", Ending::Signalled, SIGSYS) << true << Verdict::MemoryLimit << u"Тест 1: Недостиг на памет"_s;
    QTest::addRow("resident memory past the limit, right output")
        << with(right, [](auto& r) { r.maxRssKb = (256 << 10) + 1; }) << true << Verdict::MemoryLimit
        << u"Тест 1: Недостиг на памет"_s;
    QTest::addRow("resident memory at the limit")
        << with(right, [](auto& r) { r.maxRssKb = 256 << 10; }) << true << Verdict::Accepted << u"Тест 1: Верен"_s;
    // What the answer writes decides nothing.
    QTest::addRow("bad_alloc written, right output")
        << with(right, [](auto& r) { r.errors = "terminate called after throwing 'std::bad_alloc'\n"; }) << true
        << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("aborted after writing bad_alloc")
        << with(run("", Ending::Signalled, SIGABRT), [](auto& r) { r.errors = "std::bad_alloc\n"; }) << true
        << Verdict::RuntimeError << u"Тест 1: Грешка при изпълнение (програмата е прекратена аварийно)"_s;
    QTest::addRow("own exit status 137") << run("42\n", Ending::Exited, 137) << true << Verdict::RuntimeError
                                         << u"Тест 1: Грешка при изпълнение (изходен код 137)"_s;
    QTest::addRow("own exit status 153") << run("42\n", Ending::Exited, 153) << true << Verdict::RuntimeError
                                         << u"Тест 1: Грешка при изпълнение (изходен код 153)"_s;
    QTest::addRow("bwrap's words on its error output")
        << with(run("", Ending::Exited, 1), [](auto& r) { r.errors = "bwrap: Can't mount proc\n"; }) << true
        << Verdict::RuntimeError << u"Тест 1: Грешка при изпълнение (изходен код 1)"_s;
    QTest::addRow("segmentation fault") << run("42\n", Ending::Signalled, SIGSEGV) << true << Verdict::RuntimeError
                                        << u"Тест 1: Грешка при изпълнение (недопустим достъп до паметта)"_s;
    QTest::addRow("division by zero") << run("", Ending::Signalled, SIGFPE) << false << Verdict::RuntimeError
                                      << u"Тест 1 (скрит): Грешка при изпълнение (аритметична грешка, например "
                                         u"деление на нула)"_s;
    QTest::addRow("killed by another, no limit reached")
        << run("", Ending::Signalled, SIGKILL) << true << Verdict::RuntimeError
        << u"Тест 1: Грешка при изпълнение (програмата е спряна принудително)"_s;
    QTest::addRow("did not start") << run("", Ending::Unstarted, ENOENT) << true << Verdict::Unavailable
                                   << u"Тест 1: Проверката не е налична (програмата не можа да бъде стартирана)"_s;
}

void TestChecker::classification()
{
    QFETCH(checker::RunOutcome, run);
    QFETCH(bool, shown);
    const checker::TestCase test{u"21\n"_s, u"42\n"_s, u"Помислете."_s, shown};
    const checker::TestResult t = checker::classifyRun(run, test, checker::Limits{});
    QTEST(t.verdict, "verdict");
    QTEST(checker::testLine(1, t), "line");
    QCOMPARE(t.input, u"21\n"_s);
    QCOMPARE(t.hint, u"Помислете."_s);
    QCOMPARE(t.got, QString::fromUtf8(run.output));
}

// What g++ 12 writes without carets, one error and its note.
static QByteArray compilerError(const QString& message, int line, int column, const QString& note = {})
{
    QString text = u"main.cpp: In function 'int main()':\n"_s +
                   u"main.cpp:%1:%2: error: %3\n"_s.arg(line).arg(column).arg(message);
    if (!note.isEmpty())
        text += u"main.cpp:1:1: note: "_s + note + u'\n';
    return text.toUtf8();
}

void TestChecker::diagnostics_data()
{
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("explanation");
    QTest::addRow("missing semicolon") << compilerError(u"expected ';' before 'return'"_s, 4, 2) << 4 << 2
                                       << u"Липсва „;“ в края на оператора (често на предишния ред)."_s;
    QTest::addRow("missing semicolon, typographic quotes")
        << compilerError(u"expected \u2018,\u2019 or \u2018;\u2019 before \u2018cout\u2019"_s, 5, 3) << 5 << 3
        << u"Липсва „;“ в края на оператора (често на предишния ред)."_s;
    QTest::addRow("missing semicolon after a declaration")
        << compilerError(u"expected initializer before 'std'"_s, 4, 5) << 4 << 5
        << u"Липсва „;“ в края на оператора (често на предишния ред)."_s;
    QTest::addRow("undeclared name")
        << compilerError(u"'suma' was not declared in this scope"_s, 6, 10) << 6 << 10
        << u"Името „suma“ не е обявено: проверете изписването (главни и малки букви) и дали е обявено преди да "
           u"се използва."_s;
    QTest::addRow("missing include")
        << compilerError(u"'cout' is not a member of 'std'"_s, 3, 10,
                         u"'std::cout' is defined in header '<iostream>'; did you forget to '#include <iostream>'?"_s)
        << 3 << 10 << u"Липсва #include <iostream> в началото на програмата."_s;
    QTest::addRow("type mismatch") << compilerError(u"invalid conversion from 'const char*' to 'int' [-fpermissive]"_s,
                                                    7, 13)
                                   << 7 << 13
                                   << u"Несъответствие на типове: стойността не е от типа, който се очаква тук."_s;
    QTest::addRow("no conversion") << compilerError(
                                          u"conversion from 'int' to non-scalar type 'std::string' requested"_s, 8, 21)
                                   << 8 << 21
                                   << u"Несъответствие на типове: стойността не е от типа, който се очаква тук."_s;
    QTest::addRow("missing brace") << compilerError(u"expected '}' at end of input"_s, 9, 1) << 9 << 1
                                   << u"Липсва фигурна скоба: всяка „{“ трябва да има своя „}“."_s;
    QTest::addRow("no explanation") << compilerError(u"'x' cannot be used as a function"_s, 2, 5) << 2 << 5
                                    << QString();
}

void TestChecker::diagnostics()
{
    QFETCH(QByteArray, errors);
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 1);
    QTEST(found[0].line, "line");
    QTEST(found[0].column, "column");
    QTEST(found[0].explanation, "explanation");
    QVERIFY(!found[0].message.contains(u'\u2018'));
}

void TestChecker::linkerAndBrokenOutputBecomeLineLessErrors()
{
    const QByteArray errors =
        "main.cpp:2:9: warning: unused variable 'y' [-Wunused-variable]\n"
        "main.cpp:2:9: note: a note of the warning\n" +
        compilerError(u"expected ';' before '}' token"_s, 3, 9) +
        "compilation terminated.\n"
        "/usr/bin/ld: main.o: undefined reference to `main'\n"
        "collect2: error: ld returned 1 exit status\n"
        "/tmp/ccVpQKbl.s: Assembler messages:\n"
        "/tmp/ccVpQKbl.s:7: Error: file not found: /usr/bin/lesko\n";
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 4);  // the warning and its note are left out
    QCOMPARE(found[3].message, u"Error: file not found: /usr/bin/lesko"_s);
    QCOMPARE(found[3].explanation, u"Асемблерът не приема кода в asm(…): file not found: /usr/bin/lesko"_s);
    QCOMPARE(found[0].line, 3);
    QVERIFY(found[0].notes.isEmpty());
    QCOMPARE(found[1].line, 0);
    QCOMPARE(found[1].explanation, u"Липсва функцията main."_s);
    QCOMPARE(checker::parseDiagnostics(errors, 2).size(), 2);
}

// With -pipe the assembler reads the compiler's output and names no file.
void TestChecker::assemblerErrorsReadFromAPipeAreErrors()
{
    const QByteArray errors =
        "{standard input}: Assembler messages:\n"
        "{standard input}:5: Error: file not found: /usr/local/bin/lesko_check\n";
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].message, u"Error: file not found: /usr/local/bin/lesko_check"_s);
    QCOMPARE(found[0].explanation, u"Асемблерът не приема кода в asm(…): file not found: /usr/local/bin/lesko_check"_s);
    QCOMPARE(found[0].line, 0);
}

void TestChecker::errorInAHeaderIsPlacedOnTheAnswersLine()
{
    // g++ 12 on std::sort over a list, in a UTF-8 locale.
    const QByteArray errors =
        "In file included from /usr/include/c++/12/algorithm:61,\n"
        "                 from main.cpp:1:\n"
        "/usr/include/c++/12/bits/stl_algo.h: In instantiation of \xE2\x80\x98void std::__sort()\xE2\x80\x99:\n"
        "/usr/include/c++/12/bits/stl_algo.h:4820:18:   required from \xE2\x80\x98void std::sort()\xE2\x80\x99\n"
        "main.cpp:6:14:   required from here\n"
        "/usr/include/c++/12/bits/stl_algo.h:1938:50: error: no match for \xE2\x80\x98operator-\xE2\x80\x99\n"
        "In file included from /usr/include/c++/12/bits/stl_algobase.h:67,\n"
        "                 from /usr/include/c++/12/algorithm:60:\n"
        "/usr/include/c++/12/bits/stl_iterator.h:621:5: note: candidate: operator-\n";
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].line, 6);
    QCOMPARE(found[0].column, 14);
    QCOMPARE(found[0].header, u"bits/stl_algo.h"_s);
    QCOMPARE(found[0].message, u"no match for 'operator-'"_s);
    QCOMPARE(found[0].notes, QStringList{u"candidate: operator-"_s});
    QCOMPARE(checker::compilerText(found),
             u"6:14: bits/stl_algo.h: error: no match for 'operator-'\n    note: candidate: operator-"_s);
}

void TestChecker::limitsThatStopTheCompilerAreNamed_data()
{
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("explanation");
    QTest::addRow("CPU limit") << QByteArray("g++: fatal error: Killed signal terminated program cc1plus\n") << true
                               << u"Компилацията е спряна: компилаторът надхвърли времето, което му е разрешено."_s;
    QTest::addRow("memory") << QByteArray("virtual memory exhausted: Cannot allocate memory\n") << true
                            << u"Компилацията е спряна: компилаторът надхвърли паметта, която му е разрешена."_s;
    QTest::addRow("file size")
        << QByteArray("collect2: fatal error: ld terminated with signal 25 [File size limit exceeded]\n") << true
        << u"Компилацията е спряна: програмата стана по-голяма от разрешеното."_s;
    QTest::addRow("the answer's own #error")
        << QByteArray("main.cpp:1:2: error: #error virtual memory exhausted\n") << false << QString();
}

void TestChecker::limitsThatStopTheCompilerAreNamed()
{
    QFETCH(QByteArray, errors);
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 1);
    QTEST(found[0].stoppedByLimit, "stopped");
    QTEST(found[0].explanation, "explanation");
}

void TestChecker::fatalErrorKeepsItsLine()
{
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(
        "main.cpp:1:10: fatal error: iostrem: No such file or directory\ncompilation terminated.\n", 10);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].line, 1);
    QCOMPARE(found[0].column, 10);
    QCOMPARE(found[0].message, u"iostrem: No such file or directory"_s);
}

void TestChecker::compilerTextKeepsLinesAndNotes()
{
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(
        compilerError(u"'cout' was not declared in this scope"_s, 3, 5, u"suggested alternative: 'std::cout'"_s), 10);
    QCOMPARE(checker::compilerText(found),
             u"3:5: error: 'cout' was not declared in this scope\n    note: suggested alternative: 'std::cout'"_s);
}

void TestChecker::leadingIncludes_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("includes");
    QTest::addRow("two") << u"#include <iostream>\n#include <vector>\nint main() {}\n"_s
                         << QStringList{u"iostream"_s, u"vector"_s};
    QTest::addRow("comments, blanks, CR LF, spacing")
        << u"// задача 1\r\n\r\n  #  include<cmath>\r\n#include <iostream> \r\nusing namespace std;\r\n"_s
        << QStringList{u"cmath"_s, u"iostream"_s};
    QTest::addRow("repeated once") << u"#include <iostream>\n#include <iostream>\n"_s << QStringList{u"iostream"_s};
    QTest::addRow("stops at the first other line")
        << u"#include <iostream>\nint x;\n#include <vector>\n"_s << QStringList{u"iostream"_s};
    QTest::addRow("own headers end it") << u"#include \"my.h\"\n#include <vector>\n"_s << QStringList{};
    QTest::addRow("not C++") << u"Здравейте!"_s << QStringList{};
    QTest::addRow("all of the library") << u"#include <bits/stdc++.h>\n"_s << QStringList{u"bits/stdc++.h"_s};
    QTest::addRow("a device is no header") << u"#include </dev/zero>\n#include <vector>\n"_s << QStringList{};
    QTest::addRow("a path out of the library ends it")
        << u"#include <cmath>\n#include <../../../etc/passwd>\n"_s << QStringList{u"cmath"_s};
    QTest::addRow("a system header ends it") << u"#include <sys/types.h>\n"_s << QStringList{};
}

void TestChecker::leadingIncludes()
{
    QFETCH(QString, answer);
    QTEST(checker::leadingIncludes(answer), "includes");
}

void TestChecker::headerFolderChangesWithCompilerAndIncludes()
{
    checker::CheckSettings settings;
    settings.cacheFolder = u"/cache"_s;
    settings.toolchain.compiler = QCoreApplication::applicationFilePath();
    const QString first = checker::headerFolder(settings, {u"iostream"_s});
    QVERIFY(first.startsWith(u"/cache/"_s));
    QCOMPARE(checker::headerFolder(settings, {u"iostream"_s}), first);
    QVERIFY(checker::headerFolder(settings, {u"iostream"_s, u"vector"_s}) != first);
    settings.toolchain.compiler = u"/usr/bin/env"_s;
    QVERIFY(checker::headerFolder(settings, {u"iostream"_s}) != first);
}

void TestChecker::sandboxesHoldWhatTheyMust()
{
    checker::CheckSettings settings;
    settings.toolchain = {u"/usr/bin/g++"_s, u"/usr/bin/bwrap"_s, u"/opt/lesko/lesko_runner"_s, {}, false};
    const QString tests = checker::testSandboxArguments(settings, u"/cache/jobs/job-1-a/otgowor"_s).join(u' ');
    const QString compile =
        checker::compileSandboxArguments(settings, u"/cache/jobs/job-1-a"_s, u"/cache/pch/k"_s, {u"main.cpp"_s})
            .join(u' ');
    for (const QString& args : {tests, compile})
        for (const char16_t* needed :
             {u"--ro-bind /usr /usr", u"--remount-ro /", u"--size 16777216 --tmpfs /tmp", u"--unshare-all",
              u"--unshare-user --disable-userns", u"--die-with-parent", u"--new-session", u"--clearenv",
              u"--cap-drop ALL", u"--ro-bind /opt/lesko/lesko_runner /run/lesko/lesko_runner"})
            QVERIFY2(args.contains(QString::fromUtf16(needed)),
                     qPrintable(QString::fromUtf16(needed) + u" in "_s + args));
    QVERIFY(tests.contains(u"--size 8388608 --tmpfs /dev/shm"_s));
    QVERIFY(tests.contains(u"--remount-ro /dev"_s));
    QVERIFY(tests.contains(u"--ro-bind /cache/jobs/job-1-a/otgowor /run/lesko/otgowor"_s));
    QVERIFY(tests.endsWith(u"--as-pid-1 --chdir /tmp /run/lesko/lesko_runner tests"_s));
    QVERIFY(!tests.contains(u"--bind "_s));  // nothing of the host is writable
    QVERIFY(compile.contains(u"--bind /cache/jobs/job-1-a /job --ro-bind /cache/pch/k /pch"_s));
    QVERIFY(compile.contains(u"--setenv TMPDIR /job/tmp"_s));
    QVERIFY(compile.contains(u"--setenv LC_ALL C.UTF-8"_s));
    QVERIFY(compile.endsWith(u"/run/lesko/lesko_runner exec 20 1073741824 67108864 8 256 -- /usr/bin/g++ main.cpp"_s));
    // The lesson's programs are masked only where the sandbox shows them.
    QCOMPARE(checker::maskedFiles(u"/tmp"_s), QStringList());
}

QTEST_GUILESS_MAIN(TestChecker)
#include "test_checker.moc"
