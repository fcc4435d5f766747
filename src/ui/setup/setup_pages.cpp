#include "ui/setup/setup_pages.h"

#include "content/config_file.h"
#include "content/numbers.h"
#include "content/option_flags.h"
#include "setup/input_rules.h"
#include "setup/presets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui::setup_pages {

namespace {

const QString TimePattern = uR"(\d{1,3}:[0-5]\d|\d{1,5})"_s;

// Lets only text of a pattern be typed into a table cell.
class PatternDelegate : public QStyledItemDelegate {
public:
    PatternDelegate(const QString& pattern, QObject* parent) : QStyledItemDelegate(parent), pattern_(pattern) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern_), line));
        return editor;
    }

private:
    QString pattern_;
};

QTableWidget* newTable(const QString& name, const QString& accessibleName, const QStringList& headers, int rows,
                       QWidget* parent)
{
    auto* table = new QTableWidget(rows, int(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    return table;
}

QTableWidgetItem* cell(QTableWidget* table, int row, int column, Qt::ItemFlags flags)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(flags);
        table->setItem(row, column, item);
    }
    return item;
}

void setText(QTableWidget* table, int row, int column, const QString& text, bool editable = false)
{
    const Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
    cell(table, row, column, flags)->setText(text);
}

void setCheck(QTableWidget* table, int row, int column, bool on)
{
    cell(table, row, column, Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable)
        ->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QLabel* hintLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TasksPage::TasksPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"tasksPage"_s);
    // Built from the top down, so that Tab follows the page.
    QWidget* counts = countsRow();
    table_ = newTable(u"taskTable"_s, u"Задачите на урока"_s,
                      {u"Задача"_s, u"В урока"_s, u"Наведнъж"_s, u"Трудност"_s, u"Упътване след"_s, u"Време"_s,
                       u"Ученикът получава"_s, u"Упътването идва"_s},
                      lesson.taskCount(), this);
    table_->setToolTip(
        u"Урокът запазва първите задачи; времената са мм:сс и се умножават по 10 при трудност 2 "
        u"и по 1000 при трудност над 2 – колоната „Ученикът получава“ показва истинското време."_s);
    table_->setItemDelegateForColumn(Difficulty, new PatternDelegate(uR"(\d)"_s, table_));
    table_->setItemDelegateForColumn(Hint, new PatternDelegate(TimePattern, table_));
    table_->setItemDelegateForColumn(Limit, new PatternDelegate(TimePattern, table_));
    connect(table_, &QTableWidget::itemChanged, this, &TasksPage::cellEdited);
    QWidget* apply = applyRow();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(counts);
    layout->addWidget(table_, 1);
    layout->addWidget(apply);
}

QWidget* TasksPage::countsRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    kept_ = new QSpinBox(row);
    kept_->setObjectName(u"tasksKept"_s);
    kept_->setRange(1, lesson_.taskCount());
    kept_->setToolTip(u"Урокът запазва толкова задачи от началото на списъка."_s);
    listed_ = new QSpinBox(row);
    listed_->setObjectName(u"tasksListed"_s);
    listed_->setRange(1, lesson_.taskCount());
    listed_->setToolTip(u"Толкова задачи се виждат в списъка; останалите са в „Допълнително“."_s);
    auto* keptLabel = new QLabel(u"Задачи в &урока:"_s, row);
    keptLabel->setBuddy(kept_);
    auto* listedLabel = new QLabel(u"Показват се на&веднъж:"_s, row);
    listedLabel->setBuddy(listed_);
    layout->addWidget(keptLabel);
    layout->addWidget(kept_);
    layout->addSpacing(20);
    layout->addWidget(listedLabel);
    layout->addWidget(listed_);
    layout->addStretch();
    connect(kept_, &QSpinBox::valueChanged, this, [this](int n) {
        keepTasks(n);
        emit changed();
    });
    connect(listed_, &QSpinBox::valueChanged, this, [this](int n) {
        configuration_.setTasksListed(n);
        emit changed();
    });
    return row;
}

QWidget* TasksPage::applyRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    applyDifficulty_ = new QSpinBox(row);
    applyDifficulty_->setObjectName(u"applyDifficulty"_s);
    applyDifficulty_->setRange(-1, 9);
    applyDifficulty_->setSpecialValueText(u"без промяна"_s);
    applyDifficulty_->setValue(-1);
    const auto timeEdit = [row](const QString& name) {
        auto* edit = new QLineEdit(row);
        edit->setObjectName(name);
        edit->setPlaceholderText(u"мм:сс"_s);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(TimePattern), edit));
        edit->setMaximumWidth(90);
        return edit;
    };
    applyHint_ = timeEdit(u"applyHint"_s);
    applyLimit_ = timeEdit(u"applyLimit"_s);
    auto* apply = new QPushButton(u"&Приложи към избраните"_s, row);
    apply->setObjectName(u"applyToSelected"_s);
    apply->setToolTip(u"Попълнените полета се записват във всички избрани редове; празните не се променят."_s);
    connect(apply, &QPushButton::clicked, this, &TasksPage::applyToSelected);
    layout->addWidget(new QLabel(u"За избраните: трудност"_s, row));
    layout->addWidget(applyDifficulty_);
    layout->addWidget(new QLabel(u"упътване"_s, row));
    layout->addWidget(applyHint_);
    layout->addWidget(new QLabel(u"време"_s, row));
    layout->addWidget(applyLimit_);
    layout->addWidget(apply);
    layout->addStretch();
    return row;
}

void TasksPage::refresh()
{
    const QSignalBlocker blockTable(table_), blockKept(kept_), blockListed(listed_);
    kept_->setValue(configuration_.tasksKept());
    listed_->setRange(1, ::setup::mostTasksListed(configuration_, lesson_));
    listed_->setValue(configuration_.tasksListed());
    for (int row = 0; row < lesson_.taskCount(); ++row) {
        const int task = row + 1;
        setText(table_, row, Title, lesson_.taskTitles.at(row));
        setCheck(table_, row, Kept, configuration_.isKept(task));
        setCheck(table_, row, Listed, configuration_.isListed(task));
        setText(table_, row, Difficulty, QString::number(configuration_.difficulty(task)), true);
        setText(table_, row, Hint, ::setup::minutesSeconds(configuration_.hintSeconds(task)), true);
        setText(table_, row, Limit, ::setup::minutesSeconds(configuration_.limitSeconds(task)), true);
        setText(table_, row, StudentTime, ::setup::studentTimeText(configuration_, task));
        setText(table_, row, HintShown, ::setup::hintText(configuration_, task));
    }
}

// Fewer tasks kept than listed would list empty places: the listed ones follow.
void TasksPage::keepTasks(int tasks)
{
    configuration_.setTasksKept(tasks);
    if (configuration_.tasksListed() > tasks)
        configuration_.setTasksListed(tasks);
}

bool TasksPage::refusedFor(int task, const QString& reason)
{
    emit refused(u"Задача "_s + QString::number(task) + u": "_s + reason);
    return false;
}

bool TasksPage::setTime(int task, Column column, const QString& text)
{
    const content::Result<qint16> seconds = ::setup::parseTaskTime(text);
    if (!seconds)
        return refusedFor(task, seconds.reason());
    column == Hint ? configuration_.setHintSeconds(task, *seconds) : configuration_.setLimitSeconds(task, *seconds);
    return true;
}

bool TasksPage::setDifficulty(int task, const QString& text)
{
    const content::Result<int> digit = ::setup::parseDifficulty(text);
    if (!digit)
        return refusedFor(task, digit.reason());
    configuration_.setDifficulty(task, *digit);
    return true;
}

void TasksPage::cellEdited(QTableWidgetItem* item)
{
    const int task = item->row() + 1;
    switch (Column(item->column())) {
        case Kept:
            keepTasks(item->checkState() == Qt::Checked ? task : task - 1);
            break;
        case Listed:
            configuration_.setTasksListed(item->checkState() == Qt::Checked ? task : task - 1);
            break;
        case Difficulty:
            if (!setDifficulty(task, item->text()))
                return;
            break;
        case Hint:
        case Limit:
            if (!setTime(task, Column(item->column()), item->text()))
                return;
            break;
        case Title:
        case StudentTime:
        case HintShown:
            return;
    }
    emit changed();
}

void TasksPage::applyToSelected()
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        emit refused(u"Изберете редовете, към които да се приложат стойностите."_s);
        return;
    }
    for (const QModelIndex& index : rows) {
        const int task = index.row() + 1;
        if (applyDifficulty_->value() >= 0)
            configuration_.setDifficulty(task, applyDifficulty_->value());
        if (!applyHint_->text().isEmpty() && !setTime(task, Hint, applyHint_->text()))
            return;
        if (!applyLimit_->text().isEmpty() && !setTime(task, Limit, applyLimit_->text()))
            return;
    }
    emit changed();
}

PresetsPage::PresetsPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"presetsPage"_s);
    const QList<::setup::Preset>& presets = ::setup::presets();
    // The buttons above the table come first for Tab too.
    auto* buttons = new QHBoxLayout;
    for (const ::setup::Preset& preset : presets) {
        auto* apply = new QPushButton(preset.title, this);
        apply->setObjectName(u"preset-"_s + preset.name);
        apply->setToolTip(preset.purpose + u" Задачите и времената не се променят."_s);
        connect(apply, &QPushButton::clicked, this, [this, preset] {
            ::setup::applyPreset(configuration_, preset);
            emit changed();
        });
        buttons->addWidget(apply);
    }
    buttons->addStretch();
    QStringList headers{u"Опция"_s};
    for (const ::setup::Preset& p : presets)
        headers << p.title;
    table_ = newTable(u"presetTable"_s, u"Шаблоните и какво отваря всеки"_s, headers,
                      int(content::optionFlags().size()), this);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < content::optionFlags().size(); ++row) {
        const content::OptionFlag& flag = content::optionFlags().at(row);
        setText(table_, row, 0, flag.explanation);
        for (int column = 0; column < presets.size(); ++column)
            setText(table_, row, column + 1, presets.at(column).off.contains(flag.option) ? u"не"_s : u"да"_s);
    }
    matching_ = new QLabel(this);
    matching_->setObjectName(u"presetMatch"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        hintLabel(u"Шаблонът слага опциите наведнъж; после всяка може да се смени в „Опции“. "
                  u"Задачите, времената и четенето остават такива, каквито са."_s,
                  this));
    layout->addLayout(buttons);
    layout->addWidget(matching_);
    layout->addWidget(table_, 1);
}

void PresetsPage::refresh()
{
    for (const ::setup::Preset& preset : ::setup::presets())
        if (::setup::matchesPreset(configuration_, preset)) {
            matching_->setText(u"Опциите сега са тези на шаблона „"_s + preset.title + u"“."_s);
            return;
        }
    matching_->setText(u"Опциите сега не съвпадат с никой шаблон."_s);
}

ReadingPage::ReadingPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"readingPage"_s);
    const int points = std::min(lesson.pointCount(), content::ConfigSlots);
    table_ = newTable(u"readingTable"_s, u"Време за четене на точките от плана"_s,
                      {u"Точка от плана"_s, u"Букви"_s, u"Множител"_s, u"Време за четене"_s}, points, this);
    table_->setToolTip(u"Множителят е в стотни от секундата на буква; към времето се добавят 2 секунди."_s);
    table_->setItemDelegateForColumn(Factor, new PatternDelegate(uR"(\d{1,5})"_s, table_));
    connect(table_, &QTableWidget::itemChanged, this, &ReadingPage::cellEdited);
    total_ = new QLabel(this);
    total_->setObjectName(u"readingTotal"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        hintLabel(u"Времето за четене на всяка точка е броят на буквите ѝ × множителя / 100 + 2 "
                  u"секунди."_s,
                  this));
    layout->addWidget(table_, 1);
    layout->addWidget(total_);
}

void ReadingPage::refresh()
{
    const QSignalBlocker block(table_);
    double total = 0;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ::setup::PlanPoint& point = lesson_.points.at(row);
        const int factor = configuration_.readingFactor(row + 1);
        const double seconds = content::readingSeconds(point.length, factor);
        total += seconds;
        setText(table_, row, Point, point.title);
        setText(table_, row, Characters, QString::number(point.length));
        setText(table_, row, Factor, QString::number(factor), true);
        setText(table_, row, Time, ::setup::minutesSeconds(seconds));
    }
    total_->setText(u"Общо за урока: "_s + ::setup::minutesSeconds(total));
}

void ReadingPage::cellEdited(QTableWidgetItem* item)
{
    if (item->column() != Factor)
        return;
    const content::Result<qint16> factor = ::setup::parseReadingFactor(item->text());
    if (!factor) {
        emit refused(u"Точка "_s + QString::number(item->row() + 1) + u": "_s + factor.reason());
        return;
    }
    configuration_.setReadingFactor(item->row() + 1, *factor);
    emit changed();
}

OptionsPage::OptionsPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"optionsPage"_s);
    auto* inner = new QWidget;
    auto* list = new QVBoxLayout(inner);
    for (const content::OptionFlag& flag : content::optionFlags()) {
        auto* box = new QCheckBox(flag.explanation, inner);
        box->setObjectName(u"flag-"_s + flag.name);
        box->setToolTip(u"Опция "_s + QString::number(flag.number()) + u" („"_s + flag.name + u"“ в lesko_config)"_s);
        connect(box, &QCheckBox::toggled, this, [this, option = flag.option](bool on) {
            configuration_.setFlag(option, on);
            emit changed();
        });
        list->addWidget(box);
        boxes_.append(box);
    }
    list->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        hintLabel(u"Отметнатото е разрешено на ученика. Опциите без действие в урока остават "
                  u"такива, каквито са във файла."_s,
                  this));
    layout->addWidget(scroll, 1);
}

void OptionsPage::refresh()
{
    for (int i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(configuration_.flag(content::optionFlags().at(i).option));
    }
}

ClassPage::ClassPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson,
                     content::ClassSettings& settings, bool shared)
    : Page(configuration, lesson), settings_(settings)
{
    setObjectName(u"classPage"_s);
    askName_ = new QCheckBox(u"Урокът пита ученика за &име и клас"_s, this);
    askName_->setObjectName(u"askName"_s);
    handIn_ = new QLineEdit(this);
    handIn_->setObjectName(u"handInFolder"_s);
    handIn_->setPlaceholderText(u"без папка за предаване"_s);
    handIn_->setAccessibleName(u"Папка за предаване"_s);
    handIn_->setToolTip(
        u"Папка, която всеки компютър вижда (например споделена): всяко пускане записва там и "
        u"дневника на опитите, и решенията. Празно – без."_s);
    auto* choose = new QPushButton(u"&Избор…"_s, this);
    choose->setObjectName(u"chooseHandInFolder"_s);
    binding_ = new QCheckBox(u"Общият файл е &задължителен: файлът в папката на ученика не се чете"_s, this);
    binding_->setObjectName(u"binding"_s);
    binding_->setEnabled(shared);
    binding_->setToolTip(shared ? u"Учениците не могат да разхлабят настройките на класа със свой файл."_s
                                : u"Действа само в общия файл на компютъра: lesko --setup --system."_s);
    connect(askName_, &QCheckBox::toggled, this, [this](bool on) {
        settings_.askStudentName = on;
        emit changed();
    });
    connect(binding_, &QCheckBox::toggled, this, [this](bool on) {
        settings_.binding = on;
        emit changed();
    });
    connect(handIn_, &QLineEdit::textEdited, this, [this](const QString& text) {
        settings_.handInFolder = text.trimmed();
        emit changed();
    });
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, u"Папка за предаване"_s, handIn_->text());
        if (folder.isEmpty())
            return;
        settings_.handInFolder = folder;
        emit changed();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(handIn_, 1);
    row->addWidget(choose);
    auto* handInLabel = new QLabel(u"&Папка за предаване:"_s, this);
    handInLabel->setBuddy(handIn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(askName_);
    layout->addWidget(handInLabel);
    layout->addLayout(row);
    layout->addWidget(binding_);
    layout->addWidget(hintLabel(u"Тези настройки се пазят до конфигурационния файл, в "_s +
                                    content::classSettingsFileName(lesson.code) + u"."_s,
                                this));
    layout->addStretch();
}

void ClassPage::refresh()
{
    const QSignalBlocker blockName(askName_), blockBinding(binding_), blockFolder(handIn_);
    askName_->setChecked(settings_.askStudentName);
    binding_->setChecked(settings_.binding);
    if (handIn_->text().trimmed() != settings_.handInFolder)
        handIn_->setText(settings_.handInFolder);
}

VersionPage::VersionPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"versionPage"_s);
    version_ = new QDoubleSpinBox(this);
    version_->setObjectName(u"lessonVersion"_s);
    version_->setDecimals(2);
    version_->setRange(0, std::numeric_limits<qint32>::max() / 100.0);
    version_->setToolTip(u"Версията в заглавието на урока, напр. 0,96."_s);
    date_ = new QDateEdit(this);
    date_->setObjectName(u"releaseDate"_s);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(u"dd.MM.yyyy"_s);
    date_->setToolTip(u"Датата на издаване в заглавието на урока."_s);
    caption_ = new QLabel(this);
    caption_->setObjectName(u"captionPreview"_s);
    caption_->setWordWrap(true);
    connect(version_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        const content::Result<qint32> hundredths = ::setup::versionHundredths(v);
        if (!hundredths) {
            emit refused(hundredths.reason());
            return;
        }
        configuration_.setVersion(*hundredths);
        emit changed();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate d) {
        configuration_.setDate(::setup::dateNumber(d));
        emit changed();
    });
    auto* form = new QFormLayout(this);
    form->addRow(u"&Версия:"_s, version_);
    form->addRow(u"&Дата на издаване:"_s, date_);
    form->addRow(u"В заглавието:"_s, caption_);
}

void VersionPage::refresh()
{
    const QSignalBlocker blockVersion(version_), blockDate(date_);
    version_->setValue(configuration_.version() / 100.0);
    const QDate date = ::setup::dateOfNumber(configuration_.date());
    if (date.isValid())
        date_->setDate(date);
    caption_->setText(u"… Версия "_s + ::setup::captionVersion(configuration_.version()) + u" от "_s +
                      ::setup::captionDate(configuration_.date()));
}

SummaryPage::SummaryPage(::setup::ClassConfiguration& configuration, const ::setup::LessonFacts& lesson)
    : Page(configuration, lesson)
{
    setObjectName(u"summaryPage"_s);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(u"summaryText"_s);
    text_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void SummaryPage::refresh() { text_->setPlainText(::setup::configurationSummary(configuration_, lesson_)); }

}  // namespace ui::setup_pages
