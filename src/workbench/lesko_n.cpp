#include "workbench/lesko_n.h"

#include "app/messages.h"
#include "app/program.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "content/numbers.h"
#include "forms/members.h"

Lesko_n::Lesko_n(app::Program& program) : Form(QStringLiteral("Lesko_n")), program_(program)
{
    setCaption(QStringLiteral("Комбиниран урок - задачи + речник"));
    setSize(11910, 8220);
    setBackColor(128);
    buildControls();
    buildMenus();
}

void Lesko_n::buildControls()
{
    forms::nameMembers(Picture_Un, u"Picture_Un");
    forms::nameMembers(List_Un, u"List_Un");
    forms::nameMembers(Text_Un, u"Text_Un");
    forms::nameMembers(Chasownik_Label, u"Chasownik_Label");

    forms::place(Picture_Un[0], {480, 50, 3300, 2580});
    forms::place(List_Un[0], {3820, 50, 7700, 915});
    forms::place(Text_Un[1], {3820, 1000, 7700, 1605});
    forms::place(List_Un[1], {480, 2650, 1125, 915});
    forms::place(Text_Un[2], {1680, 2650, 9850, 1035});
    forms::place(Chasownik_Label[0], {480, 3750, 1095, 375});
    forms::place(Text_Un[4], {1680, 3720, 9850, 450});
    forms::place(Text_Un[3], {480, 4245, 11055, 1890});
    forms::place(Text_Un[0], {480, 6150, 11050, 1500});
    forms::place(Text_Un[5], {480, 7680, 3255, 450});

    Picture_Un[0].setBackColor(128);
    Picture_Un[0].setToolTipText(
        QStringLiteral("Илюстрация към съдържанието на термините, условието/решението на задача. Щракнете с левия "
                       "клавиш на мишката за мащаб."));
    List_Un[0].setToolTipText(QStringLiteral(" Списък с използваната терминология "));
    Text_Un[1].setToolTipText(QStringLiteral(" Определения, дефиниции за използваната терминология  "));
    List_Un[1].setToolTipText(QStringLiteral(" Изберете от списъка желан номер въпрос/задача "));
    Text_Un[2].setToolTipText(QStringLiteral(" Съдържание на въпроси/условия на задачи  "));
    Chasownik_Label[0].setToolTipText(QStringLiteral(" Оставащо време "));
    Text_Un[4].setToolTipText(QStringLiteral(" Указания за текущия въпрос/задача  "));
    Text_Un[3].setToolTipText(QStringLiteral(" Решение на задача/обяснения на въпроса  "));
    Text_Un[0].setToolTipText(
        QStringLiteral(" В това поле се въвежда от обучавания отговора на поставения въпрос/задача  "));

    Text_Un[5].setVisible(false);
    for (int i : {2, 3, 4})
        List_Un[i].setVisible(false);
    Chasownik_Label[0].centred = true;
    Timer_n.setInterval(100);
    Timer_n.setEnabled(false);

    for (int i = 0; i < 2; ++i)
        List_Un[i].onClick = [this, i] { List_Un_Click(i); };
    for (int i = 0; i < 6; ++i)
        Text_Un[i].onGotFocus = [this, i] { Text_Un_GotFocus(i); };
    Picture_Un[0].onClick = [this] { Picture_Un_Click(0); };
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
    mnu_ZapReshen[1].setCaption(QStringLiteral("Запис условие+решение"));
    mnu_ZapReshen[2].setCaption(QStringLiteral("Запис само решение"));
    mnu_ZapReshen[3].setCaption(QStringLiteral("Решение на автора"));
    for (int i = 1; i <= 3; ++i) {
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
}

int Lesko_n::workbenchFlag(int n) const { return content::flagValue(List_Un[4].List(n)); }

QString Lesko_n::Greska_Otgowor2(quint8 code, const QString& detail)
{
    return app::showMessage(program_.services().messages, app::workbenchMessage(code, detail));
}

void Lesko_n::Form_Load()
{
    if (List_Un[1].ListIndex() < 1) {
        CurrentTask = 1;
        forms::ListBox& hintTimes = Wremena(0);
        forms::ListBox& timeLimits = Wremena(1);
        hintTimes.setList(0, hintTimes.List(1));
        timeLimits.setList(0, timeLimits.List(1));
        RemainingTime = 10;
        Text_Un[0].setLocked(false);
    }
    Text_Un_GotFocus(2);
    if (workbenchFlag(15) < 1)
        mnu_ZapReshen[1].setEnabled(false);
}

int Lesko_n::selectedTask() const { return List_Un[1].ListIndex() + 1; }

forms::ListBox& Lesko_n::Uslowie_L(int k) const { return forms::memberOrNone(program_.taskTexts().Uslowie_L, k); }

int Lesko_n::firstStatementLine(int task) const
{
    return content::roundToInt32(content::leadingNumber(program_.taskTexts().Redowe_L[1].List(task)));
}

int Lesko_n::firstSolutionLine(int task) const
{
    return content::roundToInt32(content::leadingNumber(program_.taskTexts().Redowe_L[2].List(task)));
}

forms::ListBox& Lesko_n::Wremena(int i) const { return forms::memberOrNone(program_.glossaryTables().Wremena, i); }

double Lesko_n::taskLevel(int task) const { return content::leadingNumber(Wremena(4).List(task)); }

double Lesko_n::baseTimeLimit(int task) const { return content::leadingNumber(Wremena(1).List(task)); }
