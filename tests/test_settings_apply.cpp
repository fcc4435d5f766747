// The main window's "Цвят/шрифт" and the settings window's "Запис" and
// "Отказ": the record takes the main window's look, and saving gives that
// look to the workbench and the enlarged text window.
#include "support/scripted_services.h"

#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "main_window/lesko.h"
#include "settings/appearance_record.h"
#include "settings/cwiat.h"
#include "workbench/lesko_n.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr forms::Colour WindowText = forms::system_colour::WindowText;

QString lookOf(const forms::Control& c)
{
    return c.qualifiedName() + u" back " + QString::number(c.BackColor()) + u" text " + QString::number(c.ForeColor()) +
           u" font " + c.FontName() + u' ' + QString::number(c.FontSize());
}

QStringList lookOf(const forms::Form& form)
{
    QStringList look{lookOf(static_cast<const forms::Control&>(form))};
    for (const forms::Control* c : form.controls())
        look << lookOf(*c);
    return look;
}

template <typename T, std::size_t N>
QStringList lookOf(const std::array<T, N>& members)
{
    QStringList look;
    for (const T& c : members)
        look << lookOf(c);
    return look;
}

const QStringList WorkbenchBoxes{u"Lesko_n/Text_Un(0)"_s, u"Lesko_n/Text_Un(1)"_s, u"Lesko_n/Text_Un(2)"_s,
                                 u"Lesko_n/Text_Un(3)"_s, u"Lesko_n/Text_Un(4)"_s};
const QStringList FormBackTargets{u"Lesko"_s,
                                  u"Lesko_n"_s,
                                  u"Lesko_Zad"_s,
                                  u"Lesko/Label_U(1)"_s,
                                  u"Lesko/Label_U(2)"_s,
                                  u"Lesko/Picture_Ur(0)"_s,
                                  u"Lesko_n/Picture_Un(0)"_s};
const QStringList ButtonBackTargets{u"Lesko/Label_U(0)"_s, u"Lesko/Label_U(3)"_s};
const QStringList TextTargets =
    QStringList{u"Lesko/Text_U(0)"_s, u"Lesko/Text_U(1)"_s, u"Lesko/List_Ur(0)"_s, u"Lesko_Zad/Obsho_Pole"_s} +
    WorkbenchBoxes;
const QStringList FontTargets =
    QStringList{u"Lesko/Text_U(0)"_s, u"Lesko/Text_U(1)"_s, u"Lesko/List_Ur(0)"_s} + WorkbenchBoxes;

class SettingsApplyTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { lesson_.reset(); }

    void openingTakesTheMainWindowLook();
    void firstOpeningPutsTheSystemTextColourIntoTheRecord();
    void fontSizeGoesIntoTheRecordAsText_data();
    void fontSizeGoesIntoTheRecordAsText();
    void savingRightAfterOpeningSpreadsTheMainWindowLook_data();
    void savingRightAfterOpeningSpreadsTheMainWindowLook();
    void eachColourReachesItsControls_data();
    void eachColourReachesItsControls();
    void otherWindowsAndControlsKeepTheirLook();
    void cancelKeepsMovedValuesAndChangesNoWindow_data();
    void cancelKeepsMovedValuesAndChangesNoWindow();

private:
    app::Program& program() { return lesson_->program(); }
    Lesko& main() { return program().lesko(); }
    forms::ListBox& record() { return program().lesko_n().List_Un[Lesko_n::AppearanceRecordList]; }
    Cwiat& openSettings()
    {
        main().mnu_Cwqt_Click();
        return program().cwiat();
    }
    forms::Control& controlAt(const QString& path);

    std::unique_ptr<testing_support::TestLesson> lesson_;
};

void SettingsApplyTest::init()
{
    lesson_ = std::make_unique<testing_support::TestLesson>();
    program().start();
    program().lesko_Zad();  // open before the settings, on the record's start values
}

// "Lesko", "Lesko_n/Text_Un(3)", "Lesko_Zad/Obsho_Pole".
forms::Control& SettingsApplyTest::controlAt(const QString& path)
{
    const QString window = path.section(u'/', 0, 0);
    forms::Form& form = window == u"Lesko"     ? static_cast<forms::Form&>(main())
                        : window == u"Lesko_n" ? static_cast<forms::Form&>(program().lesko_n())
                                               : static_cast<forms::Form&>(program().lesko_Zad());
    const QString name = path.section(u'/', 1);
    if (name.isEmpty())
        return form;
    const qsizetype open = name.indexOf(u'(');
    forms::Control* c =
        open < 0 ? form.find(name, -1) : form.find(name.left(open), name.mid(open + 1).chopped(1).toInt());
    if (!c)
        qFatal("no control %s", qPrintable(path));
    return *c;
}

void SettingsApplyTest::openingTakesTheMainWindowLook()
{
    main().setBackColor(forms::rgb(1, 2, 3));
    main().Text_U[Lesko::TopicBox].setBackColor(forms::rgb(4, 5, 6));
    main().Text_U[Lesko::TopicBox].setForeColor(forms::rgb(7, 8, 9));
    main().Label_U[Lesko::TopicCaption].setBackColor(forms::rgb(10, 11, 12));
    main().Text_U[Lesko::TopicBox].setFontName(u"Courier New"_s);
    main().Text_U[Lesko::TopicBox].setFontSize(10.5);

    Cwiat& w = openSettings();

    QVERIFY(w.Visible());
    QStringList expected{u"Courier New"_s, u"10.5"_s};
    for (int k = 0; k < 4; ++k) {
        const int red = 1 + 3 * k;
        expected << QString::number(forms::rgb(red, red + 1, red + 2)) << QString::number(red)
                 << QString::number(red + 1) << QString::number(red + 2);
    }
    // Colour 1 is the text box background (4, 5, 6), colour 2 the text colour (7, 8, 9).
    QCOMPARE(record().items().mid(1), expected);
    QCOMPARE(w.List_font[Cwiat::FontNameList].Text(), u"Courier New"_s);
    QCOMPARE(w.List_font[Cwiat::FontSizeList].ListIndex(), -1);
    QCOMPARE(w.Text_Cv[0].FontName(), u"Courier New"_s);
    QCOMPARE(w.Text_Cv[0].FontSize(), 10.5);
    QCOMPARE(w.Slider1[Cwiat::RedSlider].Value(), 1);
    QCOMPARE(w.picColor.BackColor(), forms::rgb(1, 2, 3));
}

void SettingsApplyTest::firstOpeningPutsTheSystemTextColourIntoTheRecord()
{
    Cwiat& w = openSettings();
    QCOMPARE(record().items().mid(1), (QStringList{u"Times New Roman"_s, u"12"_s, u"128"_s, u"128"_s, u"0"_s, u"0"_s,
                                                   u"32768"_s, u"0"_s, u"128"_s, u"0"_s, u"-2147483640"_s, u"8"_s,
                                                   u"0"_s, u"0"_s, u"192"_s, u"192"_s, u"0"_s, u"0"_s}));
    QCOMPARE(w.Option1[appearance::TextColour].BackColor(), WindowText);
    QCOMPARE(w.Text_Cv[0].ForeColor(), WindowText);
}

void SettingsApplyTest::fontSizeGoesIntoTheRecordAsText_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("text");

    QTest::addRow("whole") << 12.0 << u"12"_s;
    QTest::addRow("quarter") << 9.75 << u"9.75"_s;
    QTest::addRow("half") << 10.5 << u"10.5"_s;
    QTest::addRow("more than four fraction digits") << 8.123456 << u"8.1235"_s;
    QTest::addRow("whole after rounding") << 11.00001 << u"11"_s;
}

void SettingsApplyTest::fontSizeGoesIntoTheRecordAsText()
{
    QFETCH(double, size);
    QFETCH(QString, text);
    main().Text_U[Lesko::TopicBox].setFontSize(size);
    openSettings();
    QCOMPARE(record().List(appearance::FontSizeItem), text);
}

void SettingsApplyTest::savingRightAfterOpeningSpreadsTheMainWindowLook_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("savedFont");
    QTest::addColumn<QString>("sizeText");

    QTest::addRow("design look") << u"Times New Roman"_s << 12.0 << u"Times New Roman"_s << u"12"_s;
    QTest::addRow("main window in Arial 14") << u"Arial"_s << 14.0 << u"Arial"_s << u"14"_s;
    QTest::addRow("9.75 pt survives") << u"Times New Roman"_s << 9.75 << u"Times New Roman"_s << u"9.75"_s;
    QTest::addRow("font not installed: the preview's font is saved")
        << u"Verdana"_s << 12.0 << u"Times New Roman"_s << u"12"_s;
}

void SettingsApplyTest::savingRightAfterOpeningSpreadsTheMainWindowLook()
{
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(QString, savedFont);
    QFETCH(QString, sizeText);
    main().Text_U[Lesko::TopicBox].setFontName(font);
    main().Text_U[Lesko::TopicBox].setFontSize(size);
    const QStringList mainColours{QString::number(main().BackColor()),
                                  QString::number(main().Text_U[Lesko::TopicBox].BackColor()),
                                  QString::number(main().Text_U[Lesko::TopicBox].ForeColor()),
                                  QString::number(main().Label_U[Lesko::TopicCaption].BackColor())};

    openSettings().mnu_zapis.userClick();

    QVERIFY(!program().isLoaded(u"Cwiat"_s));
    QCOMPARE(record().List(appearance::FontNameItem), savedFont);
    QCOMPARE(record().List(appearance::FontSizeItem), sizeText);
    for (const QString& path : FormBackTargets)
        QCOMPARE(QString::number(controlAt(path).BackColor()), mainColours[0]);
    for (const QString& path : TextTargets) {
        QCOMPARE(QString::number(controlAt(path).BackColor()), mainColours[1]);
        QCOMPARE(QString::number(controlAt(path).ForeColor()), mainColours[2]);
    }
    for (const QString& path : ButtonBackTargets)
        QCOMPARE(QString::number(controlAt(path).BackColor()), mainColours[3]);
    QCOMPARE(program().lesko_n().Text_Un[Lesko_n::AnswerBox].ForeColor(), WindowText);
    for (const QString& path : FontTargets) {
        QCOMPARE(controlAt(path).FontName(), savedFont);
        QCOMPARE(controlAt(path).FontSize(), size);
    }
}

void SettingsApplyTest::eachColourReachesItsControls_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("textColour");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<int>("colour");

    // The red slider goes to 77 in each row.
    QTest::addRow("window background") << 0 << false << FormBackTargets << 77;
    QTest::addRow("text box background") << 1 << false << TextTargets << 77 + 32768;
    QTest::addRow("text colour, from the system colour") << 2 << true << TextTargets << 77;
    QTest::addRow("button background") << 3 << false << ButtonBackTargets << 77;
}

void SettingsApplyTest::eachColourReachesItsControls()
{
    QFETCH(int, choice);
    QFETCH(bool, textColour);
    QFETCH(QStringList, targets);
    QFETCH(int, colour);
    const auto shown = [&](const QString& path, bool fore) {
        const forms::Control& c = controlAt(path);
        return fore ? c.ForeColor() : c.BackColor();
    };
    Cwiat& w = openSettings();
    w.Option1[choice].userClick();
    w.Slider1[Cwiat::RedSlider].userMoved(77);
    w.mnu_zapis.userClick();

    for (const QString& path : targets)
        QCOMPARE(shown(path, textColour), colour);
    const QList<std::pair<QStringList, bool>> all{
        {FormBackTargets, false}, {TextTargets, false}, {TextTargets, true}, {ButtonBackTargets, false}};
    for (const auto& [paths, fore] : all) {
        if (paths == targets && fore == textColour)
            continue;
        for (const QString& path : paths)
            QVERIFY2(shown(path, fore) != colour, qPrintable(path));
    }
}

void SettingsApplyTest::otherWindowsAndControlsKeepTheirLook()
{
    Lesko_n& bench = program().lesko_n();
    const auto untouched = [&] {
        return lookOf(program().lesko_Glos()) + lookOf(program().lesko_Dis()) + lookOf(program().lesko_Gra()) +
               QStringList{lookOf(main().Text_U[Lesko::FocusBuffer]), lookOf(bench.Text_Un[Lesko_n::TimeUsedBox]),
                           lookOf(bench.Chasownik_Label[Lesko_n::ClockLabel]),
                           lookOf(program().lesko_Zad().List_font)} +
               lookOf(main().Shape_Lenta) + lookOf(bench.List_Un);
    };
    const QStringList before = untouched();

    Cwiat& w = openSettings();
    for (int k = 0; k < 4; ++k) {
        w.Option1[k].userClick();
        w.Slider1[Cwiat::GreenSlider].userMoved(33);
    }
    w.List_font[Cwiat::FontNameList].userClick(int(w.List_font[Cwiat::FontNameList].items().indexOf(u"Arial"_s)));
    w.List_font[Cwiat::FontSizeList].userClick(int(w.List_font[Cwiat::FontSizeList].items().indexOf(u"14"_s)));
    w.mnu_zapis.userClick();

    QCOMPARE(main().Text_U[Lesko::TopicBox].FontName(), u"Arial"_s);  // the save did happen
    QCOMPARE(untouched(), before);
}

void SettingsApplyTest::cancelKeepsMovedValuesAndChangesNoWindow_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::addRow("menu Отказ") << false;
    QTest::addRow("closing by the frame") << true;
}

void SettingsApplyTest::cancelKeepsMovedValuesAndChangesNoWindow()
{
    QFETCH(bool, byFrame);
    program().unload(program().lesko_Zad());  // to be opened for the first time after cancelling
    const QStringList before = lookOf(main()) + lookOf(program().lesko_n());

    Cwiat& w = openSettings();
    w.Slider1[Cwiat::RedSlider].userMoved(200);
    w.Option1[appearance::TextBack].userClick();
    w.Slider1[Cwiat::BlueSlider].userMoved(5);
    if (byFrame)
        QVERIFY(w.Form_QueryClose());
    else
        w.mnu_Otkaz.userClick();

    QVERIFY(!program().isLoaded(u"Cwiat"_s));
    QCOMPARE(record().List(appearance::colourItem(appearance::FormBack)), u"200"_s);
    QCOMPARE(record().List(appearance::componentItem(appearance::FormBack, 0)), u"200"_s);
    QCOMPARE(record().List(appearance::colourItem(appearance::TextBack)), QString::number(forms::rgb(0, 128, 5)));
    QCOMPARE(lookOf(main()) + lookOf(program().lesko_n()), before);

    Lesko_Zad& zad = program().lesko_Zad();
    QCOMPARE(zad.BackColor(), 200);
    QCOMPARE(zad.Obsho_Pole.BackColor(), forms::rgb(0, 128, 5));
}

}  // namespace

QTEST_GUILESS_MAIN(SettingsApplyTest)
#include "test_settings_apply.moc"
