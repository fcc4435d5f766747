#include "setup/command_line.h"

#include "configuration/configuration_source.h"
#include "configuration/lesson_facts.h"
#include "content/option_flags.h"
#include "files/text_file.h"
#include "setup/class_configuration.h"
#include "setup/config_store.h"
#include "setup/ini_form.h"
#include "setup/input_rules.h"
#include "setup/menu_entry.h"
#include "setup/presets.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace setup {

std::optional<QList<int>> parseNumberList(QStringView text, int last)
{
    QList<int> numbers;
    for (QStringView part : text.split(u',')) {
        const qsizetype dash = part.indexOf(u'-');
        bool okFirst = false, okLast = true;
        const int first = (dash < 0 ? part : part.left(dash)).trimmed().toInt(&okFirst);
        const int end = dash < 0 ? first : part.mid(dash + 1).trimmed().toInt(&okLast);
        if (!okFirst || !okLast || first < 1 || end < first || end > last)
            return std::nullopt;
        for (int n = first; n <= end; ++n)
            if (!numbers.contains(n))
                numbers.append(n);
    }
    return numbers;
}

namespace {

enum Exit { Done = 0, Refused = 1, Misused = 2 };

struct Options {
    QCommandLineOption show{u"show"_s, u"Показва файла като текст. / Prints the file as readable text."_s, u"FILE"_s};
    QCommandLineOption toIni{u"to-ini"_s, u"Извежда файла като INI текст. / Prints the file in its INI text form."_s,
                             u"FILE"_s};
    QCommandLineOption fromIni{
        u"from-ini"_s, u"Записва файла от INI текст (с -o). / Writes the file from an INI text (with -o)."_s, u"INI"_s};
    QCommandLineOption output{
        {u"o"_s, u"output"_s},
        u"Файлът, който се записва (иначе FUNKR.UFG тук). / The file to write (FUNKR.UFG here otherwise)."_s,
        u"FILE"_s};
    QCommandLineOption fresh{
        u"new"_s,
        u"Започва от файла, който отваря всичко, вместо от съществуващия. / Starts from the file that opens "
        u"every feature instead of the existing one."_s};
    QCommandLineOption tasks{u"tasks"_s, u"Колко задачи остават в урока. / Tasks the lesson keeps."_s, u"N"_s};
    QCommandLineOption listed{u"listed"_s, u"Колко задачи се показват наведнъж. / Tasks listed at once."_s, u"N"_s};
    QCommandLineOption difficulty{
        u"difficulty"_s, u"Ниво на трудност (цифра), напр. 1-5,8=2. / Difficulty digit, e.g. 1-5,8=2."_s, u"TASKS=D"_s};
    QCommandLineOption hint{u"hint"_s,
                            u"Упътване след мм:сс, напр. 3=1:30. / Hint after mm:ss (or seconds), e.g. 3=1:30."_s,
                            u"TASKS=TIME"_s};
    QCommandLineOption limit{u"limit"_s,
                             u"Време за задачата мм:сс, напр. 1-20=50:00. / Time limit mm:ss, e.g. 1-20=50:00."_s,
                             u"TASKS=TIME"_s};
    QCommandLineOption reading{u"reading"_s,
                               u"Множител за четене на точки (стотни от секундата на буква), напр. 1-3=40. / "
                               u"Reading factor of plan points (1/100 s per character), e.g. 1-3=40."_s,
                               u"POINTS=F"_s};
    QCommandLineOption on{u"on"_s, u"Включва опция по име (виж --flags). / Turns a named option on (see --flags)."_s,
                          u"NAME"_s};
    QCommandLineOption off{u"off"_s, u"Изключва опция по име. / Turns a named option off."_s, u"NAME"_s};
    QCommandLineOption version{u"lesson-version"_s,
                               u"Версия в заглавието, напр. 0.97. / Version in the caption, e.g. 0.97."_s, u"V"_s};
    QCommandLineOption date{
        u"date"_s, u"Дата на издаване ГГГГ-ММ-ДД или ГГГГММДД. / Release date YYYY-MM-DD or YYYYMMDD."_s, u"DATE"_s};
    QCommandLineOption flags{u"flags"_s, u"Изброява имената на опциите. / Lists the option names."_s};
    QCommandLineOption preset{
        u"preset"_s,
        u"Опциите на шаблон: open, lesson, practice, test (виж --presets); другите опции се прилагат след него. / "
        u"The options of a preset (see --presets); other options apply after it."_s,
        u"NAME"_s};
    QCommandLineOption presets{u"presets"_s,
                               u"Показва шаблоните и какво отваря всеки. / Shows the presets and what each opens."_s};
    QCommandLineOption system{
        u"system"_s,
        u"Записва общия файл на компютъра (/etc/xdg/lesko/FUNKR.UFG; нужни са права на администратор). / Writes "
        u"the computer's shared file (needs administrator rights)."_s};
    QCommandLineOption askName{
        u"ask-name"_s, u"yes: урокът пита за име и клас на ученика. / yes: the lesson asks the student's name."_s,
        u"yes|no"_s};
    QCommandLineOption binding{
        u"binding"_s,
        u"yes: общият файл е задължителен и файлът в папката на ученика не се чете (с --system). / yes: the shared "
        u"file is binding; a student's own file is not read (with --system)."_s,
        u"yes|no"_s};
    QCommandLineOption handIn{
        u"hand-in-folder"_s,
        u"Папка, в която всяко пускане предава дневника и решенията; \"\" – без. / A folder every run also "
        u"writes its log and answers to; \"\" for none."_s,
        u"DIR"_s};
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Тази помощ. / This help."_s};

    QList<QCommandLineOption> settings() const
    {
        return {tasks, listed,  difficulty, hint,   limit,   reading, on,
                off,   version, date,       preset, askName, binding, handIn};
    }
    QList<QCommandLineOption> classSettings() const { return {askName, binding, handIn}; }
};

// One setting applied to the configuration; the reason when its value is refused.
using Setting = std::function<content::Done(ClassConfiguration&)>;

QString refusal(const QString& option, const QString& value, const QString& why)
{
    return u"--"_s + option + u" "_s + value + u": "_s + why;
}

content::Done refused(const QString& option, const QString& value, const QString& why)
{
    return content::Done::failure(refusal(option, value, why));
}

// Applies a value the model read, or passes its reason on.
template <typename T, typename Set>
content::Done applyRead(const content::Result<T>& read, Set&& set)
{
    if (!read)
        return content::Done::failure(read);
    set(*read);
    return {};
}

// The same for the whole value of an option, refused with the model's reason.
template <typename T, typename Set>
content::Done applyValue(const QString& option, const QString& text, const content::Result<T>& read, Set&& set)
{
    return read ? applyRead(read, set) : refused(option, text, read.reason());
}

// "1-5,8=VALUE" for tasks or points 1 to last, each set by apply.
content::Done applyPerItem(ClassConfiguration& c, const QString& option, const QString& text, int last,
                           const std::function<content::Done(ClassConfiguration&, int, QStringView)>& apply)
{
    const qsizetype eq = text.lastIndexOf(u'=');
    const auto items = eq < 0 ? std::nullopt : parseNumberList(QStringView(text).left(eq), last);
    if (!items)
        return refused(
            option, text,
            u"очаква се СПИСЪК=СТОЙНОСТ, напр. 1-5,8=…, с номера от 1 до "_s + QString::number(last) + u"."_s);
    for (int item : *items)
        if (const content::Done applied = apply(c, item, QStringView(text).mid(eq + 1)); !applied)
            return refused(option, text, applied.reason());
    return {};
}

QList<Setting> settingsFrom(const QCommandLineParser& parser, const Options& o, const LessonFacts& lesson)
{
    QList<Setting> s;
    if (parser.isSet(o.preset))
        s.append([name = parser.value(o.preset)](ClassConfiguration& c) {
            const std::optional<Preset> preset = presetNamed(name);
            if (!preset)
                return refused(u"preset"_s, name, u"няма такъв шаблон (шаблоните: lesko_config --presets)."_s);
            applyPreset(c, *preset);
            return content::Done();
        });
    const int tasks = lesson.taskCount();
    const int points = std::min(lesson.pointCount(), content::ConfigSlots);
    const auto count = [&](const QCommandLineOption& option, void (ClassConfiguration::*set)(qint32)) {
        for (const QString& v : parser.values(option))
            s.append([=, name = option.names().constLast()](ClassConfiguration& c) {
                return applyValue(name, v, parseTaskCount(v, tasks), [&](int count) { (c.*set)(count); });
            });
    };
    count(o.tasks, &ClassConfiguration::setTasksKept);
    count(o.listed, &ClassConfiguration::setTasksListed);
    for (const QString& v : parser.values(o.difficulty))
        s.append([=](ClassConfiguration& c) {
            return applyPerItem(c, u"difficulty"_s, v, tasks, [](ClassConfiguration& c, int task, QStringView d) {
                return applyRead(parseDifficulty(d), [&](int digit) { c.setDifficulty(task, digit); });
            });
        });
    for (const bool isHint : {true, false})
        for (const QString& v : parser.values(isHint ? o.hint : o.limit))
            s.append([=](ClassConfiguration& c) {
                return applyPerItem(c, isHint ? u"hint"_s : u"limit"_s, v, tasks,
                                    [=](ClassConfiguration& c, int task, QStringView t) {
                                        return applyRead(parseTaskTime(t), [&](qint16 seconds) {
                                            isHint ? c.setHintSeconds(task, seconds) : c.setLimitSeconds(task, seconds);
                                        });
                                    });
            });
    for (const QString& v : parser.values(o.reading))
        s.append([=](ClassConfiguration& c) {
            return applyPerItem(c, u"reading"_s, v, points, [](ClassConfiguration& c, int point, QStringView f) {
                return applyRead(parseReadingFactor(f), [&](qint16 factor) { c.setReadingFactor(point, factor); });
            });
        });
    for (const bool turnOn : {true, false})
        for (const QString& v : parser.values(turnOn ? o.on : o.off))
            s.append([=](ClassConfiguration& c) {
                for (const QString& name : v.split(u',')) {
                    const std::optional<content::OptionFlag> flag = content::optionFlagNamed(name.trimmed());
                    if (!flag)
                        return refused(turnOn ? u"on"_s : u"off"_s, v,
                                       u"няма опция „"_s + name + u"“ (имената: lesko_config --flags)."_s);
                    c.setFlag(flag->option, turnOn);
                }
                return content::Done();
            });
    for (const QString& v : parser.values(o.version))
        s.append([=](ClassConfiguration& c) {
            return applyValue(u"lesson-version"_s, v, parseVersion(v),
                              [&](qint32 hundredths) { c.setVersion(hundredths); });
        });
    for (const QString& v : parser.values(o.date))
        s.append([=](ClassConfiguration& c) {
            return applyValue(u"date"_s, v, parseDate(v), [&](qint32 number) { c.setDate(number); });
        });
    return s;
}

// The configuration a text of --to-ini gives; a reason when it is not such a
// text, whole.
content::Result<ClassConfiguration> configurationFromIni(const QString& path)
{
    using Failure = content::Result<ClassConfiguration>;
    const content::Result<QByteArray> bytes = app::readRegularFile(path, MaxIniBytes);
    if (!bytes)
        return Failure::failure(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(*bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return Failure::failure(path + u": текстът не е в UTF-8; това не е текст от lesko_config --to-ini."_s);
    const content::Result<content::ConfigRecords> records = fromIni(text);
    if (!records)
        return Failure::failure(path + u": "_s + records.reason());
    return ClassConfiguration(*records);
}

// The configuration the settings are applied to; a reason when there is none.
content::Result<ClassConfiguration> startingPoint(const QCommandLineParser& parser, const Options& o,
                                                  const LessonFacts& lesson, const QString& target)
{
    const ClassConfiguration open(lesson.open);
    if (parser.isSet(o.fromIni))
        return configurationFromIni(parser.value(o.fromIni));
    const QList<QCommandLineOption> settings = o.settings();
    const bool anySetting =
        std::any_of(settings.begin(), settings.end(), [&](const QCommandLineOption& s) { return parser.isSet(s); });
    if (parser.isSet(o.fresh) || !anySetting)
        return open;
    const content::Result<ClassConfiguration> read = readConfiguration(target);
    if (!read && read.error() == ENOENT)
        return open;
    if (!read)
        return content::Result<ClassConfiguration>::failure(read.reason() + u" С --new ще бъде заменен."_s);
    return read;
}

int printFile(const QString& path, const LessonFacts& lesson, bool asIni, QTextStream& out, QTextStream& err)
{
    const content::Result<ClassConfiguration> read = readConfiguration(path);
    if (!read) {
        err << read.reason() << u"\n"_s;
        return Refused;
    }
    out << (asIni ? toIni(read->records()) : u"Файл: "_s + path + u"\n"_s + configurationSummary(*read, lesson));
    return Done;
}

void printFlags(QTextStream& out)
{
    for (const content::OptionFlag& f : content::optionFlags())
        out << QString::number(f.number()).rightJustified(2) << u"  "_s << f.name.leftJustified(20) << f.explanation
            << u"\n"_s;
}

std::optional<bool> yesOrNo(const QString& text)
{
    if (text == u"yes" || text == u"да")
        return true;
    if (text == u"no" || text == u"не")
        return false;
    return std::nullopt;
}

// The class settings beside the target with the options applied; a reason
// when an option's value or the file there is refused.
content::Result<content::ClassSettings> classSettingsFor(const QCommandLineParser& parser, const Options& o,
                                                         const QString& path)
{
    content::Result<content::ClassSettings> settings = app::readClassSettings(path);
    if (!settings)
        return content::Result<content::ClassSettings>::failure(settings.reason() +
                                                                u" Поправете го или го изтрийте."_s);
    for (const auto& [option, field] : {std::pair{&o.askName, &content::ClassSettings::askStudentName},
                                        std::pair{&o.binding, &content::ClassSettings::binding}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<bool> on = yesOrNo(parser.value(*option));
        if (!on)
            return content::Result<content::ClassSettings>::failure(
                refusal(option->names().constFirst(), parser.value(*option), u"очаква се yes или no."_s));
        settings.value().*field = *on;
    }
    if (parser.isSet(o.handIn))
        settings.value().handInFolder = parser.value(o.handIn).trimmed();
    return settings;
}

// Where the file goes: -o, the computer's shared file or FUNKR.UFG here.
QString targetOf(const QCommandLineParser& parser, const Options& o, const LessonFacts& lesson)
{
    if (parser.isSet(o.system))
        return sharedConfigurationTarget(lesson.fileName);
    return parser.isSet(o.output) ? parser.value(o.output) : lesson.fileName;
}

int writeFile(const QCommandLineParser& parser, const Options& o, const LessonFacts& lesson, QTextStream& out,
              QTextStream& err)
{
    const QString target = targetOf(parser, o, lesson);
    content::Result<ClassConfiguration> configuration = startingPoint(parser, o, lesson, target);
    if (!configuration) {
        err << configuration.reason() << u"\n"_s;
        return Refused;
    }
    for (const Setting& setting : settingsFrom(parser, o, lesson))
        if (const content::Done applied = setting(*configuration); !applied) {
            err << applied.reason() << u"\n"_s;
            return Refused;
        }
    const QStringList problems = configurationProblems(*configuration, lesson);
    for (const QString& problem : problems)
        err << problem << u"\n"_s;
    if (!problems.isEmpty())
        return Refused;
    const QList<QCommandLineOption> classOptions = o.classSettings();
    const bool classSettingsSet = std::any_of(classOptions.begin(), classOptions.end(),
                                              [&](const QCommandLineOption& c) { return parser.isSet(c); });
    const QString settingsPath = classSettingsPathBeside(target, lesson.code);
    const content::Result<content::ClassSettings> settings =
        classSettingsSet ? classSettingsFor(parser, o, settingsPath) : content::ClassSettings{};
    if (!settings) {
        err << settings.reason() << u"\n"_s;
        return Refused;
    }
    if (parser.isSet(o.system))
        if (const content::Done made = makeSharedFolder(target); !made) {
            err << made.reason() << u"\n"_s;
            return Refused;
        }
    for (const QString& closed : closedParts(*configuration))
        err << u"Внимание: "_s << closed << u"\n"_s;
    content::Done saved = saveConfiguration(target, *configuration);
    if (saved && classSettingsSet)
        saved = saveClassSettings(settingsPath, *settings, lesson.code);
    if (saved && classSettingsSet && parser.isSet(o.system))
        saved = applySetupEntryRule(settings->binding);
    if (!saved) {
        err << saved.reason() << u"\n"_s;
        return Refused;
    }
    out << target << u"\n"_s;
    if (classSettingsSet)
        out << settingsPath << u"\n"_s;
    return Done;
}

}  // namespace

int runConfigTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Записва конфигурационния файл на урока за класа. Без опции записва файл, който отваря всичко.\n"
        u"Writes the lesson's class configuration file. Without options it writes a file that opens every "
        u"feature.\n\nПример / example: lesko_config --tasks 10 --listed 5 --limit 1-10=40:00 --off solutions"_s);
    parser.addOptions({o.show,   o.toIni,      o.fromIni, o.output, o.system,  o.fresh,   o.preset, o.tasks,
                       o.listed, o.difficulty, o.hint,    o.limit,  o.reading, o.on,      o.off,    o.version,
                       o.date,   o.askName,    o.binding, o.handIn, o.flags,   o.presets, o.help});
    if (!parser.parse(arguments)) {
        err << parser.errorText() << u"\n"_s;
        return Misused;
    }
    if (parser.isSet(o.help)) {
        out << parser.helpText();
        return Done;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << u"Непознат аргумент „"_s << parser.positionalArguments().constFirst() << u"“ (виж --help).\n"_s;
        return Misused;
    }
    if (parser.isSet(o.flags)) {
        printFlags(out);
        return Done;
    }
    if (parser.isSet(o.presets)) {
        out << presetTable();
        return Done;
    }
    if (parser.isSet(o.system) && parser.isSet(o.output)) {
        err << u"--system записва общия файл на компютъра и не се съчетава с -o.\n"_s;
        return Misused;
    }
    const LessonFacts lesson = readLessonFacts();
    const bool reading = parser.isSet(o.show) || parser.isSet(o.toIni);
    if (reading && parser.optionNames().size() > 1) {
        err << u"--show и --to-ini само извеждат файла и не се съчетават с други опции.\n"_s;
        return Misused;
    }
    if (reading)
        return printFile(parser.isSet(o.show) ? parser.value(o.show) : parser.value(o.toIni), lesson,
                         parser.isSet(o.toIni), out, err);
    if (parser.isSet(o.fromIni) && !parser.isSet(o.output) && !parser.isSet(o.system)) {
        err << u"--from-ini иска и -o ФАЙЛ (или --system).\n"_s;
        return Misused;
    }
    return writeFile(parser, o, lesson, out, err);
}

}  // namespace setup
