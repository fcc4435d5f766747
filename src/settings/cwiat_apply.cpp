// "Запис": the appearance record goes to the main window, the workbench and
// the enlarged text window, in a fixed order, and the settings window closes.
// The glossary, description and picture store windows keep their look.
#include "settings/appearance_record.h"
#include "settings/cwiat.h"

#include "app/program.h"
#include "aux_windows/lesko_zad.h"
#include "main_window/lesko.h"
#include "workbench/lesko_n.h"

void Cwiat::mnu_zapis_Click()
{
    forms::ListBox& look = record();
    Lesko& lesson = program_.lesko();
    Lesko_n& bench = program_.lesko_n();
    const auto colour = [&look](appearance::ColourChoice k) { return appearance::colourAt(look, k); };
    const auto forBenchBoxes = [&bench](const auto& apply) {
        for (int i = 0; i <= 4; ++i)
            apply(bench.Text_Un[i]);
    };

    lesson.setBackColor(colour(appearance::FormBack));
    bench.setBackColor(colour(appearance::FormBack));
    program_.lesko_Zad().setBackColor(colour(appearance::FormBack));
    lesson.Label_U[1].setBackColor(colour(appearance::FormBack));
    lesson.Label_U[2].setBackColor(colour(appearance::FormBack));
    lesson.Picture_Ur[0].setBackColor(colour(appearance::FormBack));
    bench.Picture_Un[0].setBackColor(colour(appearance::FormBack));

    lesson.Label_U[0].setBackColor(colour(appearance::ButtonBack));
    lesson.Label_U[3].setBackColor(colour(appearance::ButtonBack));

    lesson.Text_U[0].setBackColor(colour(appearance::TextBack));
    lesson.Text_U[1].setBackColor(colour(appearance::TextBack));
    lesson.List_Ur[0].setBackColor(colour(appearance::TextBack));
    program_.lesko_Zad().Obsho_Pole.setBackColor(colour(appearance::TextBack));
    forBenchBoxes([&](forms::TextBox& box) { box.setBackColor(colour(appearance::TextBack)); });

    lesson.Text_U[0].setForeColor(colour(appearance::TextColour));
    lesson.Text_U[1].setForeColor(colour(appearance::TextColour));
    lesson.List_Ur[0].setForeColor(colour(appearance::TextColour));
    program_.lesko_Zad().Obsho_Pole.setForeColor(colour(appearance::TextColour));
    forBenchBoxes([&](forms::TextBox& box) { box.setForeColor(colour(appearance::TextColour)); });

    // The font shown in the preview is the one saved, clicked in the list or not.
    look.setList(appearance::FontNameItem, Text_Cv[0].FontName());
    const QString fontName = look.List(appearance::FontNameItem);
    lesson.Text_U[0].setFontName(fontName);
    lesson.Text_U[1].setFontName(fontName);
    lesson.List_Ur[0].setFontName(fontName);
    forBenchBoxes([&](forms::TextBox& box) { box.setFontName(fontName); });

    const double fontSize = appearance::fontSize(look);
    lesson.Text_U[0].setFontSize(fontSize);
    lesson.Text_U[1].setFontSize(fontSize);
    lesson.List_Ur[0].setFontSize(fontSize);
    forBenchBoxes([&](forms::TextBox& box) { box.setFontSize(fontSize); });

    program_.unload(*this);
}
