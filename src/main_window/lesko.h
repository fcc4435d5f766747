#pragma once

#include "content/option_flags.h"
#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The main lesson window: topic, plan, the text and picture of the chosen
// point, the reading clock with its two ribbons, and the lesson's menus.
class Lesko : public forms::Form {
public:
    explicit Lesko(app::Program& program);

    // Start-up.
    void Form_Load();
    void Apply_Save_Rule();
    void Apply_Options();
    int Option_Flag(content::Option option) const;
    QString Greska_Otgowor1(quint8 code, const QString& detail = {});
    void Fill_Term_List();

    // Plan and content.
    void Fill_Plan();
    void List_Ur_Click(int index);
    void Sydyrv_pla_Click(int index);

    // Layout.
    void Record_Layout();
    void Form_Resize() override;

    // Reading clock and ribbons.
    void Timer1_Timer();
    void Setup_Ribbons();
    void Set_Time_Ribbon(int slot);
    void Second_Step();
    void Plan_Ribbon_Step();
    void Hide_Time_Ribbon();

    // Pictures, pop-up menu, authors, focus view.
    void Picture_Ur_Click(int index);
    void Form_MouseDown(forms::MouseButton button, double x, double y) override;
    void awtori_Click(int index);
    void mnu_Fokus_Click();

    // Colours and font.
    void mnu_Cwqt_Click();
    // Opens the task workbench (src/workbench/opening.cpp).
    void mnu_Wyprosi_Click();

    // Exit.
    void Izhod_Click();
    bool Form_QueryClose() override;

    // Controls.
    enum TextURole { TopicBox = 0, ContentBox = 1, FocusBuffer = 2 };  // 2 hidden: the text of the focus view
    enum ListUrRole {
        PlanList = 0,       // the plan points the student chooses from
        ChoiceList = 1,     // hidden: what the windows hand over, see ChoiceListItem
        PlanOrderList = 2,  // hidden: the plan's points with their numbers, in order
        ServiceList = 3     // hidden: the configuration's service record, see ServiceListItem
    };
    // The items of the choice list with a fixed meaning.
    enum ChoiceListItem {
        ChosenTermItem = 1,         // the term list's position
        RecordedTaskItem = 2,       // the task last recorded: by the task choice, the chooser, the return
        RemainingTaskTimeItem = 3,  // the task time left then
        FocusFontSizeItem = 4,      // the enlarged text window's font size
        FocusFontPositionItem = 5   // that size's position in its list
    };
    enum ServiceListItem { VersionItem = 3, DateItem = 10 };
    enum LabelURole {
        PlanCaption = 0,      // "План"
        PlanRibbonFrame = 1,  // under the plan ribbon
        TimeRibbonFrame = 2,  // behind the time ribbon, beside the content
        TopicCaption = 3      // "Тема"
    };
    // The two ribbons, each of a part that shrinks and a part that grows.
    enum ShapeLentaRole {
        TimeLeftRibbon = 0,  // the point's reading time left, shrinking downwards
        TimeUsedRibbon = 1,  // the reading time used, growing below it
        PlanLeftRibbon = 2,  // the plan still to read, shrinking to the right
        PlanDoneRibbon = 3   // the plan read, growing from the left
    };
    // The items of the information menu, each showing one text of the lesson
    // description.
    enum SydyrvPlaItem {
        ExtraMaterialItem = 1,
        ReferencesItem = 2,
        StandardsItem = 3,
        DurationItem = 4,
        GoalItem = 5,
        CrossSubjectItem = 6,
        WithinSubjectItem = 7,
        TeachingAidsItem = 8,
        LessonCourseItem = 9
    };
    enum AwtoriItem { SponsorItem = 1, LessonAuthorItem = 2, AboutProgramItem = 3 };

    std::array<forms::TextBox, 3> Text_U;
    std::array<forms::ListBox, 4> List_Ur;
    std::array<forms::Label, 4> Label_U;
    std::array<forms::PictureBox, 1> Picture_Ur;
    std::array<forms::Shape, 4> Shape_Lenta;
    forms::Timer Timer1{QStringLiteral("Timer1")};

    forms::MenuItem Izhod{QStringLiteral("Izhod")};
    forms::MenuItem mnu_Fokus{QStringLiteral("mnu_Fokus")};
    forms::MenuItem mnu_Cwqt{QStringLiteral("mnu_Cwqt")};
    forms::MenuItem mnu_Wyprosi{QStringLiteral("mnu_Wyprosi")};
    forms::MenuItem mnu_Sydyrv_plan{QStringLiteral("mnu_Sydyrv_plan")};
    std::array<forms::MenuItem, 10> Sydyrv_pla;  // items 1 to 9
    forms::MenuItem awtor0{QStringLiteral("awtor0")};
    std::array<forms::MenuItem, 4> awtori;  // items 1 to 3

    // State of the lesson.
    qint16 Plan_Count = 0;
    std::array<qint16, 51> Item_Time{};
    std::array<quint8, 51> Item_Done{};
    qint32 Tick_Count = 0;
    qint16 Lenta_Div = 1;
    double Pic_Index = 0;  // the shown picture's number in the store
    quint8 Pic_Shown = 0;  // 1 a picture of Grafika_G, 2 one of Grafika_W, 0 the blank one

    // Layout ratios of the 21 controls that follow the window's size.
    std::array<quint8, 15> Group_Last{};
    std::array<std::array<float, 4>, 71> Layout_Ratio{};
    quint8 Lenta_Base = 0;
    // What the reading clock moves the ribbons by and to, in twips (the
    // points read: a count), by the slot the lesson's layout numbers them.
    enum LentaGeomSlot {
        TimeUsedTop = 12,     // the top of the time used
        TimeLeftHeight = 15,  // the height of the time left
        TimeUsedHeight = 16,  // the height of the time used
        TimeStep = 20,        // one second of reading
        PlanLeftLeft = 21,    // the left edge of the plan still to read
        PlanLeftWidth = 25,   // its width
        PlanDoneWidth = 26,   // the width of the plan read
        PointsRead = 29,      // plan points whose time has run out
        PlanStep = 30         // one point of the plan
    };
    std::array<float, 31> Lenta_Geom{};

private:
    void Open_Settings();
    void buildControls();
    void buildMenus();
    void showPlanPicture(int point);
    qint16 readingTime(int point);
    float scaledAt(int slot, int column) const;
    void computePlanRibbon(int firstSlot);
    void showRibbonValues();
    template <typename Visit>
    int walkLayout(Visit&& visit);

    app::Program& program_;
};
