#pragma once

#include <QList>
#include <QString>
#include <optional>

// The lesson's option flags that change something for the student, each with
// a readable name (for the command line and the text form) and a one-line
// explanation. Flags not listed here have no effect; they are kept as the
// file has them.
namespace setup {

struct OptionFlag {
    int number;           // 1 to 40
    QString name;         // "plan-access"
    QString explanation;  // what the student gets when the flag is on
};

const QList<OptionFlag>& optionFlags();
std::optional<OptionFlag> optionFlagNamed(QStringView name);

}  // namespace setup
