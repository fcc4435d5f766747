#include "setup/ini_form.h"

#include "content/option_flags.h"
#include "setup/class_configuration.h"

#include <QHash>
#include <QList>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace setup {

namespace {

constexpr int CountSlot = content::ConfigSlots;  // the record's Count in a field's slot
constexpr int ReservedSlot = content::ConfigSlots + 1;

struct Field {
    QString section;
    QString key;
    int record;  // 0 to 5
    int slot;    // a value 0 to ConfigSlots - 1, CountSlot or ReservedSlot
};

QString flagKey(int number)
{
    for (const content::OptionFlag& f : content::optionFlags())
        if (f.number() == number)
            return f.name;
    return u"flag-"_s + QString::number(number);
}

// Every field of the file, in the order the text lists them.
const QList<Field>& fields()
{
    static const QList<Field> all = [] {
        QList<Field> f{{u"lesson"_s, u"tasks-kept"_s, 0, CountSlot},
                       {u"lesson"_s, u"tasks-listed"_s, 1, CountSlot},
                       {u"lesson"_s, u"version"_s, 2, CountSlot},
                       {u"lesson"_s, u"date"_s, 3, CountSlot}};
        for (int n = 1; n <= content::ConfigSlots; ++n)
            f.append({u"flags"_s, flagKey(n), 0, n - 1});
        for (int k = 1; k <= content::ConfigSlots; ++k) {
            const QString section = u"task-"_s + QString::number(k);
            f.append({section, u"difficulty"_s, 1, k - 1});
            f.append({section, u"hint"_s, 2, k - 1});
            f.append({section, u"limit"_s, 3, k - 1});
        }
        for (int p = 1; p <= content::ConfigSlots; ++p)
            f.append({u"reading"_s, u"point-"_s + QString::number(p), 4, p - 1});
        f.append({u"unused"_s, u"record-5-count"_s, 4, CountSlot});
        for (int i = 1; i <= content::ConfigSlots; ++i)
            f.append({u"unused"_s, u"record-6-value-"_s + QString::number(i), 5, i - 1});
        f.append({u"unused"_s, u"record-6-count"_s, 5, CountSlot});
        for (int r = 1; r <= 6; ++r)
            f.append({u"reserved"_s, u"record-"_s + QString::number(r), r - 1, ReservedSlot});
        return f;
    }();
    return all;
}

QString fieldText(const content::ConfigRecords& records, const Field& f)
{
    const content::ConfigRecord& r = records[std::size_t(f.record)];
    if (f.slot == ReservedSlot)
        return QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(r.Reserved.data()), qsizetype(r.Reserved.size())).toHex());
    return QString::number(f.slot == CountSlot ? r.Count : r.Values[std::size_t(f.slot)]);
}

// Sets the field from its text; the reason when the text does not fit it.
content::Done setField(content::ConfigRecords& records, const Field& f, const QString& text)
{
    content::ConfigRecord& r = records[std::size_t(f.record)];
    if (f.slot == ReservedSlot) {
        const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
        if (text.size() != 32 || bytes.toHex() != text.toLatin1().toLower())
            return content::Done::failure(u"очакват се 32 шестнадесетични цифри"_s);
        std::copy(bytes.begin(), bytes.end(), r.Reserved.begin());
        return {};
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    const bool wide = f.slot == CountSlot;
    const qlonglong low = wide ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint16>::min();
    const qlonglong high = wide ? std::numeric_limits<qint32>::max() : std::numeric_limits<qint16>::max();
    if (!ok || value < low || value > high)
        return content::Done::failure(u"очаква се цяло число от "_s + QString::number(low) + u" до "_s +
                                      QString::number(high));
    if (wide)
        r.Count = qint32(value);
    else
        r.Values[std::size_t(f.slot)] = qint16(value);
    return {};
}

}  // namespace

QString toIni(const content::ConfigRecords& records)
{
    QString text =
        u"; Конфигурационен файл на урока като текст (lesko_config --from-ini връща файла).\n"_s
        u"; Времената са в секунди, версията в стотни, флаговете 1 = включен.\n"_s;
    QString section;
    for (const Field& f : fields()) {
        if (f.section != section) {
            section = f.section;
            text += u"\n["_s + section + u"]\n"_s;
        }
        text += f.key + u" = "_s + fieldText(records, f) + u"\n"_s;
    }
    return text;
}

content::Result<content::ConfigRecords> fromIni(const QString& text)
{
    const auto refused = [](const QString& why) { return content::Result<content::ConfigRecords>::failure(why); };
    QHash<QString, const Field*> byName;
    for (const Field& f : fields())
        byName.insert(f.section + u'/' + f.key, &f);
    QHash<const Field*, int> givenOn;  // the line each field was given on
    content::ConfigRecords records;
    QString section;
    int lastLine = 1;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const QString where = u"Ред "_s + QString::number(i + 1) + u": "_s;
        if (!line.isEmpty())
            lastLine = i + 1;
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            return refused(where + u"очаква се „име = стойност“ или „[раздел]“."_s);
        const QString key = line.left(eq).trimmed();
        const Field* field = byName.value(section + u'/' + key);
        if (!field)
            return refused(where + u"непознато име „"_s + key + u"“ в раздел ["_s + section + u"]."_s);
        if (givenOn.contains(field))
            return refused(where + u"„"_s + key + u"“ в раздел ["_s + section + u"] вече е зададено на ред "_s +
                           QString::number(givenOn.value(field)) + u"."_s);
        givenOn.insert(field, i + 1);
        if (const content::Done set = setField(records, *field, line.mid(eq + 1).trimmed()); !set)
            return refused(where + key + u": "_s + set.reason() + u"."_s);
    }
    for (const Field& f : fields())
        if (!givenOn.contains(&f))
            return refused(u"Ред "_s + QString::number(lastLine) + u": текстът свършва, а липсва „"_s + f.key +
                           u"“ в раздел ["_s + f.section +
                           u"]; текстът е непълен или не е от lesko_config --to-ini."_s);
    return records;
}

}  // namespace setup
