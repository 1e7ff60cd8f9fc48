#pragma once

// The names of the program's resources, read by windres (program.rc) and by the code that
// loads them: RES_NAME(RES_MAINICON) is the wide text L"MAINICON". The pictures are made from the XPMs under
// resources/ when the program is built.
#define RES_MAINICON MAINICON // the program's and the main window's icon, 32 by 32
#define RES_TIPICON TIPICON   // the Tip of the Day window's own picture, 32 by 32

// The command bar's 16-colour glyphs, 16 by 16 each (the Font toggle's two side by side); the
// bottom-left pixel's colour is the transparent one.
#define RES_GLYPH_NEW GLYPH_NEW
#define RES_GLYPH_OPEN GLYPH_OPEN
#define RES_GLYPH_SAVE GLYPH_SAVE
#define RES_GLYPH_FONT GLYPH_FONT
#define RES_GLYPH_TIP GLYPH_TIP
#define RES_GLYPH_ABOUT GLYPH_ABOUT
// The font picker's marks for TrueType and device fonts, 20 by 12, fuchsia transparent.
#define RES_GLYPH_TRUETYPE_FNT GLYPH_TRUETYPE_FNT
#define RES_GLYPH_DEVICE_FNT GLYPH_DEVICE_FNT

#define RES_NAME(resource) RES_NAME_TEXT(resource)
#define RES_NAME_TEXT(resource) L## #resource
