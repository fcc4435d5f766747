#include "ui/setup/setup_window.h"

#include "configuration/configuration_source.h"
#include "files/working_folder.h"
#include "program/lesson_folder.h"
#include "setup/menu_entry.h"
#include "setup/presets.h"
#include "ui/lesson_application.h"
#include "ui/qt_services.h"
#include "ui/setup/guide_window.h"
#include "ui/setup/setup_pages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

const QString Title = u"Настройка на урока"_s;

bool askBulgarian(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, Title, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(u"Да"_s, QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(u"Не"_s, QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

QLabel* noteLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString shown(const QString& path) { return QDir::toNativeSeparators(app::shownPath(path)); }

QString listed(const QStringList& lines) { return u"\n– "_s + lines.join(u"\n– "_s); }

}  // namespace

SetupWindow::SetupWindow(const setup::LessonFacts& lesson, const SetupTarget& target, QWidget* parent)
    : QMainWindow(parent), lesson_(lesson), target_(target)
{
    setObjectName(u"setupWindow"_s);
    confirm = [this](const QString& question) { return askBulgarian(this, question); };
    warn = [this](const QString& message) { QMessageBox::warning(this, Title, message); };
    chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, u"Запис като"_s, app::shownPath(target_.path),
                                            u"Конфигурационен файл (*.UFG *.ufg)"_s);
    };
    load();

    auto* central = new QWidget(this);
    writesTo_ = noteLabel(u"writesTo"_s, central);
    lessonReads_ = noteLabel(u"lessonReads"_s, central);
    fileNote_ = noteLabel(u"fileNote"_s, central);
    fileNote_->setText(loadNote_);
    if (loadState_ == setup::LoadedConfiguration::State::Unusable || settingsUnusable_)
        fileNote_->setStyleSheet(u"color: #a00000; font-weight: bold"_s);
    fileNote_->setVisible(!loadNote_.isEmpty());

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(writesTo_);
    layout->addWidget(lessonReads_);
    layout->addWidget(fileNote_);
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildButtons());
    setCentralWidget(central);
    buildMenus();
    resize(1040, 680);
    setMinimumSize(640, 420);
    refresh();
}

// An editor still open commits its text while the pages are destroyed; the
// window no longer listens by then.
SetupWindow::~SetupWindow()
{
    for (setup_pages::Page* page : pages_)
        page->disconnect(this);
}

// A missing file starts from the configuration that opens everything, as
// lesko_config without options writes it: the lesson's design keeps every
// option off and would lock the class out of its own lesson.
void SetupWindow::load()
{
    const setup::LoadedConfiguration loaded =
        setup::loadConfiguration(target_.path, setup::ClassConfiguration(lesson_.open));
    loadState_ = loaded.state;
    configuration_ = saved_ = loaded.configuration;
    if (loaded.state == setup::LoadedConfiguration::State::Missing)
        loadNote_ = loaded.message + u" Показан е урокът с всичко отворено (шаблонът „Всичко отворено“)."_s;
    else if (loaded.state == setup::LoadedConfiguration::State::Unusable)
        loadNote_ = loaded.message + u" Показан е урокът с всичко отворено."_s;

    const QString settingsPath = setup::classSettingsPathBeside(target_.path, lesson_.code);
    settingsFileExisted_ = QFileInfo::exists(settingsPath);
    const content::Result<content::ClassSettings> settings = app::readClassSettings(settingsPath);
    settingsUnusable_ = !settings;
    classSettings_ = savedSettings_ = settings ? *settings : content::ClassSettings{};
    if (!settings)
        loadNote_ += (loadNote_.isEmpty() ? QString() : u"\n"_s) + settings.reason();
}

void SetupWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"&Файл"_s);
    file->setObjectName(u"fileMenu"_s);
    QAction* saveAction = file->addAction(u"&Запис"_s, QKeySequence::Save, this, &SetupWindow::save);
    saveAction->setObjectName(u"saveAction"_s);
    file->addAction(u"Запис &като…"_s, QKeySequence::SaveAs, this, &SetupWindow::saveAs)
        ->setObjectName(u"saveAsAction"_s);
    file->addSeparator();
    file->addAction(u"За&тваряне"_s, QKeySequence::Close, this, &SetupWindow::close)->setObjectName(u"closeAction"_s);
    QMenu* help = menuBar()->addMenu(u"&Помощ"_s);
    help->setObjectName(u"helpMenu"_s);
    help->addAction(u"&Ръководство за учителя"_s, QKeySequence::HelpContents, this, &SetupWindow::showGuide)
        ->setObjectName(u"guideAction"_s);
}

QWidget* SetupWindow::buildPages()
{
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    pageList_ = new QListWidget(area);
    pageList_->setObjectName(u"pageList"_s);
    pageList_->setAccessibleName(u"Раздели на настройката"_s);
    pageList_->setMaximumWidth(170);
    pageList_->setToolTip(u"Разделите на настройката; стрелките сменят раздела, Tab минава в него."_s);
    stack_ = new QStackedWidget(area);
    stack_->setObjectName(u"pageStack"_s);
    addPage(u"Шаблони"_s, new setup_pages::PresetsPage(configuration_, lesson_));
    addPage(u"Задачи"_s, new setup_pages::TasksPage(configuration_, lesson_));
    addPage(u"Четене"_s, new setup_pages::ReadingPage(configuration_, lesson_));
    addPage(u"Опции"_s, new setup_pages::OptionsPage(configuration_, lesson_));
    addPage(u"Клас"_s, new setup_pages::ClassPage(configuration_, lesson_, classSettings_, target_.shared));
    addPage(u"Версия"_s, new setup_pages::VersionPage(configuration_, lesson_));
    addPage(u"Преглед"_s, new setup_pages::SummaryPage(configuration_, lesson_));
    connect(pageList_, &QListWidget::currentRowChanged, stack_, &QStackedWidget::setCurrentIndex);
    pageList_->setCurrentRow(0);
    // A table without a current cell can crash a screen reader.
    for (QTableWidget* table : stack_->findChildren<QTableWidget*>())
        if (table->rowCount() > 0)
            table->setCurrentCell(0, 0);
    layout->addWidget(pageList_);
    layout->addWidget(stack_, 1);
    return area;
}

void SetupWindow::addPage(const QString& title, setup_pages::Page* page)
{
    pageList_->addItem(title);
    page->setAccessibleName(title);
    stack_->addWidget(page);
    pages_.append(page);
    connect(page, &setup_pages::Page::changed, this, &SetupWindow::refresh);
    connect(page, &setup_pages::Page::refused, this, &SetupWindow::showRefusal);
}

QWidget* SetupWindow::buildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* notes = new QVBoxLayout;
    problems_ = noteLabel(u"problems"_s, row);
    problems_->setStyleSheet(u"color: #a00000"_s);
    status_ = noteLabel(u"status"_s, row);
    notes->addWidget(problems_);
    notes->addWidget(status_);
    save_ = new QPushButton(u"&Запис"_s, row);
    save_->setObjectName(u"saveButton"_s);
    save_->setToolTip(u"Записва файла; предишният остава като копие .bak."_s);
    auto* cancel = new QPushButton(u"&Отказ"_s, row);
    cancel->setObjectName(u"cancelButton"_s);
    cancel->setToolTip(u"Затваря настройката, без да записва."_s);
    connect(save_, &QPushButton::clicked, this, &SetupWindow::save);
    connect(cancel, &QPushButton::clicked, this, &SetupWindow::close);
    layout->addLayout(notes, 1);
    layout->addWidget(save_, 0, Qt::AlignBottom);
    layout->addWidget(cancel, 0, Qt::AlignBottom);
    return row;
}

void SetupWindow::refresh()
{
    for (setup_pages::Page* page : pages_)
        page->refresh();
    const QStringList problems = setup::configurationProblems(configuration_, lesson_);
    problems_->setText(problems.join(u'\n'));
    problems_->setVisible(!problems.isEmpty());
    save_->setEnabled(problems.isEmpty());
    if (hasChanges())
        status_->clear();
    showPaths();
}

// The file written, and the one the lesson started in this folder reads: they
// differ when the computer's shared file is binding.
void SetupWindow::showPaths()
{
    setWindowTitle(Title + u" – "_s + shown(target_.path));
    writesTo_->setText(u"Записва в: "_s + shown(target_.path) +
                       (target_.shared ? u" (общият файл на компютъра)"_s : QString()));
    QString reads;
    if (target_.shared) {
        reads = classSettings_.binding
                    ? u"Урокът чете този файл на всеки акаунт на компютъра, дори ученикът да има свой."_s
                    : u"Урокът чете този файл, когато в папката на урока няма свой FUNKR.UFG."_s;
    } else {
        const app::ConfigurationSource source = app::findConfiguration(lesson_.code, app::sharedConfigurationFolders());
        if (source.shared)
            reads = u"Урокът чете: "_s + source.configuration +
                    (source.workingFolderIgnored ? u" – общият файл е задължителен и този не се чете!"_s
                                                 : u" (общият файл на компютъра)"_s);
        else if (QFileInfo(source.configuration).isFile())
            reads = u"Урокът чете: "_s + shown(source.configuration);
        else
            reads = u"Урокът чете: "_s + shown(source.configuration) + u" – още няма такъв файл."_s;
        lessonReads_->setStyleSheet(source.workingFolderIgnored ? u"color: #a00000; font-weight: bold"_s : QString());
    }
    lessonReads_->setText(reads);
}

void SetupWindow::showRefusal(const QString& reason)
{
    refresh();
    status_->setText(reason);
}

// Asks before replacing a file that was not read, and before a configuration
// that closes what a class would miss.
bool SetupWindow::mayWrite(bool newFile)
{
    const QString path = target_.path;
    if (!newFile && loadState_ == setup::LoadedConfiguration::State::Unusable &&
        !confirm(u"Файлът "_s + shown(path) + u" не е бил прочетен. Да бъде ли заменен? Старият ще остане като "_s +
                 shown(path) + u".bak."_s))
        return false;
    if (!newFile && settingsUnusable_ &&
        !confirm(u"Настройките на класа до файла не са били прочетени. Да бъдат ли заменени?"_s))
        return false;
    const QStringList closed = setup::closedParts(configuration_);
    return closed.isEmpty() ||
           confirm(u"Тази настройка затваря за класа:"_s + listed(closed) + u"\n\nДа бъде ли записана така?"_s);
}

bool SetupWindow::writeTo(bool newFile)
{
    if (!mayWrite(newFile))
        return false;
    const QString path = target_.path;
    content::Done saved = target_.shared ? setup::makeSharedFolder(path) : content::Done();
    if (saved)
        saved = setup::saveConfiguration(path, configuration_);
    // The class settings file is written once it means something.
    const QString settingsPath = setup::classSettingsPathBeside(path, lesson_.code);
    const bool writeSettings = settingsFileExisted_ || !(classSettings_ == content::ClassSettings{});
    if (saved && writeSettings)
        saved = setup::saveClassSettings(settingsPath, classSettings_, lesson_.code);
    if (saved && target_.shared)
        saved = setup::applySetupEntryRule(classSettings_.binding);
    if (!saved) {
        warn(saved.reason());
        return false;
    }
    loadState_ = setup::LoadedConfiguration::State::Read;
    settingsUnusable_ = false;
    settingsFileExisted_ = settingsFileExisted_ || writeSettings;
    saved_ = configuration_;
    savedSettings_ = classSettings_;
    fileNote_->hide();
    refresh();
    status_->setText(u"Записано в "_s + shown(path) + u"."_s);
    return true;
}

bool SetupWindow::save() { return writeTo(false); }

bool SetupWindow::saveAs()
{
    const QString path = chooseFile();
    if (path.isEmpty())
        return false;
    const QString sharedFile = setup::sharedConfigurationTarget(lesson_.fileName);
    const SetupTarget previous = target_;
    const bool previousExisted = settingsFileExisted_;
    target_ = {path, QFileInfo(path).absoluteFilePath() == QFileInfo(sharedFile).absoluteFilePath()};
    settingsFileExisted_ = QFileInfo::exists(setup::classSettingsPathBeside(path, lesson_.code));
    if (writeTo(true))
        return true;
    target_ = previous;
    settingsFileExisted_ = previousExisted;
    refresh();
    return false;
}

void SetupWindow::showGuide() { openGuide(this); }

void SetupWindow::closeEvent(QCloseEvent* event)
{
    if (hasChanges() && !confirm(u"Промените не са записани. Да бъдат ли изхвърлени?"_s))
        event->ignore();
    else
        event->accept();
}

int runSetup(QApplication& application, bool fromMenu, bool shared)
{
    QTranslator translator;
    installBulgarian(application, translator);
    const setup::LessonFacts lesson = setup::readLessonFacts();
    // From the menu the setup edits the file the lesson started from the menu
    // reads: the one in the lesson's folder under documents.
    QtMessages messages;
    if (!shared && !app::enterLessonFolder(fromMenu, app::systemStartFolders(),
                                           app::lessonTitle(content::Lesson::embedded()), messages))
        return 1;
    const SetupTarget target =
        shared ? SetupTarget{setup::sharedConfigurationTarget(lesson.fileName), true} : SetupTarget{lesson.fileName};
    SetupWindow window(lesson, target);
    window.show();
    return QApplication::exec();
}

}  // namespace ui
