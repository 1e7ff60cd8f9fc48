#include "controls/SpeedbarButton.h"

#include "controls/SpeedBar.h"
#include "controls/SpeedItem.h"

TSpeedbarButton::TSpeedbarButton(TSpeedItem* item, TSpeedBar* bar)
    : TSpeedButton(bar)
    , m_item(item) {
    setParentShowHint(true);
    resize(bar->btnWidth(), bar->btnHeight());
}
