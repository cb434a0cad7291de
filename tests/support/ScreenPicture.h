#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Pixels as 0x00RRGGBB, row by row from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A 32-bit top-down memory bitmap selected into its own device context.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    Picture Pixels() const;

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

// What the screen shows in the area.
Picture CaptureScreen(const RECT& area);

// How many pixels of the picture show the colour.
int CountPixels(const Picture& picture, COLORREF colour);

// Writes the picture as a 32-bit BMP file.
bool SaveBitmapFile(const Picture& picture, const std::string& path);
