// "Проверка": the answer box's text is compiled and run on every sample of the
// task on show, in the background. The check reads the answer and the task
// only: the clock, the hint and solution rules and the lesson's files stay
// as they are.
#include "aux_windows/lesko_izp.h"
#include "aux_windows/lesko_prow.h"
#include "checker/check_job.h"
#include "checker/check_store.h"
#include "checker/task_check.h"
#include "program/program.h"
#include "results/attempt_log.h"
#include "workbench/lesko_n.h"

namespace {

const QString CheckCaption = QStringLiteral("Проверка");
const QString RunningCaption = QStringLiteral("Проверка…");

}  // namespace

// Here, where the check job is a complete type: the workbench owns the job
// through a unique_ptr, whose deletion needs it.
Lesko_n::~Lesko_n() = default;

void Lesko_n::buildCheckMenu()
{
    mnu_Prowerka.setCaption(CheckCaption);
    mnu_Prowerka.shortcut = QStringLiteral("F5");
    mnu_Prowerka.onClick = [this] { mnu_Prowerka_Click(); };
    addMenu(mnu_Prowerka);
    add(mnu_Prowerka);
    mnu_Moj_Wh.setCaption(QStringLiteral("Изпълни с мой вход"));
    mnu_Moj_Wh.shortcut = QStringLiteral("F6");
    mnu_Moj_Wh.onClick = [this] { mnu_Moj_Wh_Click(); };
    addMenu(mnu_Moj_Wh);
    add(mnu_Moj_Wh);
    Text_Un[AnswerBox].onChange = [this] { updateCheckMenu(); };
    updateCheckMenu();
}

bool Lesko_n::canCheck() const
{
    return program_.lesson().testCount(CurrentTask) > 0 && !Text_Un[AnswerBox].Text().trimmed().isEmpty();
}

void Lesko_n::updateCheckMenu()
{
    if (!check_)
        mnu_Prowerka.setEnabled(canCheck());
    mnu_Moj_Wh.setEnabled(!Text_Un[AnswerBox].Text().trimmed().isEmpty());
}

// The run window starts from the task's first sample input.
void Lesko_n::mnu_Moj_Wh_Click()
{
    Lesko_Izp& window = program_.lesko_Izp();
    const QList<content::Lesson::Sample> samples = program_.lesson().samples(CurrentTask);
    if (window.Wh_Pole.Text().isEmpty() && !samples.isEmpty())
        window.Wh_Pole.setText(QString(samples.first().input).replace(u'\n', QStringLiteral("\r\n")));
    window.Show();
}

void Lesko_n::mnu_Prowerka_Click()
{
    if (check_ || !canCheck())
        return;
    checkedTask_ = CurrentTask;
    const QString answer = QString(Text_Un[AnswerBox].Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const content::Lesson& lesson = program_.lesson();
    check_ = std::make_unique<checker::CheckJob>(checker::taskSettings(program_.checks().settings, lesson, CurrentTask),
                                                 answer, checker::taskTests(lesson, CurrentTask));
    QObject::connect(check_.get(), &checker::CheckJob::finished, check_.get(),
                     [this, answer](const checker::CheckResult& result) { checkFinished(result, answer); });
    mnu_Prowerka.setCaption(RunningCaption);
    mnu_Prowerka.setEnabled(false);
    check_->start();
}

void Lesko_n::checkFinished(const checker::CheckResult& result, const QString& answer)
{
    // The job is inside its own signal: it goes from the event loop.
    check_.release()->deleteLater();
    mnu_Prowerka.setCaption(CheckCaption);
    updateCheckMenu();
    program_.attemptLog().recordCheck(checkedTask_, result.passed(), result.total(),
                                      checker::verdictText(result.verdict));
    Lesko_Prow& window = program_.lesko_Prow();
    window.showResult(result, answer);
    window.Show();
}

void Lesko_n::CancelCheck()
{
    // A run on the student's own input goes with its window.
    if (program_.isLoaded(QStringLiteral("Lesko_Izp")))
        program_.unload(program_.lesko_Izp());
    if (!check_)
        return;
    check_.reset();
    mnu_Prowerka.setCaption(CheckCaption);
    updateCheckMenu();
}
