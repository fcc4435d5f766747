// The settings window on screen: opened from the main window's menu, a real
// slider moved by the keyboard recolours the swatch, and a system colour
// shows as the palette colour it stands for.
#include "support/scripted_services.h"

#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "settings/cwiat.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {

const QColor PaletteText(1, 2, 3);

class SettingsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void movingTheRedSliderRecoloursTheSwatch();
    void systemTextColourShowsAsThePaletteTextColour();

private:
    void writeOpenConfiguration();
    app::Program& program() { return lesson_->program(); }
    ui::FormView& settingsView() { return *view_->viewOf(program().cwiat()); }
    template <typename W>
    W* widgetOf(const forms::Control& control)
    {
        return qobject_cast<W*>(settingsView().widgetFor(control));
    }

    QPalette systemPalette_;
    std::unique_ptr<testing_support::TestLesson> lesson_;
    std::unique_ptr<ui::ProgramView> view_;
};

// A class configuration that enables the "Цвят/шрифт" menu among others.
void SettingsViewTest::writeOpenConfiguration()
{
    app::Program scratch(lesson_->services.services());
    QFile file(lesson_->path(app::lessonCode(scratch) + u".UFG"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content::serialiseConfig(app::openLessonConfig(scratch))), qint64(content::ConfigFileSize));
}

void SettingsViewTest::init()
{
    systemPalette_ = QApplication::palette();
    QPalette palette = systemPalette_;
    palette.setColor(QPalette::Text, PaletteText);
    QApplication::setPalette(palette);

    lesson_ = std::make_unique<testing_support::TestLesson>();
    writeOpenConfiguration();
    view_ = std::make_unique<ui::ProgramView>(program());
    program().start();

    Lesko& main = program().lesko();
    QAction* colours = view_->viewOf(main)->actionFor(main.mnu_Cwqt);
    QVERIFY(colours && colours->isEnabled());
    colours->trigger();
    QVERIFY(settingsView().window() && settingsView().window()->isVisible());
}

void SettingsViewTest::cleanup()
{
    view_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    lesson_.reset();
    QApplication::setPalette(systemPalette_);
}

void SettingsViewTest::movingTheRedSliderRecoloursTheSwatch()
{
    Cwiat& w = program().cwiat();
    auto* red = widgetOf<QSlider>(w.Slider1[Cwiat::RedSlider]);
    auto* swatch = widgetOf<QLabel>(w.picColor);
    QVERIFY(red && swatch);
    QCOMPARE(red->value(), 128);
    QCOMPARE(swatch->palette().color(QPalette::Window), QColor(128, 0, 0));

    QTest::keyClick(red, Qt::Key_PageUp);

    QCOMPARE(red->value(), 128 + red->pageStep());
    QCOMPARE(swatch->palette().color(QPalette::Window), QColor(128 + red->pageStep(), 0, 0));
    QCOMPARE(widgetOf<QLabel>(w.Label_ST[Cwiat::RedValue])->text(), QString::number(128 + red->pageStep()));
}

void SettingsViewTest::systemTextColourShowsAsThePaletteTextColour()
{
    Cwiat& w = program().cwiat();
    QCOMPARE(w.Option1[appearance::TextColour].BackColor(), forms::system_colour::WindowText);
    auto* option = widgetOf<QRadioButton>(w.Option1[appearance::TextColour]);
    auto* preview = widgetOf<QPlainTextEdit>(w.Text_Cv[0]);
    QVERIFY(option && preview);
    QCOMPARE(option->palette().color(QPalette::Window), PaletteText);
    QCOMPARE(preview->palette().color(QPalette::Text), PaletteText);
}

}  // namespace

QTEST_MAIN(SettingsViewTest)
#include "view_settings.moc"
