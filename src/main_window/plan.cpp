// Plan navigation: the plan list, the text and picture of the chosen point,
// and the information menu.
#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

void Lesko::Fill_Plan()
{
    const forms::ListBox& plan = program_.lesko_Dis().Plan_Lesko[0];
    forms::ListBox& order = List_Ur[PlanOrderList];
    const int n = plan.ListCount();
    int m = n;
    for (int i = 1; i < n; ++i) {
        if (plan.List(i).size() < 7)
            --m;
        else
            order.AddItem(plan.List(i));
    }
    for (int i = 1; i < m; ++i)
        List_Ur[PlanList].AddItem(order.List(i).mid(4));
    Text_U[TopicBox].setText(plan.List(0));

    const auto first = content::strictNumber(program_.lesko_Gra().Spi_GR[Lesko_Gra::PlanPictures].List(0));
    Pic_Index = first ? std::trunc(*first) : 0;
    showPlanPicture(int(Pic_Index));
}

// Shows picture n of the store, or the default picture for n below 1.
void Lesko::showPlanPicture(int n)
{
    Lesko_Gra& store = program_.lesko_Gra();
    if (n > 0 && n < int(store.Grafika_G.size())) {
        Picture_Ur[0].setPicture(store.Grafika_G[std::size_t(n)].Picture());
        Pic_Shown = 1;
    } else {
        Picture_Ur[0].setPicture(store.Grafika_W[Lesko_Gra::BlankPicture].Picture());
    }
}

qint16 Lesko::readingTime(int point)
{
    // Negative times would never run out; a time that does not fit is capped.
    const double seconds =
        content::leadingNumber(program_.lesko_Glos().Wremena(GlossaryTables::ReadingTimes).List(point));
    return std::max<qint16>(0, content::roundToInt16(seconds));
}

void Lesko::List_Ur_Click(int)
{
    if (Option_Flag(content::Option::PlanAccess) < 1)
        return;
    Lesko_Dis& description = program_.lesko_Dis();
    const forms::ListBox& plan = description.Plan_Lesko[0];
    const int n = plan.ListCount() - 1;
    const int k = List_Ur[PlanList].ListIndex() + 1;
    if (k < 1 || k > 50)
        return;
    Item_Time[0] = qint16(k);
    const QString s = List_Ur[PlanList].Text();
    int point = 0;
    for (int j = 1; j <= n; ++j) {
        if (plan.List(j).right(s.size()) == s) {
            point = j;
            Text_U[ContentBox].setText(forms::memberOrNone(description.Podtochki, j).Text());
        }
    }
    Pic_Index = std::trunc(content::leadingNumber(program_.lesko_Gra().Spi_GR[Lesko_Gra::PlanPictures].List(point)));
    showPlanPicture(int(Pic_Index));

    if (Item_Done[std::size_t(k)] == 0) {
        const qint16 t = Option_Flag(content::Option::ResumeReading) == 0 ? readingTime(k) : Item_Time[std::size_t(k)];
        Item_Time[std::size_t(k)] = t;
        Lenta_Div = t;
        Set_Time_Ribbon(Lenta_Base - 2);
    }
    if (Option_Flag(content::Option::FreePlan) < 1)
        List_Ur[PlanList].setEnabled(false);
}

void Lesko::Sydyrv_pla_Click(int index)
{
    Lesko_Dis& description = program_.lesko_Dis();
    Text_U[ContentBox].setText(QString());
    Text_U[ContentBox].setText(forms::memberOrNone(description.Dopyln_M, index).Text());
    Lesko_Gra& store = program_.lesko_Gra();
    if (!store.Grafika_W[Lesko_Gra::InformationPicture].Picture().sameAs(
            store.Grafika_W[Lesko_Gra::BlankPicture].Picture())) {
        Picture_Ur[0].setPicture(store.Grafika_W[Lesko_Gra::InformationPicture].Picture());
        Pic_Index = Lesko_Gra::InformationPicture;
        Pic_Shown = 2;
    }
}

void Lesko::Fill_Term_List()
{
    const forms::ListBox& terms = program_.lesko_Glos().glos_All();
    forms::ListBox& list = program_.lesko_n().List_Un[Lesko_n::TermList];
    for (int i = 1; i < terms.ListCount(); ++i)
        list.AddItem(terms.List(i));
}
