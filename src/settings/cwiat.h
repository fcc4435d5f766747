#pragma once

#include "forms/form.h"

#include <array>
#include <vector>

namespace app {
class Program;
}

// The colour and font settings window. Three sliders compose one of the four
// colours of the appearance record from its red, green and blue parts, two
// lists choose the font, and a preview shows the result. Every change goes
// into the record at once; "Запис" applies the record to the lesson's windows.
class Cwiat : public forms::Form {
public:
    explicit Cwiat(app::Program& program);

    void Form_Load();
    bool Form_QueryClose() override;

    void Fill_Font_List();
    void Opredeli_cwqt();
    void cwetowe_RGB(const forms::Colour& Cwet);
    void Otdelni_Update();

    void Option1_Click(int index);
    void Slider1_Scroll(int index);
    void List_font_Click(int index);
    void mnu_zapis_Click();
    void mnu_Otkaz_Click();

    forms::PictureBox picColor{QStringLiteral("picColor")};
    std::array<forms::Label, 9> Label_Cv;  // 0-2 slider letters, 3 colour line, 4 size caption, 5-8 option captions
    std::array<forms::Slider, 3> Slider1;  // red, green, blue
    std::array<forms::Label, 3> Label_ST;  // component values
    std::array<forms::OptionButton, 4> Option1;
    std::array<forms::ListBox, 2> List_font;  // font names, font sizes
    std::array<forms::TextBox, 1> Text_Cv;    // preview
    forms::MenuItem mnu_zapis{QStringLiteral("mnu_zapis")};
    forms::MenuItem mnu_Otkaz{QStringLiteral("mnu_Otkaz")};

    // State while the window is open.
    forms::Colour Current_Colour = 0;
    quint8 Current_Choice = 0;
    quint8 Red_Part = 0;
    quint8 Green_Part = 0;
    quint8 Blue_Part = 0;

private:
    void buildSwatchAndSliders();
    void buildColourChoice();
    void buildFontChoice();
    void buildMenus();
    forms::Colour sliderColour() const;
    void previewCurrentColour();
    QString colourLine() const;
    forms::ListBox& record();

    app::Program& program_;
    std::vector<forms::OptionButton*> optionGroup_;
};
