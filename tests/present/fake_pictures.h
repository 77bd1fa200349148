#pragma once

// Picture files without a decoder: a test writes a bitmap header with the size it
// wants and one byte for the colour; the fake "decodes" it into a surface of that
// size and colour. Screens drawn from these show where each picture went.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "game/present/pictures.h"
#include "tests/common/temp_folder.h"

namespace zelkor::testing {

// A bitmap header of width x height, then `shade` (the picture's grey level).
inline std::string FakeBitmap(int width, int height, std::uint8_t shade) {
    std::string bytes(27, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[14] = 40;
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(18 + i)] = static_cast<char>((width >> (8 * i)) & 0xFF);
        bytes[static_cast<std::size_t>(22 + i)] = static_cast<char>((height >> (8 * i)) & 0xFF);
    }
    bytes[26] = static_cast<char>(shade);
    return bytes;
}

class FakePictureFiles final : public PictureFiles {
public:
    std::optional<Surface> Decode(const std::filesystem::path& file) override {
        ++decoded;
        const std::string bytes = ReadBytes(file);
        const auto size = BitmapSize(bytes);
        if (!size || bytes.size() < 27) return std::nullopt;
        const auto shade = static_cast<std::uint8_t>(bytes[26]);
        return Surface((*size)[0], (*size)[1], Argb(shade, shade, shade));
    }
    bool SavePng(const Surface&, const std::filesystem::path& file) override {
        saved.push_back(file);
        return true;
    }
    int decoded = 0;
    std::vector<std::filesystem::path> saved;
};

// Records what loading asks of the rest of the game.
class RecordingPictureHost final : public PictureHost {
public:
    void ConsolePrint(std::string_view text) override { console.emplace_back(text); }
    void SetLoadingLabel(std::string_view text) override { label = text; }
    void ShowProgressFrame() override {}
    void SetProgress(double) override {}
    void CountLoadedPicture() override { ++counted; }
    void ResetPictureCount() override {}
    void SetProgressTotal(int) override {}
    void Unextract(std::string_view archive, std::string_view, std::string_view) override {
        unpacked.emplace_back(archive);
    }
    bool ContinueWithoutPicture(std::string_view title, std::string_view text) override {
        boxes.push_back(std::string(title) + "|" + std::string(text));
        return answerYes;
    }
    void ShowStartupWindow() override {}
    void PictureOfWrongSize(std::string_view line, bool firstTime) override {
        wrongSizes.push_back(std::string(line) + (firstTime ? "" : " (again)"));
    }

    std::vector<std::string> wrongSizes;
    std::vector<std::string> console;
    std::vector<std::string> boxes;
    std::vector<std::string> unpacked;
    std::string label;
    int counted = 0;
    bool answerYes = true;
};

}  // namespace zelkor::testing
