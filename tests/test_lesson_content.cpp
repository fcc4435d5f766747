// The embedded lesson keeps the shape every window relies on.
#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "content/codepage.h"
#include "content/numbers.h"
#include "content/task_package.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "settings/cwiat.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

// The statement's last line: the task's time limit in Bulgarian words.
QString timeLimitSentence(int ms)
{
    const QString seconds =
        ms == 1000 ? u"1 секунда"_s : QString::number(ms / 1000.0).replace(u'.', u',') + u" секунди"_s;
    return u"Ограничение на времето: "_s + seconds + u'.';
}

const content::Lesson& lesson() { return content::Lesson::embedded(); }

QStringList listOf(const QString& window, const QString& name, int member)
{
    const content::Lesson::Entry* e = lesson().find(window, name, member);
    return e ? e->items : QStringList();
}

int numberAt(const QStringList& list, int i) { return int(content::leadingNumber(list.value(i))); }

// A hint that quotes the test's input or expected output gives the test away.
bool quotesTheTest(const content::TaskTest& test)
{
    for (const QString& data : {test.input.trimmed(), test.answer.trimmed()})
        if (data.size() >= 2 && test.hint.contains(data))
            return true;
    return false;
}

bool plainLines(const QString& text) { return !text.contains(u'\r') && text.endsWith(u'\n'); }

}  // namespace

class TestLessonContent : public QObject {
    Q_OBJECT
private slots:
    void everyFileLoads();
    void everyContainerBelongsToAControl();
    void everyTextFitsTheCodePage();
    void planAndPointTexts();
    void glossary();
    void taskTablesAndLabels();
    void everyTaskHasHintStatementAndSolution();
    void everyTaskHasTestsWithHintsAndATimeLimit_data();
    void everyTaskHasTestsWithHintsAndATimeLimit();
    void picturesAndTheirNumbers();
    void optionFlagsAndHandOverLists();
};

void TestLessonContent::everyFileLoads()
{
    QVERIFY2(lesson().problems().isEmpty(), qPrintable(lesson().problems().join(u'\n')));
    QCOMPARE(lesson().answerFiles().size(), 2);
}

void TestLessonContent::everyContainerBelongsToAControl()
{
    TestLesson t;
    app::Program& p = t.program();
    p.start();
    const QList<QPair<QString, QList<const forms::ControlSet*>>> windows{
        {u"Lesko"_s, {&p.lesko()}},  // plus the program's own lists, checked below
        {u"Lesko_Dis"_s, {&p.lesko_Dis()}},
        {u"Lesko_Glos"_s, {&p.lesko_Glos(), &p.glossaryTables()}},
        {u"Lesko_Zad"_s, {&p.lesko_Zad(), &p.taskTexts()}},
        {u"Lesko_n"_s, {&p.lesko_n()}},
        {u"Lesko_Gra"_s, {&p.lesko_Gra()}},
        {u"Cwiat"_s, {&p.cwiat()}},
    };
    for (const auto& [window, sets] : windows) {
        for (const QString& key : lesson().containers(window)) {
            const QString name = key.section(u'#', 0, 0);
            const int member = key.section(u'#', 1).toInt();
            bool found = window == u"Lesko" && (name == u"Otgowori" || name == u"Awtori");
            for (const forms::ControlSet* set : sets)
                found = found || set->find(name, member) || (member == 0 && set->find(name, -1));
            QVERIFY2(found, qPrintable(window + u": " + key));
        }
    }
}

void TestLessonContent::everyTextFitsTheCodePage()
{
    for (const QString& window : content::Lesson::windowNames()) {
        for (const QString& key : lesson().containers(window)) {
            const content::Lesson::Entry* e =
                lesson().find(window, key.section(u'#', 0, 0), key.section(u'#', 1).toInt());
            const QString all = e->text + e->items.join(u'\n');
            QVERIFY2(content::fitsWindows1251(all), qPrintable(window + u": " + key));
        }
    }
}

void TestLessonContent::planAndPointTexts()
{
    const QStringList plan = listOf(u"Lesko_Dis"_s, u"Plan_Lesko"_s, 0);
    QCOMPARE(plan.value(0), u"Функционална релация"_s);
    QCOMPARE(plan.size(), 6);
    for (const QString& required : {u"001 1. Определение за функция"_s, u"003 2а) Входни данни"_s,
                                    u"004 2б) Подбор на тестови примери"_s, u"005 3. Оценка на резултата"_s})
        QVERIFY(plan.contains(required));
    for (int i = 1; i < plan.size(); ++i)
        for (int j = 1; j < plan.size(); ++j)
            if (i != j)
                QVERIFY2(!plan[j].endsWith(plan[i].mid(4)), qPrintable(plan[i] + u" / " + plan[j]));

    const auto text = [](const QString& name, int i) {
        const content::Lesson::Entry* e = lesson().find(u"Lesko_Dis"_s, name, i);
        return e ? e->text : QString();
    };
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(text(u"Podtochki"_s, i).startsWith(plan[i].mid(4)));
        QVERIFY(text(u"Podtochki"_s, i).count(u"\r\n"_s) >= 4);  // several paragraphs
    }
    for (int i = 6; i <= 9; ++i) {
        QVERIFY(text(u"Podtochki"_s, i).endsWith(u"\r\n"_s));
        QVERIFY(text(u"Podtochki"_s, i).trimmed().isEmpty());
    }
    QVERIFY(text(u"Podtochki"_s, 10).isEmpty());
    for (int i = 11; i <= 23; ++i)
        QCOMPARE(text(u"Podtochki"_s, i), u"Text1"_s);
    QVERIFY(text(u"Dopyln_M"_s, 0).isEmpty());
    for (int i = 1; i <= 9; ++i)
        QVERIFY(text(u"Dopyln_M"_s, i).size() > 100);

    const QStringList reading = listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::ReadingTimes);
    QCOMPARE(reading.size(), 6);
    QCOMPARE(reading[0], u" Време за разглеждане на точка от урока"_s);
    for (int i = 1; i <= 5; ++i)
        QVERIFY(numberAt(reading, i) >= 10 && numberAt(reading, i) <= 54);
}

void TestLessonContent::glossary()
{
    const QStringList terms = listOf(u"Lesko_Glos"_s, u"glos_All"_s, 0);
    QCOMPARE(terms.size(), 36);
    QCOMPARE(terms[0], u"В- не сои"_s);
    QCOMPARE(QSet<QString>(terms.begin(), terms.end()).size(), 36);
    for (const QString& term : {u"число - просто"_s, u"числа - близнаци"_s, u"логаритъм"_s})
        QVERIFY(terms.contains(term));
    for (int i = 1; i <= 35; ++i) {
        const content::Lesson::Entry* definition = lesson().find(u"Lesko_Glos"_s, u"Glos"_s, i);
        QVERIFY(definition && definition->text.size() > 20);
    }
    const int prime = int(terms.indexOf(u"число - просто"_s));
    QVERIFY(lesson()
                .find(u"Lesko_Glos"_s, u"Glos"_s, prime)
                ->text.startsWith(u"Просто е число, което има само два различни делителя"_s));
}

void TestLessonContent::taskTablesAndLabels()
{
    const QStringList labels = listOf(u"Lesko_Zad"_s, u"Uslowie_L"_s, TaskTexts::TaskLabels);
    QCOMPARE(labels.size(), 21);
    QCOMPARE(labels[0], u"15"_s);
    QCOMPARE(labels[1], u"01 "_s);
    for (int k = 1; k <= 20; ++k)
        QCOMPARE(labels[k].trimmed(), u"%1"_s.arg(k, 2, 10, QChar(u'0')));

    const QStringList hints = listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::HintTimes);
    const QStringList limits = listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::TimeLimits);
    const QStringList levels = listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::Levels);
    const QStringList types = listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::SolutionTypes);
    for (const QStringList* l : {&hints, &limits, &levels, &types})
        QCOMPARE(l->size(), 21);
    QCOMPARE(levels[0], u"0 564"_s);
    QCOMPARE(types[0], u"0-р"_s);
    QCOMPARE(numberAt(hints, 1), 5);
    QCOMPARE(numberAt(limits, 1), 20);
    QCOMPARE(numberAt(hints, 2), 86);
    QCOMPARE(numberAt(limits, 2), 3000);
    bool hard3100 = false;
    for (int k = 2; k <= 20; ++k) {
        QVERIFY(numberAt(hints, k) >= numberAt(hints, k - 1) && numberAt(hints, k) <= 130);
        QVERIFY(numberAt(limits, k) >= numberAt(limits, k - 1) && numberAt(limits, k) <= 10200);
        QVERIFY(levels[k] == u"1" || levels[k] == u"2");
        hard3100 = hard3100 || (levels[k] == u"2" && limits[k] == u"3100");
    }
    QVERIFY(hard3100);
    QCOMPARE(types[6], u"ASCII кодове"_s);
    QCOMPARE(types[7], u"низове"_s);  // the shift cipher works on a line of text
    QCOMPARE(types[8], u"сортиране"_s);
    QCOMPARE(types[11], u"масив"_s);  // the sieve
    QCOMPARE(listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::LevelReport),
             QStringList{u"      Описание ниво сложност на задачи"_s});
    QCOMPARE(listOf(u"Lesko_Glos"_s, u"Wremena"_s, GlossaryTables::TypeReport),
             QStringList{u"    Описание тип решение  на задачи"_s});
}

void TestLessonContent::everyTaskHasHintStatementAndSolution()
{
    const QStringList first = listOf(u"Lesko_Zad"_s, u"Redowe_L"_s, TaskTexts::FirstStatementLines);
    const QStringList solution = listOf(u"Lesko_Zad"_s, u"Redowe_L"_s, TaskTexts::FirstSolutionLines);
    for (int k = 1; k <= 20; ++k) {
        const QStringList lines = listOf(u"Lesko_Zad"_s, u"Uslowie_L"_s, k);
        QCOMPARE(numberAt(first, k), 2);
        QCOMPARE(numberAt(solution, k), 11);
        QVERIFY(lines.size() > 12);
        QVERIFY(!lines[0].isEmpty() && !lines[1].isEmpty());
        QVERIFY(lines.mid(11).join(u'\n').contains(u"int main"_s));
        QVERIFY(!lesson().samples(k).isEmpty());
        QCOMPARE(lines[10], timeLimitSentence(lesson().timeLimitMs(k)));
    }
}

void TestLessonContent::everyTaskHasTestsWithHintsAndATimeLimit_data()
{
    QTest::addColumn<int>("task");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("task %d", k) << k;
}

// The tests of a task: samples, then secret tests, each group in name order,
// names unique, LF line ends; every secret test has a Bulgarian hint that does
// not quote its data; problem.yaml gives the time limit and the task's title.
void TestLessonContent::everyTaskHasTestsWithHintsAndATimeLimit()
{
    QFETCH(int, task);
    const QList<content::TaskTest> tests = lesson().tests(task);
    QStringList samples, secret;
    for (const content::TaskTest& test : tests) {
        QVERIFY2(test.name.startsWith(test.sample ? u"sample/"_s : u"secret/"_s), qPrintable(test.name));
        QVERIFY2(secret.isEmpty() || !test.sample, "samples come first");
        (test.sample ? samples : secret) << test.name;
        QVERIFY2(plainLines(test.input) && plainLines(test.answer), qPrintable(test.name));
        if (test.sample)
            continue;
        QVERIFY2(test.hint.contains(QRegularExpression(u"[а-яА-Я]"_s)), qPrintable(test.name + u": no hint"_s));
        QVERIFY2(content::fitsWindows1251(test.hint), qPrintable(test.name));
        QVERIFY2(!quotesTheTest(test), qPrintable(test.name + u": "_s + test.hint));
    }
    QVERIFY(!samples.isEmpty());
    QVERIFY(!secret.isEmpty());
    for (const QStringList* names : {&samples, &secret}) {
        QStringList sorted = *names;
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(*names, sorted);
    }

    const QList<content::Lesson::Sample> shown = lesson().samples(task);
    QCOMPARE(shown.size(), samples.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown.at(i).input, tests.at(i).input);
        QCOMPARE(shown.at(i).output, tests.at(i).answer);
    }

    QVERIFY(lesson().timeLimitMs(task) > 0 && lesson().timeLimitMs(task) <= 10000);
    QFile problem(lesson().folder() + u"/tasks/%1/problem.yaml"_s.arg(task, 2, 10, QChar(u'0')));
    QVERIFY(problem.open(QIODevice::ReadOnly));
    const content::Result<QHash<QString, QString>> yaml = content::readPackageYaml(problem.readAll());
    QVERIFY2(yaml.ok(), qPrintable(yaml.reason()));
    const QString title = listOf(u"Lesko_Zad"_s, u"Uslowie_L"_s, task).value(1);
    QCOMPARE(u"Задача %1. "_s.arg(task) + yaml->value(u"name.bg"_s), title);
    QCOMPARE(yaml->value(u"problem_format_version"_s), u"2025-09"_s);
}

void TestLessonContent::picturesAndTheirNumbers()
{
    TestLesson t;
    Lesko_Gra& store = t.program().lesko_Gra();
    int larger = 0, smaller = 0;
    for (int n = 1; n <= 17; ++n) {
        const forms::Picture& p = store.Grafika_G[std::size_t(n)].Picture();
        QVERIFY2(!p.image().isNull(), qPrintable(QString::number(n)));
        const bool fits = pictureWidth(p) < 3300 && pictureHeight(p) < 2580;
        (fits ? smaller : larger)++;
        QCOMPARE(QImageReader(p.source()).format(), n == 4 ? QByteArray("gif") : QByteArray("jpeg"));
    }
    QVERIFY(larger >= 3 && smaller >= 3);
    // The flowchart and the inverse function are drawn to fill the workbench's
    // picture box exactly: nothing is cut off, and a click still opens them.
    const forms::PictureBox& box = t.program().lesko_n().Picture_Un[Lesko_n::ItemPicture];
    for (std::size_t n : {6u, 10u}) {
        QCOMPARE(pictureWidth(store.Grafika_G[n].Picture()), box.Width());
        QCOMPARE(pictureHeight(store.Grafika_G[n].Picture()), box.Height());
    }
    QVERIFY(store.Grafika_W[Lesko_Gra::BlankPicture].Picture().isNull());
    QVERIFY(store.Grafika_W[Lesko_Gra::InformationPicture].Picture().isNull());
    QVERIFY(!store.Grafika_W[Lesko_Gra::AuthorsPicture].Picture().image().isNull());

    for (int list = 0; list <= 3; ++list) {
        QCOMPARE(store.Spi_GR[std::size_t(list)].ListCount(), 36);
        for (int i = 1; i < 36; ++i) {
            const auto n = content::strictNumber(store.Spi_GR[std::size_t(list)].List(i));
            QVERIFY(n && *n >= 0 && *n <= 17);
        }
    }
    QCOMPARE(store.Spi_GR[Lesko_Gra::SolutionPictures].List(Lesko_Gra::LessonCodeItem), u"FUNKR"_s);
    // Trial division (task 10) has a picture of its own, not the sieve of task 11.
    QCOMPARE(store.Spi_GR[Lesko_Gra::StatementPictures].List(10), store.Spi_GR[Lesko_Gra::SolutionPictures].List(10));
    QVERIFY(store.Spi_GR[Lesko_Gra::StatementPictures].List(10) != store.Spi_GR[Lesko_Gra::SolutionPictures].List(11));
    QCOMPARE(store.Spi_GR[Lesko_Gra::StatementPictures].List(0), u"задача"_s);
    // Point 1 shows the two sets of its example, point 5 the table of tests.
    for (int i = 0; i < 36; ++i)
        QCOMPARE(store.Spi_GR[Lesko_Gra::PlanPictures].List(i), i == 1 ? u"1"_s : i == 5 ? u"16"_s : u"0"_s);
}

void TestLessonContent::optionFlagsAndHandOverLists()
{
    TestLesson t;
    const forms::ListBox& flags = t.program().optionFlagList();
    QCOMPARE(flags.ListCount(), 39);
    for (int n = 1; n <= 38; ++n) {
        const bool on = n == 27 || n == 28 || (n >= 33 && n <= 38);
        QCOMPARE(t.program().Option_Flag(content::Option(n)), on ? 1 : 0);
    }
    Lesko_n& bench = t.program().lesko_n();
    QCOMPARE(bench.List_Un[Lesko_n::AppearanceRecordList].ListCount(), 19);
    QCOMPARE(bench.List_Un[Lesko_n::AnswerStoreList].ListCount(), 98);
    for (int n = 0; n <= 40; ++n)
        QCOMPARE(bench.workbenchFlag(content::Option(n)), 0);
    const QStringList choices = listOf(u"Lesko"_s, u"List_Ur"_s, Lesko::ChoiceList);
    QCOMPARE(choices.mid(1), QStringList({u"0"_s, u"0"_s, u"0"_s, u"12"_s, u"0"_s}));
    QCOMPARE(listOf(u"Lesko"_s, u"List_Ur"_s, Lesko::ServiceList).size(), 15);
}

QTEST_GUILESS_MAIN(TestLessonContent)
#include "test_lesson_content.moc"
