#include "ui/form_view.h"

#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/dispatcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace ui {

using forms::Kind;
using forms::Property;

// The top-level window of a form: reports closing by the frame.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(FormView& view) : view_(view) {}

protected:
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

// A text box that refuses pasted text when its control says so: the keyboard
// and menu paste, the middle button's selection and drops all come through
// these two functions.
class TextEdit : public QPlainTextEdit {
public:
    explicit TextEdit(bool pasteAllowed) : pasteAllowed_(pasteAllowed)
    {
        setAcceptDrops(pasteAllowed);
        setTabChangesFocus(true);  // Tab moves on through the window, as in every other control
    }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override
    {
        return pasteAllowed_ && QPlainTextEdit::canInsertFromMimeData(source);
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        if (pasteAllowed_)
            QPlainTextEdit::insertFromMimeData(source);
    }

private:
    bool pasteAllowed_;
};

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

int toPixels(double twips);

// A picture is drawn at its size in twips (one picture pixel for
// forms::TwipsPerPicturePixel twips), a stretch box's picture shrunk into the
// box; the pixmap has the screen's device pixels, so it stays sharp at any
// scale factor.
void showPicture(QLabel& label, const forms::PictureBox& box)
{
    const QImage& image = box.Picture().image();
    if (image.isNull()) {
        label.clear();
        return;
    }
    QSize logical(toPixels(image.width() * forms::TwipsPerPicturePixel),
                  toPixels(image.height() * forms::TwipsPerPicturePixel));
    if (box.stretch && (logical.width() > label.width() || logical.height() > label.height()))
        logical = logical.scaled(label.size(), Qt::KeepAspectRatio);
    const qreal ratio = label.devicePixelRatioF();
    const QSize device = (QSizeF(logical) * ratio).toSize();
    QPixmap pixmap = QPixmap::fromImage(
        device == image.size() ? image : image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    label.setPixmap(pixmap);
}

void putCaretOnLine(QPlainTextEdit& edit, int line)
{
    const QTextBlock block = edit.document()->findBlockByNumber(std::max(0, line - 1));
    if (block.isValid())
        edit.setTextCursor(QTextCursor(block));
    edit.window()->raise();
    edit.window()->activateWindow();
    edit.setFocus();
}

void applyAccessibility(QWidget& w, const forms::Control& c)
{
    w.setAccessibleName(accessibility::nameOf(c));
    w.setAccessibleDescription(accessibility::descriptionOf(c));
}

// Controls a keyboard user works with, in the order Tab reaches them.
bool takesFocus(const forms::Control& c)
{
    switch (c.kind()) {
        case Kind::ListBox:
        case Kind::TextBox:
        case Kind::Slider:
        case Kind::OptionButton:
        case Kind::CommandButton:
            return true;
        case Kind::PictureBox:
            return bool(static_cast<const forms::PictureBox&>(c).onClick);
        default:
            return false;
    }
}

int toPixels(double twips) { return FormView::toPixels(twips); }

}  // namespace

int FormView::toPixels(double twips) { return qRound(twips * logicalDpi() / 1440.0); }
double FormView::toTwips(int pixels) { return pixels * 1440.0 / logicalDpi(); }

FormView::FormView(forms::Form& form, Dispatcher& dispatcher) : form_(form), dispatcher_(dispatcher)
{
    accessibility::installInterfaces();
    form_.setObserver(this);
    form_.setFormObserver(this);
    for (forms::Control* c : form_.controls())
        if (c->kind() == Kind::Timer)
            createTimer(*static_cast<forms::Timer*>(c));
}

FormView::~FormView()
{
    detach();
    delete window_.data();
}

void FormView::detach()
{
    if (detached_)
        return;
    detached_ = true;
    form_.setObserver(nullptr);
    form_.setFormObserver(nullptr);
    for (forms::Control* c : form_.controls())
        c->setObserver(nullptr);
    qDeleteAll(timers_);
    timers_.clear();
    for (QObject* o : controlOf_.keys())
        o->disconnect(this);
    for (QAction* a : std::as_const(actions_))
        a->disconnect(this);
    controlOf_.clear();
    widgets_.clear();
    actions_.clear();
    if (window_)
        window_->hide();
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
    window->setObjectName(form_.name());
    auto* scroller = new QScrollArea(window);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    window->setCentralWidget(scroller);
    auto* surface = new QWidget;
    surface_ = surface;
    scroller->setWidget(surface);
    surface->installEventFilter(this);
    controlOf_.insert(surface, &form_);
    announcer_ = new QLabel(surface);
    announcer_->setObjectName(QStringLiteral("announcement"));
    announcer_->setGeometry(0, 0, 1, 1);
    announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (forms::Control* c : form_.controls()) {
        if (c->kind() == Kind::Timer || c->kind() == Kind::MenuItem)
            continue;
        c->setObserver(this);
        if (QWidget* w = createWidget(*c)) {
            w->setObjectName(c->qualifiedName());
            w->setParent(surface);
            widgets_.insert(c, w);
            controlOf_.insert(w, c);
            for (Property p : {Property::Geometry, Property::Visible, Property::Enabled, Property::Text,
                               Property::Items, Property::ListIndex, Property::Locked, Property::BackColor,
                               Property::Font, Property::ToolTip, Property::Picture, Property::Value})
                refreshWidget(*c, *w, p);
        }
    }
    setTabOrder();
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
            // Keyboard moves choose; the mouse chooses by the left button's
            // release on a row (see eventFilter).
            connect(w, &QListWidget::currentRowChanged, this, [this, &list](int row) {
                if (syncing_ || QApplication::mouseButtons() != Qt::NoButton || row == list.ListIndex())
                    return;
                dispatcher_.run([&list, row] { list.userClick(row); });
            });
            w->viewport()->installEventFilter(this);
            controlOf_.insert(w->viewport(), &c);
            return w;
        }
        case Kind::TextBox: {
            auto& box = static_cast<forms::TextBox&>(c);
            if (box.singleLine)
                return createLineField(box);
            auto* w = new TextEdit(box.pasteAllowed);
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
            if (takesFocus(c))
                w->setFocusPolicy(Qt::StrongFocus);  // Enter or Space clicks it
            return w;
        }
        case Kind::Shape:
            return new accessibility::ShapeWidget;
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
        case Kind::CommandButton: {
            auto* w = new QPushButton;
            auto& button = static_cast<forms::CommandButton&>(c);
            connect(w, &QPushButton::clicked, this,
                    [this, &button] { dispatcher_.run([&button] { button.userClick(); }); });
            return w;
        }
        default:
            return nullptr;
    }
}

QWidget* FormView::createLineField(forms::TextBox& box)
{
    auto* w = new QLineEdit;
    connect(w, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        if (!syncing_)
            box.userEdited(text);
    });
    connect(w, &QLineEdit::returnPressed, this, [this, &box] { dispatcher_.run([&box] { box.userPressedEnter(); }); });
    w->installEventFilter(this);
    return w;
}

void FormView::buildMenus()
{
    QMenuBar* bar = window_->menuBar();
    for (forms::MenuItem* item : form_.menus())
        bar->addAction(createAction(*item));
    bar->installEventFilter(this);
    if (form_.menus().empty()) {
        bar->hide();
        return;
    }
    // F10 opens the menu bar at its first open menu; the arrows, Enter and
    // Escape go on from there.
    auto* openBar = new QAction(window_);
    openBar->setObjectName(QStringLiteral("openMenuBar"));
    openBar->setShortcut(Qt::Key_F10);
    window_->addAction(openBar);
    connect(openBar, &QAction::triggered, bar, [bar] {
        const QList<QAction*> menus = bar->actions();
        const auto first =
            std::find_if(menus.begin(), menus.end(), [](const QAction* a) { return a->isVisible() && a->isEnabled(); });
        if (first != menus.end()) {
            bar->setFocus(Qt::ShortcutFocusReason);
            bar->setActiveAction(*first);
        }
    });
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
        action->setShortcut(QKeySequence(item.shortcut));
        connect(action, &QAction::triggered, this, [this, &item] { dispatcher_.run([&item] { item.userClick(); }); });
    }
    action->setObjectName(item.qualifiedName());
    actions_.insert(&item, action);
    item.setObserver(this);
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
    action->setToolTip(item.ToolTipText());
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
        if (property == Property::ToolTip)
            a->setToolTip(item.ToolTipText());
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
            if (auto* line = qobject_cast<QLineEdit*>(&w)) {
                if (line->text() != static_cast<forms::TextBox&>(c).Text())
                    line->setText(static_cast<forms::TextBox&>(c).Text());
            } else if (c.kind() == Kind::TextBox) {
                auto& edit = static_cast<QPlainTextEdit&>(w);
                const QString text = fromControlText(static_cast<forms::TextBox&>(c).Text());
                if (edit.toPlainText() != text)
                    edit.setPlainText(text);
            } else if (c.kind() == Kind::Label) {
                static_cast<QLabel&>(w).setText(accessibility::captionOf(c));
                applyAccessibility(w, c);
            } else if (c.kind() == Kind::CommandButton) {
                static_cast<QPushButton&>(w).setText(menuText(accessibility::captionOf(c)));
                applyAccessibility(w, c);
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
            if (auto* line = qobject_cast<QLineEdit*>(&w))
                line->setReadOnly(static_cast<forms::TextBox&>(c).Locked());
            else if (c.kind() == Kind::TextBox)
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
            applyAccessibility(w, c);
            break;
        case Property::Accessible:
            applyAccessibility(w, c);
            break;
        case Property::Picture:
            if (c.kind() == Kind::PictureBox) {
                showPicture(static_cast<QLabel&>(w), static_cast<forms::PictureBox&>(c));
                applyAccessibility(w, c);
            }
            break;
        case Property::Value:
            if (c.kind() == Kind::Slider)
                static_cast<QSlider&>(w).setValue(static_cast<forms::Slider&>(c).Value());
            else if (c.kind() == Kind::OptionButton)
                static_cast<QRadioButton&>(w).setChecked(static_cast<forms::OptionButton&>(c).Value());
            else if (c.kind() == Kind::Shape)
                static_cast<accessibility::ShapeWidget&>(w).setProgress(static_cast<forms::Shape&>(c).ProgressValue());
            break;
        case Property::Cursor:
            if (auto* line = qobject_cast<QLineEdit*>(&w)) {
                line->window()->raise();
                line->window()->activateWindow();
                line->setFocus();
            } else if (c.kind() == Kind::TextBox)
                putCaretOnLine(static_cast<QPlainTextEdit&>(w), static_cast<forms::TextBox&>(c).CursorLine());
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
            setColours(*surface_, form_);
            break;
        case Property::Geometry:
            applyFormSize();
            break;
        case Property::Font: {
            QFont f = window_->font();
            f.setFamily(form_.FontName());
            f.setPointSizeF(form_.FontSize());
            surface_->setFont(f);
            break;
        }
        default:
            break;
    }
}

// The client area is the surface; the menu bar sits above it. A window never
// grows past the screen: a form that lays itself out fits the smaller window,
// any other scrolls in it.
void FormView::applyFormSize()
{
    const QSize client(toPixels(form_.Width()), toPixels(form_.Height()));
    if (followingWindow_)
        return;  // the window already has this size
    surface_->setMinimumSize(form_.followsWindowSize ? QSize(0, 0) : client);
    if (surface_->size() == client && window_->centralWidget()->size() == client)
        return;
    const int menu =
        window_->menuBar()->isVisible() || !form_.menus().empty() ? window_->menuBar()->sizeHint().height() : 0;
    QSize size(client.width(), client.height() + menu);
    if (const QScreen* screen = window_->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    window_->resize(size);
}

void FormView::setTabOrder()
{
    std::vector<forms::Control*> order;
    for (forms::Control* c : form_.controls())
        if (widgets_.contains(c) && takesFocus(*c))
            order.push_back(c);
    // Rows from the top, each from the left; a control starting less than a
    // line (about 120 twips) lower counts as the same row.
    std::stable_sort(order.begin(), order.end(), [](const forms::Control* a, const forms::Control* b) {
        if (std::abs(a->Top() - b->Top()) >= 120)
            return a->Top() < b->Top();
        return a->Left() < b->Left();
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets_.value(order[i - 1]), widgets_.value(order[i]));
}

void FormView::windowResized()
{
    if (detached_)
        return;
    const QSize client = surface_->size();
    if (client == QSize(toPixels(form_.Width()), toPixels(form_.Height())))
        return;  // the size the form asked for: keep its exact twips
    const QScopedValueRollback<bool> following(followingWindow_, true);
    form_.setSize(toTwips(client.width()), toTwips(client.height()));
    dispatcher_.run([this] { form_.Form_Resize(); });
}

bool FormView::windowClosing()
{
    if (detached_ || dispatcher_.ended())
        return true;
    bool close = false;
    dispatcher_.run([this, &close] { close = form_.Form_QueryClose(); });
    return close;
}

// The menu bar shows no tool tips of its own; a menu that has one (such as a
// save menu the drive rule turned off) shows it on the bar.
bool FormView::menuBarToolTip(QMenuBar& bar, QHelpEvent& event)
{
    QAction* hovered = bar.actionAt(event.pos());
    const forms::Control* item = hovered ? actions_.key(hovered) : nullptr;
    if (item && !item->ToolTipText().isEmpty())
        QToolTip::showText(event.globalPos(), item->ToolTipText(), &bar);
    else
        QToolTip::hideText();
    return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && window_ && watched == window_->menuBar())
        return menuBarToolTip(*window_->menuBar(), *static_cast<QHelpEvent*>(event));
    forms::Control* c = controlOf_.value(watched);
    if (!c)
        return false;
    if (c == &form_ && event->type() == QEvent::Resize) {
        windowResized();
        return false;
    }
    if (event->type() == QEvent::KeyPress && c->kind() == Kind::PictureBox) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            dispatcher_.run([c] { static_cast<forms::PictureBox*>(c)->userClick(); });
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && c->kind() == Kind::TextBox) {
        dispatcher_.run([c] { static_cast<forms::TextBox*>(c)->userFocused(); });
    } else if (event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (c == &form_) {
            // Presses a control let pass up are not on the window's own surface.
            if (surface_->childAt(me->position().toPoint()))
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
    if (c->kind() == Kind::ListBox)
        return listMouseEvent(*static_cast<forms::ListBox*>(c), *static_cast<QWidget*>(watched), *event);
    return false;
}

// A list is chosen from by the left button's release on a row; other buttons
// never choose nor move the highlight, and afterwards the highlight shows the
// list's own choice, wherever the press and the release were.
bool FormView::listMouseEvent(forms::ListBox& list, QWidget& viewport, QEvent& event)
{
    const bool press = event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
    const bool release = event.type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return false;
    const auto& me = static_cast<QMouseEvent&>(event);
    if (me.button() != Qt::LeftButton)
        return true;
    if (!release)
        return false;
    auto* widget = static_cast<QListWidget*>(viewport.parentWidget());
    const int row = widget->indexAt(me.position().toPoint()).row();
    if (row >= 0)
        dispatcher_.run([&list, row] { list.userClick(row); });
    if (detached_)
        return false;  // the handler discarded the window
    QTimer::singleShot(0, widget, [this, widget, &list] {
        if (detached_)
            return;
        const QScopedValueRollback<bool> guard(syncing_, true);
        widget->setCurrentRow(list.ListIndex());
        if (list.ListIndex() < 0)
            widget->clearSelection();
    });
    return false;
}

void FormView::announced(forms::Form&, const QString& message)
{
    if (announcer_)
        accessibility::announce(*announcer_, message);
}

void FormView::popupRequested(forms::Form&, forms::MenuItem& menu)
{
    QAction* action = actions_.value(&menu);
    if (action && action->menu())
        action->menu()->exec(QCursor::pos());
}

}  // namespace ui
