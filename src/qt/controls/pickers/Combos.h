#pragma once

// The owner-drawn pickers: the base combo box, the colour picker and the font picker.
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/controls/pickers/OwnerDrawComboBox.h"
