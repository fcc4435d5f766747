#pragma once

#include "content/result.h"

#include <QByteArray>
#include <QString>

// The class settings: what the teacher sets for a class beside the 600-byte
// configuration file, which keeps its layout. They live in a small INI text
// beside that file, named lesson code + "_klas.ini" (FUNKR_klas.ini), written
// by the setup window and lesko_config and read by the lesson at start-up.
// A missing file means the defaults below.
namespace content {

struct ClassSettings {
    // The lesson asks for the student's name and class before the tasks.
    bool askStudentName = false;
    // Only in the system-wide file: the lesson ignores a configuration in the
    // working folder, so students cannot loosen the class settings.
    bool binding = false;
    // A folder every run also writes its attempt log and saved answers to;
    // empty when none.
    QString handInFolder;

    bool operator==(const ClassSettings&) const = default;
};

// The file name beside the configuration file "FUNKR.UFG".
QString classSettingsFileName(const QString& lessonCode);

// The largest file read; anything longer is not a class settings file.
constexpr qsizetype MaxClassSettingsBytes = 64 * 1024;

// Reads the text. A damaged or foreign file is refused with the reason,
// naming its line; keys the text leaves out keep their defaults.
Result<ClassSettings> parseClassSettings(const QByteArray& bytes);
// The text of the file, UTF-8 with LF line ends.
QByteArray serialiseClassSettings(const ClassSettings& settings, const QString& lessonCode);

}  // namespace content
