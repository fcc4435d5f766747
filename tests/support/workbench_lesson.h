#pragma once

#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration.h"
#include "content/config_file.h"
#include "main_window/lesko.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <QFile>
#include <QTest>
#include <functional>

namespace testing_support {

using namespace Qt::StringLiterals;

// Twenty tasks with known texts and tables, written into the program's stores
// so the workbench tests do not depend on the lesson's current wording.
//
// Task k: line 0 is its hint, line 1 its title, lines 2 to 10 its statement
// and lines 11 to 13 the author's solution. Every statement ends with two
// empty lines, except task 12's, which ends with a text line. Task 1 has the
// time limit 20 s and the hint time 5 s; tasks 3, 11, 13, 17, 18 and 20 are of
// level 2, the others of level 1. The lesson code is FUNKR.
namespace workbench_lesson {

constexpr int TaskCount = 20;
inline const QString LessonCode = u"FUNKR"_s;

inline QString hintLine(int k) { return u"Упътване към задача "_s + QString::number(k); }
inline QString statementLine(int k, int line)
{
    return u"Условие "_s + QString::number(k) + u", ред "_s + QString::number(line);
}
inline QStringList solutionLines(int k)
{
    return {u"#include <iostream>"_s, u"int main() { return "_s + QString::number(k) + u"; }"_s, u"// край"_s};
}

inline QStringList taskLines(int k)
{
    QStringList lines{hintLine(k), u"Задача "_s + QString::number(k) + u'.'};
    for (int line = 2; line <= 8; ++line)
        lines << statementLine(k, line);
    if (k == 12)
        lines << statementLine(k, 9) << statementLine(k, 10);
    else
        lines << QString() << QString();
    return lines + solutionLines(k);
}

// The statement box text of task k: every line after a line break.
inline QString statementText(int k)
{
    QString text;
    for (const QString& line : taskLines(k).mid(2, 9))
        text += u"\r\n" + line;
    return text;
}

inline QString solutionText(int k) { return u"\r\n"_s + solutionLines(k).join(u"\r\n"_s); }

inline bool isHard(int k) { return QList<int>{3, 11, 13, 17, 18, 20}.contains(k); }
inline QString timeLimit(int k) { return k == 1 ? u"20"_s : QString::number(3000 + 100 * (k - 2)); }
inline QString hintTime(int k) { return k == 1 ? u"5"_s : QString::number(84 + 2 * k); }
inline QString solutionType(int k)
{
    static const QStringList types{u"формула"_s, u"масив"_s, u"условие"_s, u"ред"_s, u"сортиране"_s};
    return types.at(k % types.size());
}

// Item 0 of a table, then the value of every task.
inline QStringList table(const QString& heading, const std::function<QString(int)>& value)
{
    QStringList items{heading};
    for (int k = 1; k <= TaskCount; ++k)
        items << value(k);
    return items;
}

inline void install(app::Program& program)
{
    TaskTexts& texts = program.taskTexts();
    texts.Uslowie_L[TaskTexts::TaskLabels].setItems(
        table(u"15"_s, [](int k) { return k < 10 ? u'0' + QString::number(k) + u' ' : QString::number(k); }));
    for (int k = 1; k <= TaskCount; ++k)
        texts.Uslowie_L[std::size_t(k)].setItems(taskLines(k));
    texts.Redowe_L[TaskTexts::FirstStatementLines].setItems(table(u"В "_s, [](int) { return u"2"_s; }));
    texts.Redowe_L[TaskTexts::FirstSolutionLines].setItems(table(u"В "_s, [](int) { return u"11"_s; }));

    GlossaryTables& tables = program.glossaryTables();
    tables.Wremena[GlossaryTables::HintTimes].setItems(table(u" В"_s, hintTime));
    tables.Wremena[GlossaryTables::TimeLimits].setItems(table(u" В"_s, timeLimit));
    tables.Wremena[GlossaryTables::Levels].setItems(
        table(u"0 564"_s, [](int k) { return isHard(k) ? u"2"_s : u"1"_s; }));
    tables.Wremena[GlossaryTables::SolutionTypes].setItems(table(u"0-р"_s, solutionType));
    program.lesko_Gra().Spi_GR[Lesko_Gra::SolutionPictures].setList(Lesko_Gra::LessonCodeItem, LessonCode);
}

}  // namespace workbench_lesson

// Installs the twenty tasks, writes a configuration with most features on
// (changed by adjust) and starts the lesson.
inline void startWorkbenchLesson(TestLesson& t, const std::function<void(content::ConfigRecords&)>& adjust = {})
{
    workbench_lesson::install(t.program());
    startOpenLesson(t, adjust);
}

// Opens the workbench the way the lesson's menu does; task 1 gets loaded.
inline Lesko_n& openWorkbench(TestLesson& t)
{
    t.program().lesko().mnu_Wyprosi_Click();
    return t.program().lesko_n();
}

// The student clicks task k in the list, answering the questions that come up
// in order.
inline void clickTask(TestLesson& t, int k, std::initializer_list<bool> answers = {})
{
    t.services.answers.assign(answers.begin(), answers.end());
    t.program().lesko_n().List_Un[Lesko_n::TaskList].userClick(k - 1);
}

inline void tick(Lesko_n& bench, int times)
{
    for (int i = 0; i < times; ++i)
        bench.Timer_n_Timer();
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace testing_support
