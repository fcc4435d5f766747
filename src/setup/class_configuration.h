#pragma once

#include "configuration/lesson_facts.h"
#include "content/config_file.h"
#include "content/option_flags.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The class configuration as the teacher sees it: named fields over the six
// records of the file. Tasks and plan points are numbered from 1. A setter
// leaves the stored value alone when it already means what is asked, so
// values the lesson reads the same way (a flag stored as 3, a difficulty as
// 12) survive an edit of another field.
namespace setup {

class ClassConfiguration {
public:
    ClassConfiguration() = default;
    explicit ClassConfiguration(const content::ConfigRecords& records) : records_(records) {}

    const content::ConfigRecords& records() const { return records_; }
    QByteArray bytes() const { return content::serialiseConfig(records_); }

    qint32 tasksKept() const { return records_[0].Count; }
    void setTasksKept(qint32 tasks) { records_[0].Count = tasks; }
    qint32 tasksListed() const { return records_[1].Count; }
    void setTasksListed(qint32 tasks) { records_[1].Count = tasks; }
    // True when the lesson keeps the task / lists it in the workbench at once.
    bool isKept(int task) const { return task <= tasksKept(); }
    bool isListed(int task) const { return task <= tasksListed() && isKept(task); }

    // The digit the lesson reads: the stored value's remainder by 10.
    int difficulty(int task) const;
    void setDifficulty(int task, int digit);
    // Base times in seconds; the workbench multiplies them by the difficulty factor.
    int hintSeconds(int task) const { return value(2, task); }
    void setHintSeconds(int task, qint16 seconds) { setValue(2, task, seconds); }
    int limitSeconds(int task) const { return value(3, task); }
    void setLimitSeconds(int task, qint16 seconds) { setValue(3, task, seconds); }
    // Hundredths of a second per character of the point's text.
    int readingFactor(int point) const { return value(4, point); }
    void setReadingFactor(int point, qint16 factor) { setValue(4, point, factor); }

    // On when the lesson reads the flag as 1 or more.
    bool flag(content::Option option) const;
    void setFlag(content::Option option, bool on);

    // Version in hundredths (96 is shown as " .96") and release date as a number.
    qint32 version() const { return records_[2].Count; }
    void setVersion(qint32 hundredths) { records_[2].Count = hundredths; }
    qint32 date() const { return records_[3].Count; }
    void setDate(qint32 date) { records_[3].Count = date; }

    bool operator==(const ClassConfiguration& other) const;

private:
    int value(int record, int slot) const { return records_[std::size_t(record)].Values[std::size_t(slot - 1)]; }
    void setValue(int record, int slot, qint16 v) { records_[std::size_t(record)].Values[std::size_t(slot - 1)] = v; }

    content::ConfigRecords records_;
};

// The difficulty factor of the workbench: 1, 10 or 1000.
int difficultyFactor(int digit);

// "mm:ss" with as many minutes as needed ("05:00", "170:00"), "-00:05" below 0.
QString minutesSeconds(double seconds);
// "m:ss", "mm:ss" or plain seconds; null for anything else.
std::optional<int> parseMinutesSeconds(QStringView text);
// Hundredths as a decimal with two places: 96 -> "0.96".
QString versionText(qint32 hundredths);
// The version and the date as the lesson's caption shows them from a file
// (the Str rule: 96 hundredths become " .96").
QString captionVersion(qint32 hundredths);
QString captionDate(qint32 date);

// The most tasks the workbench may list at once: those kept, 1 to the lesson's.
int mostTasksListed(const ClassConfiguration& configuration, const LessonFacts& lesson);

// The time a task really gets, the difficulty factor included: "150:00 (×10)".
QString studentTimeText(const ClassConfiguration& configuration, int task);
// When the hint comes: "след 14:00"; "не идва: след края на времето" when the
// task's time is over first; "изключено" with option 5 off.
QString hintText(const ClassConfiguration& configuration, int task);

// What is wrong with the configuration for this lesson, one Bulgarian line
// each; empty when it can be saved.
QStringList configurationProblems(const ClassConfiguration& configuration, const LessonFacts& lesson);

// A plain text of what the class will get: tasks, times, what is locked.
QString configurationSummary(const ClassConfiguration& configuration, const LessonFacts& lesson);

}  // namespace setup
