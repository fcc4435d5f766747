// Checks of real answers with the real g++ and bwrap: every author's solution
// is right, and each kind of wrong answer gets its own verdict, with no
// process left behind.
#include "aux_windows/lesko_zad.h"
#include "checker/check_job.h"
#include "content/lesson.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using checker::Verdict;

Q_DECLARE_METATYPE(checker::Verdict)

namespace {

// Pids of every process that runs a compiled answer.
QList<int> answerProcesses()
{
    QList<int> found;
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile comm(u"/proc/"_s + entry + u"/comm"_s);
        if (entry.toInt() > 0 && comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "otgowor")
            found << entry.toInt();
    }
    return found;
}

// A process killed a moment ago may take a few milliseconds to disappear.
bool noAnswerProcessLeft()
{
    for (int i = 0; i < 100 && !answerProcesses().isEmpty(); ++i)
        QTest::qWait(20);
    return answerProcesses().isEmpty();
}

QList<content::Lesson::Sample> doubling() { return {{u"21\n"_s, u"42\n"_s}, {u"5\n"_s, u"10\n"_s}}; }

const QString RightAnswer =
    u"#include <iostream>\nint main() {\n    int a;\n    std::cin >> a;\n    std::cout << 2 * a << '\\n';\n}\n"_s;

}  // namespace

class TestCheckJob : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everySolutionIsRight_data();
    void everySolutionIsRight();
    void wrongAnswers_data();
    void wrongAnswers();
    void compileErrorsNameTheirLines();
    void theNetworkIsClosed();
    void nothingOutsideItsFolderIsWritten();
    void missingCompilerMakesTheCheckUnavailable();
    void missingSandboxStillChecksWithLimits();
    void resultsKeepTheSamplesOrder();
    void cancellingLeavesNoProcess();
    void headerIsBuiltOnceAndUsed();

private:
    checker::CheckResult check(const QString& answer, const QList<content::Lesson::Sample>& samples = doubling());

    QTemporaryDir cache_;
    checker::CheckSettings settings_;
};

void TestCheckJob::initTestCase()
{
    settings_.toolchain = checker::Toolchain::fromSystem();
    QVERIFY2(!settings_.toolchain.compiler.isEmpty(), "g++ is needed");
    QVERIFY2(!settings_.toolchain.sandbox.isEmpty(), "bwrap is needed");
    settings_.cacheFolder = cache_.path();
    settings_.limits.cpuSeconds = 1;
    settings_.limits.wallMs = 2000;
    settings_.limits.processes = 16;
}

checker::CheckResult TestCheckJob::check(const QString& answer, const QList<content::Lesson::Sample>& samples)
{
    checker::CheckJob job(settings_, answer, samples);
    QSignalSpy done(&job, &checker::CheckJob::finished);
    job.start();
    [&] { QVERIFY(done.wait(60000)); }();
    return job.result();
}

void TestCheckJob::everySolutionIsRight_data()
{
    QTest::addColumn<int>("task");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("task %d", k) << k;
}

void TestCheckJob::everySolutionIsRight()
{
    QFETCH(int, task);
    const content::Lesson& lesson = content::Lesson::embedded();
    const content::Lesson::Entry* lines = lesson.find(u"Lesko_Zad"_s, u"Uslowie_L"_s, task);
    const content::Lesson::Entry* first = lesson.find(u"Lesko_Zad"_s, u"Redowe_L"_s, TaskTexts::FirstSolutionLines);
    QVERIFY(lines && first);
    const QString solution = lines->items.mid(first->items.value(task).toInt()).join(u'\n');
    const checker::CheckResult result = check(solution, lesson.samples(task));
    QCOMPARE(result.samples.size(), lesson.samples(task).size());
    QCOMPARE(result.summary(), QStringLiteral("Верен (%1 от %1 теста)").arg(result.samples.size()));
    QVERIFY(result.sandboxed);
}

void TestCheckJob::wrongAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("firstLine");
    QTest::addRow("endless loop") << u"int main() { for (;;) {} }"_s << Verdict::TimeLimit
                                  << u"Тест 1: Превишено време"_s;
    QTest::addRow("sleeps") << u"#include <unistd.h>\nint main() { sleep(30); }"_s << Verdict::TimeLimit
                            << u"Тест 1: Превишено време"_s;
    QTest::addRow("endless output") << u"#include <cstdio>\nint main() { for (;;) std::puts(\"42\"); }"_s
                                    << Verdict::OutputLimit << u"Тест 1: Твърде много изход"_s;
    QTest::addRow("fork storm") << u"#include <unistd.h>\nint main() { for (;;) fork(); }"_s << Verdict::TimeLimit
                                << u"Тест 1: Превишено време"_s;
    QTest::addRow("2 GiB allocation")
        << u"#include <iostream>\n#include <vector>\nint main() { std::vector<char> v(std::size_t(2) << 30, 1); "
           u"std::cout << int(v[7]); }"_s
        << Verdict::MemoryLimit << u"Тест 1: Недостиг на памет"_s;
    QTest::addRow("null dereference") << u"int main() { volatile int* p = nullptr; return *p; }"_s
                                      << Verdict::RuntimeError
                                      << u"Тест 1: Грешка при изпълнение (недопустим достъп до паметта)"_s;
    QTest::addRow("exit code") << u"int main() { return 3; }"_s << Verdict::RuntimeError
                               << u"Тест 1: Грешка при изпълнение (изходен код 3)"_s;
    QTest::addRow("reads past the end of input")
        << u"#include <iostream>\nint main() { int a, b; std::cin >> a >> b; std::cout << a + b << '\\n'; }"_s
        << Verdict::WrongAnswer << u"Тест 1: Грешен отговор"_s;
    QTest::addRow("spacing only")
        << u"#include <iostream>\nint main() { int a; std::cin >> a; std::cout << ' ' << 2 * a << '\\n'; }"_s
        << Verdict::WrongAnswer << u"Тест 1: Грешен отговор (разликата е само в интервалите)"_s;
    QTest::addRow("not C++") << u"Здравейте! Това е моят отговор."_s << Verdict::CompileError << QString();
    QTest::addRow("answer of 100 000 characters")
        << RightAnswer + u"// "_s + QString(100000 - RightAnswer.size() - 4, u'ж') + u'\n' << Verdict::Accepted
        << u"Тест 1: Верен"_s;
    QTest::addRow("characters outside Windows-1251")
        << u"#include <iostream>\n// 😀 漢字 ∑\nint main() { int a; std::cin >> a; std::cout << 2 * a << \"\\n\"; }"_s
        << Verdict::Accepted << u"Тест 1: Верен"_s;
}

void TestCheckJob::wrongAnswers()
{
    QFETCH(QString, answer);
    QFETCH(Verdict, verdict);
    QFETCH(QString, firstLine);
    const checker::CheckResult result = check(answer);
    QCOMPARE(checker::verdictText(result.verdict), checker::verdictText(verdict));
    if (!firstLine.isEmpty())
        QCOMPARE(checker::sampleLine(1, result.samples.value(0)), firstLine);
    QVERIFY(noAnswerProcessLeft());
}

void TestCheckJob::compileErrorsNameTheirLines()
{
    const checker::CheckResult result = check(u"#include <iostream>\nint main() {\n    int a = 1\n    cout << a;\n"_s);
    QCOMPARE(result.verdict, Verdict::CompileError);
    QVERIFY(result.samples.isEmpty());
    QVERIFY(result.diagnostics.size() >= 2);
    QCOMPARE(result.diagnostics[0].line, 4);
    QCOMPARE(result.diagnostics[0].explanation, u"Липсва „;“ в края на оператора (често на предишния ред)."_s);
    QVERIFY(result.compilerText.startsWith(u"4:5: error: expected ',' or ';' before 'cout'"_s));
    QVERIFY(!result.compilerText.contains(u"/tmp"_s));
    QVERIFY(std::any_of(result.diagnostics.begin(), result.diagnostics.end(),
                        [](const checker::Diagnostic& d) { return d.explanation.contains(u"фигурна скоба"_s); }));
}

void TestCheckJob::theNetworkIsClosed()
{
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    QVERIFY(listener >= 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), size) == 0);
    QVERIFY(::listen(listener, 4) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) == 0);
    const QString answer =
        uR"(#include <arpa/inet.h>
#include <iostream>
#include <netinet/in.h>
#include <sys/socket.h>
int main() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(%1);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool open = s >= 0 && connect(s, (sockaddr*)&a, sizeof a) == 0;
    int n;
    std::cin >> n;
    std::cout << (open ? 0 : 2 * n) << '\n';
})"_s.arg(ntohs(address.sin_port));
    const checker::CheckResult result = check(answer);
    const int accepted = ::accept(listener, nullptr, nullptr);
    ::close(listener);
    QCOMPARE(accepted, -1);
    QCOMPARE(result.verdict, Verdict::Accepted);
}

void TestCheckJob::nothingOutsideItsFolderIsWritten()
{
    QTemporaryDir outside;
    QVERIFY(QFile::setPermissions(outside.path(), QFileDevice::Permissions(0x7777)));
    const QString target = outside.filePath(u"written.txt"_s);
    const QString answer =
        uR"(#include <cstdio>
#include <iostream>
int main() {
    std::FILE* mine = std::fopen("/tmp/work.txt", "w");
    std::FILE* theirs = std::fopen("%1", "w");
    if (theirs) std::fputs("x", theirs), std::fclose(theirs);
    int n;
    std::cin >> n;
    std::cout << (mine && !theirs ? 2 * n : 0) << '\n';
})"_s.arg(target);
    const checker::CheckResult result = check(answer);
    QCOMPARE(result.verdict, Verdict::Accepted);
    QVERIFY(!QFile::exists(target));
    QVERIFY(!QFile::exists(u"/tmp/work.txt"_s));
}

void TestCheckJob::missingCompilerMakesTheCheckUnavailable()
{
    const checker::CheckSettings saved = settings_;
    settings_.toolchain.compiler = u"/nonexistent/g++"_s;
    const checker::CheckResult result = check(RightAnswer);
    settings_ = saved;
    QCOMPARE(result.summary(), u"Проверката не е налична: няма компилатор g++"_s);
}

void TestCheckJob::missingSandboxStillChecksWithLimits()
{
    const checker::CheckSettings saved = settings_;
    settings_.toolchain.sandbox = u"/nonexistent/bwrap"_s;
    const checker::CheckResult right = check(RightAnswer);
    const checker::CheckResult endless = check(u"int main() { for (;;) {} }"_s);
    const checker::CheckResult crash = check(u"int main() { volatile int* p = nullptr; return *p; }"_s);
    const checker::CheckResult sleeping = check(u"#include <unistd.h>\nint main() { if (fork() == 0) sleep(30); }"_s);
    settings_ = saved;
    QCOMPARE(right.verdict, Verdict::Accepted);
    QVERIFY(!right.sandboxed);
    QCOMPARE(endless.verdict, Verdict::TimeLimit);
    QCOMPARE(checker::sampleLine(1, crash.samples.value(0)),
             u"Тест 1: Грешка при изпълнение (недопустим достъп до паметта)"_s);
    // The child that sleeps on after its parent ended goes with the group.
    QVERIFY(noAnswerProcessLeft());
}

void TestCheckJob::resultsKeepTheSamplesOrder()
{
    // The first sample's run ends last.
    const checker::CheckResult result = check(
        u"#include <iostream>\n#include <unistd.h>\nint main() { int n; std::cin >> n; if (n == 1) usleep(300000); "
        u"std::cout << 2 * n << '\\n'; }"_s,
        {{u"1\n"_s, u"2\n"_s}, {u"2\n"_s, u"4\n"_s}, {u"3\n"_s, u"7\n"_s}, {u"4\n"_s, u"8\n"_s}});
    QStringList lines;
    for (int i = 0; i < result.samples.size(); ++i)
        lines << checker::sampleLine(i + 1, result.samples[i]);
    QCOMPARE(lines, (QStringList{u"Тест 1: Верен"_s, u"Тест 2: Верен"_s, u"Тест 3: Грешен отговор"_s,
                                 u"Тест 4: Верен"_s}));
    QCOMPARE(result.samples[2].input, u"3\n"_s);
    QCOMPARE(result.summary(), u"Грешен отговор (3 от 4 теста)"_s);
}

void TestCheckJob::cancellingLeavesNoProcess()
{
    auto job = std::make_unique<checker::CheckJob>(settings_, u"int main() { for (;;) {} }"_s, doubling());
    QSignalSpy done(job.get(), &checker::CheckJob::finished);
    job->start();
    QTRY_VERIFY_WITH_TIMEOUT(!answerProcesses().isEmpty(), 30000);
    QVERIFY(job->running());
    job->cancel();
    QVERIFY(!job->running());
    QVERIFY(noAnswerProcessLeft());
    QTest::qWait(50);
    QCOMPARE(done.count(), 0);

    // Deleting a running job is the same as cancelling it.
    job = std::make_unique<checker::CheckJob>(settings_, u"int main() { for (;;) {} }"_s, doubling());
    job->start();
    QTRY_VERIFY_WITH_TIMEOUT(!answerProcesses().isEmpty(), 30000);
    job.reset();
    QVERIFY(noAnswerProcessLeft());
}

void TestCheckJob::headerIsBuiltOnceAndUsed()
{
    QTemporaryDir cache;
    const checker::CheckSettings saved = settings_;
    settings_.cacheFolder = cache.path();
    const QString answer = u"#include <string>\n"_s + RightAnswer;
    QCOMPARE(check(answer).verdict, Verdict::Accepted);
    const QString folder = checker::headerFolder(settings_, {u"string"_s, u"iostream"_s});
    const QFileInfo header(folder + u"/lesko_pch.h.gch"_s);
    QVERIFY(header.exists());
    const QDateTime built = header.lastModified();
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);  // the header and its precompiled form
    // A second check with the same includes uses the header as it is.
    QCOMPARE(check(answer).verdict, Verdict::Accepted);
    QCOMPARE(QFileInfo(header.filePath()).lastModified(), built);
    // An answer that forgets an include is still told so.
    const checker::CheckResult forgot = check(u"#include <string>\nint main() { std::cout << 1; }"_s);
    settings_ = saved;
    QCOMPARE(forgot.verdict, Verdict::CompileError);
    QVERIFY(forgot.diagnostics.value(0).explanation.contains(u"#include <iostream>"_s));
}

QTEST_GUILESS_MAIN(TestCheckJob)
#include "test_check_job.moc"
