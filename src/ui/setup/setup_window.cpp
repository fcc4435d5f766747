#include "ui/setup/setup_window.h"

#include "ui/lesson_application.h"
#include "ui/setup/setup_pages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

bool askBulgarian(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, u"Настройка на урока"_s, question, QMessageBox::NoButton, parent);
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

}  // namespace

SetupWindow::SetupWindow(const setup::LessonFacts& lesson, const QString& path, QWidget* parent)
    : QWidget(parent), lesson_(lesson), path_(QFileInfo(path).absoluteFilePath())
{
    setObjectName(u"setupWindow"_s);
    setWindowTitle(u"Настройка на урока – "_s + QDir::toNativeSeparators(path_));
    confirm = [this](const QString& question) { return askBulgarian(this, question); };
    warn = [this](const QString& message) { QMessageBox::warning(this, u"Настройка на урока"_s, message); };

    const setup::LoadedConfiguration loaded = setup::loadConfiguration(path_, setup::ClassConfiguration(lesson.design));
    loadState_ = loaded.state;
    configuration_ = saved_ = loaded.configuration;

    fileNote_ = noteLabel(u"fileNote"_s, this);
    if (loaded.state != setup::LoadedConfiguration::State::Read)
        fileNote_->setText(loaded.message + u" Показани са стойностите на урока по замисъл."_s);
    if (loaded.state == setup::LoadedConfiguration::State::Unusable)
        fileNote_->setStyleSheet(u"color: #a00000; font-weight: bold"_s);
    fileNote_->setVisible(!fileNote_->text().isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileNote_);
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildButtons());
    resize(980, 640);
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

QWidget* SetupWindow::buildPages()
{
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    pageList_ = new QListWidget(area);
    pageList_->setObjectName(u"pageList"_s);
    pageList_->setMaximumWidth(160);
    pageList_->setToolTip(u"Разделите на настройката; стрелките сменят раздела."_s);
    stack_ = new QStackedWidget(area);
    stack_->setObjectName(u"pageStack"_s);
    addPage(u"Задачи"_s, new setup_pages::TasksPage(configuration_, lesson_));
    addPage(u"Четене"_s, new setup_pages::ReadingPage(configuration_, lesson_));
    addPage(u"Опции"_s, new setup_pages::OptionsPage(configuration_, lesson_));
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
}

void SetupWindow::showRefusal(const QString& reason)
{
    refresh();
    status_->setText(reason);
}

bool SetupWindow::save()
{
    const QString shown = QDir::toNativeSeparators(path_);
    if (loadState_ == setup::LoadedConfiguration::State::Unusable &&
        !confirm(u"Файлът "_s + shown + u" не е бил прочетен. Да бъде ли заменен? Старият ще остане като "_s + shown +
                 u".bak."_s))
        return false;
    if (const QString failed = setup::saveConfiguration(path_, configuration_); !failed.isEmpty()) {
        warn(failed);
        return false;
    }
    loadState_ = setup::LoadedConfiguration::State::Read;
    saved_ = configuration_;
    fileNote_->hide();
    status_->setText(u"Записано в "_s + shown + u"."_s);
    return true;
}

void SetupWindow::closeEvent(QCloseEvent* event)
{
    if (hasChanges() && !confirm(u"Промените не са записани. Да бъдат ли изхвърлени?"_s))
        event->ignore();
    else
        event->accept();
}

int runSetup(QApplication& application)
{
    QTranslator translator;
    installBulgarian(application, translator);
    const setup::LessonFacts lesson = setup::readLessonFacts();
    SetupWindow window(lesson, lesson.fileName);
    window.show();
    return QApplication::exec();
}

}  // namespace ui
