// The settings window's controls, its opening, the font choice and closing.
#include "settings/cwiat.h"

#include "content/numbers.h"
#include "forms/members.h"
#include "program/program.h"
#include "settings/appearance_record.h"
#include "settings/font_names.h"

namespace {

constexpr double RowTop[] = {1560, 2040, 2520, 3000};  // slider rows and option rows, top to bottom
const forms::Colour ComponentColour[] = {forms::rgb(192, 0, 0), forms::rgb(0, 192, 0), forms::rgb(0, 0, 192)};

void styleLabel(forms::Label& label, const QString& caption, const QString& toolTip)
{
    label.setCaption(caption);
    label.setToolTipText(toolTip);
    label.setBackColor(forms::system_colour::ButtonFace);
    label.setFontName(QStringLiteral("Times New Roman"));
    label.setFontSize(9.75);
    label.centred = true;
}

}  // namespace

Cwiat::Cwiat(app::Program& program) : Form(QStringLiteral("Cwiat")), program_(program)
{
    setCaption(QStringLiteral("Формиране на цвят/избор на шрифт"));
    setSize(5535, 4710);
    setBackColor(forms::rgb(128, 128, 128));
    setFontName(QStringLiteral("Times New Roman"));
    setFontSize(12);
    forms::nameMembers(Label_Cv, u"Label_Cv");
    forms::nameMembers(Slider1, u"Slider1");
    forms::nameMembers(Label_ST, u"Label_ST");
    forms::nameMembers(Option1, u"Option1");
    forms::nameMembers(List_font, u"List_font");
    forms::nameMembers(Text_Cv, u"Text_Cv");
    buildSwatchAndSliders();
    buildColourChoice();
    buildFontChoice();
    buildMenus();
    add(picColor);
    add(Label_Cv);
    add(Slider1);
    add(Label_ST);
    add(Option1);
    add(List_font);
    add(Text_Cv);
}

void Cwiat::buildSwatchAndSliders()
{
    forms::place(picColor, {240, 120, 5055, 915});
    picColor.setBackColor(forms::rgb(192, 192, 192));
    picColor.setToolTipText(QStringLiteral("Получен изходен цвят"));

    forms::place(Label_Cv[ColourLineLabel], {795, 1150, 4020, 255});
    styleLabel(Label_Cv[ColourLineLabel], QStringLiteral("Цвят"),
               QStringLiteral("Показва цифровата стойност на формирания цвят в 16-ична бройна система "));

    const QString letters[] = {QStringLiteral("Ч"), QStringLiteral("З"), QStringLiteral("С")};
    const QString values[] = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const QString sliderTips[] = {QStringLiteral("Промяна на стойн остта на червената съставка "),
                                  QStringLiteral("Промяна на стойн остта на зелената съставка "),
                                  QStringLiteral("Промяна на стойн остта на синята съставка ")};
    const QString valueTips[] = {QStringLiteral("Цифрова стойност на червения цвят в обхвата [0 - 255] "),
                                 QStringLiteral("Цифрова стойност на зеления цвят в обхвата [0 - 255] "),
                                 QStringLiteral("Цифрова стойност на синия цвят в обхвата [0 - 255] ")};
    for (int i = 0; i < 3; ++i) {
        forms::place(Label_Cv[i], {120, RowTop[i], 320, 315});
        styleLabel(Label_Cv[i], letters[i], {});
        Label_Cv[i].setForeColor(ComponentColour[i]);

        forms::place(Slider1[i], {440, RowTop[i], 3000, 315});
        Slider1[i].setRange(0, 255);
        Slider1[i].setBackColor(forms::system_colour::ButtonFace);
        Slider1[i].setToolTipText(sliderTips[i]);
        Slider1[i].onScroll = [this, i] { Slider1_Scroll(i); };

        forms::place(Label_ST[i], {3440, RowTop[i], 315, 315});
        styleLabel(Label_ST[i], values[i], valueTips[i]);
        Label_ST[i].setForeColor(ComponentColour[i]);
    }
}

void Cwiat::buildColourChoice()
{
    const QString optionTips[] = {QStringLiteral(" За настройване цвета на фона на формата "),
                                  QStringLiteral(" За настройване цвета на фона в текстовите полета "),
                                  QStringLiteral(" За настройване цвета на текста в текстовите полета "),
                                  QStringLiteral(" За настройване цвета на фона на бутоните ")};
    const QString captions[] = {QStringLiteral("Цвят форма"), QStringLiteral("Фон текст"), QStringLiteral("Цвят текст"),
                                QStringLiteral("Цвят бутон")};
    const QString captionTips[] = {QStringLiteral("За настройване цвета на фона на формата "),
                                   QStringLiteral("За настройване цвета на фона в текстовите полета "),
                                   QStringLiteral(" За настройване цвета на текста в текстовите полета "),
                                   QStringLiteral(" За настройване цвета на фона на бутоните ")};
    for (int k = 0; k < appearance::ColourCount; ++k) {
        forms::OptionButton& option = Option1[k];
        forms::place(option, {3860, RowTop[k], 345, 285});
        option.setToolTipText(optionTips[k]);
        option.group = &optionGroup_;
        option.onClick = [this, k] { Option1_Click(k); };
        optionGroup_.push_back(&option);

        forms::place(Label_Cv[FirstChoiceCaption + k], {4200, RowTop[k], 1155, 285});
        styleLabel(Label_Cv[FirstChoiceCaption + k], captions[k], captionTips[k]);
    }
    Option1[appearance::FormBack].setValue(true);
}

void Cwiat::buildFontChoice()
{
    forms::place(List_font[FontNameList], {600, 2900, 2655, 1200});
    List_font[FontNameList].setSorted(true);
    List_font[FontNameList].setToolTipText(QStringLiteral(" Определя избрания шрифт "));

    forms::place(Label_Cv[SizeCaption], {3860, 3450, 1490, 285});
    styleLabel(Label_Cv[SizeCaption], QStringLiteral("Размер  шрифт"),
               QStringLiteral("Показва размера на буквите във формирания текст "));

    forms::place(List_font[FontSizeList], {3840, 3840, 855, 735});
    List_font[FontSizeList].setToolTipText(QStringLiteral(" Определя размера на буквите "));

    forms::place(Text_Cv[0], {600, 4200, 2655, 405});
    Text_Cv[0].setToolTipText(QStringLiteral("Полето илюстрира шрифт, размер на букви, цвят и фон на букви "));

    for (int i : {FontNameList, FontSizeList})
        List_font[i].onClick = [this, i] { List_font_Click(i); };
}

void Cwiat::buildMenus()
{
    mnu_zapis.setCaption(QStringLiteral("Запис"));
    mnu_Otkaz.setCaption(QStringLiteral("Отказ"));
    mnu_zapis.onClick = [this] { mnu_zapis_Click(); };
    mnu_Otkaz.onClick = [this] { mnu_Otkaz_Click(); };
    for (forms::MenuItem* m : {&mnu_zapis, &mnu_Otkaz}) {
        addMenu(*m);
        add(*m);
    }
}

forms::ListBox& Cwiat::record() { return appearance::record(program_); }

void Cwiat::Form_Load()
{
    const forms::ListBox& look = record();
    setFontName(look.List(appearance::FontNameItem));
    List_font[FontNameList].Clear();
    Fill_Font_List();
    for (int i = 0; i < List_font[FontNameList].ListCount(); ++i)
        if (List_font[FontNameList].List(i) == look.List(appearance::FontNameItem))
            List_font[FontNameList].setListIndex(i);

    Text_Cv[0].setFontSize(float(appearance::fontSize(look)));
    for (int i = 0; i < List_font[FontSizeList].ListCount(); ++i)
        if (List_font[FontSizeList].List(i) == look.List(appearance::FontSizeItem))
            List_font[FontSizeList].setListIndex(i);

    Opredeli_cwqt();
    for (int i = 0; i < 3; ++i)
        Slider1[i].setValue(appearance::wholeNumber(look, appearance::componentItem(appearance::FormBack, i)));
}

// Lists the installed screen fonts that show Bulgarian text and selects the
// window's own font.
void Cwiat::Fill_Font_List()
{
    forms::ListBox& names = List_font[FontNameList];
    names.Clear();
    app::FontService& fonts = program_.services().fonts;
    const auto showsCyrillic = [&fonts](const QString& family) { return fonts.showsCyrillic(family); };
    for (const QString& font : appearance::bulgarianFontNames(fonts.screenFonts(), showsCyrillic))
        names.AddItem(font);
    for (int i = 0; i < names.ListCount(); ++i)
        if (names.List(i) == FontName())
            names.setListIndex(i);
}

// A font name goes to the preview and the record's font name; a size goes to
// the preview, and the whole number nearest to the size the preview took goes
// to the record's font size.
void Cwiat::List_font_Click(int index)
{
    forms::TextBox& preview = Text_Cv[0];
    if (index == FontNameList) {
        const QString name = List_font[FontNameList].Text();
        preview.setFontName(name);
        record().setList(appearance::FontNameItem, name);
    } else if (index == FontSizeList) {
        preview.setFontSize(float(content::leadingNumber(List_font[FontSizeList].Text())));
        record().setList(appearance::FontSizeItem, QString::number(content::roundToInt32(preview.FontSize())));
    }
}

void Cwiat::mnu_Otkaz_Click() { program_.unload(*this); }

// Closing by the frame cancels.
bool Cwiat::Form_QueryClose()
{
    mnu_Otkaz_Click();
    return true;
}
