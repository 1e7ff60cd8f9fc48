#include "qt/controls/links/URLLabel.h"

#include "qt/controls/links/URLLabelAccessible.h"
#include "qt/platform/SystemColors.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QRegion>
#include <QUrl>

namespace {

// A target without a scheme ("www.example.com", a file path) is read the way a
// user would type it into a browser's address line.
QUrl urlFromTarget(const QString& target) {
    const QUrl url(target, QUrl::TolerantMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    return QUrl::fromUserInput(target);
}

} // namespace

TURLLabel::TURLLabel(QWidget* parent)
    : QLabel(parent) {
    installURLLabelAccessibility();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(QString::fromLatin1(kDefaultCaption));
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setFontColor(m_colorNormal);
    // Pointer moves without a button held reach OnMouseMove too.
    setMouseTracking(true);
    updateHitArea();
}

TURLLabel::~TURLLabel() = default;

void TURLLabel::setCaption(const QString& caption) {
    setText(caption);
    updateHitArea();
}

QRect TURLLabel::textArea() const {
    return QRect(QPoint(0, 0), fontMetrics().size(Qt::TextSingleLine, text()));
}

void TURLLabel::updateHitArea() {
    // An empty mask would mean no mask at all: without text, a pixel off the label.
    const QRect area = textArea();
    setMask(area.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(area));
}

void TURLLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateHitArea();
}

void TURLLabel::setURL(const QString& url) {
    m_url = url;
}

QString TURLLabel::target() const {
    return m_url.isEmpty() ? text() : m_url;
}

void TURLLabel::setFontColor(core::TColor color) {
    m_fontColor = color;
    QPalette p = palette();
    const QColor drawn = platform::resolveColor(color);
    p.setColor(QPalette::Active, QPalette::WindowText, drawn);
    p.setColor(QPalette::Inactive, QPalette::WindowText, drawn);
    setPalette(p);
}

void TURLLabel::openTarget() const {
    QDesktopServices::openUrl(urlFromTarget(target()));
}

void TURLLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setFontColor(m_pressed ? m_colorClick : m_colorMoveOver);
}

void TURLLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    setFontColor(m_colorNormal);
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    // Any button. The toolkit's implicit grab sends the release here even when the
    // pointer has left the label by then.
    event->accept();
    m_pressed = true;
    setFontColor(m_colorClick);
}

void TURLLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    emit OnMouseMove(this, pos.x(), pos.y());
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPointF pos = event->position();
    // Inclusive bounds: a release at x == width or y == height of the text is still inside.
    const QRect area = textArea();
    const bool outside = pos.x() < 0 || pos.y() < 0 || pos.y() > area.height() || pos.x() > area.width();
    if (outside) {
        setFontColor(m_colorNormal);
    } else {
        if (m_pressed)
            openTarget();
        setFontColor(m_colorMoveOver);
    }
    m_pressed = false;
}
