#include "qt/controls/caption/CaptionIcon.h"

#include "qt/platform/SystemColors.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QWidget>

namespace {

const QString kMainIconResource = QStringLiteral(":/icons/mainicon.xpm");

} // namespace

QPixmap captionIcon(const QWidget* window, QSize size) {
    if (window && window->testAttribute(Qt::WA_SetWindowIcon) && !window->windowIcon().isNull())
        return window->windowIcon().pixmap(size);
    if (QFile::exists(kMainIconResource)) {
        const QPixmap mainIcon = QIcon(kMainIconResource).pixmap(size);
        if (!mainIcon.isNull())
            return mainIcon;
    }
    const QIcon appIcon = QGuiApplication::windowIcon();
    if (!appIcon.isNull())
        return appIcon.pixmap(size);
    return standardApplicationIcon(size);
}

QPixmap standardApplicationIcon(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QRect outline(1, 2, size.width() - 2, size.height() - 4);
    p.fillRect(outline, Qt::black);
    const QRect inside = outline.adjusted(1, 1, -1, -1);
    p.fillRect(inside, Qt::white);
    p.fillRect(inside.left(), inside.top(), inside.width(), 2,
               platform::systemColor(core::SystemColor::ActiveCaption));
    return pixmap;
}
