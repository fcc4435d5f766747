// "Запис": the appearance record goes to the main window, the workbench and
// the enlarged text window, in a fixed order, and the settings window closes.
// The glossary, description and picture store windows keep their look.
#include "settings/appearance_record.h"
#include "settings/cwiat.h"

#include "aux_windows/lesko_zad.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

void Cwiat::mnu_zapis_Click()
{
    forms::ListBox& look = record();
    Lesko& lesson = program_.lesko();
    Lesko_n& bench = program_.lesko_n();
    const auto colour = [&look](appearance::ColourChoice k) { return appearance::colourAt(look, k); };
    // The workbench's five visible boxes, the answer to the hint.
    const auto forBenchBoxes = [&bench](const auto& apply) {
        for (int i = Lesko_n::AnswerBox; i <= Lesko_n::HintBox; ++i)
            apply(bench.Text_Un[i]);
    };

    lesson.setBackColor(colour(appearance::FormBack));
    bench.setBackColor(colour(appearance::FormBack));
    program_.lesko_Zad().setBackColor(colour(appearance::FormBack));
    lesson.Label_U[Lesko::PlanRibbonFrame].setBackColor(colour(appearance::FormBack));
    lesson.Label_U[Lesko::TimeRibbonFrame].setBackColor(colour(appearance::FormBack));
    lesson.Picture_Ur[0].setBackColor(colour(appearance::FormBack));
    bench.Picture_Un[Lesko_n::ItemPicture].setBackColor(colour(appearance::FormBack));

    lesson.Label_U[Lesko::PlanCaption].setBackColor(colour(appearance::ButtonBack));
    lesson.Label_U[Lesko::TopicCaption].setBackColor(colour(appearance::ButtonBack));

    lesson.Text_U[Lesko::TopicBox].setBackColor(colour(appearance::TextBack));
    lesson.Text_U[Lesko::ContentBox].setBackColor(colour(appearance::TextBack));
    lesson.List_Ur[Lesko::PlanList].setBackColor(colour(appearance::TextBack));
    program_.lesko_Zad().Obsho_Pole.setBackColor(colour(appearance::TextBack));
    forBenchBoxes([&](forms::TextBox& box) { box.setBackColor(colour(appearance::TextBack)); });

    lesson.Text_U[Lesko::TopicBox].setForeColor(colour(appearance::TextColour));
    lesson.Text_U[Lesko::ContentBox].setForeColor(colour(appearance::TextColour));
    lesson.List_Ur[Lesko::PlanList].setForeColor(colour(appearance::TextColour));
    program_.lesko_Zad().Obsho_Pole.setForeColor(colour(appearance::TextColour));
    forBenchBoxes([&](forms::TextBox& box) { box.setForeColor(colour(appearance::TextColour)); });

    // The font shown in the preview is the one saved, clicked in the list or not.
    look.setList(appearance::FontNameItem, Text_Cv[0].FontName());
    const QString fontName = look.List(appearance::FontNameItem);
    lesson.Text_U[Lesko::TopicBox].setFontName(fontName);
    lesson.Text_U[Lesko::ContentBox].setFontName(fontName);
    lesson.List_Ur[Lesko::PlanList].setFontName(fontName);
    forBenchBoxes([&](forms::TextBox& box) { box.setFontName(fontName); });

    const double fontSize = appearance::fontSize(look);
    lesson.Text_U[Lesko::TopicBox].setFontSize(fontSize);
    lesson.Text_U[Lesko::ContentBox].setFontSize(fontSize);
    lesson.List_Ur[Lesko::PlanList].setFontSize(fontSize);
    forBenchBoxes([&](forms::TextBox& box) { box.setFontSize(fontSize); });

    program_.unload(*this);
}
