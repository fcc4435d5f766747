#pragma once

#include "content/config_file.h"
#include "content/lesson.h"

#include <QList>
#include <QStringList>

// What the setup needs to know about the lesson it configures: the tasks and
// plan points by title, the length of each point's text (its reading time
// depends on it) and the two configurations it starts from.
namespace setup {

struct PlanPoint {
    QString title;
    int length = 0;  // characters of the point's text
};

struct LessonFacts {
    QString code;      // the lesson code, "FUNKR"
    QString fileName;  // lesson code + ".UFG"
    QStringList taskTitles;
    QList<PlanPoint> points;
    // The lesson as designed, without a configuration file.
    content::ConfigRecords design;
    // The configuration that opens every feature of the lesson.
    content::ConfigRecords open;

    int taskCount() const { return int(taskTitles.size()); }
    int pointCount() const { return int(points.size()); }
};

// Reads the facts from the lesson's windows as the lesson itself builds them.
LessonFacts readLessonFacts(const content::Lesson& lesson = content::Lesson::embedded());

}  // namespace setup
