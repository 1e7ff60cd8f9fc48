#include "qt/controls/caption/CaptionAccessible.h"

#include "qt/controls/caption/CaptionStrip.h"

namespace {

QAccessibleInterface* captionStripFactory(const QString& className, QObject* object) {
    Q_UNUSED(className);
    if (auto* strip = qobject_cast<TCaptionStrip*>(object))
        return new TCaptionStripAccessible(strip);
    return nullptr;
}

} // namespace

TCaptionStripAccessible::TCaptionStripAccessible(TCaptionStrip* strip)
    : QAccessibleWidget(strip, QAccessible::TitleBar) {}

QString TCaptionStripAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return static_cast<TCaptionStrip*>(widget())->caption();
    return QAccessibleWidget::text(t);
}

void installCaptionStripAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(captionStripFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
