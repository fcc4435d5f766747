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
    void fatalErrorKeepsItsLine();
    void compilerTextKeepsLinesAndNotes();
    void leadingIncludes_data();
    void leadingIncludes();
    void headerFolderChangesWithCompilerAndIncludes();
    void sandboxRunsTheProgramUnderTheProcessLimit();
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
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("line");
    const auto run = [](QByteArray out, int code = 0, bool sandboxed = true) {
        checker::RunOutcome r;
        r.output = out;
        r.exitCode = code;
        r.sandboxed = sandboxed;
        return r;
    };
    checker::RunOutcome r = run("42\n");
    QTest::addRow("right") << r << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("wrong") << run("41\n") << Verdict::WrongAnswer << u"Тест 1: Грешен отговор"_s;
    QTest::addRow("spacing only") << run("4 2\n") << Verdict::WrongAnswer
                                  << u"Тест 1: Грешен отговор (разликата е само в интервалите)"_s;
    r = run("42\n");
    r.wallTimeout = true;
    QTest::addRow("wall timer") << r << Verdict::TimeLimit << u"Тест 1: Превишено време"_s;
    QTest::addRow("CPU limit in the sandbox")
        << run("", 128 + SIGXCPU) << Verdict::TimeLimit << u"Тест 1: Превишено време"_s;
    r = run("", SIGKILL, false);
    r.crashed = true;
    QTest::addRow("CPU hard limit outside") << r << Verdict::TimeLimit << u"Тест 1: Превишено време"_s;
    r = run(QByteArray(100, 'x'));
    r.outputCapped = true;
    r.wallTimeout = true;
    QTest::addRow("output cap before the timer") << r << Verdict::OutputLimit << u"Тест 1: Твърде много изход"_s;
    QTest::addRow("file size limit") << run("", 128 + SIGXFSZ) << Verdict::OutputLimit
                                     << u"Тест 1: Твърде много изход"_s;
    r = run("", 128 + SIGABRT);
    r.errors = "terminate called after throwing an instance of 'std::bad_alloc'\n";
    QTest::addRow("allocation refused") << r << Verdict::MemoryLimit << u"Тест 1: Недостиг на памет"_s;
    QTest::addRow("segfault in the sandbox") << run("42\n", 128 + SIGSEGV) << Verdict::RuntimeError
                                             << u"Тест 1: Грешка при изпълнение (недопустим достъп до паметта)"_s;
    r = run("42\n", SIGFPE, false);
    r.crashed = true;
    QTest::addRow("division by zero outside") << r << Verdict::RuntimeError
                                              << u"Тест 1: Грешка при изпълнение (аритметична грешка, например "
                                                 u"деление на нула)"_s;
    QTest::addRow("exit code") << run("42\n", 3) << Verdict::RuntimeError
                               << u"Тест 1: Грешка при изпълнение (изходен код 3)"_s;
    QTest::addRow("exit code 139 is a code outside the sandbox")
        << run("42\n", 139, false) << Verdict::RuntimeError << u"Тест 1: Грешка при изпълнение (изходен код 139)"_s;
}

void TestChecker::classification()
{
    QFETCH(checker::RunOutcome, run);
    const checker::SampleResult s = checker::classifyRun(run, u"21\n"_s, u"42\n"_s);
    QTEST(s.verdict, "verdict");
    QTEST(checker::sampleLine(1, s), "line");
    QCOMPARE(s.input, u"21\n"_s);
    QCOMPARE(s.got, QString::fromUtf8(run.output));
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
        "collect2: error: ld returned 1 exit status\n";
    const QList<checker::Diagnostic> found = checker::parseDiagnostics(errors, 10);
    QCOMPARE(found.size(), 3);  // the warning and its note are left out
    QCOMPARE(found[0].line, 3);
    QVERIFY(found[0].notes.isEmpty());
    QCOMPARE(found[1].line, 0);
    QCOMPARE(found[1].explanation, u"Липсва функцията main."_s);
    QCOMPARE(checker::parseDiagnostics(errors, 2).size(), 2);
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

void TestChecker::sandboxRunsTheProgramUnderTheProcessLimit()
{
    checker::Toolchain tools{u"g++"_s, u"bwrap"_s, u"/usr/bin/prlimit"_s, true};
    checker::Limits limits;
    limits.processes = 7;
    const QStringList args = checker::sandboxArguments(tools, u"/tmp/x/otgowor"_s, limits);
    QCOMPARE(args.mid(args.size() - 3), (QStringList{u"/usr/bin/prlimit"_s, u"--nproc=7"_s, u"/otgowor"_s}));
    for (const char16_t* needed : {u"--unshare-all", u"--die-with-parent", u"--new-session", u"--clearenv"})
        QVERIFY2(args.contains(QString::fromUtf16(needed)), qPrintable(QString::fromUtf16(needed)));
    QVERIFY(args.join(u' ').contains(u"--ro-bind /tmp/x/otgowor /otgowor"_s));
    QVERIFY(args.join(u' ').contains(u"--tmpfs /tmp"_s));
    tools.limiter.clear();
    QCOMPARE(checker::sandboxArguments(tools, u"/p"_s, limits).constLast(), u"/otgowor"_s);
}

QTEST_GUILESS_MAIN(TestChecker)
#include "test_checker.moc"
