#pragma once

#include "program/services.h"
#include "results/class_results.h"

#include <QMainWindow>

class QApplication;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;
class QTimer;

namespace ui {

class SolvedChart;

// "Резултати на класа": the results of a folder of attempt logs as it fills,
// one row per student and one column per task, the cells coloured by how the
// student stands, the totals, the chart of who solved what, the files left
// out and, for the chosen cell, the saved answer. The logic is the core's
// (results::readClassResults); this window only shows it.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    ResultsWindow(const QString& folder, const QString& lesson, app::MessageService& messages,
                  QWidget* parent = nullptr);

    const results::ClassResults& results() const { return results_; }
    // Reads the folder again when anything in it changed (every two seconds
    // while the window is open, and at "Обнови").
    void refreshIfChanged();
    // What the menu's exports do once a file is chosen; a failure is shown in
    // the program's message box. True when the file was written.
    bool saveTable(const QString& path);
    bool savePdf(const QString& path);

    // How often the folder is looked at, in milliseconds.
    static constexpr int RefreshInterval = 2000;

private:
    void buildMenus();
    QWidget* buildContent();
    void reload();
    void fillTable();
    void showCell(int row, int column);
    void chooseTableFile();
    void choosePdfFile();
    void print();
    void reportFailure(const QString& reason);

    QString lesson_;
    app::MessageService& messages_;
    results::ClassResults results_;
    QStringList snapshot_;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    SolvedChart* chart_ = nullptr;
    QLabel* answerTitle_ = nullptr;
    QPlainTextEdit* answer_ = nullptr;
    QListWidget* skipped_ = nullptr;
    QTimer* refresh_ = nullptr;
};

// The folder the window reads when none is given: the hand-in folder the
// class settings of the working folder name, else the working folder.
QString defaultResultsFolder(const QString& lesson);

// Runs the window on the folder (the default when empty) until it is closed.
int runResults(QApplication& application, const QString& folder);

}  // namespace ui
