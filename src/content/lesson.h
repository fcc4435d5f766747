#pragma once

#include "content/task_package.h"
#include "forms/form.h"
#include "forms/picture.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <mutex>

namespace content {

// The most tasks the workbench lists: one answer item each in its store.
constexpr int MaxListedTasks = 97;

// The lesson carried by the program: the design content of every window's
// lists, texts and pictures, read once from the embedded JSON files, and the
// tests of its tasks (tasks/NN/, in the problem package layout).
class Lesson {
public:
    enum class Type { List, Text, Picture };
    struct Entry {
        Type type = Type::List;
        QStringList items;
        QString text;
        forms::Picture picture;
    };
    struct Sample {
        QString input;
        QString output;
    };

    // The lesson embedded in the program, loaded on first use.
    static const Lesson& embedded();
    // Loads the lesson from a folder holding <Window>.json, pictures/ and tasks/.
    explicit Lesson(const QString& folder);

    static const QStringList& windowNames();

    const Entry* find(const QString& window, const QString& name, int member) const;
    // Every container of a window, as "Name#member" keys.
    QStringList containers(const QString& window) const;

    const QStringList& answerFiles() const { return answerFiles_; }
    // Every test of the task: samples first, then secret tests, each in name
    // order. The inputs and answers are read from the lesson at each call.
    QList<TaskTest> tests(int task) const;
    // How many tests the task has, without reading them.
    int testCount(int task) const { return int(tasks().value(task).tests.size()); }
    // The sample tests only.
    QList<Sample> samples(int task) const;
    // The task's time limit (CPU), from its problem.yaml; 0 when it has none.
    int timeLimitMs(int task) const { return tasks().value(task).timeLimitMs; }
    // The folder the lesson was loaded from (":/lesson" for the embedded one).
    const QString& folder() const { return folder_; }
    // Problems met while loading (missing or malformed files, the tasks'
    // packages included); empty when sound.
    QStringList problems() const;

private:
    void loadWindow(const QString& folder, const QString& window);
    void loadCaptions(const QString& folder);
    // The tasks' packages, scanned when first asked for: start-up need not wait for them.
    const QHash<int, TaskPackage>& tasks() const;

    QHash<QString, Entry> entries_;  // "Window/Name#member"
    QHash<QString, QStringList> containers_;
    QStringList answerFiles_;
    QString folder_;
    mutable std::once_flag tasksScanned_;
    mutable QHash<int, TaskPackage> tasks_;  // by task number
    mutable QStringList taskProblems_;
    QStringList problems_;
    QHash<QString, QString> captions_;  // picture file name -> what it shows
};

// Gives every control of the set that the lesson has design content for that
// content: list items, text, picture.
void fillDesign(forms::ControlSet& set, const Lesson& lesson, const QString& window);

}  // namespace content
