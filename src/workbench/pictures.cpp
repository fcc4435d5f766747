// The workbench's picture of the current term, statement or solution, its
// full-size view, and the full view of the focused text box.
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

#include <cmath>

namespace {

// The picture number in item i of a number list of the store: its whole part,
// or 0 when it names no picture the store holds.
int pictureNumber(const Lesko_Gra& store, const forms::ListBox& numbers, int i)
{
    const double v = std::trunc(content::leadingNumber(numbers.List(i)));
    return v >= 1 && v < double(store.Grafika_G.size()) ? int(v) : 0;
}

}  // namespace

// Item n of the current picture context; the box draws a picture at its own
// size and clips it.
void Lesko_n::ShowItemPicture(int n)
{
    Lesko_Gra& store = program_.lesko_Gra();
    const int v = pictureNumber(store, forms::memberOrNone(store.Spi_GR, PictureContext), n);
    Picture_Un[ItemPicture].setPicture(v < 1 ? store.Grafika_W[Lesko_Gra::BlankPicture].Picture()
                                             : store.Grafika_G[std::size_t(v)].Picture());
}

// Opens the picture at full size unless it already fits in the workbench.
void Lesko_n::Picture_Un_Click(int)
{
    Lesko_Gra& store = program_.lesko_Gra();
    const forms::Picture& shown = Picture_Un[ItemPicture].Picture();
    if (shown.isNull() || shown.sameAs(store.Grafika_W[Lesko_Gra::BlankPicture].Picture()))
        return;
    const int item = PictureContext == Lesko_Gra::TermPictures ? TermIndex : selectedTask();
    const int n = pictureNumber(store, forms::memberOrNone(store.Spi_GR, PictureContext), item);
    if (n < 1)
        return;
    const forms::Picture& picture = store.Grafika_G[std::size_t(n)].Picture();
    const forms::PictureBox& box = Picture_Un[ItemPicture];
    if (pictureWidth(picture) < box.Width() && pictureHeight(picture) < box.Height())
        return;
    store.showFullSize(picture, 100, 150);
}

// "Фокус": the focused box's text in the enlarged text window; only the
// answer may be edited there, and nothing comes back from it.
void Lesko_n::mnu_Pylen_Ekran_Click()
{
    Lesko_Zad& view = program_.lesko_Zad();
    view.Obsho_Pole.setLocked(FocusedBox != AnswerBox);
    Text_Un[TimeUsedBox].setText(forms::memberOrNone(Text_Un, FocusedBox).Text());
    view.Obsho_Pole.setText(Text_Un[TimeUsedBox].Text());
    const double fontChoice =
        content::leadingNumber(program_.lesko().List_Ur[Lesko::ChoiceList].List(Lesko::FocusFontPositionItem));
    view.List_font.setListIndex(content::roundToInt16(fontChoice));
    view.Show();
}
