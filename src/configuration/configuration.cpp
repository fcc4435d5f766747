#include "configuration/configuration.h"

#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration_source.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

#include <QFile>
#include <QFileInfo>

namespace app {

using content::numberText;

QString lessonCode(Program& program)
{
    return program.lesko_Gra().Spi_GR[Lesko_Gra::SolutionPictures].List(Lesko_Gra::LessonCodeItem);
}

QString designLessonCode(const content::Lesson& lesson)
{
    const content::Lesson::Entry* codes =
        lesson.find(QStringLiteral("Lesko_Gra"), QStringLiteral("Spi_GR"), Lesko_Gra::SolutionPictures);
    return codes ? codes->items.value(Lesko_Gra::LessonCodeItem) : QString();
}

qint16 ReportFileStatus(const QString& filespec) { return QFileInfo(filespec).isFile() ? 1 : 0; }

namespace {

// Clears a read-only mark, as the configuration tool expects. On a read-only
// medium, for an immutable file or one of another owner this fails, and the
// file is read as it is. A link is read through but never changed: its target
// may lie outside the working folder.
void clearReadOnlyMark(QFile& file)
{
    if (QFileInfo(file).isSymLink())
        return;
    const QFileDevice::Permissions p = file.permissions();
    if (!p.testFlag(QFileDevice::WriteOwner))
        file.setPermissions(p | QFileDevice::WriteOwner);
}

void applyFlags(Program& program, const content::ConfigRecord& rec)
{
    forms::ListBox& copy = program.lesko_n().List_Un[Lesko_n::OptionCopyList];
    copy.Clear();
    copy.AddItem(QStringLiteral(" "));
    for (int i = 0; i < content::ConfigSlots; ++i) {
        const QString text = numberText(content::basicMod(rec.Values[i], 2));
        program.optionFlagList().setList(i + 1, text);
        copy.AddItem(text);
    }
}

void applyTaskList(Program& program, const content::ConfigRecord& rec, int tasks)
{
    forms::ListBox& levels = program.lesko_Glos().Wremena(GlossaryTables::Levels);
    for (int i = 0; i < content::ConfigSlots && i < tasks; ++i)
        levels.setList(i + 1, numberText(content::basicMod(rec.Values[i], 10)));

    forms::ListBox& labels = program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels);
    labels.setList(TaskTexts::TasksAtOnceItem, numberText(rec.Count));
    Lesko_n& bench = program.lesko_n();
    forms::ListBox& list = bench.List_Un[Lesko_n::TaskList];
    list.Clear();
    const int listed = std::min<qint32>(rec.Count, content::MaxListedTasks);
    for (int i = 1; i <= listed; ++i)
        list.AddItem(labels.List(i));
    if (list.ListCount() < labels.ListCount()) {
        const int more = labels.ListCount() - list.ListCount() - 1;
        bench.mnu_All_zadachi.setCaption(u"+ " + QString::number(more) + u" задачи");
    }
}

// A per-task time table from the record's values; its count goes to the
// service list's item.
void applyTimes(Program& program, const content::ConfigRecord& rec, int tasks, GlossaryTables::WremenaTable table,
                Lesko::ServiceListItem serviceItem)
{
    forms::ListBox& times = program.lesko_Glos().Wremena(table);
    for (int i = 0; i < content::ConfigSlots && i < tasks; ++i)
        times.setList(i + 1, numberText(rec.Values[i]));
    program.lesko().List_Ur[Lesko::ServiceList].setList(serviceItem, content::basicStr(rec.Count));
}

void applyReadingTimes(Program& program, const content::ConfigRecord& rec)
{
    Lesko_Dis& description = program.lesko_Dis();
    const int points = description.Plan_Lesko[0].ListCount() - 1;
    forms::ListBox& reading = program.lesko_Glos().Wremena(GlossaryTables::ReadingTimes);
    for (int i = 0; i < content::ConfigSlots && i < points; ++i) {
        const qint64 length = forms::memberOrNone(description.Podtochki, i + 1).Text().size();
        reading.setList(i + 1, numberText(content::readingSeconds(length, rec.Values[i])));
    }
}

}  // namespace

void Load_Class_Settings(Program& program, const ConfigurationSource& source)
{
    program.classSettings() = source.classSettings;
    Lesko& lesko = program.lesko();
    for (const QString& problem : source.settingsProblems)
        lesko.Greska_Otgowor1(message_code::ClassSettingsUnusable, problem);
    if (source.workingFolderIgnored)
        lesko.Greska_Otgowor1(message_code::SharedConfigurationBinding, source.configuration);
}

void Apply_Config_Record(Program& program, const content::ConfigRecord& record, int r)
{
    const int tasks = program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount() - 1;
    switch (r) {
        case 1:  // the option flags
            return applyFlags(program, record);
        case 2:  // the task levels; the count of tasks listed at once
            return applyTaskList(program, record, tasks);
        case 3:  // hint times; the count is the version
            return applyTimes(program, record, tasks, GlossaryTables::HintTimes, Lesko::VersionItem);
        case 4:  // time limits; the count is the date
            return applyTimes(program, record, tasks, GlossaryTables::TimeLimits, Lesko::DateItem);
        case 5:  // reading-time factors of the plan points
            return applyReadingTimes(program, record);
        default:
            return;
    }
}

void Load_Config(Program& program)
{
    const ConfigurationSource source = findConfiguration(lessonCode(program), sharedConfigurationFolders());
    Load_Class_Settings(program, source);
    Lesko& lesko = program.lesko();
    const QString& name = source.configuration;
    if (ReportFileStatus(name) < 1) {
        lesko.Greska_Otgowor1(1);
        return;
    }
    QFile file(name);
    std::optional<content::ConfigRecords> records;
    if (file.size() == content::ConfigFileSize) {
        if (!source.shared)  // the computer's shared file is the administrator's
            clearReadOnlyMark(file);
        if (file.open(QIODevice::ReadOnly))
            records = content::parseConfig(file.read(content::ConfigFileSize + 1));
    }
    file.close();
    if (!records) {
        lesko.Greska_Otgowor1(3);
        return;
    }
    // Record 1 says how many tasks the lesson keeps; the list is never lengthened
    // and always keeps its item 0.
    forms::ListBox& labels = program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels);
    while (labels.ListCount() > 1 && (*records)[0].Count < labels.ListCount() - 1)
        labels.RemoveItem(labels.ListCount() - 1);
    for (int r = 1; r <= 6; ++r)
        Apply_Config_Record(program, (*records)[r - 1], r);
}

content::ConfigRecords openLessonConfig(Program& program)
{
    content::ConfigRecords records;
    for (int flag : {1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 15, 16, 17, 18,
                     19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 33, 34, 35, 36, 37, 38})
        records[0].Values[flag - 1] = 1;
    const int tasks = program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount() - 1;
    records[0].Count = tasks;
    records[1].Count = tasks;
    Lesko_Glos& tables = program.lesko_Glos();
    for (int i = 0; i < tasks && i < content::ConfigSlots; ++i) {
        records[1].Values[i] = qint16(content::leadingNumber(tables.Wremena(GlossaryTables::Levels).List(i + 1)));
        records[2].Values[i] = qint16(content::leadingNumber(tables.Wremena(GlossaryTables::HintTimes).List(i + 1)));
        records[3].Values[i] = qint16(content::leadingNumber(tables.Wremena(GlossaryTables::TimeLimits).List(i + 1)));
    }
    // Version and date as the lesson's design gives them (the date as a number).
    const content::Lesson::Entry* service =
        program.lesson().find(QStringLiteral("Lesko"), QStringLiteral("List_Ur"), Lesko::ServiceList);
    const QStringList serviceItems = service ? service->items : QStringList();
    records[2].Count = qint32(content::leadingNumber(serviceItems.value(Lesko::VersionItem)));
    records[3].Count = qint32(content::leadingNumber(QString(serviceItems.value(Lesko::DateItem)).remove(u'/')));
    Lesko_Dis& description = program.lesko_Dis();
    forms::ListBox& reading = tables.Wremena(GlossaryTables::ReadingTimes);
    for (int i = 0; i + 1 < description.Plan_Lesko[0].ListCount() && i < content::ConfigSlots; ++i) {
        // The factor that comes nearest to each point's design reading time, at
        // least one hundredth of a second per character so that every point is timed.
        const double length = std::max<qsizetype>(1, forms::memberOrNone(description.Podtochki, i + 1).Text().size());
        const double factor = (content::leadingNumber(reading.List(i + 1)) - 2) * 100 / length;
        records[4].Values[i] = qint16(std::clamp(std::lround(factor), 1l, 32767l));
    }
    return records;
}

}  // namespace app
