#pragma once

#include <QList>
#include <QString>
#include <optional>

// The lesson's option flags that change something for the student. Flag n is
// value n - 1 of the configuration file's first record and item n of the
// option flag list; it is on when its digit is 1 or more. Numbers not named
// here have no effect; they are kept as the file has them.
namespace content {

enum class Option {
    TaskList = 1,        // the workbench's task list is open from the start (else after the first save)
    Clock = 3,           // the task clock is shown
    Glossary = 4,        // the workbench's glossary can be used
    ExtraHint = 5,       // the task's extra hint is shown
    Solutions = 6,       // the author's solution shows when the time is over, for tasks after the first too
    Colours = 7,         // the colour and font menu
    ChooseByLevel = 8,   // the chooser's tasks by level
    ExtraMaterial = 9,   // the information item "extra material"
    PlanAccess = 10,     // the plan and the lesson's material
    SaveSolution = 11,   // the save menu's "answer only"
    AnswerRecord = 12,   // the answer record on exit and the run's files
    TimeRibbon = 13,     // the reading time ribbon, which locks the tasks menu while a point's time runs
    SaveTask = 15,       // the save menu's "statement and answer"
    TasksMenu = 16,      // the tasks menu frees itself when a point's reading time runs out
    FreePlan = 17,       // the plan is not locked while the chosen point's time runs
    ResumeReading = 18,  // a point chosen again goes on with the time it had left
    PlanRibbon = 19,     // the plan ribbon; it and the next four free two information items each
    InfoDuration = 20,
    InfoAims = 21,
    InfoLinks = 22,
    InfoCourse = 23,
    Focus = 24,             // both focus menus (the enlarged text)
    HardTaskQuestion = 25,  // the workbench asks before a task of raised difficulty
    ChooseByType = 26,      // the chooser's tasks by type of solution
    EncodedTasks = 31,      // the task texts are read as encoded; the answer record takes its first name
};

// Its item in the option flag list.
constexpr int number(Option option) { return int(option); }

// An option with a readable name (for the command line and the text form)
// and a one-line explanation.
struct OptionFlag {
    Option option;
    QString name;         // "plan-access"
    QString explanation;  // what the student gets when the flag is on
    int number() const { return content::number(option); }
};

// Every named option, in the order of their numbers.
const QList<OptionFlag>& optionFlags();
std::optional<OptionFlag> optionFlagNamed(QStringView name);

}  // namespace content
