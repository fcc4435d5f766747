// The main window's colour and font command: the appearance record takes the
// main window's current look, then the settings window opens on it.
#include "main_window/lesko.h"
#include "program/program.h"
#include "settings/appearance_record.h"
#include "settings/cwiat.h"

void Lesko::mnu_Cwqt_Click()
{
    Open_Settings();
    program_.cwiat().Show();
}

// Only the font and the colours are refreshed; the settings window recomputes
// the colours' parts when it opens.
void Lesko::Open_Settings()
{
    forms::ListBox& look = appearance::record(program_);
    look.setList(appearance::FontNameItem, Text_U[TopicBox].FontName());
    look.setList(appearance::FontSizeItem, appearance::fontSizeText(Text_U[TopicBox].FontSize()));
    look.setList(appearance::colourItem(appearance::FormBack), appearance::colourText(BackColor()));
    look.setList(appearance::colourItem(appearance::TextColour), appearance::colourText(Text_U[TopicBox].ForeColor()));
    look.setList(appearance::colourItem(appearance::TextBack), appearance::colourText(Text_U[TopicBox].BackColor()));
    look.setList(appearance::colourItem(appearance::ButtonBack),
                 appearance::colourText(Label_U[TopicCaption].BackColor()));
    program_.cwiat().Show();
}
