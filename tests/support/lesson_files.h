#pragma once

#include "configuration/configuration.h"
#include "content/config_file.h"
#include "content/lesson.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace testing_support {

// Writes bytes to a file; true on success.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A configuration with every value 0: every option flag off, no task kept.
inline content::ConfigRecords allFlagsOff() { return {}; }

inline void setFlag(content::ConfigRecords& records, int flag, int value)
{
    records[0].Values[std::size_t(flag - 1)] = qint16(value);
}

using ConfigEdit = std::function<void(content::ConfigRecords&)>;

// Writes the configuration that opens the lesson's features (changed by
// adjust) into the working folder and starts the lesson.
inline void startOpenLesson(TestLesson& t, const ConfigEdit& adjust = {})
{
    content::ConfigRecords records = app::openLessonConfig(t.program());
    if (adjust)
        adjust(records);
    QVERIFY(writeFile(t.path(app::lessonCode(t.program()) + u".UFG"), content::serialiseConfig(records)));
    t.program().start();
}

// A copy of the embedded lesson with one window's JSON changed, for lessons
// the design data does not have (an empty plan, a missing text, ...).
class LessonVariant {
public:
    using Edit = std::function<void(QJsonObject& windowJson)>;
    LessonVariant(const QString& window, const Edit& edit)
    {
        QDir().mkpath(dir_.filePath(QStringLiteral("pictures")));
        for (const QString& name : content::Lesson::windowNames()) {
            QJsonObject json = QJsonDocument::fromJson(readFile(u":/lesson/"_s + name + u".json")).object();
            if (name == window)
                edit(json);
            writeFile(dir_.filePath(name + u".json"), QJsonDocument(json).toJson());
        }
        for (const QString& picture : QDir(u":/lesson/pictures"_s).entryList())
            QFile::copy(u":/lesson/pictures/"_s + picture, dir_.filePath(u"pictures/"_s + picture));
        lesson_ = std::make_unique<content::Lesson>(dir_.path());
    }
    const content::Lesson& lesson() const { return *lesson_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<content::Lesson> lesson_;
};

// Replaces member `member` of container `name` in group ("lists", "texts").
inline void setMember(QJsonObject& json, const QString& group, const QString& name, int member, const QJsonValue& value)
{
    QJsonObject g = json.value(group).toObject();
    QJsonObject c = g.value(name).toObject();
    c.insert(QString::number(member), value);
    g.insert(name, c);
    json.insert(group, g);
}

}  // namespace testing_support
