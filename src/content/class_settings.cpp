#include "content/class_settings.h"

#include <QStringDecoder>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace content {

namespace {

const QString Section = u"class"_s;
const QString AskNameKey = u"ask-name"_s;
const QString BindingKey = u"binding"_s;
const QString HandInKey = u"hand-in-folder"_s;

std::optional<bool> yesNo(const QString& text)
{
    const QString t = text.toLower();
    if (t == u"yes" || t == u"да" || t == u"true" || t == u"1")
        return true;
    if (t == u"no" || t == u"не" || t == u"false" || t == u"0")
        return false;
    return std::nullopt;
}

QString yesNoText(bool on) { return on ? u"yes"_s : u"no"_s; }

Result<ClassSettings> refused(int line, const QString& why)
{
    return Result<ClassSettings>::failure(u"Ред "_s + QString::number(line) + u": "_s + why);
}

}  // namespace

QString classSettingsFileName(const QString& lessonCode) { return lessonCode + u"_klas.ini"_s; }

Result<ClassSettings> parseClassSettings(const QByteArray& bytes)
{
    if (bytes.size() > MaxClassSettingsBytes)
        return Result<ClassSettings>::failure(u"файлът е по-дълъг от "_s + QString::number(MaxClassSettingsBytes) +
                                              u" байта и не е файл с настройки на класа."_s);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return Result<ClassSettings>::failure(u"файлът не е текст в UTF-8."_s);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    ClassSettings settings;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section != Section)
                return refused(number, u"непознат раздел ["_s + section + u"]; очаква се [class]."_s);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            return refused(number, u"очаква се „име = стойност“ или „[раздел]“."_s);
        if (section != Section)
            return refused(number, u"стойност извън раздела [class]."_s);
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == HandInKey) {
            settings.handInFolder = value;
            continue;
        }
        const std::optional<bool> on = yesNo(value);
        if (key != AskNameKey && key != BindingKey)
            return refused(number, u"непознато име „"_s + key + u"“."_s);
        if (!on)
            return refused(number, key + u": очаква се yes или no."_s);
        (key == AskNameKey ? settings.askStudentName : settings.binding) = *on;
    }
    return settings;
}

QByteArray serialiseClassSettings(const ClassSettings& settings, const QString& lessonCode)
{
    const QString text = u"; Настройки на класа за урока "_s + lessonCode +
                         u" (пишат ги „Настройка на урока“ и lesko_config).\n"_s
                         u"; ask-name: урокът пита за име и клас; binding: само в общия файл на компютъра,\n"_s
                         u"; файлът в работната папка не се чете; hand-in-folder: папка за предаване.\n"_s
                         u"[class]\n"_s +
                         AskNameKey + u" = "_s + yesNoText(settings.askStudentName) + u"\n"_s + BindingKey + u" = "_s +
                         yesNoText(settings.binding) + u"\n"_s + HandInKey + u" = "_s + settings.handInFolder + u"\n"_s;
    return text.toUtf8();
}

}  // namespace content
