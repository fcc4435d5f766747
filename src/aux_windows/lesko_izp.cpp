#include "aux_windows/lesko_izp.h"

#include "checker/check_job.h"
#include "checker/check_store.h"
#include "checker/result_text.h"
#include "checker/task_check.h"
#include "forms/members.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

using namespace Qt::StringLiterals;

namespace {

const QString RunCaption = u"Изпълни"_s;
const QString RunningCaption = u"Изпълнява се…"_s;

QString seconds(qint64 ms) { return QLocale(QLocale::Bulgarian).toString(double(ms) / 1000, 'f', 2) + u" с"_s; }

// Compile errors as the result window lists them, one a line.
QString errorLines(const checker::CheckResult& result)
{
    QStringList lines;
    for (const checker::Diagnostic& d : result.diagnostics)
        lines << checker::text::errorLine(d);
    return lines.join(u"\r\n"_s) + u"\r\n\r\n"_s + result.compilerText;
}

}  // namespace

Lesko_Izp::Lesko_Izp(app::Program& program) : Form(u"Lesko_Izp"_s), program_(program)
{
    setCaption(u"Изпълнение с мой вход"_s);
    setSize(9000, 7200);
    forms::nameMembers(Label_Izp, u"Label_Izp");
    Label_Izp[InputCaption].setCaption(u"Вход на програмата:"_s);
    Label_Izp[OutputCaption].setCaption(u"Изход на програмата:"_s);
    forms::place(Label_Izp[InputCaption], {120, 120, 8760, 300});
    forms::place(Wh_Pole, {120, 450, 8760, 2100});
    forms::place(Label_Izp[OutputCaption], {120, 2700, 8760, 300});
    forms::place(Izh_Pole, {120, 3030, 8760, 3300});
    forms::place(Label_Izp[EndingLabel], {120, 6450, 8760, 600});
    Wh_Pole.setFontName(u"Courier New"_s);
    Izh_Pole.setFontName(u"Courier New"_s);
    Wh_Pole.setFontSize(11);
    Izh_Pole.setFontSize(11);
    Izh_Pole.setLocked(true);
    Wh_Pole.setToolTipText(u" Напишете входа, който програмата ще прочете "_s);
    Izh_Pole.setToolTipText(u" Какво изведе програмата "_s);
    mnu_Izpylni.setCaption(RunCaption);
    mnu_Izpylni.shortcut = u"F6"_s;
    mnu_Izpylni.setToolTipText(u" Компилира отговора от прозореца със задачи и го изпълнява с този вход "_s);
    mnu_Izpylni.onClick = [this] { mnu_Izpylni_Click(); };
    addMenu(mnu_Izpylni);
    add(mnu_Izpylni);
    add(Label_Izp);
    add(Wh_Pole);
    add(Izh_Pole);
}

Lesko_Izp::~Lesko_Izp() = default;

void Lesko_Izp::mnu_Izpylni_Click()
{
    if (run_)
        return;
    const QString answer = QString(program_.lesko_n().Text_Un[Lesko_n::AnswerBox].Text()).replace(u"\r\n"_s, u"\n"_s);
    if (answer.trimmed().isEmpty()) {
        Label_Izp[EndingLabel].setCaption(u"Няма какво да се изпълни: полето за отговор е празно."_s);
        return;
    }
    checker::TestCase test;
    test.input = QString(Wh_Pole.Text()).replace(u"\r\n"_s, u"\n"_s);
    test.judged = false;
    const checker::CheckSettings settings =
        checker::taskSettings(program_.checks().settings, program_.lesson(), program_.lesko_n().CurrentTask);
    run_ = std::make_unique<checker::CheckJob>(settings, answer, QList<checker::TestCase>{test});
    QObject::connect(run_.get(), &checker::CheckJob::finished, run_.get(),
                     [this](const checker::CheckResult& result) { runFinished(result); });
    mnu_Izpylni.setCaption(RunningCaption);
    mnu_Izpylni.setEnabled(false);
    Label_Izp[EndingLabel].setCaption(u"Програмата се компилира и изпълнява…"_s);
    run_->start();
}

void Lesko_Izp::runFinished(const checker::CheckResult& result)
{
    // The job is inside its own signal: it goes from the event loop.
    run_.release()->deleteLater();
    mnu_Izpylni.setCaption(RunCaption);
    mnu_Izpylni.setEnabled(true);
    const checker::TestResult run = result.tests.value(0);
    Izh_Pole.setText(result.verdict == checker::Verdict::CompileError
                         ? errorLines(result)
                         : QString(run.got).replace(u"\n"_s, u"\r\n"_s) +
                               (run.errors.isEmpty() ? QString()
                                                     : u"\r\n— изход за грешки —\r\n"_s +
                                                           QString(run.errors).replace(u"\n"_s, u"\r\n"_s)));
    Label_Izp[EndingLabel].setCaption(endingText(result));
    announce(Label_Izp[EndingLabel].Caption());
}

QString Lesko_Izp::endingText(const checker::CheckResult& result)
{
    using checker::Verdict;
    const checker::TestResult run = result.tests.value(0);
    switch (result.verdict == Verdict::Accepted || result.tests.isEmpty() ? result.verdict : run.verdict) {
        case Verdict::Accepted:
            return u"Програмата завърши нормално за "_s + seconds(run.cpuMs) + u" процесорно време."_s;
        case Verdict::TimeLimit:
            return u"Програмата беше спряна: надхвърли времето."_s;
        case Verdict::OutputLimit:
            return u"Програмата беше спряна: изведе твърде много."_s;
        case Verdict::MemoryLimit:
            return u"Програмата беше спряна: поиска повече памет от разрешената."_s;
        case Verdict::RuntimeError:
            return u"Програмата завърши с грешка: "_s + run.detail + u'.';
        case Verdict::CompileError:
            return u"Програмата не се компилира: вижте грешките по-горе."_s;
        case Verdict::Unavailable:
        case Verdict::WrongAnswer:
            break;
    }
    return u"Изпълнението не е възможно: "_s + result.reason + u'.';
}
