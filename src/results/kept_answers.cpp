#include "results/kept_answers.h"

#include "content/lesson.h"

#include <signal.h>
#include <unistd.h>
#include <QFile>

using namespace Qt::StringLiterals;

namespace results {

namespace {

enum Column { Lesson, Host, Start, RunId, Process, StudentName, ClassName, StateColumn, Task, Answer, ColumnCount };

QStringList columns()
{
    return {u"Урок"_s,   u"Компютър"_s, u"Начало"_s,    u"Пускане"_s, u"Процес"_s,
            u"Ученик"_s, u"Клас"_s,     u"Състояние"_s, u"Задача"_s,  u"Отговор"_s};
}

const QStringList& stateNames()
{
    static const QStringList names{u"работи"_s, u"завършен"_s, u"върнат"_s, u"отказан"_s};
    return names;
}

// The start of a small file of the system; empty when it cannot be read.
QByteArray systemFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(512) : QByteArray();
}

QString bootId() { return QString::fromLatin1(systemFile(u"/proc/sys/kernel/random/boot_id"_s)).trimmed(); }

QString processName(qint64 pid)
{
    return QString::fromLocal8Bit(systemFile(u"/proc/"_s + QString::number(pid) + u"/comm"_s)).trimmed();
}

// A process that ended but was not yet reaped by its parent still has its
// number: "Z" (or "X") in its state.
bool running(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return false;
    const QByteArray stat = systemFile(u"/proc/"_s + QString::number(pid) + u"/stat"_s);
    const qsizetype nameEnd = stat.lastIndexOf(')');
    const char state = nameEnd >= 0 && nameEnd + 2 < stat.size() ? stat.at(nameEnd + 2) : '?';
    return state != 'Z' && state != 'X';
}

}  // namespace

QString keptAnswersFileName(const QString& lesson, const QString& tag)
{
    return safeNamePart(lesson) + u"_otgowori_"_s + tag + u".csv"_s;
}

QByteArray keptAnswersDocument(const KeptAnswers& kept)
{
    csv::Rows rows{columns()};
    for (auto it = kept.answers.cbegin(); it != kept.answers.cend(); ++it)
        rows << QStringList{kept.lesson,
                            kept.host,
                            kept.start,
                            kept.runId,
                            kept.process,
                            kept.student.name,
                            kept.student.className,
                            stateNames().at(int(kept.state)),
                            QString::number(it.key()),
                            it.value()};
    return csv::document(rows);
}

content::Result<KeptAnswers> readKeptAnswers(const QByteArray& bytes)
{
    const content::Result<csv::Rows> rows = csv::parse(bytes);
    if (!rows)
        return content::Result<KeptAnswers>::failure(rows);
    if (rows->isEmpty() || rows->first() != columns())
        return content::Result<KeptAnswers>::failure(u"не е файл с отговори"_s);
    KeptAnswers kept;
    for (qsizetype i = 1; i < rows->size(); ++i) {
        const QStringList& f = rows->at(i);
        bool ok = false;
        const int task = f.size() == ColumnCount ? f[Task].toInt(&ok) : 0;
        const qsizetype state = f.size() == ColumnCount ? stateNames().indexOf(f[StateColumn]) : -1;
        if (!ok || task < 1 || task > content::MaxListedTasks || state < 0 || kept.answers.contains(task))
            return content::Result<KeptAnswers>::failure(u"ред "_s + QString::number(i + 1) + u": неправилен ред"_s);
        if (i == 1) {
            kept.lesson = f[Lesson];
            kept.host = f[Host];
            kept.start = f[Start];
            kept.runId = f[RunId];
            kept.process = f[Process];
            kept.student = {f[StudentName], f[ClassName]};
            kept.state = KeptAnswers::State(state);
        }
        kept.answers.insert(task, f[Answer]);
    }
    return kept;
}

QString thisProcess() { return QString::number(::getpid()) + u' ' + bootId(); }

bool mayStillRun(const KeptAnswers& kept, const QString& thisHost)
{
    // Another computer's run cannot be seen from here: it counts as ended.
    if (kept.host != thisHost)
        return false;
    const QStringList process = kept.process.split(u' ');
    bool ok = false;
    const qint64 pid = process.value(0).toLongLong(&ok);
    if (process.value(1) != bootId() || !ok || pid <= 0 || pid == ::getpid())
        return false;
    return running(pid) && processName(pid) == processName(::getpid());
}

}  // namespace results
