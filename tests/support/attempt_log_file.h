#pragma once

#include "results/csv.h"
#include "support/expected_files.h"
#include "support/lesson_files.h"

namespace testing_support {

// The rows of the attempt log in the folder, its column titles first; one row
// naming the problem when the file does not read.
inline results::csv::Rows attemptLogRows(const QString& folder)
{
    const content::Result<results::csv::Rows> rows =
        results::csv::parse(readFile(QDir(folder).filePath(attemptLogName())));
    return rows.value_or(results::csv::Rows{{u"unreadable: "_s + rows.reason()}});
}

// Columns of the log the tests look at.
namespace log_column {
constexpr int Task = 3;
constexpr int TimeLimit = 5;
constexpr int TimeUsed = 6;
constexpr int Hint = 7;
constexpr int Solution = 9;
constexpr int Saved = 15;
constexpr int SavedFile = 16;
constexpr int AnswerLength = 17;
}  // namespace log_column

}  // namespace testing_support
