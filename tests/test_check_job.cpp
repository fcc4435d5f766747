// Checks of real answers with the real g++ and bwrap: every author's solution
// is right, each kind of wrong answer gets its own verdict, and hostile
// answers stay contained: nothing of the host is read or written, nothing is
// left running or on disk, and what an answer prints decides nothing.
#include "aux_windows/lesko_zad.h"
#include "checker/check_job.h"
#include "checker/task_check.h"
#include "content/lesson.h"
#include "support/checker_settings.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
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

QList<checker::TestCase> doubling() { return {{u"21\n"_s, u"42\n"_s, {}, true}, {u"5\n"_s, u"10\n"_s, {}, true}}; }

// Every file under a folder, with subfolders.
QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

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
    void withoutASandboxNothingRuns_data();
    void withoutASandboxNothingRuns();
    void hostileAnswersAreContained_data();
    void hostileAnswersAreContained();
    void resultsKeepTheTestsOrder();
    void cancellingLeavesNothing();
    void aKilledLessonsFolderGoesAtTheNextCheck();
    void headerIsBuiltOnceAndUsed();
    void headerCacheKeepsTheMostRecentlyUsed();
    void aFullDiskMakesTheCheckUnavailable();
    void diagnosticsSpeakOfTheAnswer();
    void aMemoryScopeIsUsedWhereItWorks();

private:
    checker::CheckResult check(const QString& answer, const QList<checker::TestCase>& tests = doubling());

    QTemporaryDir cache_;
    QTemporaryFile secret_;  // a host file no answer may read
    checker::CheckSettings settings_;
};

void TestCheckJob::initTestCase()
{
    settings_ = testing_support::testCheckSettings(cache_.path());
    QVERIFY(secret_.open() && secret_.write("lesko-secret\n") > 0 && secret_.flush());
    QVERIFY(secret_.setPermissions(QFileDevice::Permissions(0x6444)));
    QVERIFY2(!settings_.toolchain.compiler.isEmpty(), "g++ is needed");
    QVERIFY2(!settings_.toolchain.sandbox.isEmpty(), "bwrap is needed");
}

checker::CheckResult TestCheckJob::check(const QString& answer, const QList<checker::TestCase>& tests)
{
    checker::CheckJob job(settings_, answer, tests);
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
    // Every test, under the task's own time limit, as the workbench checks it.
    const checker::CheckSettings saved = settings_;
    settings_ = checker::taskSettings(settings_, lesson, task);
    const checker::CheckResult result = check(solution, checker::taskTests(lesson, task));
    settings_ = saved;
    QCOMPARE(result.tests.size(), lesson.testCount(task));
    QCOMPARE(result.summary(), QStringLiteral("Верен (%1 от %1 теста)").arg(result.tests.size()));
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
        QCOMPARE(checker::testLine(1, result.tests.value(0)), firstLine);
    QVERIFY(noAnswerProcessLeft());
    QCOMPARE(filesUnder(cache_.path() + u"/jobs"_s), QStringList());
}

void TestCheckJob::compileErrorsNameTheirLines()
{
    const checker::CheckResult result = check(u"#include <iostream>\nint main() {\n    int a = 1\n    cout << a;\n"_s);
    QCOMPARE(result.verdict, Verdict::CompileError);
    QVERIFY(result.tests.isEmpty());
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

void TestCheckJob::withoutASandboxNothingRuns_data()
{
    QTest::addColumn<QString>("sandbox");
    QTest::addColumn<QString>("reason");
    QTest::addRow("bwrap missing") << u"/nonexistent/bwrap"_s
                                   << u"няма пясъчник bwrap. Инсталирайте пакета bubblewrap (sudo apt install "
                                      u"bubblewrap)."_s;
    // A sandbox that cannot start, as where user namespaces are off.
    QTest::addRow("bwrap fails") << u"/bin/false"_s << u"пясъчникът bwrap не може да стартира"_s;
}

void TestCheckJob::withoutASandboxNothingRuns()
{
    QFETCH(QString, sandbox);
    QFETCH(QString, reason);
    const checker::CheckSettings saved = settings_;
    settings_.toolchain.sandbox = sandbox;
    QTemporaryDir outside;
    QVERIFY(QFile::setPermissions(outside.path(), QFileDevice::Permissions(0x7777)));
    const QString marker = outside.filePath(u"ran"_s);
    const checker::CheckResult ran =
        check(u"#include <cstdio>\nint main() { std::fopen(\"%1\", \"w\"); }"_s.arg(marker));
    const checker::CheckResult broken = check(u"int main() { return x; }"_s);
    settings_ = saved;
    QCOMPARE(ran.verdict, Verdict::Unavailable);
    QVERIFY2(ran.reason.startsWith(u"програмата е компилирана, но не е изпълнена: "_s + reason),
             qPrintable(ran.reason));
    QVERIFY(!ran.sandboxed);
    QVERIFY(ran.tests.isEmpty());
    QVERIFY(!QFile::exists(marker));
    // Compile errors are still found.
    QCOMPARE(broken.verdict, Verdict::CompileError);
    QCOMPARE(broken.diagnostics.value(0).line, 1);
}

void TestCheckJob::hostileAnswersAreContained_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("detail");  // the first test's line, or the first error's explanation
    const QString readsNumber = u"int n; std::cin >> n; std::cout << 2 * n << '\\n';"_s;
    QTest::addRow("host file put into the program")
        << uR"(asm(".section .rodata\n.incbin \"%1\"\n.text"); int main() {})"_s.arg(secret_.fileName())
        << Verdict::CompileError << QString();
    QTest::addRow("6 GB object file") << uR"(asm(".data\n.fill 6000000000, 1, 0x41\n.text"); int main() {})"_s
                                      << Verdict::CompileError
                                      << u"Компилацията е спряна: програмата стана по-голяма от разрешеното."_s;
    QTest::addRow("includes an endless device")
        << u"#include \"/dev/zero\"\nint main() {}"_s << Verdict::CompileError
        << u"Компилацията е спряна: компилаторът надхвърли паметта, която му е разрешена."_s;
    QTest::addRow("an endless device as a library header")
        << u"#include </dev/zero>\nint main() {}"_s << Verdict::CompileError
        << u"Компилацията е спряна: компилаторът надхвърли паметта, която му е разрешена."_s;
    QTest::addRow("kills every process it may")
        << u"#include <csignal>\n#include <iostream>\nint main() { kill(-1, SIGKILL); "_s + readsNumber + u" }"_s
        << Verdict::Accepted << QString();
    QTest::addRow("daemon of its own session")
        << u"#include <iostream>\n#include <unistd.h>\nint main() { if (fork() == 0) { setsid(); for (;;) pause(); } "_s +
               readsNumber + u" }"_s
        << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("fills the shared memory folder") << uR"(#include <cstdio>
#include <iostream>
#include <string>
int main() {
    int files = 0;
    for (int i = 0; i < 64; ++i) {
        std::FILE* f = std::fopen(("/dev/shm/f" + std::to_string(i)).c_str(), "w");
        std::string mb(1 << 20, 'x');
        if (!f || std::fwrite(mb.data(), 1, mb.size(), f) != mb.size() || std::fclose(f) != 0) break;
        ++files;
    }
    int n; std::cin >> n; std::cout << (files <= 8 ? 2 * n : -files) << '\n';
})"_s << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("writes the root and makes a user namespace") << uR"(#include <cstdio>
#include <iostream>
#include <sched.h>
int main() {
    bool root = std::fopen("/evil", "w") != nullptr;
    bool userns = unshare(CLONE_NEWUSER) == 0;
    int n; std::cin >> n; std::cout << (root || userns ? 0 : 2 * n) << '\n';
})"_s << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("exit status of the time limit")
        << u"#include <iostream>\nint main() { "_s + readsNumber + u" return 137; }"_s << Verdict::RuntimeError
        << u"Тест 1: Грешка при изпълнение (изходен код 137)"_s;
    QTest::addRow("exit status of the output limit")
        << u"#include <iostream>\nint main() { "_s + readsNumber + u" return 153; }"_s << Verdict::RuntimeError
        << u"Тест 1: Грешка при изпълнение (изходен код 153)"_s;
    QTest::addRow("speaks as the sandbox")
        << u"#include <iostream>\nint main() { std::cerr << \"bwrap: Can't mount\\n\"; return 1; }"_s
        << Verdict::RuntimeError << u"Тест 1: Грешка при изпълнение (изходен код 1)"_s;
    QTest::addRow("writes bad_alloc beside a right output")
        << u"#include <iostream>\nint main() { std::cerr << \"std::bad_alloc\\n\"; "_s + readsNumber + u" }"_s
        << Verdict::Accepted << u"Тест 1: Верен"_s;
    QTest::addRow("threads, but no child process")
        << u"#include <iostream>\n#include <thread>\n#include <unistd.h>\nint main() { int n = 0; std::thread t([&] "
           u"{ std::cin >> n; }); t.join(); std::cout << (fork() < 0 ? 2 * n : 0) << '\\n'; }"_s
        << Verdict::Accepted << u"Тест 1: Верен"_s;
}

void TestCheckJob::hostileAnswersAreContained()
{
    QFETCH(QString, answer);
    QFETCH(Verdict, verdict);
    QFETCH(QString, detail);
    QProcess bystander;  // a process of the same user outside the sandbox
    bystander.start(u"sleep"_s, {u"60"_s});
    QVERIFY(bystander.waitForStarted());
    const checker::CheckResult result = check(answer);
    QCOMPARE(checker::verdictText(result.verdict), checker::verdictText(verdict));
    if (verdict == Verdict::CompileError && !detail.isEmpty())
        QCOMPARE(result.diagnostics.value(0).explanation, detail);
    else if (!detail.isEmpty())
        QCOMPARE(checker::testLine(1, result.tests.value(0)), detail);
    QVERIFY(!result.compilerText.contains(u"lesko-secret"_s));
    QCOMPARE(bystander.state(), QProcess::Running);
    bystander.kill();
    bystander.waitForFinished();
    QVERIFY(noAnswerProcessLeft());
    QCOMPARE(filesUnder(cache_.path() + u"/jobs"_s), QStringList());
    QVERIFY(!QFile::exists(u"/evil"_s));
}

void TestCheckJob::resultsKeepTheTestsOrder()
{
    // The first test's run ends last.
    const checker::CheckResult result = check(
        u"#include <iostream>\n#include <unistd.h>\nint main() { int n; std::cin >> n; if (n == 1) usleep(300000); "
        u"std::cout << 2 * n << '\\n'; }"_s,
        {{u"1\n"_s, u"2\n"_s, {}, true},
         {u"2\n"_s, u"4\n"_s, {}, true},
         {u"3\n"_s, u"7\n"_s, u"Помислете за нечетните."_s, false},
         {u"4\n"_s, u"8\n"_s, {}, false}});
    QStringList lines;
    for (int i = 0; i < result.tests.size(); ++i)
        lines << checker::testLine(i + 1, result.tests[i]);
    QCOMPARE(lines, (QStringList{u"Тест 1: Верен"_s, u"Тест 2: Верен"_s, u"Тест 3 (скрит): Грешен отговор"_s,
                                 u"Тест 4 (скрит): Верен"_s}));
    QCOMPARE(result.tests[2].hint, u"Помислете за нечетните."_s);
    QCOMPARE(result.summary(), u"Грешен отговор (3 от 4 теста)"_s);
}

void TestCheckJob::cancellingLeavesNothing()
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
    QCOMPARE(filesUnder(cache_.path() + u"/jobs"_s), QStringList());

    // Deleting a running job is the same as cancelling it.
    job = std::make_unique<checker::CheckJob>(settings_, u"int main() { for (;;) {} }"_s, doubling());
    job->start();
    QTRY_VERIFY_WITH_TIMEOUT(!answerProcesses().isEmpty(), 30000);
    job.reset();
    QVERIFY(noAnswerProcessLeft());
    QCOMPARE(filesUnder(cache_.path() + u"/jobs"_s), QStringList());

    // Cancelled while the header is built: no part of it stays in the cache.
    QTemporaryDir cache;
    checker::CheckSettings settings = settings_;
    settings.cacheFolder = cache.path();
    job = std::make_unique<checker::CheckJob>(settings, u"#include <bits/stdc++.h>\nint main() {}"_s, doubling());
    job->start();
    QTRY_VERIFY_WITH_TIMEOUT(!filesUnder(cache.path() + u"/jobs"_s).filter(u"lesko_pch.h"_s).isEmpty(), 30000);
    job.reset();
    QCOMPARE(filesUnder(cache.path()), QStringList());
}

void TestCheckJob::aKilledLessonsFolderGoesAtTheNextCheck()
{
    // A folder named after a process that no longer runs.
    QProcess gone;
    gone.start(u"true"_s, {});
    QVERIFY(gone.waitForFinished());
    const QString stale = cache_.path() + u"/jobs/job-%1-abcdef"_s.arg(gone.processId());
    QVERIFY(QDir().mkpath(stale + u"/tmp"_s));
    QVERIFY(QFile(stale + u"/otgowor"_s).open(QIODevice::WriteOnly));
    QCOMPARE(check(RightAnswer).verdict, Verdict::Accepted);
    QVERIFY(!QFileInfo::exists(stale));
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

void TestCheckJob::headerCacheKeepsTheMostRecentlyUsed()
{
    QTemporaryDir cache;
    const checker::CheckSettings saved = settings_;
    settings_.cacheFolder = cache.path();
    settings_.headerCacheBytes = 1;  // room for the newest header only
    const QString withString = u"#include <string>\n"_s + RightAnswer;
    const QString withVector = u"#include <vector>\n"_s + RightAnswer;
    QCOMPARE(check(withString).verdict, Verdict::Accepted);
    QCOMPARE(check(withVector).verdict, Verdict::Accepted);
    const QString stringHeaders = checker::headerFolder(settings_, {u"string"_s, u"iostream"_s});
    const QString vectorHeaders = checker::headerFolder(settings_, {u"vector"_s, u"iostream"_s});
    settings_ = saved;
    QVERIFY(QFileInfo::exists(vectorHeaders + u"/lesko_pch.h.gch"_s));
    QVERIFY(!QFileInfo::exists(stringHeaders));
    QCOMPARE(QDir(cache.path() + u"/pch"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
}

void TestCheckJob::aFullDiskMakesTheCheckUnavailable()
{
    const checker::CheckSettings saved = settings_;
    settings_.limits.freeSpaceNeeded = qint64(1) << 60;
    const checker::CheckResult result = check(RightAnswer);
    settings_ = saved;
    QCOMPARE(result.verdict, Verdict::Unavailable);
    QVERIFY2(result.reason.startsWith(u"на диска няма място за проверката"_s), qPrintable(result.reason));
    QCOMPARE(filesUnder(cache_.path() + u"/jobs"_s), QStringList());
}

void TestCheckJob::diagnosticsSpeakOfTheAnswer()
{
    // A Cyrillic letter in a name, as the compiler writes it in UTF-8.
    const checker::CheckResult cyrillic = check(u"#include <iostream>\nint main() {\n    сout << 1;\n}\n"_s);
    QCOMPARE(cyrillic.verdict, Verdict::CompileError);
    QCOMPARE(cyrillic.diagnostics.value(0).line, 3);
    QVERIFY2(cyrillic.diagnostics.value(0).message.contains(u"'сout' was not declared"_s),
             qPrintable(cyrillic.diagnostics.value(0).message));
    // An error inside a library header is shown at the answer's line.
    const checker::CheckResult sorted = check(
        u"#include <algorithm>\n#include <list>\n\nint main() {\n    std::list<int> l{3, 1, 2};\n"
        u"    std::sort(l.begin(), l.end());\n}\n"_s);
    QCOMPARE(sorted.verdict, Verdict::CompileError);
    QCOMPARE(sorted.diagnostics.value(0).line, 6);
    QCOMPARE(sorted.diagnostics.value(0).header, u"bits/stl_algo.h"_s);
    // A compile the clock stops says so.
    const checker::CheckSettings saved = settings_;
    settings_.limits.compileWallMs = 1500;
    const checker::CheckResult endless = check(
        u"constexpr long sum() { long s = 0; for (long i = 0; i < 2000; ++i) for (long j = 0; j < 2000; ++j) "
        u"for (long k = 0; k < 2000; ++k) s += i ^ j ^ k; return s; }\n"
        u"constexpr long total = sum();\nint main() { return int(total); }\n"_s);
    settings_ = saved;
    QCOMPARE(endless.verdict, Verdict::CompileError);
    QCOMPARE(endless.diagnostics.value(0).explanation, u"Компилацията е спряна: продължи повече от 1 секунди."_s);
}

void TestCheckJob::aMemoryScopeIsUsedWhereItWorks()
{
    // Stand-ins for systemd-run: one that runs the command after "--", one
    // that cannot reach the user's manager.
    QTemporaryDir bin;
    QVERIFY(QFile::setPermissions(bin.path(), QFileDevice::Permissions(0x7777)));
    const QString working = bin.filePath(u"scope"_s), failing = bin.filePath(u"no-scope"_s);
    QVERIFY(testing_support::writeExecutable(working,
                                             "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/log\"\n"
                                             "while [ \"$1\" != -- ]; do shift; done\nshift\nexec \"$@\"\n"));
    QVERIFY(testing_support::writeExecutable(failing, "#!/bin/sh\necho 'Failed to connect to bus' >&2\nexit 1\n"));
    const checker::CheckSettings saved = settings_;
    settings_.toolchain.memoryScope = working;
    const checker::CheckResult scoped = check(RightAnswer);
    QFile log(bin.filePath(u"log"_s));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> calls = log.readAll().trimmed().split('\n');
    // The compile (and a header's build) and the tests, each in a scope with the check's memory limit.
    QVERIFY(calls.size() >= 2);
    for (const QByteArray& call : calls)
        QVERIFY(call.startsWith("--user --scope --quiet --collect -p MemoryMax=1073741824 -p MemorySwapMax=0 -- "));
    QVERIFY(calls.constLast().endsWith("/run/lesko/lesko_runner tests"));
    settings_.toolchain.memoryScope = failing;
    const checker::CheckResult unscoped = check(RightAnswer);
    settings_ = saved;
    QCOMPARE(scoped.verdict, Verdict::Accepted);
    QVERIFY(scoped.sandboxed);
    QCOMPARE(unscoped.verdict, Verdict::Accepted);
    QVERIFY(unscoped.sandboxed);
}

QTEST_GUILESS_MAIN(TestCheckJob)
#include "test_check_job.moc"
