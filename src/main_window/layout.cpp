// Proportional layout: 21 controls, 12 of the main window and 9 of the
// workbench, keep their design proportions of the main window's client area.
#include "main_window/lesko.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

namespace {

// One step of the walk: a control array and the entry of Group_Last that says
// how many of its members follow the window.
template <typename Array>
void visitMembers(Array& members, int last, int& slot, const auto& visit)
{
    for (int i = 0; i <= last; ++i)
        visit(members[std::size_t(i)], slot++);
}

float ratio(float whole, float part) { return part != 0 ? whole / part : 0.0f; }
float scaled(float whole, float r) { return r != 0 ? whole / r : 0.0f; }

}  // namespace

// Visits the walked controls in slot order; returns the first slot of the
// ribbons.
template <typename Visit>
int Lesko::walkLayout(Visit&& visit)
{
    Lesko_n& bench = program_.lesko_n();
    int slot = 0;
    visitMembers(Text_U, Group_Last[1], slot, visit);
    visitMembers(bench.Text_Un, Group_Last[11], slot, visit);
    visitMembers(Label_U, Group_Last[2], slot, visit);
    visitMembers(bench.Chasownik_Label, Group_Last[12], slot, visit);
    visitMembers(Picture_Ur, Group_Last[3], slot, visit);
    visitMembers(bench.Picture_Un, Group_Last[13], slot, visit);
    visitMembers(List_Ur, Group_Last[4], slot, visit);
    visitMembers(bench.List_Un, Group_Last[14], slot, visit);
    const int ribbons = slot;
    visitMembers(Shape_Lenta, Group_Last[5], slot, visit);
    return ribbons;
}

void Lesko::Record_Layout()
{
    Group_Last = {};
    Group_Last[1] = 1;
    Group_Last[11] = 4;
    Group_Last[2] = 3;
    Group_Last[12] = 0;
    Group_Last[3] = 0;
    Group_Last[13] = 0;
    Group_Last[4] = 0;
    Group_Last[14] = 1;
    Group_Last[5] = 3;
    Lenta_Base = quint8(walkLayout([this](forms::Control& c, int k) {
        const float w = float(ScaleWidth()), h = float(ScaleHeight());
        Layout_Ratio[std::size_t(k)] = {ratio(w, float(c.Left())), ratio(h, float(c.Top())), ratio(w, float(c.Width())),
                                        ratio(h, float(c.Height()))};
    }));
    Set_Time_Ribbon(Lenta_Base);
    computePlanRibbon(Lenta_Base + 2);
}

void Lesko::Form_Resize()
{
    walkLayout([this](forms::Control& c, int k) {
        const float w = float(ScaleWidth()), h = float(ScaleHeight());
        const auto& r = Layout_Ratio[std::size_t(k)];
        c.Move(scaled(w, r[0]), scaled(h, r[1]), scaled(w, r[2]), scaled(h, r[3]));
    });
}
