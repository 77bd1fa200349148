#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/archive_reader.h"
#include "game/control/archives/unextract.h"
#include "tests/common/temp_folder.h"

namespace zelkor::testing {

// A temporary folder per test with an empty game folder in it, removed afterwards.
class ArchiveFolderTest : public ::testing::Test {
protected:
    ArchiveFolderTest() { std::filesystem::create_directories(game_); }

    // Every path below `folder`, relative, sorted.
    static std::vector<std::string> Tree(const std::filesystem::path& folder) {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
            out.push_back(e.path().lexically_relative(folder).generic_string());
        std::sort(out.begin(), out.end());
        return out;
    }

    TempFolder folder_;
    const std::filesystem::path root_ = folder_.path();
    const std::filesystem::path game_ = root_ / "game";
};

// Unpacking into the game's gfx/ folder, with every line the unpacking prints or reports.
class UnpackFolderTest : public ArchiveFolderTest {
protected:
    UnpackFolderTest() {
        std::filesystem::create_directories(dest_);
        hooks_.consolePrint = [this](std::string_view line) { lines_.emplace_back(line); };
        hooks_.reportProblem = [this](std::string_view line) { lines_.emplace_back(line); };
    }

    const std::filesystem::path dest_ = game_ / "gfx";
    ProgressCounters progress_;
    UnextractHooks hooks_;
    std::vector<std::string> lines_;
};

struct FakeEntry {
    FakeEntry(std::string name, ArchiveEntry::Kind kind = ArchiveEntry::Kind::File,
              std::string contents = "x", bool breaks = false)
        : name(std::move(name)), kind(kind), contents(std::move(contents)), breaks(breaks) {}
    std::string name;
    ArchiveEntry::Kind kind = ArchiveEntry::Kind::File;
    std::string contents;
    bool breaks = false;  // extraction writes half of the contents, then fails
};

// Archives held in memory, by path; any other path cannot be opened.
class FakeArchives final : public ArchiveReaderFactory {
public:
    std::map<std::filesystem::path, std::vector<FakeEntry>> archives;

    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path& archive) override {
        const auto found = archives.find(archive);
        if (found == archives.end()) return nullptr;
        return std::make_unique<Reader>(found->second);
    }

private:
    class Reader final : public ArchiveReader {
    public:
        explicit Reader(const std::vector<FakeEntry>& entries) : entries_(entries) {}
        bool Open(const std::filesystem::path&, std::string_view, Purpose) override { return true; }
        bool ReadHeader(ArchiveEntry& entry) override {
            if (++next_ > entries_.size()) return false;
            entry.name = entries_[next_ - 1].name;
            entry.kind = entries_[next_ - 1].kind;
            return true;
        }
        bool Extract(const std::filesystem::path& file) override {
            const FakeEntry& entry = entries_[next_ - 1];
            std::ofstream out(file, std::ios::binary);
            out << (entry.breaks ? entry.contents.substr(0, entry.contents.size() / 2)
                                 : entry.contents);
            return !entry.breaks;
        }
        bool Skip() override { return true; }
        void Close() override {}

    private:
        const std::vector<FakeEntry>& entries_;
        std::size_t next_ = 0;
    };
};

}  // namespace zelkor::testing
