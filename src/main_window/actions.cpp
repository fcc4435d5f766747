// The main window's other commands: the full-size picture, the pop-up
// information menu, the authors' texts, the focus view and the exit.
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/exit.h"
#include "program/messages.h"
#include "program/program.h"

void Lesko::Picture_Ur_Click(int)
{
    if (Pic_Index < 1 || Pic_Shown < 1 || Pic_Shown > 2)
        return;
    Lesko_Gra& store = program_.lesko_Gra();
    const int n = int(Pic_Index);
    const forms::PictureBox* src = nullptr;
    if (Pic_Shown == 1 && n < int(store.Grafika_G.size()))
        src = &store.Grafika_G[std::size_t(n)];
    else if (Pic_Shown == 2 && n < int(store.Grafika_W.size()))
        src = &store.Grafika_W[std::size_t(n)];
    if (!src || src->Picture().isNull())
        return;
    const double w = content::roundToInt16(pictureWidth(src->Picture()));
    const double h = pictureHeight(src->Picture());
    if (Picture_Ur[0].Width() > w && Picture_Ur[0].Height() > h)
        return;
    store.showFullSize(src->Picture(), 100, 100);
}

void Lesko::Form_MouseDown(forms::MouseButton button, double, double)
{
    if (button != forms::MouseButton::Right)
        return;
    PopupMenu(mnu_Sydyrv_plan);
    program_.services().clipboard.clear();
}

void Lesko::awtori_Click(int index)
{
    Text_U[ContentBox].setText(program_.authorsText(index));
    if (index == SponsorItem) {
        Pic_Index = Lesko_Gra::AuthorsPicture;
        Pic_Shown = 2;
        Picture_Ur[0].setPicture(program_.lesko_Gra().Grafika_W[Lesko_Gra::AuthorsPicture].Picture());
    }
}

void Lesko::mnu_Fokus_Click()
{
    forms::ListBox& choices = List_Ur[ChoiceList];
    Text_U[FocusBuffer].setText(Text_U[ContentBox].Text());
    Text_U[FocusBuffer].setFontSize(content::leadingNumber(choices.List(FocusFontSizeItem)));
    Lesko_Zad& view = program_.lesko_Zad();
    view.Obsho_Pole.setLocked(true);
    view.Obsho_Pole.setText(Text_U[FocusBuffer].Text());
    view.List_font.setListIndex(content::roundToInt16(content::leadingNumber(choices.List(FocusFontPositionItem))));
    view.Show();
}

void Lesko::Izhod_Click()
{
    if (Greska_Otgowor1(app::message_code::ExitQuestion) != u"Yes")
        return;
    app::Write_Answer_Record(program_);
    app::End_Lesson(program_);
}

bool Lesko::Form_QueryClose()
{
    // Closing by the frame is the same as the menu "Изход": ask, record, end.
    Izhod_Click();
    return false;
}
