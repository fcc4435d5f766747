#include "ui/setup/guide_window.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

QDialog* openGuide(QWidget* parent)
{
    if (auto* open = parent->findChild<QDialog*>(u"guideWindow"_s)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new QDialog(parent);
    window->setObjectName(u"guideWindow"_s);
    window->setWindowTitle(u"Ръководство за учителя"_s);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QTextBrowser(window);
    text->setObjectName(u"guideText"_s);
    text->setAccessibleName(u"Ръководство за учителя"_s);
    text->setOpenExternalLinks(true);
    QFile guide(u":/docs/teacher-guide.md"_s);
    if (guide.open(QIODevice::ReadOnly))
        text->setMarkdown(QString::fromUtf8(guide.readAll()));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    window->resize(760, 640);
    window->show();
    return window;
}

}  // namespace ui
