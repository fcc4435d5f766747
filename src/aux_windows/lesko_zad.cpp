#include "aux_windows/lesko_zad.h"

#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "settings/appearance_record.h"

#include <cmath>

Lesko_Zad::Lesko_Zad(app::Program& program)
    : Form(QStringLiteral("Lesko_Zad")), program_(program), texts_(program.taskTexts())
{
    setCaption(QStringLiteral("Изберете желана стойност за размер на шрифта"));
    setSize(11715, 6915);
    followsWindowSize = true;  // the text field fills the window
    forms::place(List_font, {120, 120, 1815, 330});
    forms::place(Obsho_Pole, {120, 600, 11500, 6315});
    List_font.setToolTipText(QStringLiteral(" Изберете желан размер на шрифта"));
    Obsho_Pole.setToolTipText(QStringLiteral("Настройте размерите на цялата форма чрез мишката"));
    List_font.onClick = [this] { List_font_Click(); };
    add(List_font);
    add(Obsho_Pole);
}

forms::ListBox& Lesko_Zad::Uslowie_L(int k) { return forms::memberOrNone(texts_.Uslowie_L, k); }

void Lesko_Zad::Form_Load()
{
    Obsho_Pole.setFontSize(content::leadingNumber(List_font.List(List_font.ListIndex() + 1)));
    const forms::ListBox& look = appearance::record(program_);
    Obsho_Pole.setBackColor(appearance::colourAt(look, appearance::TextBack));
    Obsho_Pole.setForeColor(appearance::colourAt(look, appearance::TextColour));
    setBackColor(appearance::colourAt(look, appearance::FormBack));
    Fit_Text_Field();
}

void Lesko_Zad::Form_Resize() { Fit_Text_Field(); }

void Lesko_Zad::Fit_Text_Field()
{
    const double reserve = content::roundToInt16(List_font.Height() * 4.0);
    Obsho_Pole.setWidth(std::floor(Width() * 0.95));
    if (Height() <= reserve)
        return;
    Obsho_Pole.setHeight(std::floor(Height() - reserve));
}

void Lesko_Zad::List_font_Click()
{
    const int p = List_font.ListIndex();
    const QString t = List_font.List(p);
    Obsho_Pole.setFontSize(content::leadingNumber(t));
    forms::ListBox& choices = program_.lesko().List_Ur[Lesko::ChoiceList];
    choices.setList(Lesko::FocusFontSizeItem, t);
    choices.setList(Lesko::FocusFontPositionItem, QString::number(p));
}
