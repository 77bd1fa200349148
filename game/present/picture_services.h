#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "game/present/surface.h"

namespace zelkor {

// Picture files: bitmaps read into opaque ARGB surfaces of the picture's own size,
// screenshots written as PNG. The platform implements it; tests use fakes.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    // Nothing when the file is missing, unreadable or not a picture.
    virtual std::optional<Surface> Decode(const std::filesystem::path& file) = 0;
    // The same for a bitmap file's bytes held in memory (the pictures compiled into
    // the program).
    virtual std::optional<Surface> DecodeBytes(std::span<const std::uint8_t>) {
        return std::nullopt;
    }
    // False when the file cannot be written.
    virtual bool SavePng(const Surface& picture, const std::filesystem::path& file) = 0;
};

class NullPictureFiles final : public PictureFiles {
public:
    std::optional<Surface> Decode(const std::filesystem::path&) override { return std::nullopt; }
    bool SavePng(const Surface&, const std::filesystem::path&) override { return false; }
};

// A system-font text style: face name ("Balloon", "Arial", "Courier New"), size in
// points, boldness and colour.
struct TextStyle {
    std::string_view face = "Balloon";
    int points = 14;
    bool bold = false;
    std::uint32_t colour = Argb(150, 0, 0);

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Draws Windows-1252 text in a system font with a transparent background. The
// platform implements it; text that is drawn every frame must not allocate once
// its letters have been drawn before.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;
    virtual void Draw(Surface& target, int x, int y, const TextStyle& style,
                      std::string_view text) = 0;
    // The width in pixels the text takes in the style.
    virtual int Width(const TextStyle& style, std::string_view text) = 0;
};

class NullTextRenderer final : public TextRenderer {
public:
    void Draw(Surface&, int, int, const TextStyle&, std::string_view) override {}
    int Width(const TextStyle&, std::string_view) override { return 0; }
};

}  // namespace zelkor
