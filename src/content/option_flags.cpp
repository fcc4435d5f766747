#include "content/option_flags.h"

using namespace Qt::StringLiterals;

namespace content {

const QList<OptionFlag>& optionFlags()
{
    static const QList<OptionFlag> flags{
        {Option::TaskList, u"task-list"_s,
         u"Списъкът със задачи е достъпен от самото начало (иначе – след първия запис)."_s},
        {Option::Clock, u"clock"_s, u"Часовникът на задачата се вижда."_s},
        {Option::Glossary, u"glossary"_s, u"Речникът е достъпен в прозореца със задачите."_s},
        {Option::ExtraHint, u"extra-hint"_s, u"Показва се допълнителното упътване към задачата."_s},
        {Option::Solutions, u"solutions"_s,
         u"Когато времето изтече, се показва авторското решение (и на задачите след първата)."_s},
        {Option::Colours, u"colours"_s, u"Менюто „Цвят/шрифт“ е достъпно."_s},
        {Option::ChooseByLevel, u"choose-by-level"_s, u"Задачите могат да се избират по ниво на трудност."_s},
        {Option::ExtraMaterial, u"extra-material"_s, u"„Допълнителен материал“ от „Информация за урока“ е достъпен."_s},
        {Option::PlanAccess, u"plan-access"_s, u"Учебният материал (планът на урока) е достъпен."_s},
        {Option::SaveSolution, u"save-solution"_s, u"Решението може да се запише („Запис само решение“)."_s},
        {Option::AnswerRecord, u"answer-record"_s,
         u"При изход от урока отговорите на ученика се записват във файл; води се и дневникът на опитите."_s},
        {Option::TimeRibbon, u"time-ribbon"_s,
         u"Лентата на времето се вижда, а „Задачи/Речник“ се заключва, докато тече времето на точката."_s},
        {Option::SaveTask, u"save-task"_s, u"Условието и решението могат да се запишат („Запис условие+решение“)."_s},
        {Option::TasksMenu, u"tasks-menu"_s,
         u"„Задачи/Речник“ се отключва, когато изтече времето за четене на точка."_s},
        {Option::FreePlan, u"free-plan"_s, u"Планът не се заключва, докато тече времето на избраната точка."_s},
        {Option::ResumeReading, u"resume-reading"_s,
         u"Отново избрана точка продължава с оставащото време (иначе – отначало)."_s},
        {Option::PlanRibbon, u"plan-ribbon"_s,
         u"Лентата на плана се вижда; отключва „Държавни образователни изисквания“ и „Цел на урока“."_s},
        {Option::InfoDuration, u"info-duration"_s, u"Отключва „Продължителност на урока“ и „Междупредметни връзки“."_s},
        {Option::InfoAims, u"info-aims"_s, u"Отключва „Цел на урока“ и „Вътрешно предметни връзки“."_s},
        {Option::InfoLinks, u"info-links"_s, u"Отключва „Междупредметни връзки“ и „Необходими пособия“."_s},
        {Option::InfoCourse, u"info-course"_s, u"Отключва „Вътрешно предметни връзки“ и „Ход на урока“."_s},
        {Option::Focus, u"focus"_s, u"Менютата „Фокус“ (увеличен текст) са достъпни."_s},
        {Option::HardTaskQuestion, u"hard-task-question"_s,
         u"Преди задача с по-висока трудност ученикът се пита дали да продължи."_s},
        {Option::ChooseByType, u"choose-by-type"_s, u"Задачите могат да се избират по тип на решението."_s},
        {Option::EncodedTasks, u"encoded-tasks"_s,
         u"Текстовете на задачите се четат като кодирани, а файлът с отговорите получава първото си име."_s},
    };
    return flags;
}

std::optional<OptionFlag> optionFlagNamed(QStringView name)
{
    for (const OptionFlag& flag : optionFlags())
        if (flag.name == name)
            return flag;
    return std::nullopt;
}

}  // namespace content
