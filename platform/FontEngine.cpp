#include "platform/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <tuple>

#include "platform/Text.h"

namespace {

// Face names of the game's fonts, with faces of about the same metrics that
// the setup script installs.
const std::map<std::string, std::string>& FaceAliases() {
    static const std::map<std::string, std::string> aliases = {
        {"verdana", "DejaVu Sans"},
        {"ms sans serif", "DejaVu Sans"},
        {"microsoft sans serif", "DejaVu Sans"},
        {"tahoma", "DejaVu Sans"},
        {"arial", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
    };
    return aliases;
}

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        return FT_Init_FreeType(&lib) == 0 ? lib : nullptr;
    }();
    return library;
}

// The font configuration lives as long as the program and is handed back
// at exit, so that a leak checker sees only the program's own leaks.
class FontConfiguration {
public:
    FontConfiguration() : config_(FcInitLoadConfigAndFonts()) {}
    ~FontConfiguration() {
        if (!config_)
            return;
        FcConfigDestroy(config_);
        FcFini();
    }
    FontConfiguration(const FontConfiguration&) = delete;
    FontConfiguration& operator=(const FontConfiguration&) = delete;
    FcConfig* Get() const { return config_; }

private:
    FcConfig* config_;
};

int CeilPixels(FT_Pos v) { return static_cast<int>((v + 63) >> 6); }

}  // namespace

std::string ResolveFontFile(const std::string& face, bool bold, bool italic, int* indexInFile) {
    static const FontConfiguration configuration;
    FcConfig* config = configuration.Get();
    if (!config)
        return {};
    std::string family = Cp1252ToUtf8(face);
    const auto alias = FaceAliases().find(LowerCp1252(face));
    if (alias != FaceAliases().end())
        family = alias->second;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string file;
    if (match) {
        FcChar8* path = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch && indexInFile)
            *indexInFile = index;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

FontFace::FontFace(void* ftFace, int pixelSize) : face_(ftFace) {
    FT_Face f = static_cast<FT_Face>(face_);
    FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelSize));
    ascent_ = CeilPixels(f->size->metrics.ascender);
    height_ = ascent_ + CeilPixels(-f->size->metrics.descender);
}

FontFace::~FontFace() { FT_Done_Face(static_cast<FT_Face>(face_)); }

const Glyph& FontFace::GetGlyph(char32_t c) {
    const auto found = glyphs_.find(c);
    if (found != glyphs_.end())
        return found->second;
    Glyph& g = glyphs_[c];
    FT_Face f = static_cast<FT_Face>(face_);
    if (FT_Load_Char(f, c, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
        return g;
    const FT_GlyphSlot slot = f->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY)
        return g;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.coverage.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<size_t>(y) * g.width + x] = bm.buffer[y * bm.pitch + x];
    return g;
}

FontFace* FindFontFace(const Font& font) {
    // Fonts above this size are drawn at it; no screen needs larger letters.
    constexpr int kMaxPixelSize = 512;
    const int pixels = std::min(font.PixelSize(), kMaxPixelSize);
    using Key = std::tuple<std::string, bool, bool, int>;
    static std::map<Key, std::unique_ptr<FontFace>> faces;
    const Key key{font.face, font.bold, font.italic, pixels};
    const auto found = faces.find(key);
    if (found != faces.end())
        return found->second.get();
    std::unique_ptr<FontFace>& slot = faces[key];
    int index = 0;
    const std::string file = ResolveFontFile(font.face, font.bold, font.italic, &index);
    FT_Face face = nullptr;
    if (!file.empty() && Library() && FT_New_Face(Library(), file.c_str(), index, &face) == 0)
        slot = std::make_unique<FontFace>(face, pixels);
    return slot.get();
}
