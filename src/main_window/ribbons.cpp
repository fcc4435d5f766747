// The reading clock: one second of a point's reading time per ten ticks, the
// time ribbon beside the content and the plan ribbon under it.
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/program.h"

void Lesko::Timer1_Timer()
{
    Tick_Count = qint32(quint32(Tick_Count) + 1u);
    program_.services().clipboard.clear();
    if (Tick_Count % 10 == 0)
        Second_Step();
}

// W / ratio(k, c), the current scaled left, top, width or height of slot k.
float Lesko::scaledAt(int slot, int column) const
{
    const float r = Layout_Ratio[std::size_t(slot)][std::size_t(column)];
    const float whole = float(column % 2 == 0 ? ScaleWidth() : ScaleHeight());
    return r != 0 ? whole / r : 0.0f;
}

void Lesko::computePlanRibbon(int m)
{
    Lenta_Geom[21] = scaledAt(m, 0);
    Lenta_Geom[25] = scaledAt(m, 2);
    Lenta_Geom[26] = scaledAt(m + 1, 2);
    Lenta_Geom[29] = 0;
    // Without plan points the plan ribbon has no step to take.
    Lenta_Geom[30] = Plan_Count > 0 ? float(content::roundToInt32(scaledAt(m, 2)) / Plan_Count) : 0.0f;
    showRibbonValues();
}

// The ribbons' shares as values a screen reader reads: the reading time left
// of the chosen point and the part of the plan already read.
void Lesko::showRibbonValues()
{
    const int j = List_Ur[PlanList].ListIndex() + 1;
    const bool counting = j >= 1 && j < int(Item_Time.size()) && Lenta_Div > 0;
    const int timeLeft = counting ? forms::percentOf(Item_Time[std::size_t(j)], Lenta_Div) : 100;
    Shape_Lenta[TimeLeftRibbon].setProgressValue(timeLeft);
    Shape_Lenta[TimeUsedRibbon].setProgressValue(100 - timeLeft);
    const int planRead = forms::percentOf(Lenta_Geom[29], Plan_Count);
    Shape_Lenta[PlanLeftRibbon].setProgressValue(100 - planRead);
    Shape_Lenta[PlanDoneRibbon].setProgressValue(planRead);
}

void Lesko::Setup_Ribbons()
{
    if (Option_Flag(13) > 0)
        Lenta_Div = 10;
    Set_Time_Ribbon(Lenta_Base);
    Lenta_Base = quint8(Lenta_Base + 2);
    computePlanRibbon(Lenta_Base);
}

void Lesko::Set_Time_Ribbon(int k)
{
    Lenta_Geom[12] = scaledAt(k + 1, 1);
    Lenta_Geom[15] = scaledAt(k, 3);
    Lenta_Geom[16] = scaledAt(k + 1, 3);
    // A reading time of 0 leaves the time ribbon standing still.
    Lenta_Geom[20] = Lenta_Div != 0 ? float(content::roundToInt32(Lenta_Geom[15]) / Lenta_Div) : 0.0f;
    showRibbonValues();
}

void Lesko::Second_Step()
{
    if (Item_Time[0] == 0)
        return;
    const int j = List_Ur[PlanList].ListIndex() + 1;
    if (j < 1 || j >= int(Item_Time.size()))
        return;
    qint16& left = Item_Time[std::size_t(j)];
    if (left == 0) {
        Hide_Time_Ribbon();
        return;
    }
    if (Option_Flag(13) > 0 && left > 0) {
        Shape_Lenta[TimeLeftRibbon].setVisible(true);
        Shape_Lenta[TimeUsedRibbon].setVisible(true);
        mnu_Wyprosi.setEnabled(false);
    }
    --left;
    auto& g = Lenta_Geom;
    g[12] -= g[20];
    g[15] -= g[20];
    if (g[15] < 1.0f)
        g[15] = 0;
    g[16] += g[20];
    Shape_Lenta[TimeLeftRibbon].setHeight(g[15]);
    Shape_Lenta[TimeUsedRibbon].Move(Shape_Lenta[TimeUsedRibbon].Left(), g[12], Shape_Lenta[TimeUsedRibbon].Width(),
                                     g[16]);
    showRibbonValues();
    if (left != 0)
        return;

    announce(QStringLiteral("Времето за четене на тази точка изтече."));

    Item_Done[std::size_t(j)] = 1;
    if (Item_Done[0] > 0)
        --Item_Done[0];
    if (Item_Done[0] == 0)
        mnu_Wyprosi.setEnabled(true);
    if (Option_Flag(16) == 1)
        mnu_Wyprosi.setEnabled(true);
    Plan_Ribbon_Step();
}

void Lesko::Plan_Ribbon_Step()
{
    if (Option_Flag(19) < 1) {
        Shape_Lenta[PlanLeftRibbon].setVisible(false);
        Shape_Lenta[PlanDoneRibbon].setVisible(false);
        return;
    }
    Shape_Lenta[PlanLeftRibbon].setVisible(true);
    Shape_Lenta[PlanDoneRibbon].setVisible(true);
    Label_U[PlanRibbonFrame].setToolTipText(QStringLiteral(
        " Лявата (зелената) част представя какъв материал от плана е преминат, а дясната (червената) оставащият "));
    auto& g = Lenta_Geom;
    if (g[29] > float(Plan_Count - 1))
        return;
    g[29] += 1;
    g[21] += g[30];
    g[25] -= g[30];
    if (g[25] < 10.0f) {
        g[25] = 0;
        Shape_Lenta[PlanLeftRibbon].setVisible(false);
    }
    g[26] += g[30];
    Shape_Lenta[PlanLeftRibbon].Move(g[21], Shape_Lenta[PlanLeftRibbon].Top(), g[25],
                                     Shape_Lenta[PlanLeftRibbon].Height());
    Shape_Lenta[PlanDoneRibbon].setWidth(g[26]);
    showRibbonValues();
}

void Lesko::Hide_Time_Ribbon()
{
    Shape_Lenta[TimeLeftRibbon].setVisible(false);
    Shape_Lenta[TimeUsedRibbon].setVisible(false);
    List_Ur[PlanList].setEnabled(true);
}
