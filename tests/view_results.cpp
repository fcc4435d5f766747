// The teacher's results window on real widgets (the table, the chart, the
// answer of a chosen cell, the exports, the refresh as the folder fills) and
// the student's name box in the lesson's own view.
#include "aux_windows/lesko_ime.h"
#include "content/class_settings.h"
#include "content/codepage.h"
#include "program/recording.h"
#include "results/results_report.h"
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"
#include "ui/results/results_window.h"
#include "ui/results/solved_chart.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace testing_support;

namespace {

// Asen solved task 1 with the hint and passed 3 of 6 tests of task 2; Yana
// opened task 1 and saw its solution. Asen's answer to task 1 was handed in.
class ClassFolder {
public:
    ClassFolder()
    {
        addRun(u"pc-1"_s, {u"Асен Белев"_s, u"8 а"_s}, 0, [](results::AttemptLog& log) {
            log.taskOpened(1, 1, 20);
            log.hintShown(1);
            log.recordCheck(1, 6, 6, u"Верен"_s);
            log.solutionFileSaved(1, u"FUNKR_01.TXT"_s);
            log.taskOpened(2, 1, 30);
            log.recordCheck(2, 3, 6, u"Грешен отговор"_s);
        });
        addRun(u"pc-2"_s, {u"Яна Илиева"_s, u"8 а"_s}, 1, [](results::AttemptLog& log) {
            log.taskOpened(1, 1, 20);
            log.solutionShown(1);
        });
        const QString tag = u"pc-1_Asen-Belev_20250310-090000"_s;
        writeFile(path(results::handInSolutionName(u"FUNKR_01.TXT"_s, tag)),
                  content::toWindows1251(u"int main() {\r\n}\r\n"_s));
        writeFile(path(u"повреден.csv"_s), "not a log");
    }
    void addRun(const QString& host, const results::Student& student, int minute,
                const std::function<void(results::AttemptLog&)>& work)
    {
        clock_.clock = QDateTime(QDate(2025, 3, 10), QTime(9, minute));
        results::AttemptLog log(clock_, host);
        log.setStudent(student);
        work(log);
        writeFile(path(log.fileName(u"FUNKR"_s)), log.document(u"FUNKR"_s));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    ScriptedServices clock_;
};

QStringList rowTexts(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c)
        texts << (table.item(row, c) ? table.item(row, c)->text() : QString());
    return texts;
}

}  // namespace

class ViewResults : public QObject {
    Q_OBJECT
private slots:
    void theTableShowsWhoSolvedWhat();
    void choosingACellShowsTheSavedAnswer();
    void theWindowFollowsTheFolderAsItFills();
    void theExportsWriteTheSummaryAndAReport();
    void aFailedExportIsToldInTheProgramsBox();
    void theNameBoxTakesTheKeyboard();
};

void ViewResults::theTableShowsWhoSolvedWhat()
{
    ClassFolder folder;
    ScriptedServices messages;
    ui::ResultsWindow window(folder.folder(), u"FUNKR"_s, messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), u"Резултати на класа — "_s + folder.folder());
    auto* table = window.findChild<QTableWidget*>(u"resultsTable"_s);
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(rowTexts(*table, 0),
             (QStringList{u"Асен Белев"_s, u"8 а"_s, u"6/6 П"_s, u"3/6"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"pc-1"_s}));
    QCOMPARE(rowTexts(*table, 1),
             (QStringList{u"Яна Илиева"_s, u"8 а"_s, u"— Р"_s, QString(), u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"pc-2"_s}));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), u"Задача 1"_s);
    QCOMPARE(table->item(0, 2)->background().color(), results::standingColour(results::Standing::Solved));
    QCOMPARE(table->item(0, 3)->background().color(), results::standingColour(results::Standing::SomePassed));
    QCOMPARE(table->item(1, 2)->background().color(), results::standingColour(results::Standing::Unchecked));
    QCOMPARE(table->item(0, 2)->data(Qt::AccessibleTextRole).toString(), u"Задача 1: 6/6 П, решена"_s);
    QCOMPARE(table->currentRow(), 0);  // a screen reader needs a current cell
    QCOMPARE(table->currentColumn(), 2);

    auto* chart = window.findChild<ui::SolvedChart*>(u"solvedChart"_s);
    QVERIFY(chart);
    QCOMPARE(chart->accessibleDescription(), u"Задача 1: 1 от 2; Задача 2: 0 от 2"_s);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(spoken);
    QCOMPARE(spoken->role(), QAccessible::Chart);
    QCOMPARE(spoken->text(QAccessible::Name), u"Решили задачата"_s);
    // The bar of task 1 is painted in the bars' green; task 2's has no height.
    const QImage painted = chart->grab().toImage();
    int green = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            green += painted.pixelColor(x, y) == QColor(0x4c, 0x9a, 0x3f);
    QVERIFY2(green > 1000, qPrintable(QString::number(green)));

    auto* skipped = window.findChild<QListWidget*>(u"skippedFiles"_s);
    QVERIFY(skipped);
    QCOMPARE(skipped->count(), 1);
    QCOMPARE(skipped->item(0)->text(), u"повреден.csv: не е текст в UTF-8 с BOM"_s);
    QVERIFY(window.findChild<QLabel*>(u"statusLine"_s)->text().contains(u"Прочетени дневници: 2, пропуснати: 1"_s));
    // The window's widgets are named, for tests, crawlers and screen readers.
    for (const char* name :
         {"statusLine", "resultsTable", "solvedChart", "answerView", "skippedFiles", "menuBar", "resultsContent",
          "resultsSplitter", "detailSplitter", "answerViewBox", "skippedFilesBox"}) {
        const QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(w, name);
        QVERIFY2(!w->accessibleName().isEmpty(), name);
    }
    for (const char* name : {"saveTableAction", "savePdfAction", "printAction", "refreshAction", "closeAction"})
        QVERIFY2(window.findChild<QAction*>(QString::fromLatin1(name)), name);
}

void ViewResults::choosingACellShowsTheSavedAnswer()
{
    ClassFolder folder;
    ScriptedServices messages;
    ui::ResultsWindow window(folder.folder(), u"FUNKR"_s, messages);
    window.show();
    auto* table = window.findChild<QTableWidget*>(u"resultsTable"_s);
    auto* answer = window.findChild<QPlainTextEdit*>(u"answerView"_s);
    QVERIFY(table && answer);
    QCOMPARE(answer->toPlainText(), u"int main() {\n}\n"_s);
    table->setCurrentCell(1, 2);
    QCOMPARE(answer->toPlainText(), u"В папката няма запазен отговор на тази задача."_s);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 2)).center());
    QCOMPARE(answer->toPlainText(), u"int main() {\n}\n"_s);
}

// A log arrives while the window is open: the next look at the folder shows
// it, and the chosen cell stays chosen.
void ViewResults::theWindowFollowsTheFolderAsItFills()
{
    ClassFolder folder;
    ScriptedServices messages;
    ui::ResultsWindow window(folder.folder(), u"FUNKR"_s, messages);
    auto* table = window.findChild<QTableWidget*>(u"resultsTable"_s);
    table->setCurrentCell(1, 2);
    window.refreshIfChanged();  // nothing changed
    QCOMPARE(table->rowCount(), 2);
    folder.addRun(u"pc-3"_s, {u"Боян Денев"_s, u"8 а"_s}, 2, [](results::AttemptLog& log) {
        log.taskOpened(3, 1, 20);
        log.recordCheck(3, 0, 6, u"Грешен отговор"_s);
    });
    window.refreshIfChanged();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(rowTexts(*table, 1).mid(0, 5), (QStringList{u"Боян Денев"_s, u"8 а"_s, QString(), QString(), u"0/6"_s}));
    QCOMPARE(table->item(1, 4)->background().color(), results::standingColour(results::Standing::NonePassed));
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->currentColumn(), 2);
    QCOMPARE(ui::ResultsWindow::RefreshInterval, 2000);
    QVERIFY(window.findChild<QTimer*>(u"refreshTimer"_s)->isActive());
}

void ViewResults::theExportsWriteTheSummaryAndAReport()
{
    ClassFolder folder;
    ScriptedServices messages;
    ui::ResultsWindow window(folder.folder(), u"FUNKR"_s, messages);
    QTemporaryDir out;
    QVERIFY(window.saveTable(out.filePath(u"клас.csv"_s)));
    QCOMPARE(readFile(out.filePath(u"клас.csv"_s)),
             results::summaryDocument(*results::readAttemptLogs(folder.folder(), u"FUNKR"_s)));
    QVERIFY(window.savePdf(out.filePath(u"клас.pdf"_s)));
    const QByteArray pdf = readFile(out.filePath(u"клас.pdf"_s));
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.size() > 2000);
    QVERIFY(messages.shown.isEmpty());
}

// A table chosen over a student's log, or in a folder that is not there:
// nothing is written and the program's own box says why.
void ViewResults::aFailedExportIsToldInTheProgramsBox()
{
    ClassFolder folder;
    ScriptedServices messages;
    ui::ResultsWindow window(folder.folder(), u"FUNKR"_s, messages);
    const QString log = QDir(folder.folder()).entryList({u"FUNKR_opiti_pc-1*"_s}).value(0);
    const QByteArray before = readFile(folder.path(log));
    QVERIFY(!window.saveTable(folder.path(log)));
    QCOMPARE(readFile(folder.path(log)), before);
    QVERIFY(!window.savePdf(folder.path(u"няма/клас.pdf"_s)));
    QCOMPARE(messages.shown.size(), 2);
    for (const ShownMessage& m : messages.shown) {
        QVERIFY2(m.text.startsWith(u"63\r\nРезултатите не са записани във файла:\r\n"_s), qPrintable(m.text));
        QCOMPARE(m.title, u"Електронен урок"_s);
    }
    QVERIFY(messages.shown[0].text.contains(u"е един от файловете в папката с дневниците"_s));
}

// The name box's fields are line fields: Enter in the name goes on to the
// class, Enter in the class opens the tasks.
void ViewResults::theNameBoxTakesTheKeyboard()
{
    TestLesson t;
    ui::ProgramView view(t.program());
    content::ClassSettings settings;
    settings.askStudentName = true;
    QVERIFY(writeFile(t.path(u"FUNKR_klas.ini"_s), content::serialiseClassSettings(settings, u"FUNKR"_s)));
    startWorkbenchLesson(t);
    Lesko& lesko = t.program().lesko();
    view.viewOf(lesko)->actionFor(lesko.mnu_Wyprosi)->trigger();
    Lesko_Ime& box = t.program().lesko_Ime();
    ui::FormView* boxView = view.viewOf(box);
    QVERIFY(boxView && boxView->window());
    QVERIFY(QTest::qWaitForWindowExposed(boxView->window()));
    boxView->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(boxView->window()));
    auto* name = qobject_cast<QLineEdit*>(boxView->widgetFor(box.Text_Im[Lesko_Ime::NameBox]));
    auto* group = qobject_cast<QLineEdit*>(boxView->widgetFor(box.Text_Im[Lesko_Ime::ClassBox]));
    QVERIFY(name && group);
    QCOMPARE(name->objectName(), u"Text_Im(0)"_s);
    QCOMPARE(name->accessibleName(), u"Вашите име и фамилия, например Мария Иванова"_s);
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClicks(name, u"Maria Ivanova"_s);
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_VERIFY(group->hasFocus());
    QTest::keyClicks(group, u"8 b"_s);
    QTest::keyClick(group, Qt::Key_Return);
    QCOMPARE(t.program().attemptLog().student(), (results::Student{u"Maria Ivanova"_s, u"8 b"_s}));
    QVERIFY(t.program().lesko_n().Visible());
}

QTEST_MAIN(ViewResults)
#include "view_results.moc"
