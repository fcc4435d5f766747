// From the student's work to the teacher's table: the name box, a real check
// reaching the class summary, the hand-in folder, and the answers kept for a
// restart after a crash.
#include "aux_windows/lesko_ime.h"
#include "checker/check_store.h"
#include "content/class_settings.h"
#include "content/codepage.h"
#include "program/messages.h"
#include "program/recording.h"
#include "results/class_summary.h"
#include "results/kept_answers.h"
#include "support/attempt_log_file.h"
#include "support/checker_settings.h"
#include "support/workbench_lesson.h"

#include <QDir>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

const QString RightAnswer =
    u"#include <iostream>\r\nint main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << '\\n'; }\r\n"_s;

void writeClassSettings(const QString& folder, const content::ClassSettings& settings)
{
    QVERIFY(
        writeFile(QDir(folder).filePath(u"FUNKR_klas.ini"_s), content::serialiseClassSettings(settings, u"FUNKR"_s)));
}

content::ClassSettings askingForTheName()
{
    content::ClassSettings settings;
    settings.askStudentName = true;
    return settings;
}

int messagesWithCode(const TestLesson& t, int code)
{
    const QString head = QString::number(code) + u"\r\n"_s;
    return int(std::count_if(t.services.shown.begin(), t.services.shown.end(),
                             [&](const ShownMessage& m) { return m.text.startsWith(head); }));
}

// Another run of the lesson in the same folder, started while the first one
// is gone without leaving (a crash, a kill, a power cut).
struct LaterRun {
    explicit LaterRun(std::initializer_list<bool> answers) : services()
    {
        services.answers.assign(answers.begin(), answers.end());
        program = std::make_unique<app::Program>(services.services());
        workbench_lesson::install(*program);
        program->start();
    }
    ScriptedServices services;
    std::unique_ptr<app::Program> program;
};

QString keptFileIn(const QString& folder)
{
    return QDir(folder).entryList({u"FUNKR_otgowori_*.csv"_s}, QDir::Files).value(0);
}

results::KeptAnswers keptIn(const QString& folder)
{
    return results::readKeptAnswers(readFile(QDir(folder).filePath(keptFileIn(folder))))
        .value_or(results::KeptAnswers{});
}

}  // namespace

class TestStudentResults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(cache_.isValid()); }
    void theNameBoxComesBeforeTheTasksOnce();
    void anEmptyNameIsRefused();
    void withoutTheSettingNobodyIsAsked();
    void aRightAnswerCheckedIsSolvedInTheClassSummary();
    void theHandInFolderGetsTheLogAndTheSavedAnswers();
    void aHandInFolderThatCannotBeUsedIsReportedOnce();
    void answersOfARunThatDidNotEndAreOfferedBack();
    void declinedAnswersStayForTheTeacher();
    void aRunThatEndedOffersNothing();

private:
    QTemporaryDir cache_;
};

void TestStudentResults::theNameBoxComesBeforeTheTasksOnce()
{
    TestLesson t;
    writeClassSettings(t.folder(), askingForTheName());
    startWorkbenchLesson(t);
    t.program().lesko().mnu_Wyprosi_Click();
    QVERIFY(!t.program().lesko_n().Visible());
    Lesko_Ime& box = t.program().lesko_Ime();
    QVERIFY(box.Visible());
    QCOMPARE(box.Caption(), u"Ученик"_s);
    QCOMPARE(box.Label_Im[Lesko_Ime::NameCaption].Caption(), u"Име и фамилия"_s);
    QCOMPARE(box.Label_Im[Lesko_Ime::ClassCaption].Caption(), u"Клас"_s);
    box.Text_Im[Lesko_Ime::NameBox].userEdited(u"  Мария \t Иванова  "_s);
    box.Text_Im[Lesko_Ime::NameBox].userPressedEnter();  // on to the class
    QVERIFY(!t.program().lesko_n().Visible());
    box.Text_Im[Lesko_Ime::ClassBox].userEdited(u"8 б"_s);
    box.Text_Im[Lesko_Ime::ClassBox].userPressedEnter();
    t.program().releaseUnloaded();

    QVERIFY(!t.program().isLoaded(u"Lesko_Ime"_s));
    QVERIFY(t.program().lesko_n().Visible());
    QCOMPARE(t.program().lesko_n().CurrentTask, 1);
    QCOMPARE(t.program().attemptLog().student(), (results::Student{u"Мария Иванова"_s, u"8 б"_s}));
    t.program().lesko_n().mnu_IzhodN_Click();
    t.program().lesko().mnu_Wyprosi_Click();  // the second time the tasks open at once
    QVERIFY(t.program().lesko_n().Visible());
    QVERIFY(!t.program().isLoaded(u"Lesko_Ime"_s));
    QVERIFY(t.services.shown.isEmpty());
}

void TestStudentResults::anEmptyNameIsRefused()
{
    TestLesson t;
    writeClassSettings(t.folder(), askingForTheName());
    startWorkbenchLesson(t);
    t.program().lesko().mnu_Wyprosi_Click();
    Lesko_Ime& box = t.program().lesko_Ime();
    box.Text_Im[Lesko_Ime::NameBox].userEdited(u" \t "_s);
    box.Text_Im[Lesko_Ime::ClassBox].userEdited(u"8 б"_s);
    box.Komanda_Im.userClick();
    QVERIFY(box.Visible());
    QVERIFY(!t.program().lesko_n().Visible());
    QCOMPARE(box.Label_Im[Lesko_Ime::ProblemLine].Caption(),
             u"Напишете името и фамилията си: без тях задачите не се отварят."_s);
    QCOMPARE(box.Text_Im[Lesko_Ime::NameBox].CursorLine(), 1);  // the caret goes back to the name
    QVERIFY(t.program().attemptLog().student().isEmpty());
    box.Form_QueryClose();  // closed by its frame: no name, no tasks
    t.program().releaseUnloaded();
    QVERIFY(!t.program().lesko_n().Visible());
    QVERIFY(t.program().lesko().Visible());
}

void TestStudentResults::withoutTheSettingNobodyIsAsked()
{
    TestLesson t;
    writeClassSettings(t.folder(), {});
    startWorkbenchLesson(t);
    t.program().lesko().mnu_Wyprosi_Click();
    QVERIFY(t.program().lesko_n().Visible());
    QVERIFY(!t.program().isLoaded(u"Lesko_Ime"_s));
}

// The whole road: the student checks a right answer, leaves, and the folder's
// summary counts the task as solved with every test passed.
void TestStudentResults::aRightAnswerCheckedIsSolvedInTheClassSummary()
{
    TestLesson t;
    t.program().checks().settings = testCheckSettings(cache_.path());
    startWorkbenchLesson(t);
    t.program().attemptLog().setStudent({u"Асен Белев"_s, u"8 а"_s});
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(RightAnswer);
    bench.mnu_Prowerka.userClick();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.CheckRunning(), 60000);
    bench.mnu_IzhodN_Click();
    t.services.answers = {true};
    t.program().lesko().Izhod_Click();

    const content::Result<results::ClassSummary> summary = results::readAttemptLogs(t.folder(), u"FUNKR"_s);
    QVERIFY(summary);
    QCOMPARE(summary->runs.size(), 1);
    const results::TaskAttempt& task1 = summary->runs[0].tasks.value(0);
    const int tests = content::Lesson::embedded().testCount(1);
    QCOMPARE(task1.checks, 1);
    QVERIFY(task1.solved());
    QCOMPARE(results::taskCell(task1), QString::number(tests) + u'/' + QString::number(tests));
    QCOMPARE(task1.lastVerdict, u"Верен"_s);
    const results::csv::Rows rows = *results::csv::parse(results::summaryDocument(*summary));
    QCOMPARE(rows[1].mid(4, 1) + rows[1].mid(7, 2), (QStringList{u"1"_s, u"Асен Белев"_s, u"8 а"_s}));
}

void TestStudentResults::theHandInFolderGetsTheLogAndTheSavedAnswers()
{
    TestLesson t;
    QTemporaryDir handIn;
    content::ClassSettings settings;
    settings.handInFolder = handIn.path();
    writeClassSettings(t.folder(), settings);
    startWorkbenchLesson(t);
    t.program().attemptLog().setStudent({u"Яна Илиева"_s, {}});
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();

    const QString tag = t.program().attemptLog().writing.handInTag;
    QVERIFY(tag.contains(u"_Yana-Ilieva_"_s));
    const QString log = results::logFileName(u"FUNKR"_s, tag);
    const QString answer = results::handInSolutionName(u"FUNKR_01.TXT"_s, tag);
    QCOMPARE(QDir(handIn.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{answer, log}));
    QCOMPARE(readFile(QDir(handIn.path()).filePath(answer)), readFile(t.path(u"FUNKR_01.TXT"_s)));
    QCOMPARE(readFile(QDir(handIn.path()).filePath(log)), t.program().attemptLog().document(u"FUNKR"_s));
    QVERIFY(t.services.shown.isEmpty());
    // The minute's write keeps the copy up to date.
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"по-дълъг отговор"_s);
    tick(bench, app::TicksPerWrite);
    QCOMPARE(readFile(QDir(handIn.path()).filePath(log)), t.program().attemptLog().document(u"FUNKR"_s));
}

// A missing folder: one box at the first write, none after; the working
// folder's files are written all the same.
void TestStudentResults::aHandInFolderThatCannotBeUsedIsReportedOnce()
{
    TestLesson t;
    content::ClassSettings settings;
    settings.handInFolder = t.path(u"няма такава"_s);
    writeClassSettings(t.folder(), settings);
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    QCOMPARE(messagesWithCode(t, app::message_code::HandInUnusable), 1);
    QVERIFY(t.services.shown.last().text.contains(settings.handInFolder));
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"друг отговор"_s);
    tick(bench, app::TicksPerWrite);
    t.services.runDeferred();
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    QCOMPARE(messagesWithCode(t, app::message_code::HandInUnusable), 1);
    QCOMPARE(t.services.shown.size(), 1);
    QVERIFY(QFileInfo::exists(t.path(attemptLogName())));
    QCOMPARE(readFile(t.path(u"FUNKR_01.TXT"_s)), content::toWindows1251(u"друг отговор"_s));
}

void TestStudentResults::answersOfARunThatDidNotEndAreOfferedBack()
{
    TestLesson t;
    startWorkbenchLesson(t);
    t.program().attemptLog().setStudent({u"Боян Денев"_s, u"8 а"_s});
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"първа"_s);
    clickTask(t, 3, {true, true});
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"трета\r\nна два реда"_s);
    tick(bench, app::TicksPerWrite);  // the minute's write; then the lesson is gone
    QCOMPARE(keptIn(t.folder()).answers.size(), 2);

    LaterRun later({true});
    QCOMPARE(later.services.shown.size(), 1);
    const ShownMessage& offer = later.services.shown.first();
    QCOMPARE(offer.flags, 4);  // Yes and No, Yes the default
    QVERIFY2(
        offer.text.startsWith(u"60\r\nУрокът, започнат на 10.03.2025 в 09:00 от Боян Денев (8 а), не е завършен."_s),
        qPrintable(offer.text));
    QVERIFY(offer.text.contains(u"задачи 1, 3."_s));
    Lesko_n& again = later.program->lesko_n();
    later.program->lesko().mnu_Wyprosi_Click();
    QCOMPARE(again.Text_Un[Lesko_n::AnswerBox].Text(), u"първа"_s);
    later.services.answers = {true, true};
    again.List_Un[Lesko_n::TaskList].userClick(2);
    QCOMPARE(again.Text_Un[Lesko_n::AnswerBox].Text(), u"трета\r\nна два реда"_s);
    QCOMPARE(later.program->attemptLog().student(), (results::Student{u"Боян Денев"_s, u"8 а"_s}));
    QCOMPARE(keptIn(t.folder()).state, results::KeptAnswers::State::TakenBack);
    QCOMPARE(LaterRun({true}).services.shown.size(), 0);  // offered once
}

void TestStudentResults::declinedAnswersStayForTheTeacher()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"моят отговор"_s);
    tick(bench, app::TicksPerWrite);
    const QString file = keptFileIn(t.folder());

    LaterRun later({false});
    QCOMPARE(later.services.shown.size(), 1);
    later.program->lesko().mnu_Wyprosi_Click();
    QCOMPARE(later.program->lesko_n().Text_Un[Lesko_n::AnswerBox].Text(), QString());
    const results::KeptAnswers kept = keptIn(t.folder());
    QCOMPARE(kept.state, results::KeptAnswers::State::Declined);
    QCOMPARE(kept.answers.value(1), u"моят отговор"_s);
    QVERIFY(QFileInfo::exists(t.path(file)));
    QCOMPARE(LaterRun({true}).services.shown.size(), 0);
}

void TestStudentResults::aRunThatEndedOffersNothing()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор"_s);
    bench.mnu_IzhodN_Click();
    t.services.answers = {true};
    t.program().lesko().Izhod_Click();
    QCOMPARE(keptIn(t.folder()).state, results::KeptAnswers::State::Finished);
    QCOMPARE(LaterRun({true}).services.shown.size(), 0);
}

QTEST_GUILESS_MAIN(TestStudentResults)
#include "test_student_results.moc"
