#include "ui/results/results_window.h"

#include "configuration/configuration_source.h"

#include "configuration/configuration.h"
#include "content/class_settings.h"
#include "files/text_file.h"
#include "program/messages.h"
#include "results/results_report.h"
#include "ui/lesson_application.h"
#include "ui/qt_services.h"
#include "ui/results/solved_chart.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// The columns after the tasks'.
const QStringList TotalTitles{u"Решени"_s, u"Упътвания"_s, u"Решения на автора"_s, u"Време (мин)"_s, u"Компютър"_s};
constexpr int FirstTaskColumn = 2;

// A titled part of the window; the title is named after the content.
QWidget* titled(const QString& title, QLabel** label, QWidget* content)
{
    auto* box = new QWidget;
    box->setObjectName(content->objectName() + u"Box"_s);
    box->setAccessibleName(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(title);
    heading->setObjectName(content->objectName() + u"Title"_s);
    heading->setBuddy(content);
    layout->addWidget(heading);
    layout->addWidget(content);
    if (label)
        *label = heading;
    return box;
}

QTableWidgetItem* item(const QString& text, const QString& spoken = {})
{
    auto* i = new QTableWidgetItem(text);
    i->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (!spoken.isEmpty())
        i->setData(Qt::AccessibleTextRole, spoken);
    return i;
}

QString standingWords(results::Standing standing)
{
    switch (standing) {
        case results::Standing::Solved:
            return u"решена"_s;
        case results::Standing::SomePassed:
            return u"част от тестовете"_s;
        case results::Standing::NonePassed:
            return u"нито един тест"_s;
        case results::Standing::Unchecked:
            return u"отворена, без проверка"_s;
        case results::Standing::NotOpened:
            break;
    }
    return u"не е отворена"_s;
}

QAction* namedAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& keys)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(keys);
    return action;
}

}  // namespace

ResultsWindow::ResultsWindow(const QString& folder, const QString& lesson, app::MessageService& messages,
                             QWidget* parent)
    : QMainWindow(parent), lesson_(lesson), messages_(messages)
{
    setObjectName(u"ResultsWindow"_s);
    setWindowTitle(u"Резултати на класа — "_s + QDir::toNativeSeparators(QDir(folder).absolutePath()));
    setAccessibleName(u"Резултати на класа"_s);
    results_.folder = folder;
    buildMenus();
    setCentralWidget(buildContent());
    refresh_ = new QTimer(this);
    refresh_->setObjectName(u"refreshTimer"_s);
    refresh_->setInterval(RefreshInterval);
    connect(refresh_, &QTimer::timeout, this, &ResultsWindow::refreshIfChanged);
    refresh_->start();
    reload();
    resize(1100, 760);
}

void ResultsWindow::buildMenus()
{
    menuBar()->setObjectName(u"menuBar"_s);
    menuBar()->setAccessibleName(u"Меню"_s);
    QMenu* file = menuBar()->addMenu(u"Файл"_s);
    file->setObjectName(u"fileMenu"_s);
    file->setAccessibleName(u"Файл"_s);
    connect(namedAction(file, u"saveTableAction"_s, u"Запис на таблицата (CSV)…"_s, QKeySequence::Save),
            &QAction::triggered, this, &ResultsWindow::chooseTableFile);
    connect(namedAction(file, u"savePdfAction"_s, u"Запис като PDF…"_s, QKeySequence()), &QAction::triggered, this,
            &ResultsWindow::choosePdfFile);
    connect(namedAction(file, u"printAction"_s, u"Печат…"_s, QKeySequence::Print), &QAction::triggered, this,
            &ResultsWindow::print);
    file->addSeparator();
    connect(namedAction(file, u"refreshAction"_s, u"Обнови"_s, QKeySequence(Qt::Key_F5)), &QAction::triggered, this,
            &ResultsWindow::reload);
    connect(namedAction(file, u"closeAction"_s, u"Затваряне"_s, QKeySequence(u"Ctrl+W"_s)), &QAction::triggered, this,
            &QWidget::close);
}

QWidget* ResultsWindow::buildContent()
{
    status_ = new QLabel;
    status_->setObjectName(u"statusLine"_s);
    status_->setAccessibleName(u"Папка и прочетени дневници"_s);
    status_->setWordWrap(true);
    table_ = new QTableWidget;
    table_->setObjectName(u"resultsTable"_s);
    table_->setAccessibleName(u"Резултати по ученици и задачи"_s);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int column) { showCell(row, column); });
    chart_ = new SolvedChart;
    answer_ = new QPlainTextEdit;
    answer_->setObjectName(u"answerView"_s);
    answer_->setAccessibleName(u"Запазен отговор"_s);
    answer_->setReadOnly(true);
    answer_->setFont(QFont(u"Courier New"_s, 10));
    skipped_ = new QListWidget;
    skipped_->setObjectName(u"skippedFiles"_s);
    skipped_->setAccessibleName(u"Пропуснати файлове"_s);

    auto* bottom = new QSplitter(Qt::Horizontal);
    bottom->setObjectName(u"detailSplitter"_s);
    bottom->addWidget(titled(u"Запазен отговор"_s, &answerTitle_, answer_));
    bottom->addWidget(titled(u"Пропуснати файлове"_s, nullptr, skipped_));
    bottom->setStretchFactor(0, 3);
    bottom->setStretchFactor(1, 2);
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(u"resultsSplitter"_s);
    split->addWidget(table_);
    split->addWidget(chart_);
    split->addWidget(bottom);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 2);

    auto* content = new QWidget;
    content->setObjectName(u"resultsContent"_s);
    content->setAccessibleName(u"Резултати на класа"_s);
    split->setAccessibleName(u"Таблица, диаграма и подробности"_s);
    bottom->setAccessibleName(u"Запазен отговор и пропуснати файлове"_s);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(status_);
    layout->addWidget(split, 1);
    return content;
}

void ResultsWindow::refreshIfChanged()
{
    if (results::folderSnapshot(results_.folder) != snapshot_)
        reload();
}

void ResultsWindow::reload()
{
    snapshot_ = results::folderSnapshot(results_.folder);
    results_ = results::readClassResults(results_.folder, lesson_);
    const QString folder = QDir::toNativeSeparators(QDir(results_.folder).absolutePath());
    status_->setText(results_.problem.isEmpty()
                         ? u"Папка: "_s + folder + u" · "_s + results::summaryCounts(results_.summary) +
                               u" · обновено в "_s + QTime::currentTime().toString(u"HH:mm:ss"_s)
                         : results_.problem);
    skipped_->clear();
    skipped_->addItems(results_.summary.skipped);
    fillTable();
    chart_->setResults(&results_);
}

void ResultsWindow::fillTable()
{
    const int keptRow = table_->currentRow(), keptColumn = table_->currentColumn();
    QStringList titles{u"Ученик"_s, u"Клас"_s};
    for (int k = 1; k <= results_.taskCount; ++k)
        titles << u"Задача "_s + QString::number(k);
    titles << TotalTitles;
    table_->clear();
    table_->setColumnCount(int(titles.size()));
    table_->setRowCount(int(results_.students.size()));
    table_->setHorizontalHeaderLabels(titles);
    for (int s = 0; s < results_.students.size(); ++s) {
        const results::StudentResults& student = results_.students.at(s);
        table_->setItem(s, 0, item(student.name));
        table_->setItem(s, 1, item(student.className));
        for (int k = 1; k <= results_.taskCount; ++k) {
            const results::ResultCell cell = results_.cell(s, k);
            QTableWidgetItem* i = item(cell.text, u"Задача "_s + QString::number(k) + u": "_s +
                                                      (cell.text.isEmpty() ? QString() : cell.text + u", "_s) +
                                                      standingWords(cell.standing));
            i->setBackground(results::standingColour(cell.standing));
            i->setForeground(Qt::black);
            i->setTextAlignment(Qt::AlignCenter);
            i->setToolTip(standingWords(cell.standing));
            table_->setItem(s, FirstTaskColumn + k - 1, i);
        }
        const int totals = FirstTaskColumn + results_.taskCount;
        table_->setItem(s, totals, item(QString::number(student.solved)));
        table_->setItem(s, totals + 1, item(QString::number(student.hints)));
        table_->setItem(s, totals + 2, item(QString::number(student.solutions)));
        table_->setItem(s, totals + 3, item(QString::number((student.seconds + 30) / 60)));
        table_->setItem(s, totals + 4, item(student.hosts.join(u", "_s)));
    }
    table_->resizeColumnsToContents();
    // A screen reader needs a current cell as soon as the table is shown: the
    // one chosen before, else the first student's first task.
    if (table_->rowCount() > 0)
        table_->setCurrentCell(std::clamp(keptRow, 0, table_->rowCount() - 1),
                               keptColumn >= 0 ? std::min(keptColumn, table_->columnCount() - 1)
                                               : std::min(FirstTaskColumn, table_->columnCount() - 1));
    else
        showCell(-1, -1);
}

void ResultsWindow::showCell(int row, int column)
{
    const int task = column - FirstTaskColumn + 1;
    if (row < 0 || row >= results_.students.size() || task < 1 || task > results_.taskCount) {
        answerTitle_->setText(u"Запазен отговор (изберете клетка на задача)"_s);
        answer_->clear();
        return;
    }
    const QString who = results_.students.at(row).name;
    const QString path = results::savedAnswerPath(results_, row, task);
    if (path.isEmpty()) {
        answerTitle_->setText(u"Запазен отговор: "_s + who + u", задача "_s + QString::number(task));
        answer_->setPlainText(u"В папката няма запазен отговор на тази задача."_s);
        return;
    }
    answerTitle_->setText(u"Запазен отговор: "_s + who + u", задача "_s + QString::number(task) + u" ("_s +
                          QFileInfo(path).fileName() + u')');
    const content::Result<QString> text = results::savedAnswerText(path);
    answer_->setPlainText(text ? QString(*text).replace(u"\r\n"_s, u"\n"_s) : text.reason());
}

bool ResultsWindow::saveTable(const QString& path)
{
    const content::Done saved = results::saveSummaryTable(results_, path);
    if (!saved)
        reportFailure(saved.reason());
    return saved.ok();
}

bool ResultsWindow::savePdf(const QString& path)
{
    const content::Done saved = results::saveReportPdf(results_, path);
    if (!saved)
        reportFailure(saved.reason());
    return saved.ok();
}

void ResultsWindow::reportFailure(const QString& reason)
{
    app::showMessage(messages_, app::mainWindowMessage(app::message_code::ResultsNotSaved, reason));
}

void ResultsWindow::chooseTableFile()
{
    const QString path =
        QFileDialog::getSaveFileName(this, u"Запис на таблицата"_s, QDir(results_.folder).filePath(u"klas.csv"_s),
                                     u"Таблици (*.csv)"_s, nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        saveTable(path);
}

void ResultsWindow::choosePdfFile()
{
    const QString path =
        QFileDialog::getSaveFileName(this, u"Запис като PDF"_s, QDir(results_.folder).filePath(u"klas.pdf"_s),
                                     u"PDF (*.pdf)"_s, nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        savePdf(path);
}

void ResultsWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(u"Резултати на класа"_s);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"printDialog"_s);
    if (dialog.exec() == QDialog::Accepted)
        results::paintReport(printer, results_);
}

QString defaultResultsFolder(const QString& lesson)
{
    // The class settings the lesson itself would read: the working folder's,
    // or the computer's shared ones.
    const app::ConfigurationSource source = app::findConfiguration(lesson, app::sharedConfigurationFolders());
    if (!source.classSettings.handInFolder.isEmpty())
        return QDir::current().absoluteFilePath(source.classSettings.handInFolder);
    return QDir::currentPath();
}

int runResults(QApplication& application, const QString& folder)
{
    QTranslator translator;
    installBulgarian(application, translator);
    QApplication::setQuitOnLastWindowClosed(true);
    const QString lesson = app::designLessonCode(content::Lesson::embedded());
    QtMessages messages;
    ResultsWindow window(folder.isEmpty() ? defaultResultsFolder(lesson) : folder, lesson, messages);
    window.show();
    return QApplication::exec();
}

}  // namespace ui
