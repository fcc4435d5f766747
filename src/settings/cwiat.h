#pragma once

#include "forms/form.h"
#include "settings/appearance_record.h"

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

    enum LabelCvRole {
        RedLetter = 0,  // the letters beside the sliders
        GreenLetter = 1,
        BlueLetter = 2,
        ColourLineLabel = 3,    // the chosen colour's number and parts
        SizeCaption = 4,        // above the font sizes
        FirstChoiceCaption = 5  // 5 + k: the caption of colour choice k
    };
    // Slider k and value label k show colour component k (0 red, 1 green, 2 blue).
    enum SliderRole { RedSlider = 0, GreenSlider = 1, BlueSlider = 2 };
    enum LabelSTRole { RedValue = 0, GreenValue = 1, BlueValue = 2 };
    enum ListFontRole { FontNameList = 0, FontSizeList = 1 };

    forms::PictureBox picColor{QStringLiteral("picColor")};
    std::array<forms::Label, 9> Label_Cv;
    std::array<forms::Slider, 3> Slider1;
    std::array<forms::Label, 3> Label_ST;
    std::array<forms::OptionButton, 4> Option1;  // indexed by appearance::ColourChoice
    std::array<forms::ListBox, 2> List_font;
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
