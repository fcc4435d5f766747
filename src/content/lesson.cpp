#include "content/lesson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace content {

namespace {

QString entryKey(const QString& window, const QString& name, int member)
{
    return window + u'/' + name + u'#' + QString::number(member);
}

QString textOf(const QJsonValue& v)
{
    if (!v.isArray())
        return v.toString();
    QStringList lines;
    for (const QJsonValue& line : v.toArray())
        lines << line.toString();
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace

const QStringList& Lesson::windowNames()
{
    static const QStringList names{QStringLiteral("Lesko"),      QStringLiteral("Lesko_Dis"),
                                   QStringLiteral("Lesko_Glos"), QStringLiteral("Lesko_Zad"),
                                   QStringLiteral("Lesko_n"),    QStringLiteral("Lesko_Gra"),
                                   QStringLiteral("Cwiat")};
    return names;
}

const Lesson& Lesson::embedded()
{
    static const Lesson lesson(QStringLiteral(":/lesson"));
    return lesson;
}

Lesson::Lesson(const QString& folder) : folder_(folder)
{
    loadCaptions(folder);
    for (const QString& window : windowNames())
        loadWindow(folder, window);
}

// tasks/NN/: the tests of task NN. Only the names, hints and limits are read
// here; the inputs and answers when a check asks for them.
const QHash<int, TaskPackage>& Lesson::tasks() const
{
    std::call_once(tasksScanned_, [this] {
        static const QRegularExpression taskFolder(QStringLiteral("^[0-9][0-9]$"));
        const QDir tasks(folder_ + u"/tasks");
        for (const QString& name : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (!taskFolder.match(name).hasMatch())
                continue;
            TaskPackage package = scanTaskPackage(tasks.filePath(name));
            taskProblems_ << package.problems;
            tasks_.insert(name.toInt(), std::move(package));
        }
    });
    return tasks_;
}

QStringList Lesson::problems() const
{
    tasks();
    return problems_ + taskProblems_;
}

// pictures/captions.json, written by pictures/generate.py: what each picture
// shows. A lesson without it has pictures without captions.
void Lesson::loadCaptions(const QString& folder)
{
    QFile file(folder + u"/pictures/captions.json");
    if (!file.open(QIODevice::ReadOnly))
        return;
    QJsonParseError error{};
    const QJsonObject captions = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error) {
        problems_ << file.fileName() + u": " + error.errorString();
        return;
    }
    for (auto c = captions.begin(); c != captions.end(); ++c)
        captions_.insert(c.key(), c.value().toString());
}

void Lesson::loadWindow(const QString& folder, const QString& window)
{
    QFile file(folder + u'/' + window + u".json");
    if (!file.open(QIODevice::ReadOnly)) {
        problems_ << file.fileName() + u": cannot be read";
        return;
    }
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error != QJsonParseError::NoError || root.value(u"window").toString() != window) {
        problems_ << file.fileName() + u": " +
                         (error.error ? error.errorString() : QStringLiteral("wrong window name"));
        return;
    }
    const auto readGroup = [&](const QString& group, Type type) {
        const QJsonObject containers = root.value(group).toObject();
        for (auto c = containers.begin(); c != containers.end(); ++c) {
            const QJsonObject members = c.value().toObject();
            for (auto m = members.begin(); m != members.end(); ++m) {
                Entry e;
                e.type = type;
                if (type == Type::List)
                    for (const QJsonValue& item : m.value().toArray())
                        e.items << item.toString();
                else if (type == Type::Text)
                    e.text = textOf(m.value());
                else
                    e.picture = forms::Picture::fromFile(folder + u"/pictures/" + m.value().toString(),
                                                         captions_.value(m.value().toString()));
                const int member = m.key().toInt();
                entries_.insert(entryKey(window, c.key(), member), e);
                containers_[window] << c.key() + u'#' + QString::number(member);
            }
        }
    };
    readGroup(QStringLiteral("lists"), Type::List);
    readGroup(QStringLiteral("texts"), Type::Text);
    readGroup(QStringLiteral("pictures"), Type::Picture);

    if (window == u"Lesko")
        for (const QJsonValue& name : root.value(u"answerFiles").toArray())
            answerFiles_ << name.toString();
}

QList<TaskTest> Lesson::tests(int task) const
{
    const Result<QList<TaskTest>> read = readTests(tasks().value(task).tests);
    return read ? read.value() : QList<TaskTest>();
}

QList<Lesson::Sample> Lesson::samples(int task) const
{
    QList<TestFiles> sampleFiles;
    for (const TestFiles& files : tasks().value(task).tests)
        if (files.sample)
            sampleFiles << files;
    QList<Sample> samples;
    if (const Result<QList<TaskTest>> read = readTests(sampleFiles))
        for (const TaskTest& test : read.value())
            samples.append({test.input, test.answer});
    return samples;
}

const Lesson::Entry* Lesson::find(const QString& window, const QString& name, int member) const
{
    const auto it = entries_.constFind(entryKey(window, name, member));
    return it == entries_.cend() ? nullptr : &*it;
}

QStringList Lesson::containers(const QString& window) const { return containers_.value(window); }

void fillDesign(forms::ControlSet& set, const Lesson& lesson, const QString& window)
{
    for (forms::Control* c : set.controls()) {
        const Lesson::Entry* e = lesson.find(window, c->name(), c->index() < 0 ? 0 : c->index());
        if (!e)
            continue;
        if (auto* list = dynamic_cast<forms::ListBox*>(c); list && e->type == Lesson::Type::List)
            list->setItems(e->items);
        else if (auto* text = dynamic_cast<forms::TextBox*>(c); text && e->type == Lesson::Type::Text)
            text->setText(e->text);
        else if (auto* pic = dynamic_cast<forms::PictureBox*>(c); pic && e->type == Lesson::Type::Picture)
            pic->setPicture(e->picture);
    }
}

}  // namespace content
