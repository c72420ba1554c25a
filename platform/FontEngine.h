#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/DrawingTools.h"

// The rendered form of fonts, for the device context's text output: font
// files found through fontconfig, glyphs drawn by FreeType with grey-level
// coverage and kept once drawn.

struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;  // from the pen position to the picture's left edge
    int top = 0;   // from the baseline up to the picture's top edge
    int advance = 0;
    std::vector<uint8_t> coverage;  // width × height, 0-255
};

class FontFace {
public:
    FontFace(void* ftFace, int pixelSize);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const Glyph& GetGlyph(char32_t c);
    int Ascent() const { return ascent_; }
    int Height() const { return height_; }  // ascent plus descent
    int Advance(char32_t c) { return GetGlyph(c).advance; }

private:
    void* face_;  // FT_Face, kept out of this header
    int ascent_ = 0;
    int height_ = 0;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

// The face that draws font, or nullptr when no font file could be found.
// "Verdana" and "MS Sans Serif" are drawn in DejaVu Sans, "Times New Roman"
// in Liberation Serif; other names go to fontconfig as they are.
FontFace* FindFontFace(const Font& font);

// The file fontconfig chooses for a face name; empty when it finds none.
std::string ResolveFontFile(const std::string& face, bool bold, bool italic, int* indexInFile = nullptr);
