#include "workbench/lesko_n.h"

#include "app/program.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"

Lesko_n::Lesko_n(app::Program& program) : Form(QStringLiteral("Lesko_n")), program_(program)
{
    setCaption(QStringLiteral("Комбиниран урок - задачи + речник"));
    setSize(11910, 8220);
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

    Picture_Un[0].setToolTipText(QStringLiteral(
        "Илюстрация към съдържанието на термините, условието/решението на задача. Щракнете с левия клавиш на мишката за мащаб."));
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
    for (int i = 1; i <= 3; ++i)
        zap_resheshenie.add(mnu_ZapReshen[i]);
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

void Lesko_n::Form_Load()
{
    Text_Un_GotFocus(2);
}

bool Lesko_n::Form_QueryClose() { return false; }

void Lesko_n::List_Un_Click(int index)
{
    if (index != 0)
        return;
    forms::ListBox& terms = List_Un[0];
    program_.lesko().List_Ur[1].setList(1, QString::number(terms.ListIndex()));
    const QString t = terms.Text();
    Lesko_Glos& glossary = program_.lesko_Glos();
    forms::ListBox& all = glossary.glos_All();
    for (int i = 0; i < all.ListCount(); ++i) {
        if (all.List(i) == t) {
            Text_Un[1].setText(glossary.Glos(i).Text());
            TermIndex = quint8(i);
        }
    }
    PictureContext = 0;
    ShowItemPicture(TermIndex);
}

void Lesko_n::Text_Un_GotFocus(int index)
{
    const forms::Colour others = content::roundToInt32(content::leadingNumber(List_Un[2].List(7)));
    for (int i = 0; i <= 4; ++i)
        Text_Un[i].setBackColor(i == index ? 6909565 : others);
    program_.services().clipboard.clear();
    FocusedBox = quint8(index);
}

void Lesko_n::ShowItemPicture(int n)
{
    Lesko_Gra& store = program_.lesko_Gra();
    const int v = int(content::leadingNumber(store.Spi_GR[PictureContext].List(n)));
    const bool none = v < 1 || v >= int(store.Grafika_G.size());
    Picture_Un[0].setPicture(none ? store.Grafika_W[1].Picture() : store.Grafika_G[v].Picture());
}
