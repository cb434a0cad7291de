// Draws Tavikan's icons and its hand cursor pixel by pixel and writes them as .ico and .cur
// files into the folder named on the command line:
//   tavikan.ico        application icon, 32x32 and 16x16, 256 colours
//   tray.ico           tray icon, 16x16, 20x20, 24x24 and 32x32 (the small-icon sizes at 100 %
//                      to 200 %), 16 colours
//   pointer.ico        arrow pointer whose tip is the top-left pixel, 32x32, 16 colours
//   tavikan_hover.ico  the application figure once the mouse is over it, 32x32, 16 colours
//   hand.cur           pointing hand, 32x32, two colours, hot spot at the fingertip (0, 0)
// The output depends on nothing but this file, so the committed images can be checked against it
// byte for byte.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// Colour indices of the 256-colour palette; the entries after the named ones stay black.
enum Colour : int {
    kTransparent = -1,
    kBlack = 0,
    kWhite = 1,
    kBoxYellow = 2,  // the indicator's default background
    kTextDark = 3,
    kShadow = 4,
    kHoverFill = 5,
    kHoverFrame = 6,
};

const Rgb kNamedColours[] = {
    {0x00, 0x00, 0x00},  // kBlack
    {0xFF, 0xFF, 0xFF},  // kWhite
    {0xFF, 0xFF, 0xD9},  // kBoxYellow
    {0x30, 0x30, 0x40},  // kTextDark
    {0xA0, 0xA0, 0xA0},  // kShadow
    {0xFF, 0xD8, 0x70},  // kHoverFill
    {0x10, 0x50, 0xC0},  // kHoverFrame
};

// Index 0 black and 1 white, as the two-colour cursor needs them.
const Rgb kCursorColours[] = {{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}};

class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), pixels_(width * height, kTransparent) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int At(int x, int y) const { return pixels_[y * width_ + x]; }

    // Pixels outside the canvas are dropped, so pictures may be drawn partly off the edge.
    void Set(int x, int y, int colour) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) {
            pixels_[y * width_ + x] = colour;
        }
    }

    void Fill(int left, int top, int right, int bottom, int colour) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                Set(x, y, colour);
            }
        }
    }

    void Frame(int left, int top, int right, int bottom, int colour) {
        Fill(left, top, right, top + 1, colour);
        Fill(left, bottom - 1, right, bottom, colour);
        Fill(left, top, left + 1, bottom, colour);
        Fill(right - 1, top, right, bottom, colour);
    }

  private:
    int width_;
    int height_;
    std::vector<int> pixels_;
};

// Pixel maps: '#' black, '.' white, ' ' leaves the canvas as it is.
int MapColour(char c) {
    switch (c) {
        case '#':
            return kBlack;
        case '.':
            return kWhite;
        default:
            return kTransparent;
    }
}

void Paint(Canvas& canvas, int left, int top, const std::vector<std::string>& rows) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            const int colour = MapColour(rows[y][x]);
            if (colour != kTransparent) {
                canvas.Set(left + x, top + y, colour);
            }
        }
    }
}

// The classic arrow pointer, tip at the map's top-left pixel.
const std::vector<std::string> kLargeArrow = {
    "#",             //
    "##",            //
    "#.#",           //
    "#..#",          //
    "#...#",         //
    "#....#",        //
    "#.....#",       //
    "#......#",      //
    "#.......#",     //
    "#........#",    //
    "#.........#",   //
    "#......#####",  //
    "#...#..#",      //
    "#..##..#",      //
    "#.#  #..#",     //
    "##   #..#",     //
    "#     #..#",    //
    "      #..#",    //
    "       ##",     //
};

// The arrow for the tray sizes between 16 and 32 pixels.
const std::vector<std::string> kArrow20 = {
    "#",         //
    "##",        //
    "#.#",       //
    "#..#",      //
    "#...#",     //
    "#....#",    //
    "#.....#",   //
    "#......#",  //
    "#...####",  //
    "#..#",      //
    "#.#",       //
    "##",        //
};

const std::vector<std::string> kArrow24 = {
    "#",           //
    "##",          //
    "#.#",         //
    "#..#",        //
    "#...#",       //
    "#....#",      //
    "#.....#",     //
    "#......#",    //
    "#.......#",   //
    "#........#",  //
    "#....#####",  //
    "#...#",       //
    "#..#",        //
    "#.#",         //
    "##",          //
};

const std::vector<std::string> kSmallArrow = {
    "#",        //
    "##",       //
    "#.#",      //
    "#..#",     //
    "#...#",    //
    "#....#",   //
    "#.....#",  //
    "#..####",  //
    "#.#",      //
    "##",       //
};

// A pointing hand: the index finger points up, its tip at the map's top-left pixel.
const std::vector<std::string> kHand = {
    "#####",              //
    "#...#",              //
    "#...#",              //
    "#...#",              //
    "#...#",              //
    "#...#",              //
    "#...#",              //
    "#...#",              //
    "#...#####",          //
    "#...#...#####",      //
    "#...#...#...#####",  //
    "#...#...#...#...#",  //
    "#...#...#...#...#",  //
    "#...#...#...#...#",  //
    "#...##########..#",  //
    "#.............#.#",  //
    "#.............#.#",  //
    "#............#..#",  //
    "#...#########...#",  //
    "#...............#",  //
    "#...............#",  //
    " #.............#",   //
    " #.............#",   //
    "  #...........#",    //
    "  #############",    //
};

// The indicator box as the program shows it beside the cursor, with a shadow below and right;
// right and bottom are exclusive.
void DrawIndicatorBox(Canvas& canvas, int left, int top, int right, int bottom, int fill,
                      int frame) {
    canvas.Fill(left + 1, bottom, right + 1, bottom + 1, kShadow);
    canvas.Fill(right, top + 1, right + 1, bottom + 1, kShadow);
    canvas.Fill(left, top, right, bottom, fill);
    canvas.Frame(left, top, right, bottom, frame);
}

// A 3x5 pixel font with just the characters of the sample text; lower case sits on the
// bottom three rows.
struct Glyph {
    char c;
    const char* rows[5];
};

const Glyph kGlyphs[] = {
    {'x', {"   ", "   ", "# #", " # ", "# #"}},  //
    {'y', {"   ", "   ", "# #", " # ", " # "}},  //
    {':', {" ", " ", "#", " ", "#"}},            //
    {'1', {" # ", "## ", " # ", " # ", "###"}},  //
    {'2', {"## ", "  #", " # ", "#  ", "###"}},  //
    {'5', {"###", "#  ", "## ", "  #", "## "}},  //
};

// Draws the text in the dark text colour, one blank column between characters.
void DrawText(Canvas& canvas, int left, int top, const std::string& text) {
    int x = left;
    for (char c : text) {
        for (const Glyph& glyph : kGlyphs) {
            if (glyph.c != c) {
                continue;
            }
            const int width = static_cast<int>(std::string(glyph.rows[0]).size());
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < width; ++column) {
                    if (glyph.rows[row][column] == '#') {
                        canvas.Set(x + column, top + row, kTextDark);
                    }
                }
            }
            x += width + 1;
        }
    }
}

// Short dark strokes standing for text where a font would not fit.
void DrawStrokes(Canvas& canvas, int left, int y, const std::string& strokes) {
    for (int i = 0; i < static_cast<int>(strokes.size()); ++i) {
        if (strokes[i] != ' ') {
            canvas.Set(left + i, y, kTextDark);
        }
    }
}

// The application figure: the arrow at the top-left with the indicator box below and right of
// it, where the default offset puts it. In the hover picture the box lights up and the arrow
// has moved closer to it.
Canvas DrawFigure32(bool hover) {
    Canvas canvas(32, 32);
    DrawIndicatorBox(canvas, 11, 14, 31, 30, hover ? kHoverFill : kBoxYellow,
                     hover ? kHoverFrame : kBlack);
    DrawText(canvas, 14, 16, "x:12");
    DrawText(canvas, 14, 23, "y:15");
    const int shift = hover ? 2 : 0;
    Paint(canvas, 1 + shift, 0 + shift, kLargeArrow);
    return canvas;
}

// The small figure: the arrow at the top-left, the box below and right of it
// with two rows of strokes standing for its text.
struct SmallFigure {
    int size;
    int boxLeft, boxTop;  // the box reaches to one pixel inside the right and bottom edges
    int strokesLeft, firstRow, secondRow;
    const char* firstStrokes;
    const char* secondStrokes;
    const std::vector<std::string>* arrow;
};

Canvas DrawSmallFigure(const SmallFigure& figure) {
    Canvas canvas(figure.size, figure.size);
    DrawIndicatorBox(canvas, figure.boxLeft, figure.boxTop, figure.size - 1, figure.size - 1,
                     kBoxYellow, kBlack);
    DrawStrokes(canvas, figure.strokesLeft, figure.firstRow, figure.firstStrokes);
    DrawStrokes(canvas, figure.strokesLeft, figure.secondRow, figure.secondStrokes);
    Paint(canvas, 0, 0, *figure.arrow);
    return canvas;
}

// 16 pixels at 100 %, 20 at 125 % and 24 at 150 %.
const SmallFigure kFigure16 = {16, 5, 7, 7, 9, 11, "= = =", "== ==", &kSmallArrow};
const SmallFigure kFigure20 = {20, 6, 9, 8, 12, 15, "== == ==", "=== ====", &kArrow20};
const SmallFigure kFigure24 = {24, 8, 11, 10, 14, 18, "=== == ===", "== ====  =", &kArrow24};

Canvas DrawPointer() {
    Canvas canvas(32, 32);
    Paint(canvas, 0, 0, kLargeArrow);
    return canvas;
}

Canvas DrawHand() {
    Canvas canvas(32, 32);
    Paint(canvas, 0, 0, kHand);
    return canvas;
}

// Little-endian writer for the file and bitmap headers.
class Bytes {
  public:
    void U8(std::uint32_t v) { data_.push_back(static_cast<std::uint8_t>(v & 0xFF)); }
    void U16(std::uint32_t v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Append(const std::vector<std::uint8_t>& more) {
        data_.insert(data_.end(), more.begin(), more.end());
    }
    const std::vector<std::uint8_t>& Data() const { return data_; }

  private:
    std::vector<std::uint8_t> data_;
};

struct Format {
    int bitsPerPixel;  // 8, 4 or 1
    const Rgb* colours;
    int namedCount;  // palette entries after these are black
};

const Format kIconFormat = {8, kNamedColours, sizeof kNamedColours / sizeof kNamedColours[0]};
// The figures use seven colours: sixteen hold them with a sixteenth of the palette.
const Format kSmallFormat = {4, kNamedColours, sizeof kNamedColours / sizeof kNamedColours[0]};
const Format kCursorFormat = {1, kCursorColours, 2};

int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// One image of an icon or cursor resource: the bitmap header with the height of colour bitmap
// and mask together, the palette, the colour bitmap, then the transparency mask, rows bottom-up.
std::vector<std::uint8_t> EncodeImage(const Canvas& canvas, const Format& format) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    const int colourRow = RowBytes(width, format.bitsPerPixel);
    const int maskRow = RowBytes(width, 1);
    Bytes out;
    out.U32(40);
    out.U32(width);
    out.U32(2 * height);
    out.U16(1);
    out.U16(format.bitsPerPixel);
    out.U32(0);  // BI_RGB
    out.U32((colourRow + maskRow) * height);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    const int paletteSize = 1 << format.bitsPerPixel;
    for (int i = 0; i < paletteSize; ++i) {
        const Rgb c = i < format.namedCount ? format.colours[i] : Rgb{0, 0, 0};
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    std::vector<std::uint8_t> colours(colourRow * height, 0);
    std::vector<std::uint8_t> mask(maskRow * height, 0);
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const int pixel = canvas.At(x, y);
            if (pixel == kTransparent) {
                // Colour 0 under a set mask bit leaves the screen as it is.
                mask[row * maskRow + x / 8] |= 0x80 >> (x % 8);
            } else if (format.bitsPerPixel == 8) {
                colours[row * colourRow + x] = static_cast<std::uint8_t>(pixel);
            } else if (format.bitsPerPixel == 4) {
                colours[row * colourRow + x / 2] |=
                    static_cast<std::uint8_t>(pixel << (x % 2 ? 0 : 4));
            } else if (pixel != 0) {
                colours[row * colourRow + x / 8] |= 0x80 >> (x % 8);
            }
        }
    }
    out.Append(colours);
    out.Append(mask);
    return out.Data();
}

// An icon (type 1) or cursor (type 2) file: the directory, one entry per image, then the images.
// In a cursor's entry the two 16-bit fields hold the hot spot instead of planes and bit count.
std::vector<std::uint8_t> EncodeFile(int type, const std::vector<Canvas>& images,
                                     const Format& format, int hotX, int hotY) {
    Bytes out;
    out.U16(0);
    out.U16(type);
    out.U16(images.size());
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const Canvas& image : images) {
        encoded.push_back(EncodeImage(image, format));
    }
    std::uint32_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.U8(images[i].Width() % 256);  // 0 would stand for 256
        out.U8(images[i].Height() % 256);
        out.U8(format.bitsPerPixel >= 8 ? 0 : 1 << format.bitsPerPixel);
        out.U8(0);
        if (type == 2) {
            out.U16(hotX);
            out.U16(hotY);
        } else {
            out.U16(1);
            out.U16(format.bitsPerPixel);
        }
        out.U32(encoded[i].size());
        out.U32(offset);
        offset += encoded[i].size();
    }
    for (const auto& image : encoded) {
        out.Append(image);
    }
    return out.Data();
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    file.close();
    if (!file) {
        std::fprintf(stderr, "draw_images: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

// The dialog places the pointer picture and the system the hand by their top-left pixel, so
// that pixel must be part of the drawing.
bool TipIsDrawn(const Canvas& canvas, const char* name) {
    if (canvas.At(0, 0) == kTransparent) {
        std::fprintf(stderr, "draw_images: the tip of %s is not at its top-left pixel\n", name);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_images OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const Canvas pointer = DrawPointer();
    const Canvas hand = DrawHand();
    if (!TipIsDrawn(pointer, "the pointer") || !TipIsDrawn(hand, "the hand")) {
        return 1;
    }
    const Canvas small = DrawSmallFigure(kFigure16);
    bool ok = true;
    ok &= WriteFile(folder / "tavikan.ico",
                    EncodeFile(1, {DrawFigure32(false), small}, kIconFormat, 0, 0));
    ok &= WriteFile(
        folder / "tray.ico",
        EncodeFile(
            1, {small, DrawSmallFigure(kFigure20), DrawSmallFigure(kFigure24), DrawFigure32(false)},
            kSmallFormat, 0, 0));
    ok &= WriteFile(folder / "pointer.ico", EncodeFile(1, {pointer}, kSmallFormat, 0, 0));
    ok &= WriteFile(folder / "tavikan_hover.ico",
                    EncodeFile(1, {DrawFigure32(true)}, kSmallFormat, 0, 0));
    ok &= WriteFile(folder / "hand.cur", EncodeFile(2, {hand}, kCursorFormat, 0, 0));
    return ok ? 0 : 1;
}
