#pragma once

#include "setup/class_configuration.h"

#include <QList>
#include <QString>
#include <optional>

// Ready-made sets of the option flags for the usual ways a class uses the
// lesson. A preset sets every flag of content/option_flags.h and nothing else:
// tasks, times and the reading of the plan stay as they are.
namespace setup {

struct Preset {
    QString name;                // for the command line: "open", "lesson", "practice", "test"
    QString title;               // "Всичко отворено"
    QString purpose;             // one line on when to choose it
    QList<content::Option> off;  // the options it turns off; every other one is on
};

const QList<Preset>& presets();
// By name or title, letter case aside.
std::optional<Preset> presetNamed(QStringView name);

void applyPreset(ClassConfiguration& configuration, const Preset& preset);
// Whether the option flags are exactly the preset's.
bool matchesPreset(const ClassConfiguration& configuration, const Preset& preset);

// A plain-text table of what each preset opens: one row per option, one
// column per preset.
QString presetTable();

// What a configuration closes that a class would miss: the lesson's material,
// every task. One Bulgarian line each; empty when nothing of the kind.
QStringList closedParts(const ClassConfiguration& configuration);

}  // namespace setup
