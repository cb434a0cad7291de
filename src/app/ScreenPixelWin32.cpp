#include "app/ScreenPixelWin32.h"

bool ReadScreenPixel(POINT at, std::uint32_t* rgb) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return false;
    }
    // A 32-bit DIB of one pixel: its bits hold 0x00RRGGBB.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP pixel = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool read = false;
    if (memory != nullptr && pixel != nullptr) {
        HGDIOBJ previous = SelectObject(memory, pixel);
        read = BitBlt(memory, 0, 0, 1, 1, screen, at.x, at.y, SRCCOPY) != FALSE;
        GdiFlush();
        if (read) {
            *rgb = *static_cast<const std::uint32_t*>(bits) & 0x00FFFFFFu;
        }
        SelectObject(memory, previous);
    }
    if (pixel != nullptr) {
        DeleteObject(pixel);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    return read;
}
