#include <gtest/gtest.h>

#include "game/control/archives/unextract.h"
#include "game/platform/archive_readers.h"
#include "game/rules/game.h"
#include "tests/common/hostile_files.h"
#include "tests/control/archives_fake.h"
#include "tools/zkpack/archive_writer.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;
using zkpack::ArchiveFormat;
using zkpack::ArchiveWriter;

const fs::path kFixtures = fs::path(ZELKOR_TEST_DATA_DIR) / "archives";

// Bytes no compressor shrinks, the same every run.
std::string Incompressible(std::size_t size, std::uint32_t seed = 1) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

class ArchivesTest : public testing::UnpackFolderTest {
protected:
    // Unpacks into gfx/ with new install on; returns the clean-up list.
    std::string Unpack(const fs::path& archive, std::string_view password) {
        const UnextractContext context{readers_, game_, true, false, progress_, hooks_};
        ZkUnextractFile(context, archive, dest_, password);
        return ReadBytes(CleanUpListPath(game_, archive));
    }
    std::string Line(const std::string& name) const { return (dest_ / name).string() + "\r\n"; }

    LibraryArchiveReaders readers_;
};

TEST_F(ArchivesTest, UnpacksRarArchivesWithAndWithoutPasswordAndEncryptedHeaders) {
    EXPECT_EQ(Unpack(kFixtures / "plain.rar", ""), Line("hello.txt"));
    EXPECT_EQ(ReadBytes(dest_ / "hello.txt"), "hello\n");
    for (const char* name : {"password.rar", "headers.rar"}) {
        fs::remove_all(dest_);
        EXPECT_EQ(Unpack(kFixtures / name, "kt90472"), Line("hello.txt") + Line("Snd/collect.wav"))
            << name;
        EXPECT_EQ(ReadBytes(dest_ / "Snd" / "collect.wav"), "wave\n") << name;
    }
}

TEST_F(ArchivesTest, UnpacksRarFoldersNonAsciiNamesAndRar4) {
    fs::create_directories(dest_ / "snd");
    EXPECT_EQ(Unpack(kFixtures / "subfolder.rar", ""),
              Line("snd/collect.wav") + Line("snd/deep/x.bmp"));
    EXPECT_EQ(ReadBytes(dest_ / "snd" / "deep" / "x.bmp"), "deep\n");
    EXPECT_EQ(Unpack(kFixtures / "nonascii.rar", ""), Line("\xc3\xa9t\xc3\xa9.txt"));
    EXPECT_EQ(ReadBytes(dest_ / "\xc3\xa9t\xc3\xa9.txt"), "summer\n");
    EXPECT_EQ(Unpack(kFixtures / "rar4-stored.rar", ""), Line("docs/rar4.txt") + Line("top.txt"));
    EXPECT_EQ(ReadBytes(dest_ / "docs" / "rar4.txt"), "stored in a RAR 4 archive\n");
}

TEST_F(ArchivesTest, AWrongPasswordOrADamagedArchiveExtractsNothing) {
    // Found by fuzzing: libunrar reads uninitialised memory on it and may crash.
    EXPECT_EQ(Unpack(kFixtures / "damaged-encrypted.rar", "kt90472"), "");
    EXPECT_EQ(Unpack(kFixtures / "password.rar", "wrong"), "");
    EXPECT_EQ(Unpack(kFixtures / "password.rar", ""), "");
    EXPECT_EQ(Unpack(kFixtures / "headers.rar", "wrong"), "");
    {
        ArchiveWriter aes(root_ / "aes.zip", ArchiveFormat::Zip, "kt90472");
        aes.AddFile("a.bmp", "secret");
        aes.AddFile("b.bmp", "secret too");
    }
    EXPECT_EQ(Unpack(root_ / "aes.zip", "wrong"), "");
    // Only folders the entries needed may be left; no file, not even an empty one.
    for (const std::string& path : Tree(dest_))
        EXPECT_TRUE(fs::is_directory(dest_ / path)) << path;
    // Whatever the debug mode, one line for each archive says why, however many of
    // its entries it spoils.
    EXPECT_EQ(lines_, (std::vector<std::string>{
                          "ZkUnextractFile: damaged-encrypted.rar: is damaged or no archive",
                          "ZkUnextractFile: password.rar: wrong password",
                          "ZkUnextractFile: password.rar: wrong password",
                          "ZkUnextractFile: headers.rar: wrong password",
                          "ZkUnextractFile: aes.zip: wrong password",
                      }));
}

TEST_F(ArchivesTest, EntriesClimbingOutOfTheFolderAreRefused) {
    EXPECT_EQ(Unpack(kFixtures / "escape.rar", ""), Line("hello.txt"));
    EXPECT_EQ(Tree(root_), (std::vector<std::string>{"game", "game/cleanup-escape.rar.zkc",
                                                     "game/gfx", "game/gfx/hello.txt"}));
}

TEST_F(ArchivesTest, UnpacksZipWithEitherEncryptionSevenZipAndTarRecognisedByContent) {
    struct Case {
        const char* file;
        ArchiveFormat format;
        const char* password;
        zkpack::ZipEncryption encryption;
    } cases[] = {
        {"aes.zkr", ArchiveFormat::Zip, "kt90472", zkpack::ZipEncryption::Aes256},
        {"zipcrypt.zkr", ArchiveFormat::Zip, "kt90472", zkpack::ZipEncryption::Traditional},
        {"plain.7z.zkr", ArchiveFormat::SevenZip, "", {}},
        {"plain.tar.zmp", ArchiveFormat::Tar, "", {}}};
    for (const Case& c : cases) {
        fs::remove_all(dest_);
        {
            ArchiveWriter writer(root_ / c.file, c.format, c.password, c.encryption);
            writer.AddFolder("Bricks/");
            writer.AddFile("Bricks/brick.bmp", Incompressible(70000));
            writer.Finish();
        }
        EXPECT_EQ(Unpack(root_ / c.file, c.password), Line("Bricks/brick.bmp")) << c.file;
        EXPECT_EQ(ReadBytes(dest_ / "Bricks" / "brick.bmp"), Incompressible(70000)) << c.file;
    }
    fs::copy_file(kFixtures / "plain.rar", root_ / "rar.zip");
    EXPECT_EQ(Unpack(root_ / "rar.zip", ""), Line("hello.txt"));
}

TEST_F(ArchivesTest, LinksInsideArchivesAreNeverCreated) {
    for (const ArchiveFormat format :
         {ArchiveFormat::Tar, ArchiveFormat::Zip}) {  // ZIP has no hard links
        fs::remove_all(dest_);
        {
            ArchiveWriter writer(root_ / "links", format);
            writer.AddSymlink("sym.bmp", "/etc/passwd");
            writer.AddFile("real.bmp", "real");
            if (format == ArchiveFormat::Tar) writer.AddHardlink("hard.bmp", "real.bmp");
            writer.Finish();
        }
        Unpack(root_ / "links", "");
        EXPECT_EQ(Tree(dest_), std::vector<std::string>{"real.bmp"});
    }
}

TEST_F(ArchivesTest, ABombStopsAtTheArchivesLimitKeepingNothingOfTheEntryInProgress) {
    {
        ArchiveWriter writer(root_ / "bomb.zkr", ArchiveFormat::Zip, kArchivePassword);
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
            writer.AddFile(name, Incompressible(4096));
        // Each shrinks to about a thousandth; the stand-ins for 250 MiB entries.
        for (int i = 1; i <= 6; ++i)
            writer.AddFile("zeros" + std::to_string(i) + ".bmp", std::string(1 << 20, '\0'));
        writer.AddFile("after.bmp", "never reached");
        writer.Finish();
    }
    const std::uint64_t limit = UnpackLimit(fs::file_size(root_ / "bomb.zkr"));
    ASSERT_LT(limit, 6u << 20);
    Unpack(root_ / "bomb.zkr", kArchivePassword);

    std::uint64_t unpacked = 0;
    for (const std::string& name : Tree(dest_)) {
        const std::uint64_t size = fs::file_size(dest_ / name);
        EXPECT_TRUE(size == 4096 || size == 1 << 20) << name << " holds a part";
        unpacked += size;
    }
    EXPECT_LE(unpacked, limit);
    EXPECT_TRUE(fs::exists(dest_ / "c.bmp"));
    EXPECT_FALSE(fs::exists(dest_ / "after.bmp"));
    EXPECT_EQ(lines_, std::vector<std::string>{"ZkUnextractFile: bomb.zkr: unpacks to far more "
                                               "than its own size, unpacking stopped"});
}

// A full disk: the reason is said once, for RAR and the other formats alike, never as a
// damaged archive, and no part of a file is left behind.
TEST_F(ArchivesTest, AFullDiskIsSaidWithItsReasonAndLeavesNoPartBehind) {
    {
        ArchiveWriter writer(root_ / "big.zkr", ArchiveFormat::Zip, kArchivePassword);
        writer.AddFile("small.bmp", "fits");
        writer.AddFile("big.bmp", Incompressible(8192));
        writer.Finish();
    }
    for (const auto& [archive, password] :
         {std::pair{root_ / "big.zkr", kArchivePassword}, std::pair{kFixtures / "plain.rar", ""}}) {
        std::vector<std::string> said;
        hooks_.cannotWrite = [&](std::string_view name, std::string_view reason) {
            said.push_back(std::string(name) + ": " + std::string(reason));
        };
        ExpectTrueOnAFullDisk(5, [&] {
            Unpack(archive, password);
            const std::string name = archive.filename().string();
            const auto tree = Tree(dest_);
            return (tree.empty() || tree == std::vector<std::string>{"small.bmp"}) &&
                   lines_ == std::vector<std::string>{"ZkUnextractFile: " + name +
                                                      " could not be unpacked: File too large"} &&
                   said == std::vector<std::string>{name + ": File too large"};
        });
    }
}

TEST_F(ArchivesTest, ARarArchiveAskingForAHugeDictionaryIsRefusedBeforeUnpacking) {
    EXPECT_EQ(Unpack(kFixtures / "huge-dictionary.rar", ""), "");
    EXPECT_TRUE(Tree(dest_).empty());
    EXPECT_EQ(lines_, std::vector<std::string>{"ZkUnextractFile: huge-dictionary.rar: needs too "
                                               "much memory to unpack, unpacking stopped"});
}

TEST_F(ArchivesTest, AFifoInPlaceOfAnArchiveIsRefusedWithoutWaitingOnIt) {
    MakeFifo(game_ / "fifo.zkr");
    ExpectTrueWithin(10, [&] {
        Unpack(game_ / "fifo.zkr", kArchivePassword);
        return ListArchiveEntries(readers_, game_ / "fifo.zkr", kArchivePassword).empty() &&
               lines_ ==
                   std::vector<std::string>{"ZkUnextractFile: fifo.zkr: is no file, not unpacked"};
    });
    EXPECT_FALSE(fs::exists(CleanUpListPath(game_, "fifo.zkr")));
}

TEST_F(ArchivesTest, MissingOrUnknownArchivesAreIgnoredAndListingExtractsNothing) {
    WriteBytes(root_ / "garbage.zkr", "this is no archive of any kind");
    WriteBytes(root_ / "empty.zkr", "");
    for (const char* name : {"garbage.zkr", "empty.zkr", "missing.zkr"}) {
        Unpack(root_ / name, "");
        EXPECT_FALSE(fs::exists(CleanUpListPath(game_, name))) << name;
    }
    EXPECT_EQ(ListArchiveEntries(readers_, kFixtures / "headers.rar", "kt90472"),
              (std::vector<std::string>{"hello.txt", "Snd/collect.wav"}));
    EXPECT_TRUE(ListArchiveEntries(readers_, kFixtures / "headers.rar", "").empty());
    EXPECT_EQ(Tree(game_), std::vector<std::string>{"gfx"});
}

}  // namespace
}  // namespace zelkor
