#pragma once

#include "content/config_file.h"
#include "content/lesson.h"

#include <QString>

namespace app {

class Program;
struct ConfigurationSource;

// The lesson code: item 0 of Spi_GR(2). It names the configuration file and
// the solution files.
QString lessonCode(Program& program);
// The same as the lesson's design gives it, without a running program.
QString designLessonCode(const content::Lesson& lesson);

// 1 when a file of that name exists, 0 otherwise.
qint16 ReportFileStatus(const QString& filespec);

// Reads the class's configuration file (lesson code + ".UFG") from the working
// directory, or else the computer's shared one (configuration_source.h),
// and writes what it sets into the lesson's lists. A missing or unusable file
// is reported and the lesson keeps its design content.
void Load_Config(Program& program);
// Keeps the class settings read beside the chosen configuration file; a
// damaged file is reported and the defaults hold. A binding shared file that
// overrides the working folder's own is reported once.
void Load_Class_Settings(Program& program, const ConfigurationSource& source);
void Apply_Config_Record(Program& program, const content::ConfigRecord& record, int r);

// A configuration that opens the lesson's features for a class: plan, workbench,
// glossary, ribbons, hints, solutions and saving.
content::ConfigRecords openLessonConfig(Program& program);

}  // namespace app
