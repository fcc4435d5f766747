// A whole lesson played the way a student plays it, with both clocks driven
// tick by tick: every plan point read to the end, the workbench opened and
// left several times, all twenty tasks answered, run out on their own clocks
// and saved in the three ways, the chooser, both focus views and the settings
// used, and the exit with the answer record. Then every file left in the
// working folder is checked byte for byte against bytes built here from the
// texts on screen and the answers typed.
#include "aux_windows/lesko_dis.h"
#include "program/program.h"
#include "results/kept_answers.h"
#include "settings/cwiat.h"
#include "support/attempt_log_file.h"
#include "support/expected_files.h"
#include "support/lesson_files.h"
#include "support/workbench_lesson.h"

#include <QMap>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

const QString SwitchQuestion = u"Да премина ли към друга задача?"_s;
const QString HardTaskQuestion = u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s;
const QString ExitQuestion = u"Желаете ли изход от урока?"_s;
const QString NoAccessNotice = u"Нямате достъп за раглеждане на решението!"_s;

constexpr int TaskCount = 20;
constexpr int ListedAtOnce = 15;
constexpr int StatementAndAnswer = 1;
constexpr int AnswerOnly = 2;
constexpr int AuthorsSolution = 3;

// Time limits of 2 to 4 seconds (ten times that for the harder tasks) and a
// hint after 1 second keep the lesson short while every task still runs out
// on its own clock.
int timeLimit(int task) { return 2 + (task - 1) % 3; }

content::ConfigRecords soakConfig(app::Program& program)
{
    content::ConfigRecords records = app::openLessonConfig(program);
    records[1].Count = ListedAtOnce;
    for (int task = 1; task <= TaskCount; ++task) {
        records[2].Values[std::size_t(task - 1)] = 1;
        records[3].Values[std::size_t(task - 1)] = qint16(timeLimit(task));
    }
    return records;
}

// What the student types for a task: Cyrillic, a line break, "€" and "№"
// (both in Windows-1251) and two characters the code page lacks, one of them
// outside the Basic Multilingual Plane. Task 7's answer is too short for the
// answer record.
QString answerFor(int task)
{
    if (task == 7)
        return u"ок"_s;
    const QString n = QString::number(task);
    return u"Задача "_s + n + u": y = 2*x + "_s + n + u";\r\nПроверено ✓ 😀, цена 5 € № "_s + n;
}

// The bytes each kind of save should leave, built from the texts on screen.
QByteArray expectedSave(int mode, const QString& statement, const QString& answer, const QString& solution)
{
    switch (mode) {
        case StatementAndAnswer: {
            const QString lineEnd = statement.endsWith(u"\r\n"_s) ? QString() : u"\r\n"_s;
            return referenceWindows1251(u"Условие на задачата:\r\n"_s + statement + lineEnd +
                                        u"Представено решение:\r\n"_s + answer);
        }
        case AnswerOnly:
            return referenceWindows1251(answer);
        case AuthorsSolution:
            return referenceWindows1251(solution);
        default:
            return {};
    }
}

// One student's way through the lesson. Each step checks what the student
// sees at that point and notes the question boxes and files it expects.
class LessonPlay {
public:
    explicit LessonPlay(TestLesson& t) : t_(t), config_(soakConfig(t.program())) {}

    void start();
    void readPoint(int point);
    void openWorkbench();
    void leaveWorkbench();
    void chooseInTaskList(int task);
    void chooseInChooser(int reportList, int task);
    void listAllTasks();
    void workOnTask(int task);
    void focusViewOfThePoint();
    void focusViewOfTheAnswer();
    void changeTheWindowColour();
    void exitAnswering(bool yes);
    void checkTheFilesOnDisk();
    void checkTheBoxesShown();

private:
    Lesko& lesko() { return t_.program().lesko(); }
    Lesko_n& bench() { return t_.program().lesko_n(); }
    bool isHard(int task) const { return config_[1].Values[std::size_t(task - 1)] % 10 > 1; }
    int clockSeconds(int task) const { return (isHard(task) ? 10 : 1) * timeLimit(task); }
    void expectQuestionsForLoading(int task);
    void checkTaskLoaded(int task);
    void runOutTheClock(int task, int ticksSoFar);
    void saveInEveryWay(int task);
    QByteArray expectedAnswerRecord() const;
    void checkTheAttemptLog();
    void checkTheKeptAnswers();

    TestLesson& t_;
    content::ConfigRecords config_;
    int currentTask_ = 0;
    int readingPoints_ = 0;
    QStringList expectedBoxes_;
    QMap<QString, QByteArray> expectedFiles_;
};

void LessonPlay::start()
{
    const QByteArray bytes = content::serialiseConfig(config_);
    QVERIFY(writeFile(t_.path(u"FUNKR.UFG"_s), bytes));
    expectedFiles_.insert(u"FUNKR.UFG"_s, bytes);  // the lesson only reads it
    t_.program().start();
    QVERIFY(lesko().Visible());
    QVERIFY(t_.services.shown.isEmpty());
}

// Chooses a plan point and ticks until its reading time has run out: the time
// ribbon shows and "Задачи/Речник" is locked while it runs, both are released
// when it is over, and the plan ribbon moves one step.
void LessonPlay::readPoint(int point)
{
    Lesko& main = lesko();
    main.List_Ur[Lesko::PlanList].userClick(point - 1);
    QCOMPARE(main.Text_U[Lesko::ContentBox].Text(), t_.program().lesko_Dis().Podtochki[std::size_t(point)].Text());
    const int seconds = main.Item_Time[std::size_t(point)];
    QVERIFY2(seconds > 1, "every point of the lesson is timed");
    const double passedBefore = main.Shape_Lenta[Lesko::PlanDoneRibbon].Width();

    for (int i = 0; i < 10; ++i)
        main.Timer1_Timer();
    QVERIFY(main.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
    QVERIFY(!main.mnu_Wyprosi.Enabled());
    for (int i = 0; i < 10 * (seconds - 1) - 1; ++i)
        main.Timer1_Timer();
    QCOMPARE(main.Item_Done[std::size_t(point)], quint8(0));  // not a tick early
    QVERIFY(!main.mnu_Wyprosi.Enabled());

    main.Timer1_Timer();
    QCOMPARE(main.Item_Time[std::size_t(point)], qint16(0));
    QCOMPARE(main.Item_Done[std::size_t(point)], quint8(1));
    QVERIFY(main.mnu_Wyprosi.Enabled());
    QVERIFY(main.Shape_Lenta[Lesko::PlanDoneRibbon].Width() > passedBefore);
    ++readingPoints_;
    QCOMPARE(main.Item_Done[0], quint8(main.Plan_Count - readingPoints_));

    for (int i = 0; i < 10; ++i)
        main.Timer1_Timer();
    QVERIFY(!main.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
    QVERIFY(!main.Shape_Lenta[Lesko::TimeUsedRibbon].Visible());
    QVERIFY(main.List_Ur[Lesko::PlanList].Enabled());
    QVERIFY(main.mnu_Wyprosi.Enabled());
}

void LessonPlay::openWorkbench()
{
    QVERIFY(lesko().mnu_Wyprosi.Enabled());
    lesko().mnu_Wyprosi.userClick();
    QVERIFY(bench().Visible());
    QVERIFY(!lesko().Visible());
    QVERIFY(!lesko().Timer1.Enabled());
    QVERIFY(bench().Timer_n.Enabled());
    if (currentTask_ == 0) {  // the first opening loads task 1
        currentTask_ = 1;
        checkTaskLoaded(1);
    }
}

void LessonPlay::leaveWorkbench()
{
    const QString typed = bench().Text_Un[Lesko_n::AnswerBox].Text();
    bench().mnu_IzhodN.userClick();
    QVERIFY(!bench().Visible());
    QVERIFY(lesko().Visible());
    QVERIFY(lesko().Timer1.Enabled());
    QVERIFY(!bench().Timer_n.Enabled());
    QCOMPARE(bench().List_Un[Lesko_n::AnswerStoreList].List(currentTask_), typed);
}

// Every question loading the task asks is answered Yes.
void LessonPlay::expectQuestionsForLoading(int task)
{
    t_.services.answers.clear();
    if (task != currentTask_) {
        expectedBoxes_ << SwitchQuestion;
        t_.services.answers.push_back(true);
    }
    if (isHard(task)) {
        expectedBoxes_ << HardTaskQuestion;
        t_.services.answers.push_back(true);
    }
}

void LessonPlay::checkTaskLoaded(int task)
{
    QVERIFY(t_.services.answers.empty());  // every expected question was asked
    Lesko_n& b = bench();
    QCOMPARE(b.List_Un[Lesko_n::TaskList].ListIndex(), task - 1);
    const QString firstLine = t_.program().taskTexts().Uslowie_L[std::size_t(task)].List(2);
    QVERIFY2(b.Text_Un[Lesko_n::StatementBox].Text().startsWith(u"\r\n"_s + firstLine),
             qPrintable(b.Text_Un[Lesko_n::StatementBox].Text()));
    QVERIFY(b.Text_Un[Lesko_n::SolutionBox].Text().isEmpty());
    QVERIFY(!b.Text_Un[Lesko_n::AnswerBox].Locked());
    QVERIFY(b.Chasownik_Label[Lesko_n::ClockLabel].Caption().isEmpty());  // the clock starts afresh
}

void LessonPlay::chooseInTaskList(int task)
{
    expectQuestionsForLoading(task);
    bench().List_Un[Lesko_n::TaskList].userClick(task - 1);
    currentTask_ = task;
    checkTaskLoaded(task);
}

// "Ниво/Вид на задачи" lists one line per listed task; a click on the line of
// a task closes the chooser and loads that task.
void LessonPlay::chooseInChooser(int reportList, int task)
{
    bench().mnu_Tip_Wid.userClick();
    Lesko_Glos& chooser = t_.program().lesko_Glos();
    QVERIFY(chooser.Visible());
    forms::ListBox& lines = chooser.Wremena(reportList);
    QCOMPARE(lines.ListCount(), bench().List_Un[Lesko_n::TaskList].ListCount());
    QVERIFY2(lines.List(task - 1).endsWith(u" за задача "_s + QString::number(task)), qPrintable(lines.List(task - 1)));

    expectQuestionsForLoading(task);
    lines.userClick(task - 1);
    t_.program().releaseUnloaded();
    QVERIFY(!t_.program().isLoaded(u"Lesko_Glos"_s));
    currentTask_ = task;
    checkTaskLoaded(task);
}

// "Допълнително" lists the five tasks the configuration held back and loads
// the current task again, with its answer.
void LessonPlay::listAllTasks()
{
    Lesko_n& b = bench();
    QCOMPARE(b.List_Un[Lesko_n::TaskList].ListCount(), ListedAtOnce);
    QCOMPARE(b.mnu_All_zadachi.Caption(), u"+ 5 задачи"_s);
    const QString typed = b.Text_Un[Lesko_n::AnswerBox].Text();
    expectQuestionsForLoading(currentTask_);
    b.mnu_All_zadachi.userClick();
    QVERIFY(t_.services.answers.empty());
    QCOMPARE(b.List_Un[Lesko_n::TaskList].ListCount(), TaskCount);
    QCOMPARE(b.List_Un[Lesko_n::TaskList].ListIndex(), currentTask_ - 1);
    QCOMPARE(b.mnu_All_zadachi.Caption(), u"+0 задачи"_s);
    QVERIFY(!b.mnu_All_zadachi.Enabled());
    QCOMPARE(b.Text_Un[Lesko_n::AnswerBox].Text(), typed);
}

// Types the answer while the clock runs, lets the clock run out and saves.
void LessonPlay::workOnTask(int task)
{
    Lesko_n& b = bench();
    const QString answer = answerFor(task);
    b.Text_Un[Lesko_n::AnswerBox].userFocused();
    b.Text_Un[Lesko_n::AnswerBox].userEdited(answer.left(answer.size() / 2));
    tick(b, 5);
    QCOMPARE(b.Chasownik_Label[Lesko_n::ClockLabel].Caption(), QString::number(clockSeconds(task) - 1));
    b.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    runOutTheClock(task, 5);
    QCOMPARE(b.Text_Un[Lesko_n::AnswerBox].Text(), answer);
    saveInEveryWay(task);
}

void LessonPlay::runOutTheClock(int task, int ticksSoFar)
{
    Lesko_n& b = bench();
    const int limit = 10 * clockSeconds(task);
    int ticks = ticksSoFar;
    while (!b.Text_Un[Lesko_n::AnswerBox].Locked() && ticks <= limit + 2) {
        b.Timer_n_Timer();
        ++ticks;
    }
    QVERIFY2(b.Text_Un[Lesko_n::AnswerBox].Locked(),
             qPrintable(u"task "_s + QString::number(task) + u" never ran out"_s));
    QVERIFY2(ticks >= limit, qPrintable(u"task "_s + QString::number(task) + u" ran out after "_s +
                                        QString::number(ticks) + u" ticks"_s));
    QCOMPARE(b.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"0"_s);
    const QString firstSolutionLine = t_.program().taskTexts().Uslowie_L[std::size_t(task)].List(11);
    QVERIFY2(b.Text_Un[Lesko_n::SolutionBox].Text().startsWith(u"\r\n"_s + firstSolutionLine),
             qPrintable(b.Text_Un[Lesko_n::SolutionBox].Text()));
    QVERIFY(b.Text_Un[Lesko_n::SolutionBox].Text() != NoAccessNotice);
}

// The three saves in an order that turns with the task, so that every layout
// is also the one a file keeps at the end.
void LessonPlay::saveInEveryWay(int task)
{
    Lesko_n& b = bench();
    const QString statement = b.Text_Un[Lesko_n::StatementBox].Text();
    const QString solution = b.Text_Un[Lesko_n::SolutionBox].Text();
    const QString name = solutionFileName(task);
    for (int i = 0; i < 3; ++i) {
        const int mode = (task + i) % 3 + 1;
        b.mnu_ZapReshen[std::size_t(mode)].userClick();
        const QByteArray expected = expectedSave(mode, statement, answerFor(task), solution);
        QCOMPARE(readFile(t_.path(name)), expected);
        expectedFiles_.insert(name, expected);
    }
}

// The main window's "Фокус" shows the point's text, read-only; the size chosen
// there is remembered for the next full view.
void LessonPlay::focusViewOfThePoint()
{
    lesko().mnu_Fokus.userClick();
    Lesko_Zad& view = t_.program().lesko_Zad();
    QVERIFY(view.Visible());
    QVERIFY(view.Obsho_Pole.Locked());
    QCOMPARE(view.Obsho_Pole.Text(), lesko().Text_U[Lesko::ContentBox].Text());
    QCOMPARE(view.List_font.List(7), u"24"_s);
    view.List_font.userClick(7);
    QCOMPARE(view.Obsho_Pole.FontSize(), 24.0);
    QVERIFY(view.Form_QueryClose());
    t_.program().releaseUnloaded();
    QVERIFY(!t_.program().isLoaded(u"Lesko_Zad"_s));
}

// The workbench's "Фокус" on the answer box: editable, at the remembered size,
// and what is typed there does not come back into the answer.
void LessonPlay::focusViewOfTheAnswer()
{
    Lesko_n& b = bench();
    const QString typed = b.Text_Un[Lesko_n::AnswerBox].Text();
    b.Text_Un[Lesko_n::AnswerBox].userFocused();
    b.mnu_Pylen_Ekran.userClick();
    Lesko_Zad& view = t_.program().lesko_Zad();
    QVERIFY(view.Visible());
    QVERIFY(!view.Obsho_Pole.Locked());
    QCOMPARE(view.Obsho_Pole.Text(), typed);
    QCOMPARE(view.Obsho_Pole.FontSize(), 24.0);
    view.Obsho_Pole.userEdited(u"написано в големия изглед"_s);
    QVERIFY(view.Form_QueryClose());
    t_.program().releaseUnloaded();
    QCOMPARE(b.Text_Un[Lesko_n::AnswerBox].Text(), typed);
}

// "Цвят/шрифт": the red part of the window colour moved from 128 to 200 and
// saved reaches the main window and the workbench.
void LessonPlay::changeTheWindowColour()
{
    lesko().mnu_Cwqt.userClick();
    Cwiat& settings = t_.program().cwiat();
    QVERIFY(settings.Visible());
    QCOMPARE(settings.Slider1[Cwiat::RedSlider].Value(), 128);
    settings.Slider1[Cwiat::RedSlider].userMoved(200);
    settings.mnu_zapis.userClick();
    t_.program().releaseUnloaded();
    QVERIFY(!t_.program().isLoaded(u"Cwiat"_s));
    QCOMPARE(lesko().BackColor(), forms::Colour(200));
    QCOMPARE(bench().BackColor(), forms::Colour(200));
}

void LessonPlay::exitAnswering(bool yes)
{
    expectedBoxes_ << ExitQuestion;
    t_.services.answers = {yes};
    lesko().Izhod.userClick();
    QVERIFY(t_.services.answers.empty());
    QCOMPARE(t_.services.ends, yes ? 1 : 0);
    QCOMPARE(t_.program().ended(), yes);
}

QByteArray LessonPlay::expectedAnswerRecord() const
{
    QMap<int, QString> answers;
    for (int task = 1; task <= TaskCount; ++task)
        answers.insert(task, answerFor(task));
    return referenceWindows1251(answerRecordText(answers));
}

// Exactly the configuration, the twenty solution files, the answer record,
// the attempt log and the answers kept for a restart: no temporary file is
// left behind.
void LessonPlay::checkTheFilesOnDisk()
{
    // Option 31 is off, so the record takes the second of the lesson's names.
    expectedFiles_.insert(content::Lesson::embedded().answerFiles().value(1), expectedAnswerRecord());
    QCOMPARE(expectedFiles_.size(), 1 + TaskCount + 1);
    QStringList expected = expectedFiles_.keys() << attemptLogName() << keptAnswersName();
    expected.sort();
    QCOMPARE(folderEntries(t_.folder()), expected);
    for (auto file = expectedFiles_.cbegin(); file != expectedFiles_.cend(); ++file)
        QVERIFY2(readFile(t_.path(file.key())) == file.value(), qPrintable(file.key()));
    checkTheAttemptLog();
    checkTheKeptAnswers();
}

// Every task ran out on its clock with the solution shown, and was saved with
// the whole answer typed.
void LessonPlay::checkTheAttemptLog()
{
    const results::csv::Rows rows = attemptLogRows(t_.folder());
    QCOMPARE(rows.size(), 1 + TaskCount);
    for (const QStringList& row : rows.mid(1)) {
        const int task = row.value(log_column::Task).toInt();
        QVERIFY2(task >= 1 && task <= TaskCount, qPrintable(row.join(u';')));
        QCOMPARE(row.value(log_column::TimeLimit), QString::number(clockSeconds(task)));
        QCOMPARE(row.value(log_column::TimeUsed), QString::number(clockSeconds(task)));
        QCOMPARE(row.value(log_column::Solution), u"да"_s);
        QCOMPARE(row.value(log_column::SavedFile), solutionFileName(task));
        QCOMPARE(row.value(log_column::AnswerLength), QString::number(QStringView(answerFor(task)).toUcs4().size()));
    }
}

// Every answer, kept as typed, marked as that of a run that ended: no later
// start offers it back.
void LessonPlay::checkTheKeptAnswers()
{
    const content::Result<results::KeptAnswers> kept = results::readKeptAnswers(readFile(t_.path(keptAnswersName())));
    QVERIFY2(kept, qPrintable(kept.reason()));
    QCOMPARE(kept->state, results::KeptAnswers::State::Finished);
    QMap<int, QString> answers;
    for (int task = 1; task <= TaskCount; ++task)
        answers.insert(task, answerFor(task));
    QCOMPARE(kept->answers, answers);
}

void LessonPlay::checkTheBoxesShown()
{
    QStringList shown;
    for (const ShownMessage& box : std::as_const(t_.services.shown)) {
        shown << box.text;
        QCOMPARE(box.flags, 260);  // Yes and No, No the default
        QCOMPARE(box.title, u"Електронен урок"_s);
    }
    QCOMPARE(shown, expectedBoxes_);
}

}  // namespace

class TestLessonSoak : public QObject {
    Q_OBJECT
private slots:
    void aStudentPlaysTheWholeLesson();
};

void TestLessonSoak::aStudentPlaysTheWholeLesson()
{
    TestLesson t;
    LessonPlay play(t);
    play.start();
    play.readPoint(1);
    play.readPoint(2);
    if (QTest::currentTestFailed())
        return;

    play.openWorkbench();
    for (int task = 1; task <= 5; ++task) {
        if (task > 1)
            play.chooseInTaskList(task);
        play.workOnTask(task);
    }
    play.leaveWorkbench();
    if (QTest::currentTestFailed())
        return;

    play.readPoint(3);
    play.focusViewOfThePoint();
    play.exitAnswering(false);
    play.openWorkbench();
    for (int task = 6; task <= 9; ++task) {
        play.chooseInTaskList(task);
        play.workOnTask(task);
    }
    play.focusViewOfTheAnswer();
    play.chooseInChooser(3, 10);
    play.workOnTask(10);
    play.leaveWorkbench();
    if (QTest::currentTestFailed())
        return;

    play.readPoint(4);
    play.openWorkbench();
    for (int task = 11; task <= 15; ++task) {
        play.chooseInTaskList(task);
        play.workOnTask(task);
    }
    play.listAllTasks();
    play.chooseInChooser(5, 16);
    play.workOnTask(16);
    for (int task = 17; task <= TaskCount; ++task) {
        play.chooseInTaskList(task);
        play.workOnTask(task);
    }
    play.leaveWorkbench();
    if (QTest::currentTestFailed())
        return;

    play.readPoint(5);
    QCOMPARE(t.program().lesko().Item_Done[0], quint8(0));                       // every point read
    QVERIFY(!t.program().lesko().Shape_Lenta[Lesko::PlanLeftRibbon].Visible());  // the plan ribbon is all passed
    play.openWorkbench();
    play.leaveWorkbench();
    play.changeTheWindowColour();
    play.exitAnswering(true);
    if (QTest::currentTestFailed())
        return;

    play.checkTheFilesOnDisk();
    play.checkTheBoxesShown();
}

QTEST_GUILESS_MAIN(TestLessonSoak)
#include "test_lesson_soak.moc"
