#include "configuration/lesson_facts.h"

#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "program/program.h"
#include "program/quiet_services.h"

namespace setup {

namespace {

QStringList taskTitles(app::Program& program)
{
    Lesko_Zad& texts = program.lesko_Zad();
    QStringList titles;
    // Line 0 of a task is its hint, line 1 its title.
    for (int k = 1; k < texts.Uslowie_L(TaskTexts::TaskLabels).ListCount(); ++k)
        titles.append(texts.Uslowie_L(k).List(1).trimmed());
    return titles;
}

QList<PlanPoint> planPoints(app::Program& program)
{
    Lesko_Dis& description = program.lesko_Dis();
    const forms::ListBox& plan = description.Plan_Lesko[0];
    QList<PlanPoint> points;
    for (int i = 1; i < plan.ListCount(); ++i)
        points.append({plan.List(i).mid(4), int(forms::memberOrNone(description.Podtochki, i).Text().size())});
    return points;
}

// The open configuration with the design's flags, and as many tasks listed as
// the design's task list names.
content::ConfigRecords designRecords(app::Program& program, const content::ConfigRecords& open)
{
    content::ConfigRecords design = open;
    for (int n = 1; n <= content::ConfigSlots; ++n)
        design[0].Values[std::size_t(n - 1)] = qint16(program.Option_Flag(content::Option(n)));
    design[1].Count = qint32(
        content::leadingNumber(program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).List(TaskTexts::TasksAtOnceItem)));
    return design;
}

}  // namespace

LessonFacts readLessonFacts(const content::Lesson& lesson)
{
    app::QuietServices quiet;
    app::Program program(quiet.services(), lesson);
    LessonFacts facts;
    facts.code = app::lessonCode(program);
    facts.fileName = facts.code + u".UFG";
    facts.taskTitles = taskTitles(program);
    facts.points = planPoints(program);
    facts.open = app::openLessonConfig(program);
    facts.design = designRecords(program, facts.open);
    return facts;
}

}  // namespace setup
