#include "qt/controls/caption/CaptionMenu.h"

#include "core/Boundary.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QWindow>

namespace {

bool sizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::Sizeable || style == TFormBorderStyle::SizeToolWin;
}

quint64 now() {
    return quint64(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

TCaptionMenu::TCaptionMenu(QWidget* window, TFormBorderStyle style, TBorderIcons icons, QWidget* parent)
    : QMenu(parent)
    , m_window(window)
    , m_style(style)
    , m_icons(effectiveBorderIcons(style, icons)) {
    setObjectName(QStringLiteral("SystemMenu"));
    m_restore = addItem(QStringLiteral("&Restore"), &TCaptionMenu::restoreWindow);
    m_move = addItem(QStringLiteral("&Move"), &TCaptionMenu::requestMove);
    m_size = addItem(QStringLiteral("&Size"), &TCaptionMenu::sizeWindow);
    m_minimize = addItem(QStringLiteral("Mi&nimize"), &TCaptionMenu::minimizeWindow);
    m_maximize = addItem(QStringLiteral("Ma&ximize"), &TCaptionMenu::maximizeWindow);
    addSeparator();
    m_close = addItem(QStringLiteral("&Close"), &TCaptionMenu::closeWindow);
    m_close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(this, &QMenu::aboutToShow, this, &TCaptionMenu::updateItems);
    updateItems();
}

QAction* TCaptionMenu::addItem(const QString& text, void (TCaptionMenu::*handler)()) {
    QAction* action = addAction(text);
    connect(action, &QAction::triggered, this, core::guarded([this, handler] { (this->*handler)(); }));
    return action;
}

void TCaptionMenu::updateItems() {
    const Qt::WindowStates state = m_window ? m_window->windowState() : Qt::WindowNoState;
    const bool minimized = state.testFlag(Qt::WindowMinimized);
    const bool maximized = state.testFlag(Qt::WindowMaximized);
    m_restore->setEnabled(minimized || maximized);
    m_move->setEnabled(!minimized && !maximized);
    m_size->setEnabled(sizeable(m_style) && !minimized && !maximized);
    m_minimize->setEnabled(m_icons.minimize && !minimized);
    m_maximize->setEnabled(m_icons.maximize && !maximized);
}

void TCaptionMenu::popupFromIcon(const QPoint& at, const QRect& iconOnScreen) {
    m_iconOnScreen = iconOnScreen;
    m_openedAt = now();
    setAttribute(Qt::WA_NoMouseReplay, false);
    popup(at);
}

void TCaptionMenu::popupAt(const QPoint& globalPos) {
    m_iconOnScreen = QRect();
    setAttribute(Qt::WA_NoMouseReplay, false);
    popup(globalPos);
}

// A press outside closes the menu (the toolkit's part); a second press on the
// icon soon after the one that opened the menu closes the window too.
void TCaptionMenu::mousePressEvent(QMouseEvent* event) {
    const bool onIcon = !rect().contains(event->position().toPoint()) &&
                        m_iconOnScreen.contains(event->globalPosition().toPoint());
    // The press is not handed on to the icon, which would open the menu again.
    if (onIcon)
        setAttribute(Qt::WA_NoMouseReplay);
    QMenu::mousePressEvent(event);
    if (onIcon && now() - m_openedAt <= quint64(QApplication::doubleClickInterval()))
        emit iconDoubleClicked();
}

void TCaptionMenu::restoreWindow() {
    if (m_window)
        m_window->showNormal();
}

void TCaptionMenu::sizeWindow() {
    if (QWindow* handle = m_window ? m_window->windowHandle() : nullptr)
        handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
}

void TCaptionMenu::minimizeWindow() {
    if (m_window)
        m_window->showMinimized();
}

void TCaptionMenu::maximizeWindow() {
    if (m_window)
        m_window->showMaximized();
}

void TCaptionMenu::closeWindow() {
    if (m_window)
        m_window->close();
}

void TCaptionMenu::requestMove() {
    emit moveRequested();
}
