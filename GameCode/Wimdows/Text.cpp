// Text in six font numbers, drawn with SDL2_ttf from the DejaVu faces.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

struct Face {
    const char* file;
    int size;
};

// The fixed-pitch font numbers (2, 4, 5) use the mono face. Font 2 is the dashboard's: at this size
// "FUEL" drawn at x 10 ends before 40, "BOMBS" at 270 before 310, "SCORE: " at 540 before 590 and
// "LIFE:" at 730 before 770.
constexpr std::array<Face, 6> kFaces{{
    {"DejaVuSans.ttf", 11},           // 0: the default interface font, and every number above 5
    {"DejaVuSans-Bold.ttf", 13},      // 1: the system font
    {"DejaVuSansMono-Bold.ttf", 11},  // 2: the fixed-pitch system font
    {"DejaVuSans.ttf", 12},           // 3: the proportional ANSI font
    {"DejaVuSansMono.ttf", 11},       // 4: the fixed-pitch ANSI font
    {"DejaVuSansMono.ttf", 12},       // 5: the fixed-pitch OEM font
}};

// Beside the program first, then where Debian keeps the faces.
constexpr std::array<const char*, 2> kFontFolders{"fonts/", "/usr/share/fonts/truetype/dejavu/"};

std::size_t FirstFaceOf(std::string_view file) {
    std::size_t i = 0;
    while (kFaces[i].file != file) {
        ++i;
    }
    return i;
}

// Why no folder gave the face: the system's reason for the copy that could not be opened (no descriptor
// left, no permission), else for the missing file; a file that opens is not a font.
std::string WhyUnopened(const char* file) {
    int reason = ENOENT;
    for (const char* folder : kFontFolders) {
        const int opened = open((std::string(folder) + file).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (opened >= 0) {
            close(opened);
            return "not a font file";
        }
        if (errno != ENOENT) {
            reason = errno;
        }
    }
    return std::strerror(reason);
}

TTF_Font* FontOf(std::uint32_t style) {
    return M().fonts[style < kFaces.size() ? style : 0];
}

SDL_Color ColorOf(std::uint32_t color) {
    return SDL_Color{static_cast<Uint8>(color & 0xFFu), static_cast<Uint8>((color >> 8) & 0xFFu),
                     static_cast<Uint8>((color >> 16) & 0xFFu), 255};
}

// The text rendered once and kept; a frame redraws its labels with a single blit each. At most twice what a
// few screens need is kept: the texts used least lately go.
const SharedSurface& Rendered(TTF_Font* font, std::uint32_t color, const char* text) {
    constexpr std::size_t kMostRecentTexts = 256;
    Module& m = M();
    Module::RenderedTexts::key_type key{font, color, text};
    if (const auto found = m.recentTexts.find(key); found != m.recentTexts.end()) {
        return found->second;
    }
    if (m.recentTexts.size() >= kMostRecentTexts) {
        m.olderTexts = std::exchange(m.recentTexts, {});
    }
    SharedSurface& glyphs = m.recentTexts[key];
    if (const auto older = m.olderTexts.find(key); older != m.olderTexts.end()) {
        glyphs = std::move(older->second);
        m.olderTexts.erase(older);
    } else {
        // Blended glyphs carry their own alpha: only the letters are drawn, the picture shows between them.
        glyphs = SurfacePtr(TTF_RenderUTF8_Blended(font, text, ColorOf(color)));
    }
    return glyphs;
}

}  // namespace

namespace detail {

TTF_Font* OpenFace(const char* file, int size) {
    for (const char* folder : kFontFolders) {
        const std::string path = std::string(folder) + file;
        // Anything but a regular file (a named pipe would block for ever) counts as missing.
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            continue;
        }
        if (TTF_Font* font = TTF_OpenFont(path.c_str(), size)) {
            return font;
        }
    }
    return nullptr;
}

void PrepareFonts() {
    Module& m = M();
    if (m.fontsOpened || TTF_Init() != 0) {
        return;
    }
    m.fontsOpened = true;
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        m.fonts[i] = OpenFace(kFaces[i].file, kFaces[i].size);
        // Said once per file: without it, every text in its fonts would vanish without a word.
        if (m.fonts[i] == nullptr && FirstFaceOf(kFaces[i].file) == i) {
            std::fprintf(
                stderr, "Saltwing: cannot open the font file %s in %s or %s: %s; its texts will not show\n",
                kFaces[i].file, kFontFolders[0], kFontFolders[1], WhyUnopened(kFaces[i].file).c_str());
        }
        // The first render of a font costs most of a millisecond; pay it here, not in the first frame. Each
        // further glyph costs some 50 µs once: the digits, which a play keeps changing, are rendered here
        // too, the rest when first drawn (all of printable ASCII in six fonts would hold the start 30 ms).
        if (m.fonts[i] != nullptr) {
            SurfacePtr(TTF_RenderUTF8_Blended(m.fonts[i], "0123456789", SDL_Color{255, 255, 255, 255}));
        }
    }
}

}  // namespace detail

void SetFont(std::uint32_t style, std::uint32_t color) {
    M().font.style = style;
    M().font.color = color & 0xFFFFFFu;
}

void Text(const char* text, std::int32_t x, std::int32_t y) {
    Module& m = M();
    TTF_Font* font = FontOf(m.font.style);
    std::lock_guard lock(m.drawMutex);
    if (!m.back || font == nullptr || text == nullptr || *text == '\0') {
        return;
    }
    const SharedSurface& glyphs = Rendered(font, m.font.color, text);
    if (glyphs) {
        DrawPicture(glyphs, {Far(x), Far(y)});
    }
}

void TextInt(std::int32_t number, std::int32_t x, std::int32_t y) {
    char text[16] = {};
    std::to_chars(text, text + sizeof text - 1, number);
    Text(text, x, y);
}

void TextCard(std::uint32_t number, std::int32_t x, std::int32_t y) {
    // Written as the unsigned number it is, also above 2147483647.
    char text[16] = {};
    std::to_chars(text, text + sizeof text - 1, number);
    Text(text, x, y);
}

void GetTextSize(const char* text, std::uint32_t style, std::uint32_t& width, std::uint32_t& height) {
    width = 0;
    height = 0;
    TTF_Font* font = FontOf(style);
    int w = 0;
    int h = 0;
    if (State() == STATE_ACTIVE && font != nullptr && text != nullptr &&
        TTF_SizeUTF8(font, text, &w, &h) == 0) {
        width = static_cast<std::uint32_t>(w);
        height = static_cast<std::uint32_t>(h);
    }
}

}  // namespace Wimdows
