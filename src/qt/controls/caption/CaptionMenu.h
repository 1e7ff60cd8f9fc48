#pragma once

#include "qt/controls/caption/CaptionLayout.h"

#include <QMenu>
#include <QPointer>
#include <QRect>

class QAction;

// The system menu of a self-drawn title bar: Restore, Move, Size, Minimize,
// Maximize, a separator and Close, which shows Alt+F4. Each item is enabled as
// the window's frame and its state allow, looked at each time the menu opens.
class TCaptionMenu : public QMenu {
    Q_OBJECT

public:
    TCaptionMenu(QWidget* window, TFormBorderStyle style, TBorderIcons icons, QWidget* parent);

    // Opens at `at`, below the caption's icon, whose screen rectangle a second
    // press lands on to close the window (a double click on the icon).
    void popupFromIcon(const QPoint& at, const QRect& iconOnScreen);
    // Opens at a point (a right click on the caption).
    void popupAt(const QPoint& globalPos);

    void updateItems();
    QAction* closeAction() const { return m_close; }

signals:
    // "Move" was chosen.
    void moveRequested();
    // The icon was pressed again within the double-click time while the menu was open.
    void iconDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QAction* addItem(const QString& text, void (TCaptionMenu::*handler)());
    void restoreWindow();
    void sizeWindow();
    void minimizeWindow();
    void maximizeWindow();
    void closeWindow();
    void requestMove();

    QPointer<QWidget> m_window;
    TFormBorderStyle m_style;
    TBorderIcons m_icons;
    QRect m_iconOnScreen;
    quint64 m_openedAt = 0;
    QAction* m_restore = nullptr;
    QAction* m_move = nullptr;
    QAction* m_size = nullptr;
    QAction* m_minimize = nullptr;
    QAction* m_maximize = nullptr;
    QAction* m_close = nullptr;
};
