#include "ui/form_view.h"

#include "ui/colours.h"
#include "ui/dispatcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSlider>
#include <QTimer>

namespace ui {

using forms::Kind;
using forms::Property;

// The top-level window of a form: reports resizes and closing by the frame.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(FormView& view) : view_(view) {}

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QMainWindow::resizeEvent(e);
        view_.windowResized();
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (view_.windowClosing())
            e->accept();
        else
            e->ignore();
    }

private:
    FormView& view_;
};

namespace {

// Menu captions are shown as they are: "&" is no mnemonic marker here.
QString menuText(const QString& caption) { return QString(caption).replace(u'&', QStringLiteral("&&")); }

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

QString fromControlText(const QString& text)
{
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString toControlText(const QString& text)
{
    QString t = text;
    return t.replace(u'\n', QStringLiteral("\r\n"));
}

QString textOf(const forms::Control& c)
{
    switch (c.kind()) {
        case Kind::Label:
            return static_cast<const forms::Label&>(c).Caption();
        case Kind::MenuItem:
            return static_cast<const forms::MenuItem&>(c).Caption();
        case Kind::Form:
            return static_cast<const forms::Form&>(c).Caption();
        default:
            return {};
    }
}

void setColours(QWidget& w, const forms::Control& c)
{
    const QPalette system = QGuiApplication::palette();
    QPalette p = w.palette();
    const QColor back = toQColor(c.BackColor(), system);
    const QColor fore = toQColor(c.ForeColor(), system);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, back);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, fore);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

void showPicture(QLabel& label, const forms::PictureBox& box)
{
    const QImage& image = box.Picture().image();
    if (image.isNull()) {
        label.clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (box.stretch && (pixmap.width() > label.width() || pixmap.height() > label.height()))
        pixmap = pixmap.scaled(label.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label.setPixmap(pixmap);
}

}  // namespace

int FormView::toPixels(double twips) { return qRound(twips * logicalDpi() / 1440.0); }
double FormView::toTwips(int pixels) { return pixels * 1440.0 / logicalDpi(); }

FormView::FormView(forms::Form& form, Dispatcher& dispatcher) : form_(form), dispatcher_(dispatcher)
{
    form_.setObserver(this);
    form_.setFormObserver(this);
    for (forms::Control* c : form_.controls())
        if (c->kind() == Kind::Timer)
            createTimer(*static_cast<forms::Timer*>(c));
}

FormView::~FormView()
{
    form_.setObserver(nullptr);
    form_.setFormObserver(nullptr);
    for (forms::Control* c : form_.controls())
        c->setObserver(nullptr);
    delete window_.data();
}

void FormView::createTimer(forms::Timer& timer)
{
    auto* t = new QTimer(this);
    t->setTimerType(Qt::PreciseTimer);
    t->setInterval(timer.Interval());
    connect(t, &QTimer::timeout, this, [this, &timer] {
        dispatcher_.run([&timer] {
            if (timer.onTimer && timer.Enabled())
                timer.onTimer();
        });
    });
    timers_.insert(&timer, t);
    timer.setObserver(this);
    if (timer.Enabled())
        t->start();
}

void FormView::build()
{
    auto* window = new FormWindow(*this);
    window_ = window;
    auto* surface = new QWidget(window);
    window->setCentralWidget(surface);
    surface->installEventFilter(this);
    controlOf_.insert(surface, &form_);
    for (forms::Control* c : form_.controls()) {
        if (c->kind() == Kind::Timer || c->kind() == Kind::MenuItem)
            continue;
        c->setObserver(this);
        if (QWidget* w = createWidget(*c)) {
            w->setParent(surface);
            widgets_.insert(c, w);
            controlOf_.insert(w, c);
            for (Property p : {Property::Geometry, Property::Visible, Property::Enabled, Property::Text,
                               Property::Items, Property::ListIndex, Property::Locked, Property::BackColor,
                               Property::Font, Property::ToolTip, Property::Picture, Property::Value})
                refreshWidget(*c, *w, p);
        }
    }
    buildMenus();
    for (Property p : {Property::Text, Property::BackColor, Property::Enabled, Property::Font})
        refreshFormWindow(p);
    applyFormSize();
    if (onFirstShow)
        onFirstShow(*window);
}

QWidget* FormView::createWidget(forms::Control& c)
{
    switch (c.kind()) {
        case Kind::ListBox: {
            auto* w = new QListWidget;
            auto& list = static_cast<forms::ListBox&>(c);
            connect(w, &QListWidget::clicked, this, [this, &list](const QModelIndex& index) {
                dispatcher_.run([&list, row = index.row()] { list.userClick(row); });
            });
            // Keyboard moves select too; a mouse press is reported by its click.
            connect(w, &QListWidget::currentRowChanged, this, [this, &list](int row) {
                if (syncing_ || (QApplication::mouseButtons() & Qt::LeftButton) || row == list.ListIndex())
                    return;
                dispatcher_.run([&list, row] { list.userClick(row); });
            });
            return w;
        }
        case Kind::TextBox: {
            auto* w = new QPlainTextEdit;
            auto& box = static_cast<forms::TextBox&>(c);
            connect(w, &QPlainTextEdit::textChanged, this, [this, w, &box] {
                if (!syncing_)
                    box.userEdited(toControlText(w->toPlainText()));
            });
            w->installEventFilter(this);
            return w;
        }
        case Kind::Label:
        case Kind::PictureBox: {
            auto* w = new QLabel;
            w->setAlignment(c.kind() == Kind::PictureBox || !static_cast<forms::Label&>(c).centred
                                ? Qt::AlignLeft | Qt::AlignTop
                                : Qt::AlignCenter);
            w->setWordWrap(c.kind() == Kind::Label);
            w->installEventFilter(this);
            return w;
        }
        case Kind::Shape:
            return new QWidget;
        case Kind::Slider: {
            auto* w = new QSlider(Qt::Horizontal);
            auto& slider = static_cast<forms::Slider&>(c);
            w->setRange(slider.Min(), slider.Max());
            connect(w, &QSlider::valueChanged, this, [this, &slider](int v) {
                if (!syncing_)
                    dispatcher_.run([&slider, v] { slider.userMoved(v); });
            });
            return w;
        }
        case Kind::OptionButton: {
            auto* w = new QRadioButton;
            auto& option = static_cast<forms::OptionButton&>(c);
            connect(w, &QRadioButton::clicked, this,
                    [this, &option] { dispatcher_.run([&option] { option.userClick(); }); });
            return w;
        }
        default:
            return nullptr;
    }
}

void FormView::buildMenus()
{
    QMenuBar* bar = window_->menuBar();
    for (forms::MenuItem* item : form_.menus())
        bar->addAction(createAction(*item));
    if (form_.menus().empty())
        bar->hide();
}

QAction* FormView::createAction(forms::MenuItem& item)
{
    QAction* action = nullptr;
    if (!item.children().empty()) {
        auto* menu = new QMenu(menuText(item.Caption()), window_);
        for (forms::MenuItem* child : item.children())
            menu->addAction(createAction(*child));
        action = menu->menuAction();
    } else {
        action = new QAction(menuText(item.Caption()), window_);
        connect(action, &QAction::triggered, this, [this, &item] { dispatcher_.run([&item] { item.userClick(); }); });
    }
    actions_.insert(&item, action);
    item.setObserver(this);
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
    return action;
}

void FormView::controlChanged(forms::Control& control, Property property)
{
    if (control.kind() == Kind::Timer) {
        QTimer* t = timers_.value(&control);
        if (t && property == Property::Enabled)
            control.Enabled() ? t->start() : t->stop();
        return;
    }
    if (&control == &form_) {
        if (property == Property::Visible && form_.Visible() && !window_)
            build();
        if (window_)
            refreshFormWindow(property);
        return;
    }
    refresh(control, property);
}

void FormView::refresh(forms::Control& control, Property property)
{
    if (QAction* a = actions_.value(&control)) {
        const auto& item = static_cast<forms::MenuItem&>(control);
        if (property == Property::Text)
            a->setText(menuText(item.Caption()));
        a->setEnabled(item.Enabled());
        a->setVisible(item.Visible());
        return;
    }
    if (QWidget* w = widgets_.value(&control))
        refreshWidget(control, *w, property);
}

void FormView::refreshWidget(forms::Control& c, QWidget& w, Property property)
{
    const QScopedValueRollback<bool> guard(syncing_, true);
    switch (property) {
        case Property::Geometry:
            w.setGeometry(toPixels(c.Left()), toPixels(c.Top()), std::max(0, toPixels(c.Width())),
                          std::max(0, toPixels(c.Height())));
            if (c.kind() == Kind::PictureBox)
                showPicture(static_cast<QLabel&>(w), static_cast<forms::PictureBox&>(c));
            break;
        case Property::Visible:
            w.setVisible(c.Visible());
            break;
        case Property::Enabled:
            w.setEnabled(c.Enabled());
            break;
        case Property::Text:
            if (c.kind() == Kind::TextBox) {
                auto& edit = static_cast<QPlainTextEdit&>(w);
                const QString text = fromControlText(static_cast<forms::TextBox&>(c).Text());
                if (edit.toPlainText() != text)
                    edit.setPlainText(text);
            } else if (c.kind() == Kind::Label) {
                static_cast<QLabel&>(w).setText(textOf(c));
                w.setAccessibleName(c.ToolTipText().isEmpty() ? textOf(c) : c.ToolTipText().trimmed());
            }
            break;
        case Property::Items:
        case Property::ListIndex:
            if (c.kind() == Kind::ListBox) {
                auto& list = static_cast<QListWidget&>(w);
                const auto& box = static_cast<forms::ListBox&>(c);
                if (property == Property::Items) {
                    list.clear();
                    list.addItems(box.items());
                }
                list.setCurrentRow(box.ListIndex());
                if (box.ListIndex() < 0)
                    list.clearSelection();
            }
            break;
        case Property::Locked:
            if (c.kind() == Kind::TextBox)
                static_cast<QPlainTextEdit&>(w).setReadOnly(static_cast<forms::TextBox&>(c).Locked());
            break;
        case Property::BackColor:
        case Property::ForeColor:
            setColours(w, c);
            break;
        case Property::Font: {
            QFont f = w.font();
            f.setFamily(c.FontName());
            f.setPointSizeF(c.FontSize());
            w.setFont(f);
            break;
        }
        case Property::ToolTip:
            w.setToolTip(c.ToolTipText());
            w.setAccessibleName(c.ToolTipText().trimmed().isEmpty() ? textOf(c) : c.ToolTipText().trimmed());
            break;
        case Property::Picture:
            if (c.kind() == Kind::PictureBox)
                showPicture(static_cast<QLabel&>(w), static_cast<forms::PictureBox&>(c));
            break;
        case Property::Value:
            if (c.kind() == Kind::Slider)
                static_cast<QSlider&>(w).setValue(static_cast<forms::Slider&>(c).Value());
            else if (c.kind() == Kind::OptionButton)
                static_cast<QRadioButton&>(w).setChecked(static_cast<forms::OptionButton&>(c).Value());
            break;
    }
}

void FormView::refreshFormWindow(Property property)
{
    switch (property) {
        case Property::Text:
            window_->setWindowTitle(form_.Caption());
            break;
        case Property::Visible:
            form_.Visible() ? (window_->show(), window_->raise()) : window_->hide();
            break;
        case Property::Enabled:
            window_->setEnabled(form_.Enabled());
            break;
        case Property::BackColor:
            setColours(*window_->centralWidget(), form_);
            break;
        case Property::Geometry:
            applyFormSize();
            break;
        case Property::Font: {
            QFont f = window_->font();
            f.setFamily(form_.FontName());
            f.setPointSizeF(form_.FontSize());
            window_->centralWidget()->setFont(f);
            break;
        }
        default:
            break;
    }
}

// The client area is the central widget; the menu bar sits above it.
void FormView::applyFormSize()
{
    const int menu =
        window_->menuBar()->isVisible() || !form_.menus().empty() ? window_->menuBar()->sizeHint().height() : 0;
    const QSize client(toPixels(form_.Width()), toPixels(form_.Height()));
    if (window_->centralWidget()->size() != client)
        window_->resize(client.width(), client.height() + menu);
}

void FormView::windowResized()
{
    const QSize client = window_->centralWidget()->size();
    if (client == QSize(toPixels(form_.Width()), toPixels(form_.Height())))
        return;  // the size the form asked for: keep its exact twips
    // The window already has this size, so the view's own refresh changes nothing.
    form_.setSize(toTwips(client.width()), toTwips(client.height()));
    dispatcher_.run([this] { form_.Form_Resize(); });
}

bool FormView::windowClosing()
{
    if (dispatcher_.ended())
        return true;
    bool close = false;
    dispatcher_.run([this, &close] { close = form_.Form_QueryClose(); });
    return close;
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    forms::Control* c = controlOf_.value(watched);
    if (!c)
        return false;
    if (event->type() == QEvent::FocusIn && c->kind() == Kind::TextBox) {
        dispatcher_.run([c] { static_cast<forms::TextBox*>(c)->userFocused(); });
    } else if (event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (c == &form_) {
            // Presses a control let pass up are not on the window's own surface.
            if (window_->centralWidget()->childAt(me->position().toPoint()))
                return false;
            const auto button = me->button() == Qt::RightButton    ? forms::MouseButton::Right
                                : me->button() == Qt::MiddleButton ? forms::MouseButton::Middle
                                                                   : forms::MouseButton::Left;
            const QPointF at = me->position();
            dispatcher_.run(
                [this, button, at] { form_.Form_MouseDown(button, toTwips(int(at.x())), toTwips(int(at.y()))); });
            return true;
        }
        if (c->kind() == Kind::PictureBox) {
            dispatcher_.run([c] { static_cast<forms::PictureBox*>(c)->userClick(); });
            return true;
        }
    }
    return false;
}

void FormView::popupRequested(forms::Form&, forms::MenuItem& menu)
{
    QAction* action = actions_.value(&menu);
    if (action && action->menu())
        action->menu()->exec(QCursor::pos());
}

}  // namespace ui
