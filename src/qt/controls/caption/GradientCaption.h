#pragma once

#include "core/Colors.h"
#include "qt/controls/caption/CaptionLayout.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <array>
#include <exception>

class QPainter;
class QWidget;
class TCaptionButton;
class TCaptionFrame;
class TCaptionMenu;
class TCaptionStrip;
class WindowMover;

// Paints a window's title bar with a colour gradient (a solid colour while the
// window is inactive), the window's small icon and the caption text.
//
// While attached the window is frameless: the control draws the caption strip,
// the title-bar buttons (close, minimise, and maximise greyed) and the window's
// border around the client area, which keeps its size; the window is sized
// around it. Dragging the strip moves the window. The system menu opens from a
// click on the icon, a right click on the strip and Alt+Space; a double click on
// the icon closes the window, and so does Alt+F4. Detached, the window has its
// normal frame again, the client area sits at 0,0 and the window is its size.
class TGradientCaption : public QObject {
    Q_OBJECT

public:
    // Attaches at once (Active is true by default). The client area must be a
    // child of the form.
    TGradientCaption(QWidget* form, QWidget* clientArea);
    ~TGradientCaption() override;

    // Attached while set and the form is a top-level window.
    void setActive(bool active);
    bool active() const { return m_active; }
    bool isAttached() const;

    // The drawn text; kept apart from the window's own title.
    void setFormCaption(const QString& caption);
    QString formCaption() const { return m_formCaption; }
    void setCaption(const QString& caption) { setFormCaption(caption); }
    QString caption() const { return m_formCaption; }

    void setStartColor(core::TColor color);
    core::TColor startColor() const { return m_startColor; }
    // Only the low 8 bits count; fewer than 2 steps give a solid start colour.
    void setGradientSteps(int steps);
    int gradientSteps() const { return m_gradientSteps; }
    void setGradientActive(bool gradient);
    bool gradientActive() const { return m_gradientActive; }
    void setGradientInactive(bool gradient);
    bool gradientInactive() const { return m_gradientInactive; }

    // The caption font and its colour (used while the window is active).
    // Changing either clears DefaultFont.
    void setFont(const QFont& font);
    QFont font() const { return m_font; }
    void setFontColor(core::TColor color);
    core::TColor fontColor() const { return m_fontColor; }
    // While set, the font is the desktop's caption font in the caption-text colour.
    void setDefaultFont(bool useDefault);
    bool defaultFont() const { return m_defaultFont; }
    void setFontInactiveColor(core::TColor color);
    core::TColor fontInactiveColor() const { return m_fontInactiveColor; }

    // The window's active state as last reported to it.
    bool isWindowActive() const { return m_windowActive; }
    // The colour the gradient runs to in the current state (always a system colour).
    core::TColor endColor() const;
    // The caption strip in form coordinates; empty while detached.
    QRect stripRect() const;
    // The caption text as the current strip shows it.
    QString shownCaption() const;
    // The title bar's system menu; null while detached.
    TCaptionMenu* systemMenu() const;
    // Opens the system menu below the icon, as Alt+Space does.
    void openSystemMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Draws the strip, W x H, into an off-screen painter: background, icon, text.
    virtual void drawStrip(QPainter& painter, QSize size) const;

private:
    // True when the event was used up here.
    bool handleEvent(QObject* watched, QEvent* event);
    bool handleStripEvent(QEvent* event);
    bool onIcon(const QPoint& stripPos) const;
    void updateAttachment();
    void attach();
    void detach();
    void relayout();
    void requestRepaint();
    void paintStrip(QPainter& painter, QSize size);
    void reportLater(std::exception_ptr error);
    int textLeft() const;
    QString shortenedCaption(int width) const;
    // Where the form stands and whether it shows and has the focus.
    struct Placement {
        QPoint position;
        bool visible = false;
        bool active = false;
        bool placed = false;
    };
    Placement placement() const;
    static Qt::WindowFlags framelessFlags(Qt::WindowFlags flags);
    void setWindowFlags(Qt::WindowFlags flags, const Placement& before);

    static constexpr TFormBorderStyle kBorderStyle = TFormBorderStyle::Single;
    static constexpr TBorderIcons kBorderIcons{true, true, false, false};

    QPointer<QWidget> m_form;
    QPointer<QWidget> m_clientArea;

    bool m_active = true;
    QString m_formCaption;
    core::TColor m_startColor = core::clWindowText;
    int m_gradientSteps = 64;
    bool m_gradientActive = true;
    bool m_gradientInactive = false;
    QFont m_font;
    core::TColor m_fontColor = core::clCaptionText;
    bool m_defaultFont = true;
    core::TColor m_fontInactiveColor = core::clInactiveCaptionText;

    bool m_windowActive = false;
    bool m_reportPending = false;

    CaptionGeometry m_geometry;
    QPointer<TCaptionFrame> m_frame;
    QPointer<TCaptionStrip> m_strip;
    std::array<QPointer<TCaptionButton>, 3> m_buttons; // close, maximise, minimise
    QPointer<WindowMover> m_mover;
    QPointer<TCaptionMenu> m_menu;

    // The form as it was before attaching.
    Qt::WindowFlags m_savedFlags;
    QSize m_savedMinimumSize;
    QSize m_savedMaximumSize;
};
