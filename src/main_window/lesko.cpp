#include "main_window/lesko.h"

#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration.h"
#include "content/numbers.h"
#include "files/save_rule.h"
#include "files/working_folder.h"
#include "forms/members.h"
#include "program/messages.h"
#include "program/program.h"
#include "program/recording.h"
#include "workbench/lesko_n.h"

using content::Option;

namespace {

const QString DesignCaption = QStringLiteral("Програмиран урок - урочно съдържание.");

// The two items of the information menu each of these options frees.
const std::array<std::pair<Option, std::array<int, 2>>, 5> InformationItems{{
    {Option::PlanRibbon, {Lesko::StandardsItem, Lesko::GoalItem}},
    {Option::InfoDuration, {Lesko::DurationItem, Lesko::CrossSubjectItem}},
    {Option::InfoAims, {Lesko::GoalItem, Lesko::WithinSubjectItem}},
    {Option::InfoLinks, {Lesko::CrossSubjectItem, Lesko::TeachingAidsItem}},
    {Option::InfoCourse, {Lesko::WithinSubjectItem, Lesko::LessonCourseItem}},
}};

}  // namespace

Lesko::Lesko(app::Program& program) : Form(QStringLiteral("Lesko")), program_(program)
{
    setCaption(DesignCaption);
    setSize(11880, 8190);
    followsWindowSize = true;  // the proportional layout
    setBackColor(128);
    buildControls();
    buildMenus();
}

void Lesko::buildControls()
{
    forms::nameMembers(Text_U, u"Text_U");
    forms::nameMembers(List_Ur, u"List_Ur");
    forms::nameMembers(Label_U, u"Label_U");
    forms::nameMembers(Picture_Ur, u"Picture_Ur");
    forms::nameMembers(Shape_Lenta, u"Shape_Lenta");

    forms::place(Text_U[TopicBox], {1150, 160, 10000, 900});
    forms::place(Text_U[ContentBox], {1845, 2505, 9360, 4305});
    forms::place(Text_U[FocusBuffer], {1845, 2505, 2000, 500});
    forms::place(Label_U[PlanCaption], {100, 1200, 735, 420});
    forms::place(Label_U[PlanRibbonFrame], {360, 7200, 11000, 355});
    forms::place(Label_U[TimeRibbonFrame], {11400, 495, 1195, 5000});
    forms::place(Label_U[TopicCaption], {100, 165, 735, 420});
    forms::place(Picture_Ur[0], {150, 2520, 1545, 2160});
    forms::place(List_Ur[PlanList], {1150, 1200, 10000, 1200});
    forms::place(Shape_Lenta[TimeLeftRibbon], {11500, 495, 195, 5000});
    forms::place(Shape_Lenta[TimeUsedRibbon], {11500, 5500, 195, 15});
    forms::place(Shape_Lenta[PlanLeftRibbon], {360, 7200, 11000, 195});
    forms::place(Shape_Lenta[PlanDoneRibbon], {360, 7200, 15, 195});

    Text_U[TopicBox].setToolTipText(QStringLiteral(" Тема на урока"));
    Text_U[ContentBox].setToolTipText(
        QStringLiteral(" Имате ограничено време да запишете темата и плана на урока! Използвайте бутон \"Фокус\""));
    List_Ur[PlanList].setToolTipText(QStringLiteral("План на урока - точка/подточка "));
    Label_U[PlanCaption].setCaption(QStringLiteral("План"));
    Label_U[PlanCaption].setToolTipText(QStringLiteral(" Планът на урока, трябва да бъде записан. "));
    Label_U[TimeRibbonFrame].setToolTipText(
        QStringLiteral("Показва оставащащото време, за което трябва да се напише заглавието и плана на урока"));
    Label_U[TopicCaption].setCaption(QStringLiteral("Тема"));
    Label_U[TopicCaption].setToolTipText(QStringLiteral(
        " Ако нямате къде или с какво да пишете, моля заповядайте на дъската. Там има и място, и тебешир."));
    Picture_Ur[0].setToolTipText(QStringLiteral(" Щракнете с десен бутон, за да видите изображението в пълен размер "));
    Picture_Ur[0].stretch = true;

    for (int i : {TopicBox, ContentBox})
        Text_U[i].setBackColor(32768);
    List_Ur[PlanList].setBackColor(32768);
    for (int i : {PlanCaption, TopicCaption}) {
        Label_U[i].setBackColor(192);
        Label_U[i].centred = true;
    }
    for (int i : {PlanRibbonFrame, TimeRibbonFrame})
        Label_U[i].setBackColor(128);
    Picture_Ur[0].setBackColor(128);
    Text_U[TopicBox].setLocked(true);
    Text_U[ContentBox].setLocked(true);
    Text_U[FocusBuffer].setVisible(false);
    for (int i : {ChoiceList, PlanOrderList, ServiceList})
        List_Ur[i].setVisible(false);

    Shape_Lenta[TimeLeftRibbon].setBackColor(forms::rgb(192, 192, 0));
    Shape_Lenta[TimeUsedRibbon].setBackColor(forms::rgb(224, 224, 224));
    Shape_Lenta[PlanLeftRibbon].setBackColor(forms::rgb(192, 0, 0));
    Shape_Lenta[PlanDoneRibbon].setBackColor(forms::rgb(0, 192, 0));
    Shape_Lenta[TimeLeftRibbon].setAccessibleName(QStringLiteral("Оставащо време за четене"));
    Shape_Lenta[TimeUsedRibbon].setAccessibleName(QStringLiteral("Изминало време за четене"));
    Shape_Lenta[PlanLeftRibbon].setAccessibleName(QStringLiteral("Оставаща част от плана"));
    Shape_Lenta[PlanDoneRibbon].setAccessibleName(QStringLiteral("Премината част от плана"));

    Timer1.setInterval(100);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    List_Ur[PlanList].onClick = [this] { List_Ur_Click(PlanList); };
    Picture_Ur[0].onClick = [this] { Picture_Ur_Click(0); };

    add(Text_U);
    add(List_Ur);
    add(Label_U);
    add(Picture_Ur);
    add(Shape_Lenta);
    add(Timer1);
}

void Lesko::buildMenus()
{
    forms::nameMembers(Sydyrv_pla, u"Sydyrv_pla");
    forms::nameMembers(awtori, u"awtori");
    Izhod.setCaption(QStringLiteral("Изход"));
    mnu_Fokus.setCaption(QStringLiteral("Фокус"));
    mnu_Cwqt.setCaption(QStringLiteral("Цвят/шрифт"));
    mnu_Wyprosi.setCaption(QStringLiteral("Задачи/Речник"));
    mnu_Sydyrv_plan.setCaption(QStringLiteral("Информация за урока"));
    awtor0.setCaption(QStringLiteral("Автори"));
    const QStringList information{QStringLiteral("Допълнителен материал"),
                                  QStringLiteral("Използвана литература & Internet site"),
                                  QStringLiteral("Държавни образователни изисквания"),
                                  QStringLiteral("Продължителност на урока"),
                                  QStringLiteral("Цел на урока"),
                                  QStringLiteral("Междупредметни връзки"),
                                  QStringLiteral("Вътрешно предметни връзки"),
                                  QStringLiteral("Необходими пособия"),
                                  QStringLiteral("Ход на урока")};
    for (int i = ExtraMaterialItem; i <= LessonCourseItem; ++i) {
        Sydyrv_pla[i].setCaption(information.at(i - 1));
        Sydyrv_pla[i].onClick = [this, i] { Sydyrv_pla_Click(i); };
        mnu_Sydyrv_plan.add(Sydyrv_pla[i]);
    }
    const QStringList authors{QStringLiteral("Спонсор"), QStringLiteral("Автор на урока"),
                              QStringLiteral("За програмата")};
    for (int i = SponsorItem; i <= AboutProgramItem; ++i) {
        awtori[i].setCaption(authors.at(i - 1));
        awtori[i].onClick = [this, i] { awtori_Click(i); };
        awtor0.add(awtori[i]);
    }
    Izhod.onClick = [this] { Izhod_Click(); };
    mnu_Fokus.onClick = [this] { mnu_Fokus_Click(); };
    mnu_Cwqt.onClick = [this] { mnu_Cwqt_Click(); };
    mnu_Wyprosi.onClick = [this] { mnu_Wyprosi_Click(); };
    for (forms::MenuItem* m : {&Izhod, &mnu_Fokus, &mnu_Cwqt, &mnu_Wyprosi, &mnu_Sydyrv_plan, &awtor0}) {
        addMenu(*m);
        add(*m);
    }
    add(Sydyrv_pla, 1);
    add(awtori, 1);
}

int Lesko::Option_Flag(Option option) const { return program_.Option_Flag(option); }

QString Lesko::Greska_Otgowor1(quint8 code, const QString& detail)
{
    return app::showMessage(program_.services().messages, app::mainWindowMessage(code, detail));
}

void Lesko::Form_Load()
{
    Lenta_Div = 1;
    Tick_Count = 0;
    Plan_Count = qint16(std::min(program_.lesko_Dis().Plan_Lesko[0].ListCount() - 1, 50));
    Record_Layout();
    app::Load_Config(program_);

    Apply_Save_Rule();

    Apply_Options();

    Item_Time[0] = 0;
    for (int i = 1; i <= Plan_Count; ++i) {
        Item_Done[i] = 0;
        Item_Time[i] = readingTime(i);
    }
    Item_Done[0] = quint8(std::max<int>(Plan_Count, 0));

    if (Option_Flag(Option::TasksMenu) == 0)
        mnu_Wyprosi.setEnabled(false);

    const forms::ListBox& service = List_Ur[ServiceList];
    setCaption(DesignCaption + u' ' + program_.lesko_Dis().Plan_Lesko[0].List(0) + u"  Версия " +
               content::basicStr(content::leadingNumber(service.List(VersionItem)) / 100) + u" от " +
               service.List(DateItem));

    Setup_Ribbons();
    Pic_Shown = 0;
    Fill_Plan();
    program_.lesko_n().mnu_All_zadachi.setEnabled(true);
    List_Ur[ChoiceList].setList(RecordedTaskItem, QStringLiteral("0"));
    app::startRecords(program_);
}

// "Запис" is off on drives that do not keep the work and in a folder that
// cannot be written; its tool tip says why, and a read-only folder is told
// once here, not at every click.
void Lesko::Apply_Save_Rule()
{
    const app::SaveRule rule = app::saveRule(program_.services().drive);
    if (rule == app::SaveRule::Allowed)
        return;
    forms::MenuItem& save = program_.lesko_n().zap_resheshenie;
    save.setEnabled(false);
    save.setToolTipText(app::saveRuleReason(rule));
    if (rule == app::SaveRule::ReadOnlyFolder)
        Greska_Otgowor1(app::message_code::ReadOnlyFolder, app::currentFolderPath());
}

void Lesko::Apply_Options()
{
    Lesko_n& bench = program_.lesko_n();
    const auto off = [this](Option option) { return Option_Flag(option) < 1; };

    if (off(Option::TaskList))
        bench.List_Un[Lesko_n::TaskList].setEnabled(false);
    if (off(Option::Clock))
        bench.Chasownik_Label[Lesko_n::ClockLabel].setVisible(false);
    Fill_Term_List();
    if (!off(Option::Glossary)) {
        bench.List_Un[Lesko_n::TermList].setListIndex(
            int(content::leadingNumber(List_Ur[ChoiceList].List(ChosenTermItem))));
    } else {
        bench.List_Un[Lesko_n::TermList].setEnabled(false);
        bench.Text_Un[Lesko_n::DefinitionBox].setText(QStringLiteral("Достъпът до речника е забранен!"));
    }
    Lesko_Glos& chooser = program_.lesko_Glos();
    if (off(Option::ExtraHint)) {
        forms::ListBox& hints = chooser.Wremena(GlossaryTables::HintTimes);
        const int at = int(hints.items().indexOf(chooser.Wremena(GlossaryTables::TimeLimits).Text()));
        hints.setListIndex(at);
    }
    if (off(Option::Colours))
        mnu_Cwqt.setEnabled(false);
    chooser.Apply_Report_Options();
    if (off(Option::ExtraMaterial))
        Sydyrv_pla[ExtraMaterialItem].setEnabled(false);
    if (off(Option::PlanAccess)) {
        List_Ur[PlanList].setEnabled(false);
        Text_U[ContentBox].setText(QStringLiteral("Достъпът до учебния материал е забранен!"));
    }
    if (off(Option::SaveSolution))
        bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].setEnabled(false);
    if (off(Option::TimeRibbon)) {
        Shape_Lenta[TimeLeftRibbon].setVisible(false);
        Shape_Lenta[TimeUsedRibbon].setVisible(false);
    }
    // The workbench's load, which runs before the configuration is read, has
    // disabled this item; the option shows it and frees it again.
    bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].setVisible(!off(Option::SaveTask));
    if (!off(Option::SaveTask))
        bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].setEnabled(true);
    for (const auto& [option, items] : InformationItems) {
        if (off(option)) {
            for (const int item : items)
                Sydyrv_pla[item].setEnabled(false);
        }
    }
    const Lesko_Dis& description = program_.lesko_Dis();
    for (int i = ExtraMaterialItem; i <= LessonCourseItem; ++i)
        if (description.Dopyln_M[i].Text().isEmpty())
            Sydyrv_pla[i].setEnabled(false);
    if (off(Option::Focus)) {
        mnu_Fokus.setEnabled(false);
        bench.mnu_Pylen_Ekran.setEnabled(false);
    }
}
