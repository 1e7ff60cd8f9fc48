#pragma once

#include <QAccessibleWidget>

class TCaptionStrip;

// What assistive technology sees of a caption strip: a title bar named by
// its caption text.
class TCaptionStripAccessible : public QAccessibleWidget {
public:
    explicit TCaptionStripAccessible(TCaptionStrip* strip);

    QString text(QAccessible::Text t) const override;
};

// Registers the factory once; every TCaptionStrip calls it on construction.
void installCaptionStripAccessibility();
