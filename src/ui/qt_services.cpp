#include "ui/qt_services.h"

#include "files/drive_type.h"
#include "ui/dispatcher.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace ui {

bool QtMessages::show(const QString& text, int flags, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setIcon(flags & app::box::Stop ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (flags & app::box::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(flags & app::box::SecondButtonDefault ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Nothing to do while the clipboard is ours and already empty.
    if (clipboard->ownsClipboard()) {
        const QMimeData* data = clipboard->mimeData();
        if (!data || data->formats().isEmpty())
            return;
    }
    clipboard->clear();
}

quint8 WorkingFolderDrive::driveType() { return app::driveTypeOfWorkingFolder(); }
bool WorkingFolderDrive::workingFolderWritable() { return app::workingFolderWritable(); }

QStringList QtFonts::screenFonts()
{
    QStringList fonts;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            fonts << family;
    return fonts;
}

bool QtFonts::showsCyrillic(const QString& family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
}

void QtEnd::endProgram()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

QDateTime SystemClock::now() { return QDateTime::currentDateTime(); }

void EventLoopLater::runLater(std::function<void()> work)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [this, work = std::move(work)] {
        if (dispatcher)
            dispatcher->run(work);
    });
}

}  // namespace ui
