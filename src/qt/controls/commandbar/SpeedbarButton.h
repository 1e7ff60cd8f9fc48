#pragma once

#include "qt/controls/commandbar/SpeedButton.h"

#include <QPointer>

class TSpeedBar;
class TSpeedItem;

// The button of a command bar item: a speed button on the bar, owned by its
// item, whose tooltip follows the bar.
class TSpeedbarButton : public TSpeedButton {
    Q_OBJECT

public:
    TSpeedbarButton(TSpeedItem* item, TSpeedBar* bar);

    TSpeedItem* item() const { return m_item; }

private:
    QPointer<TSpeedItem> m_item;
};
