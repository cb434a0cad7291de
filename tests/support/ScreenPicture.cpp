#include "ScreenPicture.h"

#include <algorithm>
#include <cstdio>

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Picture Canvas::Pixels() const {
    GdiFlush();
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    const auto* source = static_cast<const std::uint32_t*>(bits_);
    picture.pixels.assign(source, source + static_cast<size_t>(width_) * height_);
    for (std::uint32_t& pixel : picture.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return picture;
}

Picture CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Pixels();
}

int CountPixels(const Picture& picture, COLORREF colour) {
    const std::uint32_t pixel =
        GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), pixel));
}

bool SaveBitmapFile(const Picture& picture, const std::string& path) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = -picture.height;  // top-down, as the pixels lie
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(picture.pixels.size() * sizeof picture.pixels[0]);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(picture.pixels.data(), pixelBytes, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}
