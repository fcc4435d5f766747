#include "app/exit.h"

#include "app/messages.h"
#include "app/program.h"
#include "app/text_file.h"
#include "aux_windows/lesko_zad.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "workbench/lesko_n.h"

#include <QDir>

namespace app {

namespace {

// Characters as the student typed them: one outside the Basic Multilingual
// Plane counts once, not as its two UTF-16 halves.
qsizetype characterCount(const QString& text) { return QStringView(text).toUcs4().size(); }

}  // namespace

QString answerRecordName(Program& program)
{
    const QStringList& names = program.lesson().answerFiles();
    return names.value(program.Option_Flag(31) == 1 ? 0 : 1);
}

void Write_Answer_Record(Program& program)
{
    if (program.Option_Flag(12) < 1)
        return;
    const quint8 drive = program.services().drive.driveType();
    if (drive < DriveRemovable || drive > DriveFixed)
        return;
    const QString name = answerRecordName(program);
    const forms::ListBox& answers = program.lesko_n().List_Un[3];
    const int tasks = program.lesko_Zad().Uslowie_L(0).ListCount();
    QString record = QStringLiteral("Има въведен текст по следните задачи:\r\n");
    for (int i = 1; i <= tasks; ++i) {
        const QString a = answers.List(i);
        if (characterCount(a) > 5)
            record += u"Задача " + content::basicStr(i) + u"\r\n" + a + u"\r\n";
    }
    if (!writeTextFile(name, record))
        program.lesko().Greska_Otgowor1(message_code::RecordFailed, QDir::current().absoluteFilePath(name));
}

void End_Lesson(Program& program) { program.end(); }

}  // namespace app
