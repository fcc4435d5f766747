#include "setup/presets.h"

#include "content/option_flags.h"

using namespace Qt::StringLiterals;

namespace setup {

using enum content::Option;

const QList<Preset>& presets()
{
    static const QList<Preset> all{
        {u"open"_s,
         u"Всичко отворено"_s,
         u"Всичко в урока е достъпно; същото записва lesko_config без опции."_s,
         {EncodedTasks}},
        {u"lesson"_s,
         u"Урок в клас"_s,
         u"Класът чете плана с учителя: всяка точка се заключва, докато изтече времето ѝ."_s,
         {FreePlan, EncodedTasks}},
        {u"practice"_s,
         u"Самостоятелна работа"_s,
         u"Ученикът работи сам и с темпо по избор: задачите са достъпни, докато чете плана."_s,
         {TimeRibbon, EncodedTasks}},
        {u"test"_s,
         u"Контролна работа"_s,
         u"Без упътване, без решението на автора, без речника и допълнителния материал; задачите са достъпни веднага."_s,
         {Glossary, ExtraHint, Solutions, ExtraMaterial, TimeRibbon, EncodedTasks}},
    };
    return all;
}

std::optional<Preset> presetNamed(QStringView name)
{
    for (const Preset& p : presets())
        if (name.compare(p.name, Qt::CaseInsensitive) == 0 || name.compare(p.title, Qt::CaseInsensitive) == 0)
            return p;
    return std::nullopt;
}

void applyPreset(ClassConfiguration& configuration, const Preset& preset)
{
    for (const content::OptionFlag& flag : content::optionFlags())
        configuration.setFlag(flag.option, !preset.off.contains(flag.option));
}

bool matchesPreset(const ClassConfiguration& configuration, const Preset& preset)
{
    for (const content::OptionFlag& flag : content::optionFlags())
        if (configuration.flag(flag.option) == preset.off.contains(flag.option))
            return false;
    return true;
}

QString presetTable()
{
    QString text = u"Шаблони (lesko_config --preset ИМЕ):\n"_s;
    for (const Preset& p : presets())
        text += u"  "_s + p.name.leftJustified(10) + p.title + u" – "_s + p.purpose + u"\n"_s;
    text += u"\n"_s + QString(24, u' ');
    for (const Preset& p : presets())
        text += p.name.leftJustified(10);
    text += u"\n"_s;
    for (const content::OptionFlag& flag : content::optionFlags()) {
        text += QString::number(flag.number()).rightJustified(2) + u" "_s + flag.name.leftJustified(21);
        for (const Preset& p : presets())
            text += (p.off.contains(flag.option) ? u"не"_s : u"да"_s).leftJustified(10);
        text += u"\n"_s;
    }
    return text;
}

QStringList closedParts(const ClassConfiguration& configuration)
{
    QStringList closed;
    if (!configuration.flag(PlanAccess))
        closed << u"Учебният материал е заключен: планът не се отваря и ученикът вижда „Достъпът до учебния "
                  u"материал е забранен!“ (опция 10)."_s;
    // "Задачи/Речник" opens when the whole plan is read or, with option 16,
    // when a point's time runs out; a closed plan is never read.
    if (!configuration.flag(PlanAccess) && !configuration.flag(TasksMenu))
        closed << u"Задачите не могат да бъдат отворени: „Задачи/Речник“ се отключва след четенето на плана, а "
                  u"планът е заключен (опции 10 и 16)."_s;
    return closed;
}

}  // namespace setup
