#include "aux_windows/lesko_glos.h"

#include "app/program.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "workbench/lesko_n.h"

GlossaryTables::GlossaryTables()
{
    forms::nameMembers(glos_All, u"glos_All");
    forms::nameMembers(Glos, u"Glos");
    forms::nameMembers(Wremena, u"Wremena");
    add(glos_All);
    add(Glos);
    for (int i : {0, 1, 2, 4, 6})
        add(Wremena[i]);
}

Lesko_Glos::Lesko_Glos(app::Program& program)
    : Form(QStringLiteral("Lesko_Glos")), program_(program), tables_(program.glossaryTables())
{
    setCaption(QStringLiteral("Тип и сложност на задачи"));
    setSize(7395, 2040);
    forms::nameMembers(reports_, u"Wremena");
    forms::place(reports_[3], {100, 120, 7260, 915});
    forms::place(reports_[5], {100, 1080, 7260, 915});
    reports_[3].setToolTipText(QStringLiteral(" Описва във възходящ ред сложността на задачите "));
    reports_[5].setToolTipText(QStringLiteral("  Описва във във взъходящ ред типа решение  на задачите "));
    reports_[3].onClick = [this] { Wremena_Click(3); };
    reports_[5].onClick = [this] { Wremena_Click(5); };
    add(reports_[3]);
    add(reports_[5]);
}

forms::TextBox& Lesko_Glos::Glos(int i) { return forms::memberOrNone(tables_.Glos, i); }

forms::ListBox& Lesko_Glos::Wremena(int i)
{
    return i == 3 || i == 5 ? reports_[std::size_t(i)] : forms::memberOrNone(tables_.Wremena, i);
}

void Lesko_Glos::Wremena_Click(int index)
{
    if (index != 3 && index != 5)
        return;
    forms::ListBox& list = Wremena(index);
    const int p = list.ListIndex();
    const QString s = list.List(p);
    Wremena(index == 3 ? 5 : 3).setListIndex(-1);
    list.setListIndex(p);
    const qint16 n = qint16(content::roundToInt16(content::leadingNumber(s.right(2))) - 1);
    program_.lesko().List_Ur[1].setList(2, content::numberText(n));
    program_.unload(*this);
    program_.lesko_n().List_Un[1].setListIndex(n);
}
