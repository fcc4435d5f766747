#include "program/exit.h"

#include "aux_windows/lesko_zad.h"
#include "content/codepage.h"
#include "content/numbers.h"
#include "files/save_rule.h"
#include "files/text_file.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "program/recording.h"
#include "workbench/lesko_n.h"

#include <QDir>

namespace app {

QString answerRecordName(Program& program)
{
    const QStringList& names = program.lesson().answerFiles();
    return names.value(program.Option_Flag(content::Option::EncodedTasks) == 1 ? 0 : 1);
}

bool recordsMayBeWritten(Program& program)
{
    return program.Option_Flag(content::Option::AnswerRecord) >= 1 &&
           saveRule(program.services().drive) == SaveRule::Allowed;
}

void Write_Answer_Record(Program& program)
{
    app::saveAtExit(program);
    if (!recordsMayBeWritten(program))
        return;
    const QString name = answerRecordName(program);
    const forms::ListBox& answers = program.lesko_n().List_Un[Lesko_n::AnswerStoreList];
    const int tasks = program.lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount();
    QString record = QStringLiteral("Има въведен текст по следните задачи:\r\n");
    for (int i = 1; i <= tasks; ++i) {
        const QString a = answers.List(i);
        if (content::characterCount(a) > 5)
            record += u"Задача " + content::basicStr(i) + u"\r\n" + a + u"\r\n";
    }
    if (!writeTextFile(name, record))
        program.lesko().Greska_Otgowor1(message_code::RecordFailed, QDir::current().absoluteFilePath(name));
}

void End_Lesson(Program& program) { program.end(); }

}  // namespace app
