#pragma once

#include "forms/form.h"
#include "forms/picture.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace content {

// The lesson carried by the program: the design content of every window's
// lists, texts and pictures, read once from the embedded JSON files.
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
    // Loads the lesson from a folder holding <Window>.json and pictures/.
    explicit Lesson(const QString& folder);

    static const QStringList& windowNames();

    const Entry* find(const QString& window, const QString& name, int member) const;
    // Every container of a window, as "Name#member" keys.
    QStringList containers(const QString& window) const;

    const QStringList& answerFiles() const { return answerFiles_; }
    QList<Sample> samples(int task) const { return samples_.value(task); }
    // Problems met while loading (missing or malformed files); empty when sound.
    const QStringList& problems() const { return problems_; }

private:
    void loadWindow(const QString& folder, const QString& window);
    void loadCaptions(const QString& folder);

    QHash<QString, Entry> entries_;  // "Window/Name#member"
    QHash<QString, QStringList> containers_;
    QStringList answerFiles_;
    QHash<int, QList<Sample>> samples_;
    QStringList problems_;
    QHash<QString, QString> captions_;  // picture file name -> what it shows
};

// Gives every control of the set that the lesson has design content for that
// content: list items, text, picture.
void fillDesign(forms::ControlSet& set, const Lesson& lesson, const QString& window);

}  // namespace content
