#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Bitmaps as 32-bit BGRA pixels, top row first: how the program reads its pictures and makes
// new ones.
namespace win32 {

// The header of such a bitmap, for GetDIBits and CreateDIBSection.
BITMAPINFO topDownBgra(int width, int height);

// The bitmap's pixels; empty when they cannot be read.
std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, int width, int height);

} // namespace win32
