#include "qt/controls/commandbar/SpeedbarButton.h"

#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedItem.h"

TSpeedbarButton::TSpeedbarButton(TSpeedItem* item, TSpeedBar* bar)
    : TSpeedButton(bar)
    , m_item(item) {
    setParentShowHint(true);
    resize(bar->btnWidth(), bar->btnHeight());
}
