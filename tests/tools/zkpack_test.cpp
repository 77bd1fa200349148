#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"
#include "tools/zkpack/archive_writer.h"
#include "tools/zkpack/pack_folder.h"

namespace zelkor::zkpack {
namespace {
namespace fs = std::filesystem;

struct ReadEntry {
    std::string name;
    std::string contents;
    long long mtime = 0;
    bool encrypted = false;
    bool readOk = true;
};

// Reads every entry back with libarchive; a failed data read marks the entry.
std::vector<ReadEntry> ReadBack(const fs::path& file, const char* password = nullptr) {
    archive* a = archive_read_new();
    archive_read_support_format_all(a);
    archive_read_support_filter_all(a);
    if (password) archive_read_add_passphrase(a, password);
    std::vector<ReadEntry> out;
    if (archive_read_open_filename(a, file.c_str(), 10240) == ARCHIVE_OK) {
        archive_entry* entry;
        while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
            ReadEntry e{archive_entry_pathname_utf8(entry), "", archive_entry_mtime(entry),
                        archive_entry_is_encrypted(entry) != 0};
            char buffer[4096];
            la_ssize_t n;
            while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0)
                e.contents.append(buffer, n);
            e.readOk = n == 0;
            out.push_back(e);
        }
    }
    archive_read_free(a);
    return out;
}

class ZkpackTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(root_ / "in/snd/collect.wav", "RIFF-collect");
        WriteBytes(root_ / "in/B/x.bmp", "BM-x");
        WriteBytes(root_ / "in/a.txt", std::string(100000, 'a'));
        WriteBytes(root_ / "in/\xc3\xa9t\xc3\xa9.txt", "summer");
    }
    TempFolder folder_;
    const fs::path& root_ = folder_.path();
};

TEST_F(ZkpackTest, PacksAFolderSortedWithSlashNamesAndFixedTimes) {
    PackFolder(root_ / "in", root_ / "out.zip");
    const auto entries = ReadBack(root_ / "out.zip");
    std::vector<std::string> names;
    for (const auto& e : entries) {
        names.push_back(e.name);
        EXPECT_EQ(e.mtime, kFixedTime) << e.name;
        EXPECT_FALSE(e.encrypted);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"B/", "B/x.bmp", "a.txt", "snd/", "snd/collect.wav",
                                               "\xc3\xa9t\xc3\xa9.txt"}));
    EXPECT_EQ(entries[1].contents, "BM-x");
    EXPECT_EQ(entries[2].contents, std::string(100000, 'a'));
}

TEST_F(ZkpackTest, APasswordEncryptsEveryFileWithAes) {
    PackFolder(root_ / "in", root_ / "out.zip", "kt90472");
    for (const auto& e : ReadBack(root_ / "out.zip", "kt90472")) {
        if (e.name.back() == '/') continue;
        EXPECT_TRUE(e.encrypted) << e.name;
        EXPECT_TRUE(e.readOk) << e.name;
    }
    for (const auto& e : ReadBack(root_ / "out.zip", "wrong")) {
        if (e.name.back() == '/') continue;
        EXPECT_FALSE(e.readOk && !e.contents.empty()) << e.name;
    }
}

TEST_F(ZkpackTest, RefusesLinksAndMissingFolders) {
    fs::create_symlink("a.txt", root_ / "in" / "link");
    EXPECT_THROW(PackFolder(root_ / "in", root_ / "out.zip"), std::runtime_error);
    EXPECT_THROW(PackFolder(root_ / "missing", root_ / "out2.zip"), std::runtime_error);
}

}  // namespace
}  // namespace zelkor::zkpack
