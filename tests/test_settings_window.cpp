// The settings window on its own: opening on the appearance record, composing
// a colour with the sliders, choosing font and size, the colour line.
#include "support/scripted_services.h"

#include "main_window/lesko.h"
#include "settings/appearance_record.h"
#include "settings/cwiat.h"
#include "workbench/lesko_n.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr forms::Colour WindowText = forms::system_colour::WindowText;
const QString Line = QStringLiteral("Цвят в 10/16-тичен код =");

class SettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { lesson_ = std::make_unique<testing_support::TestLesson>(); }
    void cleanup() { lesson_.reset(); }

    void opensOnTheRecord();
    void keepsDesignCaptionsUntilTheFirstChange();
    void userSliderMoveWritesTheChosenColour_data();
    void userSliderMoveWritesTheChosenColour();
    void choosingAColourOnlyLoadsTheSliders();
    void systemColourKeepsItsValueUntilMoved();
    void colourLine_data();
    void colourLine();
    void fontChoiceGoesToPreviewAndRecord();
    void fractionalSizeSelectsNoEntryUntilASizeIsChosen();
    void fontListWithoutTheRecordFontSelectsNothing();
    void itemsThatAreNoNumbersReadAsZero();

private:
    std::unique_ptr<testing_support::TestLesson> lesson_;
    app::Program& program() { return lesson_->program(); }
    forms::ListBox& record() { return program().lesko_n().List_Un[Lesko_n::AppearanceRecordList]; }
};

void SettingsWindowTest::opensOnTheRecord()
{
    lesson_->services.fonts = {QStringLiteral("Times New Roman"), QStringLiteral("arial"),
                               QStringLiteral("Courier New")};
    Cwiat& w = program().cwiat();

    QCOMPARE(w.List_font[Cwiat::FontNameList].items(),
             (QStringList{QStringLiteral("arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman")}));
    QCOMPARE(w.List_font[Cwiat::FontNameList].Text(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.List_font[Cwiat::FontSizeList].Text(), QStringLiteral("12"));
    QCOMPARE(w.Text_Cv[0].Text(), QStringLiteral("Шрифт"));
    QCOMPARE(w.Text_Cv[0].FontName(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.Text_Cv[0].FontSize(), 12.0);
    QCOMPARE(w.Slider1[Cwiat::RedSlider].Value(), 128);
    QCOMPARE(w.Slider1[Cwiat::GreenSlider].Value(), 0);
    QCOMPARE(w.Slider1[Cwiat::BlueSlider].Value(), 0);
    QCOMPARE(w.picColor.BackColor(), 128);
    QCOMPARE(w.Option1[appearance::FormBack].BackColor(), 128);
    QCOMPARE(w.Option1[appearance::TextBack].BackColor(), 32768);
    QCOMPARE(w.Option1[appearance::TextColour].BackColor(), 8);
    QCOMPARE(w.Option1[appearance::ButtonBack].BackColor(), 192);
    QCOMPARE(w.Text_Cv[0].BackColor(), 32768);
    QCOMPARE(w.Text_Cv[0].ForeColor(), 8);
    QVERIFY(w.Option1[appearance::FormBack].Value());
    QCOMPARE(w.Current_Choice, 0);
    QCOMPARE(record().items().mid(1),
             (QStringList{u"Times New Roman"_s, u"12"_s, u"128"_s, u"128"_s, u"0"_s, u"0"_s, u"32768"_s, u"0"_s,
                          u"128"_s, u"0"_s, u"8"_s, u"8"_s, u"0"_s, u"0"_s, u"192"_s, u"192"_s, u"0"_s, u"0"_s}));
}

void SettingsWindowTest::keepsDesignCaptionsUntilTheFirstChange()
{
    Cwiat& w = program().cwiat();
    QCOMPARE(w.Label_ST[Cwiat::RedValue].Caption(), QStringLiteral("R"));
    QCOMPARE(w.Label_ST[Cwiat::GreenValue].Caption(), QStringLiteral("G"));
    QCOMPARE(w.Label_ST[Cwiat::BlueValue].Caption(), QStringLiteral("B"));
    QCOMPARE(w.Label_Cv[Cwiat::ColourLineLabel].Caption(), QStringLiteral("Цвят"));
    QCOMPARE(w.BackColor(), 8421504);

    w.Slider1[Cwiat::BlueSlider].userMoved(3);
    QCOMPARE(w.Label_ST[Cwiat::RedValue].Caption(), QStringLiteral("128"));
    QCOMPARE(w.Label_ST[Cwiat::BlueValue].Caption(), QStringLiteral("3"));
    QCOMPARE(w.Label_Cv[Cwiat::ColourLineLabel].Caption(), Line + u" 196736 /H30080");
}

void SettingsWindowTest::userSliderMoveWritesTheChosenColour_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("colour");

    QTest::addRow("window background: red to 255") << 0 << 0 << 255 << 255;
    QTest::addRow("text background: blue to 1") << 1 << 2 << 1 << 32768 + 65536;
    QTest::addRow("text colour: green to 200") << 2 << 1 << 200 << 51208;
    QTest::addRow("button background: green to 64") << 3 << 1 << 64 << 192 + 64 * 256;
}

void SettingsWindowTest::userSliderMoveWritesTheChosenColour()
{
    QFETCH(int, choice);
    QFETCH(int, slider);
    QFETCH(int, position);
    QFETCH(int, colour);
    Cwiat& w = program().cwiat();
    w.Option1[choice].userClick();
    const QStringList before = record().items();

    w.Slider1[slider].userMoved(position);

    const int colourItem = 3 + 4 * choice;
    QStringList expected = before;
    expected[colourItem] = QString::number(colour);
    expected[colourItem + 1 + slider] = QString::number(position);
    QCOMPARE(record().items(), expected);
    QCOMPARE(w.Current_Colour, colour);
    QCOMPARE(w.picColor.BackColor(), colour);
    QCOMPARE(w.Option1[choice].BackColor(), colour);
    QCOMPARE(w.Label_ST[slider].Caption(), QString::number(position));
    QCOMPARE(w.Label_Cv[Cwiat::ColourLineLabel].Caption(),
             Line + u' ' + QString::number(colour) + u" /H" + QString::number(colour, 16).toUpper());
    // The preview shows the colour where it is used; the button colour has no preview.
    QCOMPARE(w.BackColor(), choice == 0 ? colour : 8421504);
    QCOMPARE(w.Text_Cv[0].BackColor(), choice == 1 ? colour : 32768);
    QCOMPARE(w.Text_Cv[0].ForeColor(), choice == 2 ? colour : 8);
}

void SettingsWindowTest::choosingAColourOnlyLoadsTheSliders()
{
    Cwiat& w = program().cwiat();
    const QStringList before = record().items();

    w.Option1[appearance::TextBack].userClick();

    QVERIFY(w.Option1[appearance::TextBack].Value());
    QVERIFY(!w.Option1[appearance::FormBack].Value());
    QCOMPARE(w.Current_Choice, 1);
    QCOMPARE(w.Slider1[Cwiat::RedSlider].Value(), 0);
    QCOMPARE(w.Slider1[Cwiat::GreenSlider].Value(), 128);
    QCOMPARE(w.Slider1[Cwiat::BlueSlider].Value(), 0);
    QCOMPARE(w.Label_ST[Cwiat::GreenValue].Caption(), QStringLiteral("128"));
    QCOMPARE(w.Current_Colour, 32768);
    QCOMPARE(w.picColor.BackColor(), 32768);
    QCOMPARE(w.Label_Cv[Cwiat::ColourLineLabel].Caption(), Line + u" 32768 /H8000");
    QCOMPARE(record().items(), before);
    QCOMPARE(w.BackColor(), 8421504);
}

void SettingsWindowTest::systemColourKeepsItsValueUntilMoved()
{
    record().setList(appearance::colourItem(appearance::TextColour), QString::number(WindowText));
    Cwiat& w = program().cwiat();
    QCOMPARE(w.Option1[appearance::TextColour].BackColor(), WindowText);
    QCOMPARE(w.Text_Cv[0].ForeColor(), WindowText);
    QCOMPARE(record().items().mid(11, 4), (QStringList{u"-2147483640"_s, u"8"_s, u"0"_s, u"0"_s}));

    w.Option1[appearance::TextColour].userClick();
    QCOMPARE(w.Slider1[Cwiat::RedSlider].Value(), 8);
    QCOMPARE(record().List(appearance::colourItem(appearance::TextColour)), QStringLiteral("-2147483640"));

    w.Slider1[Cwiat::RedSlider].userMoved(9);
    QCOMPARE(record().List(appearance::colourItem(appearance::TextColour)), QStringLiteral("9"));
    QCOMPARE(w.Text_Cv[0].ForeColor(), 9);
}

void SettingsWindowTest::colourLine_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("line");

    QTest::addRow("black") << 0 << Line + u" 0 /H0";
    QTest::addRow("dark red") << 128 << Line + u" 128 /H80";
    QTest::addRow("grey") << 8421504 << Line + u" 8421504 /H808080";
    QTest::addRow("system window text") << WindowText << Line + u"-2147483640 /H80000008";
}

void SettingsWindowTest::colourLine()
{
    QFETCH(int, colour);
    QFETCH(QString, line);
    Cwiat& w = program().cwiat();
    w.Current_Colour = colour;
    w.Otdelni_Update();
    QCOMPARE(w.Label_Cv[Cwiat::ColourLineLabel].Caption(), line);
    QCOMPARE(w.picColor.BackColor(), colour);
}

void SettingsWindowTest::fontChoiceGoesToPreviewAndRecord()
{
    Cwiat& w = program().cwiat();
    w.List_font[Cwiat::FontNameList].userClick(int(w.List_font[Cwiat::FontNameList].items().indexOf(u"Courier New"_s)));
    QCOMPARE(w.Text_Cv[0].FontName(), QStringLiteral("Courier New"));
    QCOMPARE(record().List(appearance::FontNameItem), QStringLiteral("Courier New"));

    w.List_font[Cwiat::FontSizeList].userClick(int(w.List_font[Cwiat::FontSizeList].items().indexOf(u"14"_s)));
    QCOMPARE(w.Text_Cv[0].FontSize(), 14.0);
    QCOMPARE(record().List(appearance::FontSizeItem), QStringLiteral("14"));
}

void SettingsWindowTest::fractionalSizeSelectsNoEntryUntilASizeIsChosen()
{
    record().setList(appearance::FontSizeItem, QStringLiteral("9.75"));
    Cwiat& w = program().cwiat();
    QCOMPARE(w.Text_Cv[0].FontSize(), 9.75);
    QCOMPARE(w.List_font[Cwiat::FontSizeList].ListIndex(), -1);
    QCOMPARE(record().List(appearance::FontSizeItem), QStringLiteral("9.75"));

    w.List_font[Cwiat::FontSizeList].userClick(int(w.List_font[Cwiat::FontSizeList].items().indexOf(u"11"_s)));
    QCOMPARE(w.Text_Cv[0].FontSize(), 11.0);
    QCOMPARE(record().List(appearance::FontSizeItem), QStringLiteral("11"));
}

void SettingsWindowTest::fontListWithoutTheRecordFontSelectsNothing()
{
    lesson_->services.fonts = {QStringLiteral("Arial"), QStringLiteral("Courier New")};
    Cwiat& w = program().cwiat();
    QCOMPARE(w.List_font[Cwiat::FontNameList].ListCount(), 2);
    QCOMPARE(w.List_font[Cwiat::FontNameList].ListIndex(), -1);
    QCOMPARE(w.Text_Cv[0].FontName(), QStringLiteral("Times New Roman"));
    QCOMPARE(record().List(appearance::FontNameItem), QStringLiteral("Times New Roman"));
}

void SettingsWindowTest::itemsThatAreNoNumbersReadAsZero()
{
    record().setList(appearance::FontSizeItem, QStringLiteral("голям"));
    record().setList(appearance::colourItem(appearance::FormBack), QStringLiteral("червено"));
    record().setList(appearance::componentItem(appearance::FormBack, 0), QStringLiteral("много"));
    Cwiat& w = program().cwiat();
    QCOMPARE(w.picColor.BackColor(), 0);
    QCOMPARE(w.Option1[appearance::FormBack].BackColor(), 0);
    QCOMPARE(w.Slider1[Cwiat::RedSlider].Value(), 0);
    QCOMPARE(record().List(appearance::componentItem(appearance::FormBack, 0)), QStringLiteral("0"));
    QCOMPARE(w.List_font[Cwiat::FontSizeList].ListIndex(), -1);

    Lesko& main = program().lesko();
    const double mainFontSize = main.Text_U[Lesko::TopicBox].FontSize();
    w.mnu_zapis.userClick();
    QCOMPARE(main.BackColor(), 0);
    QCOMPARE(main.Text_U[Lesko::TopicBox].FontSize(), mainFontSize);
}

}  // namespace

QTEST_GUILESS_MAIN(SettingsWindowTest)
#include "test_settings_window.moc"
