#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Quits the application once anything of the watched window has been painted
// the first time: start-up measured to what the user first sees.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget& window_;
    bool done_ = false;
};
