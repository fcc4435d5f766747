#include "aux_windows/lesko_glos.h"

#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

Lesko_Glos::Lesko_Glos(app::Program& program)
    : Form(QStringLiteral("Lesko_Glos")), program_(program), tables_(program.glossaryTables())
{
    setCaption(QStringLiteral("Тип и сложност на задачи"));
    setSize(7395, 2040);
    forms::nameMembers(reports_, u"Wremena");
    forms::place(reports_[LevelReport], {100, 120, 7260, 915});
    forms::place(reports_[TypeReport], {100, 1080, 7260, 915});
    reports_[LevelReport].setToolTipText(QStringLiteral(" Описва във възходящ ред сложността на задачите "));
    reports_[TypeReport].setToolTipText(QStringLiteral("  Описва във във взъходящ ред типа решение  на задачите "));
    reports_[LevelReport].onClick = [this] { Wremena_Click(LevelReport); };
    reports_[TypeReport].onClick = [this] { Wremena_Click(TypeReport); };
    add(reports_[LevelReport]);
    add(reports_[TypeReport]);
}

void Lesko_Glos::Form_Load() { Apply_Report_Options(); }

// Both ways: a chooser created before the class's configuration was read is
// set right again when start-up applies the options.
void Lesko_Glos::Apply_Report_Options()
{
    reports_[LevelReport].setEnabled(program_.Option_Flag(content::Option::ChooseByLevel) >= 1);
    reports_[TypeReport].setEnabled(program_.Option_Flag(content::Option::ChooseByType) >= 1);
}

forms::TextBox& Lesko_Glos::Glos(int i) { return forms::memberOrNone(tables_.Glos, i); }

forms::ListBox& Lesko_Glos::Wremena(int i)
{
    return i == LevelReport || i == TypeReport ? reports_[std::size_t(i)] : forms::memberOrNone(tables_.Wremena, i);
}

void Lesko_Glos::Wremena_Click(int index)
{
    if (index != LevelReport && index != TypeReport)
        return;
    forms::ListBox& list = Wremena(index);
    const int p = list.ListIndex();
    const QString s = list.List(p);
    Wremena(index == LevelReport ? TypeReport : LevelReport).setListIndex(-1);
    list.setListIndex(p);
    const qint16 n = qint16(content::roundToInt16(content::leadingNumber(s.right(2))) - 1);
    program_.lesko().List_Ur[Lesko::ChoiceList].setList(Lesko::RecordedTaskItem, content::numberText(n));
    program_.unload(*this);
    program_.lesko_n().List_Un[Lesko_n::TaskList].setListIndex(n);
}
