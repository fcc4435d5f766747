#pragma once

#include "content/result.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace content {

// A task's tests are kept in the layout of a problem package (version 2025-09
// of the format): problem.yaml with the time limit, data/sample/ and
// data/secret/ with NAME.in, NAME.ans and an optional NAME.yaml holding the
// test's hint. docs/task-tests.md describes the layout.

// One test of a task. The name is the format's: the path under data/ without
// the extension ("sample/01", "secret/07").
struct TaskTest {
    QString name;
    QString input;
    QString answer;
    QString hint;  // shown when the test fails; empty when it has none
    bool sample = false;
};

// Where a test's files are, before they are read.
struct TestFiles {
    QString name;
    QString inputPath;
    QString answerPath;
    QString hint;
    bool sample = false;
};

// A task's package folder as scanned: its tests in order (samples first, then
// secret tests, each in name order), its time limit and what is wrong with it.
struct TaskPackage {
    QList<TestFiles> tests;
    int timeLimitMs = 0;  // 0 when problem.yaml gives none
    QStringList problems;
};

// Scans the folder: lists the tests, reads problem.yaml and the tests' hints.
// The inputs and answers are read later, by readTests.
// A folder of a teacher's own tests may do without problem.yaml.
enum class PackageFile { Required, Optional };
TaskPackage scanTaskPackage(const QString& folder, PackageFile problemYaml = PackageFile::Required);
// Reads every test's input and answer; the reason names a file that cannot be read.
Result<QList<TaskTest>> readTests(const QList<TestFiles>& tests);

// The part of YAML these files use: "key: value" lines, a key with nothing
// after the colon opening a block indented below it, plain and double-quoted
// scalars, "#" comments. Nested keys are joined with dots ("limits.time_limit");
// a flow sequence ("[cpp]") is kept as written.
Result<QHash<QString, QString>> readPackageYaml(const QByteArray& text);

}  // namespace content
