#pragma once

#include "configuration/lesson_facts.h"
#include "content/class_settings.h"
#include "setup/class_configuration.h"

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

// The pages of the setup window. Each shows part of one configuration, writes
// the user's edits into it and says so with changed(); refresh() shows the
// configuration again after any change.
namespace ui::setup_pages {

class Page : public QWidget {
    Q_OBJECT
public:
    Page(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
        : configuration_(configuration), lesson_(lesson)
    {
    }
    virtual void refresh() = 0;

signals:
    void changed();
    // A value that was refused as typed, with the reason.
    void refused(const QString& reason);

protected:
    ::setup::ClassConfiguration& configuration_;
    const ::setup::LessonFacts& lesson_;
};

// "Шаблони": what each preset opens, and a button that applies it.
class PresetsPage : public Page {
    Q_OBJECT
public:
    PresetsPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;

private:
    QTableWidget* table_;
    QLabel* matching_;
};

// "Задачи": kept and listed tasks, difficulty, hint and time limit per task,
// and the time the student really gets and when the hint comes.
class TasksPage : public Page {
    Q_OBJECT
public:
    TasksPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;
    QTableWidget* table() const { return table_; }
    enum Column { Title, Kept, Listed, Difficulty, Hint, Limit, StudentTime, HintShown };

private:
    QWidget* countsRow();
    QWidget* applyRow();
    void cellEdited(QTableWidgetItem* item);
    void keepTasks(int tasks);
    void applyToSelected();
    bool setTime(int task, Column column, const QString& text);
    bool setDifficulty(int task, const QString& text);
    // Says why a value typed for the task was refused; false.
    bool refusedFor(int task, const QString& reason);

    QSpinBox* kept_;
    QSpinBox* listed_;
    QTableWidget* table_;
    QSpinBox* applyDifficulty_;
    QLineEdit* applyHint_;
    QLineEdit* applyLimit_;
};

// "Четене": the reading-time factor of each plan point and the time it gives.
class ReadingPage : public Page {
    Q_OBJECT
public:
    ReadingPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;
    QTableWidget* table() const { return table_; }

private:
    enum Column { Point, Characters, Factor, Time };
    void cellEdited(QTableWidgetItem* item);

    QTableWidget* table_;
    QLabel* total_;
};

// "Опции": one check box per option flag that has an effect.
class OptionsPage : public Page {
    Q_OBJECT
public:
    OptionsPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;

private:
    QList<QCheckBox*> boxes_;
};

// "Клас": the class settings beside the configuration file: the student's
// name, the hand-in folder and, in the computer's shared file, the binding mark.
class ClassPage : public Page {
    Q_OBJECT
public:
    ClassPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson,
              content::ClassSettings& settings, bool shared);
    void refresh() override;

private:
    content::ClassSettings& settings_;
    QCheckBox* askName_;
    QLineEdit* handIn_;
    QCheckBox* binding_;
};

// "Версия": the version and release date of the lesson's caption.
class VersionPage : public Page {
    Q_OBJECT
public:
    VersionPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;

private:
    QDoubleSpinBox* version_;
    QDateEdit* date_;
    QLabel* caption_;
};

// "Преглед": the summary of what the class gets.
class SummaryPage : public Page {
    Q_OBJECT
public:
    SummaryPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson);
    void refresh() override;

private:
    QPlainTextEdit* text_;
};

}  // namespace ui::setup_pages
