// The settings window's colour composer: option buttons choose one of the
// four colours, the sliders edit its red, green and blue parts in the record.
#include "settings/appearance_record.h"
#include "settings/cwiat.h"

#include "content/numbers.h"

using appearance::colourItem;
using appearance::componentItem;

// Splits a colour into its three low bytes, whatever the top byte holds.
void Cwiat::cwetowe_RGB(const forms::Colour& Cwet)
{
    Red_Part = quint8(forms::redOf(Cwet));
    Green_Part = quint8(forms::greenOf(Cwet));
    Blue_Part = quint8(forms::blueOf(Cwet));
}

// Shows the stored colours on the swatch, the preview and the option buttons,
// and makes the stored parts agree with the stored colours.
void Cwiat::Opredeli_cwqt()
{
    forms::ListBox& look = record();
    const auto colour = [&look](appearance::ColourChoice k) { return appearance::colourAt(look, k); };
    picColor.setBackColor(colour(appearance::FormBack));
    Option1[appearance::FormBack].setBackColor(colour(appearance::FormBack));
    Text_Cv[0].setBackColor(colour(appearance::TextBack));
    Option1[appearance::TextBack].setBackColor(colour(appearance::TextBack));
    Text_Cv[0].setForeColor(colour(appearance::TextColour));
    Option1[appearance::TextColour].setBackColor(colour(appearance::TextColour));
    Option1[appearance::ButtonBack].setBackColor(colour(appearance::ButtonBack));

    for (int k = 0; k < appearance::ColourCount; ++k) {
        cwetowe_RGB(appearance::wholeNumber(look, colourItem(k)));
        look.setList(componentItem(k, 0), QString::number(Red_Part));
        look.setList(componentItem(k, 1), QString::number(Green_Part));
        look.setList(componentItem(k, 2), QString::number(Blue_Part));
    }
}

// Puts the parts of the chosen colour on the sliders; the record is not written.
void Cwiat::Option1_Click(int index)
{
    Current_Choice = quint8(index);
    for (int i = 0; i < 3; ++i)
        Slider1[i].setValue(appearance::wholeNumber(record(), componentItem(index, i)));
    Current_Colour = sliderColour();
    Otdelni_Update();
}

// The user moved a slider: the part and the colour it makes change in the record at once.
void Cwiat::Slider1_Scroll(int index)
{
    forms::ListBox& look = record();
    look.setList(componentItem(Current_Choice, index), QString::number(Slider1[index].Value()));
    Current_Colour = sliderColour();
    look.setList(colourItem(Current_Choice), appearance::colourText(Current_Colour));
    Otdelni_Update();
}

void Cwiat::Otdelni_Update()
{
    for (int i = 0; i < 3; ++i)
        Label_ST[i].setCaption(QString::number(Slider1[i].Value()));
    previewCurrentColour();
    picColor.setBackColor(Current_Colour);
    Label_Cv[ColourLineLabel].setCaption(colourLine());
}

forms::Colour Cwiat::sliderColour() const
{
    return forms::rgb(Slider1[RedSlider].Value(), Slider1[GreenSlider].Value(), Slider1[BlueSlider].Value());
}

// Shows the colour being composed where it will be used; the window has no
// button to show the button colour on.
void Cwiat::previewCurrentColour()
{
    switch (Current_Choice) {
        case appearance::FormBack:
            setBackColor(Current_Colour);
            break;
        case appearance::TextBack:
            Text_Cv[0].setBackColor(Current_Colour);
            break;
        case appearance::TextColour:
            Text_Cv[0].setForeColor(Current_Colour);
            break;
        default:
            break;
    }
    if (Current_Choice < Option1.size())
        Option1[Current_Choice].setBackColor(Current_Colour);
}

// "Цвят в 10/16-тичен код = 8421504 /H808080": decimal with a blank in place
// of the sign when not negative, then hexadecimal (eight digits when negative).
QString Cwiat::colourLine() const
{
    return u"Цвят в 10/16-тичен код =" + content::basicStr(Current_Colour) + u" /H" +
           QString::number(quint32(Current_Colour), 16).toUpper();
}
