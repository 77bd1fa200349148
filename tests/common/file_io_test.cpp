#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "common/atomic_file.h"
#include "common/regular_file.h"
#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    TempFolder dir_;
    const fs::path target_ = dir_.path() / "game" / "list.txt";
    const fs::path elsewhere_ = dir_.path() / "elsewhere.txt";

    void SetUp() override {
        fs::create_directories(target_.parent_path());
        WriteBytes(elsewhere_, "someone else's file");
    }
};

TEST_F(AtomicFileTest, ReplacesTheNameNeverWhatALinkOrAnotherHardLinkedNameHolds) {
    for (const bool hardLink : {true, false}) {
        for (const fs::path& at : {target_, AtomicFileWriter::TemporaryName(target_)}) {
            fs::remove(target_);
            fs::remove(AtomicFileWriter::TemporaryName(target_));
            if (hardLink)
                fs::create_hard_link(elsewhere_, at);
            else
                fs::create_symlink(elsewhere_, at);

            EXPECT_TRUE(WriteFileAtomically(target_, "new contents")) << at;
            EXPECT_EQ(ReadBytes(elsewhere_), "someone else's file") << at;
            EXPECT_EQ(ReadBytes(target_), "new contents") << at;
            EXPECT_FALSE(fs::is_symlink(target_)) << at;
            EXPECT_FALSE(fs::exists(fs::symlink_status(AtomicFileWriter::TemporaryName(target_))));
        }
    }
}

TEST_F(AtomicFileTest, AnUnfinishedWriteLeavesTheOldFileAndNoTemporaryFile) {
    WriteBytes(target_, "old");
    {
        AtomicFileWriter writer(target_);
        ASSERT_TRUE(writer.Write("half of the n"));
    }
    EXPECT_EQ(ReadBytes(target_), "old");
    EXPECT_FALSE(fs::exists(AtomicFileWriter::TemporaryName(target_)));

    AtomicFileWriter writer(target_);
    EXPECT_TRUE(writer.Write("new ") && writer.Write("in pieces"));
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(ReadBytes(target_), "new in pieces");
}

TEST_F(AtomicFileTest, AFolderThatCannotBeWrittenIsAFailureWithItsReason) {
    int error = 0;
    EXPECT_FALSE(WriteFileAtomically(dir_.path() / "missing" / "x.txt", "x", {}, &error));
    EXPECT_EQ(error, ENOENT);

    fs::create_directory(target_);  // a folder where the file should go
    EXPECT_FALSE(WriteFileAtomically(target_, "x", {}, &error));
    EXPECT_NE(error, 0);
    EXPECT_TRUE(fs::is_directory(target_));
    EXPECT_FALSE(fs::exists(AtomicFileWriter::TemporaryName(target_)));
}

class RegularFileTest : public ::testing::Test {
protected:
    TempFolder dir_;
};

TEST_F(RegularFileTest, RefusesWhatIsNoRegularFileWithoutWaitingOnIt) {
    const fs::path fifo = dir_.path() / "fifo";
    MakeFifo(fifo);
    const fs::path linkToFifo = dir_.path() / "link-to-fifo";
    fs::create_symlink(fifo, linkToFifo);
    ExpectTrueWithin(5, [&] {
        return ReadRegularFile(fifo, 100).status == FileStatus::NotAFile &&
               ReadRegularFile(linkToFifo, 100).status == FileStatus::NotAFile &&
               !ReadWholeFile(fifo, 100).has_value();
    });
    EXPECT_EQ(ReadRegularFile(dir_.path(), 100).status, FileStatus::NotAFile);
    EXPECT_EQ(ReadRegularFile("/dev/null", 100).status, FileStatus::NotAFile);
}

TEST_F(RegularFileTest, NamesTheFileSystemRefusesAreMissingFiles) {
    const fs::path loop = dir_.path() / "loop";
    fs::create_symlink(loop, loop);
    EXPECT_EQ(ReadRegularFile(loop / "x.mid", 100).status, FileStatus::Missing);
    EXPECT_EQ(ReadRegularFile(loop, 100).status, FileStatus::Missing);
    EXPECT_EQ(ReadRegularFile(dir_.path() / OverlongName(".mid"), 100).status, FileStatus::Missing);
    EXPECT_EQ(ReadRegularFile(dir_.path() / "nothing", 100).status, FileStatus::Missing);
}

TEST_F(RegularFileTest, ReadsAFileOrALinkToItWholeUpToTheLimit) {
    const fs::path file = dir_.path() / "level.dat";
    WriteBytes(file, std::string(1000, 'a'));
    const fs::path link = dir_.path() / "link.dat";
    fs::create_symlink(file, link);

    EXPECT_EQ(ReadWholeFile(link, 1000), std::string(1000, 'a'));
    const FileBytes over = ReadRegularFile(file, 999);
    EXPECT_EQ(over.status, FileStatus::TooLarge);
    EXPECT_TRUE(over.bytes.empty());

    if (::geteuid() != 0) {  // root reads everything
        fs::permissions(file, fs::perms::none);
        EXPECT_EQ(ReadRegularFile(file, 1000).status, FileStatus::Unreadable);
    }
}

}  // namespace
}  // namespace zelkor
