#pragma once

#include "content/class_settings.h"
#include "content/lesson.h"
#include "content/option_flags.h"
#include "forms/form.h"
#include "program/services.h"

#include <memory>
#include <vector>

class Lesko;
class Lesko_n;
class Lesko_Glos;
class Lesko_Zad;
class Lesko_Dis;
class Lesko_Gra;
class Cwiat;
class Lesko_Prow;
class Lesko_Izp;
class Lesko_Ime;
class GlossaryTables;
class TaskTexts;
namespace checker {
class CheckStore;
}

namespace results {
class AttemptLog;
}

namespace app {

// Told when a window comes into existence (before its Form_Load) and when it
// is discarded.
class ProgramObserver {
public:
    virtual ~ProgramObserver() = default;
    virtual void formLoaded(forms::Form& form) = 0;
    virtual void formUnloaded(forms::Form& form) = 0;
};

// Owns the windows. A window is created, hidden and with its design
// content, the first time anything touches it, and runs its Form_Load then.
// An unloaded window is discarded; the next touch creates it afresh.
class Program {
public:
    explicit Program(Services services, const content::Lesson& lesson = content::Lesson::embedded());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Lesko& lesko();
    Lesko_n& lesko_n();
    Lesko_Glos& lesko_Glos();
    Lesko_Zad& lesko_Zad();
    Lesko_Dis& lesko_Dis();
    Lesko_Gra& lesko_Gra();
    Cwiat& cwiat();
    Lesko_Prow& lesko_Prow();
    Lesko_Izp& lesko_Izp();
    Lesko_Ime& lesko_Ime();

    bool isLoaded(const QString& windowName) const;
    void unload(forms::Form& form);
    // Windows unloaded inside a handler are destroyed here, once no handler of
    // theirs can still be running; the view calls it after each event.
    void releaseUnloaded();

    // Starts the lesson: loads the main window (its Form_Load is the whole
    // start-up) and shows it.
    void start();
    // Ends the program at once; nothing runs after it.
    void end();
    bool ended() const { return ended_; }

    Services& services() { return services_; }
    const content::Lesson& lesson() const { return lesson_; }
    void setObserver(ProgramObserver* observer) { observer_ = observer; }

    // Data that belongs to no window and lives for the whole run: the option
    // flag list, the authors' texts, the hidden task and glossary tables, the
    // attempt log.
    forms::ListBox& optionFlagList() { return optionFlags_; }
    int Option_Flag(content::Option option) const;
    const QString& authorsText(int i) const;
    TaskTexts& taskTexts() { return *taskTexts_; }
    GlossaryTables& glossaryTables() { return *glossaryTables_; }
    // What the student did with each task of this run (src/results/).
    results::AttemptLog& attemptLog() { return *attemptLog_; }
    // The answer checker's settings.
    checker::CheckStore& checks() { return *checks_; }
    // The class settings read at start-up beside the configuration file.
    content::ClassSettings& classSettings() { return classSettings_; }

private:
    template <typename W>
    W& touch(std::unique_ptr<W>& slot);

    Services services_;
    const content::Lesson& lesson_;
    ProgramObserver* observer_ = nullptr;
    bool ended_ = false;

    forms::ListBox optionFlags_{QStringLiteral("Otgowori"), 2};
    std::array<forms::TextBox, 4> awtori_;
    forms::ControlSet unattached_;
    std::unique_ptr<TaskTexts> taskTexts_;
    std::unique_ptr<GlossaryTables> glossaryTables_;
    std::unique_ptr<results::AttemptLog> attemptLog_;
    std::unique_ptr<checker::CheckStore> checks_;
    content::ClassSettings classSettings_;

    std::unique_ptr<Lesko> lesko_;
    std::unique_ptr<Lesko_n> lesko_n_;
    std::unique_ptr<Lesko_Glos> lesko_Glos_;
    std::unique_ptr<Lesko_Zad> lesko_Zad_;
    std::unique_ptr<Lesko_Dis> lesko_Dis_;
    std::unique_ptr<Lesko_Gra> lesko_Gra_;
    std::unique_ptr<Cwiat> cwiat_;
    std::unique_ptr<Lesko_Prow> lesko_Prow_;
    std::unique_ptr<Lesko_Izp> lesko_Izp_;
    std::unique_ptr<Lesko_Ime> lesko_Ime_;
    std::vector<std::unique_ptr<forms::Form>> unloaded_;
};

}  // namespace app
