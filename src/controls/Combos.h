#pragma once

// The owner-drawn pickers: the base combo box, the colour picker and the font picker.
#include "controls/ColorComboBox.h"
#include "controls/FontComboBox.h"
#include "controls/OwnerDrawComboBox.h"
