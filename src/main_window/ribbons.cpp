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
    Lenta_Geom[PlanLeftLeft] = scaledAt(m, 0);
    Lenta_Geom[PlanLeftWidth] = scaledAt(m, 2);
    Lenta_Geom[PlanDoneWidth] = scaledAt(m + 1, 2);
    Lenta_Geom[PointsRead] = 0;
    // Without plan points the plan ribbon has no step to take.
    Lenta_Geom[PlanStep] = Plan_Count > 0 ? float(content::roundToInt32(scaledAt(m, 2)) / Plan_Count) : 0.0f;
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
    const int planRead = forms::percentOf(Lenta_Geom[PointsRead], Plan_Count);
    Shape_Lenta[PlanLeftRibbon].setProgressValue(100 - planRead);
    Shape_Lenta[PlanDoneRibbon].setProgressValue(planRead);
}

void Lesko::Setup_Ribbons()
{
    if (Option_Flag(content::Option::TimeRibbon) > 0)
        Lenta_Div = 10;
    Set_Time_Ribbon(Lenta_Base);
    Lenta_Base = quint8(Lenta_Base + 2);
    computePlanRibbon(Lenta_Base);
}

void Lesko::Set_Time_Ribbon(int k)
{
    Lenta_Geom[TimeUsedTop] = scaledAt(k + 1, 1);
    Lenta_Geom[TimeLeftHeight] = scaledAt(k, 3);
    Lenta_Geom[TimeUsedHeight] = scaledAt(k + 1, 3);
    // A reading time of 0 leaves the time ribbon standing still.
    Lenta_Geom[TimeStep] = Lenta_Div != 0 ? float(content::roundToInt32(Lenta_Geom[TimeLeftHeight]) / Lenta_Div) : 0.0f;
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
    if (Option_Flag(content::Option::TimeRibbon) > 0 && left > 0) {
        Shape_Lenta[TimeLeftRibbon].setVisible(true);
        Shape_Lenta[TimeUsedRibbon].setVisible(true);
        mnu_Wyprosi.setEnabled(false);
    }
    --left;
    auto& g = Lenta_Geom;
    g[TimeUsedTop] -= g[TimeStep];
    g[TimeLeftHeight] -= g[TimeStep];
    if (g[TimeLeftHeight] < 1.0f)
        g[TimeLeftHeight] = 0;
    g[TimeUsedHeight] += g[TimeStep];
    Shape_Lenta[TimeLeftRibbon].setHeight(g[TimeLeftHeight]);
    Shape_Lenta[TimeUsedRibbon].Move(Shape_Lenta[TimeUsedRibbon].Left(), g[TimeUsedTop],
                                     Shape_Lenta[TimeUsedRibbon].Width(), g[TimeUsedHeight]);
    showRibbonValues();
    if (left != 0)
        return;

    announce(QStringLiteral("Времето за четене на тази точка изтече."));

    Item_Done[std::size_t(j)] = 1;
    if (Item_Done[0] > 0)
        --Item_Done[0];
    if (Item_Done[0] == 0)
        mnu_Wyprosi.setEnabled(true);
    if (Option_Flag(content::Option::TasksMenu) == 1)
        mnu_Wyprosi.setEnabled(true);
    Plan_Ribbon_Step();
}

void Lesko::Plan_Ribbon_Step()
{
    if (Option_Flag(content::Option::PlanRibbon) < 1) {
        Shape_Lenta[PlanLeftRibbon].setVisible(false);
        Shape_Lenta[PlanDoneRibbon].setVisible(false);
        return;
    }
    Shape_Lenta[PlanLeftRibbon].setVisible(true);
    Shape_Lenta[PlanDoneRibbon].setVisible(true);
    Label_U[PlanRibbonFrame].setToolTipText(QStringLiteral(
        " Лявата (зелената) част представя какъв материал от плана е преминат, а дясната (червената) оставащият "));
    auto& g = Lenta_Geom;
    if (g[PointsRead] > float(Plan_Count - 1))
        return;
    g[PointsRead] += 1;
    g[PlanLeftLeft] += g[PlanStep];
    g[PlanLeftWidth] -= g[PlanStep];
    if (g[PlanLeftWidth] < 10.0f) {
        g[PlanLeftWidth] = 0;
        Shape_Lenta[PlanLeftRibbon].setVisible(false);
    }
    g[PlanDoneWidth] += g[PlanStep];
    Shape_Lenta[PlanLeftRibbon].Move(g[PlanLeftLeft], Shape_Lenta[PlanLeftRibbon].Top(), g[PlanLeftWidth],
                                     Shape_Lenta[PlanLeftRibbon].Height());
    Shape_Lenta[PlanDoneRibbon].setWidth(g[PlanDoneWidth]);
    showRibbonValues();
}

void Lesko::Hide_Time_Ribbon()
{
    Shape_Lenta[TimeLeftRibbon].setVisible(false);
    Shape_Lenta[TimeUsedRibbon].setVisible(false);
    List_Ur[PlanList].setEnabled(true);
}
