#include "workbench/lesko_n.h"

#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "checker/check_job.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "program/messages.h"
#include "program/program.h"

Lesko_n::Lesko_n(app::Program& program) : Form(QStringLiteral("Lesko_n")), program_(program)
{
    setCaption(QStringLiteral("Комбиниран урок - задачи + речник"));
    setSize(11910, 8220);
    setBackColor(128);
    standsInForMainWindow = true;
    buildControls();
    buildMenus();
}

void Lesko_n::buildControls()
{
    forms::nameMembers(Picture_Un, u"Picture_Un");
    forms::nameMembers(List_Un, u"List_Un");
    forms::nameMembers(Text_Un, u"Text_Un");
    forms::nameMembers(Chasownik_Label, u"Chasownik_Label");

    forms::place(Picture_Un[ItemPicture], {480, 50, 3300, 2580});
    forms::place(List_Un[TermList], {3820, 50, 7700, 915});
    forms::place(Text_Un[DefinitionBox], {3820, 1000, 7700, 1605});
    forms::place(List_Un[TaskList], {480, 2650, 1125, 915});
    forms::place(Text_Un[StatementBox], {1680, 2650, 9850, 1035});
    forms::place(Chasownik_Label[ClockLabel], {480, 3750, 1095, 375});
    forms::place(Text_Un[HintBox], {1680, 3720, 9850, 450});
    forms::place(Text_Un[SolutionBox], {480, 4245, 11055, 1890});
    forms::place(Text_Un[AnswerBox], {480, 6150, 11050, 1500});
    forms::place(Text_Un[TimeUsedBox], {480, 7680, 3255, 450});

    Picture_Un[ItemPicture].setBackColor(128);
    Picture_Un[ItemPicture].setToolTipText(
        QStringLiteral("Илюстрация към съдържанието на термините, условието/решението на задача. Щракнете с левия "
                       "клавиш на мишката за мащаб."));
    List_Un[TermList].setToolTipText(QStringLiteral(" Списък с използваната терминология "));
    Text_Un[DefinitionBox].setToolTipText(QStringLiteral(" Определения, дефиниции за използваната терминология  "));
    List_Un[TaskList].setToolTipText(QStringLiteral(" Изберете от списъка желан номер въпрос/задача "));
    Text_Un[StatementBox].setToolTipText(QStringLiteral(" Съдържание на въпроси/условия на задачи  "));
    Chasownik_Label[ClockLabel].setToolTipText(QStringLiteral(" Оставащо време "));
    Chasownik_Label[ClockLabel].setAccessibleName(QStringLiteral("Оставащо време в секунди"));
    Text_Un[HintBox].setToolTipText(QStringLiteral(" Указания за текущия въпрос/задача  "));
    Text_Un[SolutionBox].setToolTipText(QStringLiteral(" Решение на задача/обяснения на въпроса  "));
    Text_Un[AnswerBox].setToolTipText(
        QStringLiteral(" В това поле се въвежда от обучавания отговора на поставения въпрос/задача  "));

    Text_Un[TimeUsedBox].setVisible(false);
    // Only the answer takes typing, and never a pasted text; the other boxes
    // can be read and selected.
    for (int i : {DefinitionBox, StatementBox, SolutionBox, HintBox})
        Text_Un[i].setLocked(true);
    Text_Un[AnswerBox].pasteAllowed = false;
    for (int i : {AppearanceRecordList, AnswerStoreList, OptionCopyList})
        List_Un[i].setVisible(false);
    Chasownik_Label[ClockLabel].centred = true;
    Timer_n.setInterval(100);
    Timer_n.setEnabled(false);

    for (int i = 0; i < 2; ++i)
        List_Un[i].onClick = [this, i] { List_Un_Click(i); };
    for (int i = 0; i < 6; ++i)
        Text_Un[i].onGotFocus = [this, i] { Text_Un_GotFocus(i); };
    Picture_Un[ItemPicture].onClick = [this] { Picture_Un_Click(ItemPicture); };
    Timer_n.onTimer = [this] { Timer_n_Timer(); };

    add(Picture_Un);
    add(List_Un);
    add(Text_Un);
    add(Chasownik_Label);
    add(Timer_n);
}

void Lesko_n::buildMenus()
{
    forms::nameMembers(mnu_ZapReshen, u"mnu_ZapReshen");
    mnu_IzhodN.setCaption(QStringLiteral("Връщане към урока"));
    mnu_Tip_Wid.setCaption(QStringLiteral("Ниво/Вид на задачи"));
    mnu_Pylen_Ekran.setCaption(QStringLiteral("Фокус"));
    mnu_All_zadachi.setCaption(QStringLiteral("Допълнително"));
    mnu_All_zadachi.setEnabled(false);
    zap_resheshenie.setCaption(QStringLiteral("Запис"));
    mnu_ZapReshen[SaveStatementAndAnswer].setCaption(QStringLiteral("Запис условие+решение"));
    mnu_ZapReshen[SaveAnswerOnly].setCaption(QStringLiteral("Запис само решение"));
    mnu_ZapReshen[SaveAuthorSolution].setCaption(QStringLiteral("Решение на автора"));
    for (int i = SaveStatementAndAnswer; i <= SaveAuthorSolution; ++i) {
        zap_resheshenie.add(mnu_ZapReshen[i]);
        mnu_ZapReshen[i].onClick = [this, i] { mnu_ZapReshen_Click(i); };
    }
    mnu_IzhodN.onClick = [this] { mnu_IzhodN_Click(); };
    mnu_Tip_Wid.onClick = [this] { mnu_Tip_Wid_Click(); };
    mnu_Pylen_Ekran.onClick = [this] { mnu_Pylen_Ekran_Click(); };
    mnu_All_zadachi.onClick = [this] { mnu_All_zadachi_Click(); };
    for (forms::MenuItem* m : {&mnu_IzhodN, &mnu_Tip_Wid, &mnu_Pylen_Ekran, &mnu_All_zadachi, &zap_resheshenie})
        addMenu(*m);
    add(mnu_IzhodN);
    add(mnu_Tip_Wid);
    add(mnu_Pylen_Ekran);
    add(mnu_All_zadachi);
    add(zap_resheshenie);
    add(mnu_ZapReshen, 1);
    buildCheckMenu();
}

int Lesko_n::workbenchFlag(content::Option option) const
{
    return content::flagValue(List_Un[OptionCopyList].List(content::number(option)));
}

QString Lesko_n::Greska_Otgowor2(quint8 code, const QString& detail)
{
    return app::showMessage(program_.services().messages, app::workbenchMessage(code, detail));
}

void Lesko_n::Form_Load()
{
    if (List_Un[TaskList].ListIndex() < 1) {
        CurrentTask = 1;
        forms::ListBox& hintTimes = Wremena(GlossaryTables::HintTimes);
        forms::ListBox& timeLimits = Wremena(GlossaryTables::TimeLimits);
        hintTimes.setList(0, hintTimes.List(1));
        timeLimits.setList(0, timeLimits.List(1));
        RemainingTime = 10;
        Text_Un[AnswerBox].setLocked(false);
    }
    Text_Un_GotFocus(StatementBox);
    if (workbenchFlag(content::Option::SaveTask) < 1)
        mnu_ZapReshen[SaveStatementAndAnswer].setEnabled(false);
}

int Lesko_n::selectedTask() const { return List_Un[TaskList].ListIndex() + 1; }

forms::ListBox& Lesko_n::Uslowie_L(int k) const { return forms::memberOrNone(program_.taskTexts().Uslowie_L, k); }

int Lesko_n::firstStatementLine(int task) const
{
    return content::roundToInt32(
        content::leadingNumber(program_.taskTexts().Redowe_L[TaskTexts::FirstStatementLines].List(task)));
}

int Lesko_n::firstSolutionLine(int task) const
{
    return content::roundToInt32(
        content::leadingNumber(program_.taskTexts().Redowe_L[TaskTexts::FirstSolutionLines].List(task)));
}

forms::ListBox& Lesko_n::Wremena(int i) const { return forms::memberOrNone(program_.glossaryTables().Wremena, i); }

double Lesko_n::taskLevel(int task) const { return content::leadingNumber(Wremena(GlossaryTables::Levels).List(task)); }

double Lesko_n::baseTimeLimit(int task) const
{
    return content::leadingNumber(Wremena(GlossaryTables::TimeLimits).List(task));
}
