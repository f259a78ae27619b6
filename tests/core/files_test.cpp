#include "core/files.h"

#include "tests/core/tempfolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class FilesTest : public testing::Test {
protected:
    TempFolder folder;
};

// Changes the current directory for one test and puts it back.
class InFolder {
public:
    explicit InFolder(const std::string& path) : previous_(files::CurrentDirectory()) {
        EXPECT_TRUE(files::SetCurrentDirectory(path));
    }
    ~InFolder() { files::SetCurrentDirectory(previous_); }

private:
    std::string previous_;
};

TEST_F(FilesTest, ResolveTakesBackslashesAndLetterCase) {
    EXPECT_EQ(files::NativePath("C:\\KIOSK/images\\a.jpg"), "C:/KIOSK/images/a.jpg");
    folder.Write("images/Abc.jpg", "x");
    EXPECT_EQ(files::Resolve(folder / "images\\Abc.jpg"), folder / "images/Abc.jpg");
    EXPECT_EQ(files::Resolve(folder / "IMAGES\\aBC.JPG"), folder / "images/Abc.jpg");
    EXPECT_EQ(files::Resolve(folder.Path() + "\\\\IMAGES\\"), folder.Path() + "//images/");
    EXPECT_EQ(files::Resolve(folder / "images/abd.jpg"), std::nullopt);
    EXPECT_EQ(files::Resolve(folder / "images/Abc.jpg/x"), std::nullopt);
    EXPECT_EQ(files::Resolve(""), std::nullopt);

    InFolder inside(folder.Path());
    EXPECT_EQ(files::Resolve("./IMAGES/abc.jpg"), "./images/Abc.jpg");
    EXPECT_EQ(files::Resolve("Images\\ABC.jpg"), "images/Abc.jpg");
}

TEST_F(FilesTest, ResolvePrefersExactNameAndRefusesAmbiguity) {
    folder.Write("a.jpg", "lower");
    folder.Write("A.jpg", "upper");
    EXPECT_EQ(files::Resolve(folder / "A.jpg"), folder / "A.jpg");
    EXPECT_EQ(files::Resolve(folder / "a.JPG"), std::nullopt);
}

// Catalogue names are code page 1250; the name on disk is UTF-8.
TEST_F(FilesTest, ResolveFindsUtf8NameOfCp1250Text) {
    folder.Write("images/kép.jpg", "x");
    EXPECT_EQ(files::Resolve(folder / "images/K\xE9P.JPG"), folder / "images/kép.jpg");
    EXPECT_EQ(files::Resolve(folder / "images/K\xC9P.JPG"), std::nullopt); // É is not é
}

TEST_F(FilesTest, ReadWholeFileGivesBytesOrTheReason) {
    const std::string bytes("a\0b\r\n\x1A\xFF", 7);
    folder.Write("sub/Data.dat", bytes);
    const auto read = files::ReadWholeFile(folder / "SUB\\data.DAT", 7);
    EXPECT_EQ(read.error, 0);
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), bytes);
    const auto tooLarge = files::ReadWholeFile(folder / "sub/data.dat", 6);
    EXPECT_EQ(tooLarge.error, files::FileTooLarge);
    EXPECT_EQ(tooLarge.size, 7u);
    EXPECT_TRUE(tooLarge.bytes.empty());

    EXPECT_EQ(files::ReadWholeFile(folder / "sub/none.dat", 100).error, ENOENT);
    EXPECT_EQ(files::ReadWholeFile(folder / "nosub/data.dat", 100).error, ENOTDIR);
    EXPECT_EQ(files::ReadWholeFile(folder / "sub", 100).error, EISDIR);
}

TEST_F(FilesTest, CurrentDirectoryHasNoTrailingSeparatorButAtRoot) {
    {
        InFolder inside(folder.Path() + "/");
        EXPECT_EQ(files::CurrentDirectory(), folder.Path());
    }
    {
        InFolder root("/");
        EXPECT_EQ(files::CurrentDirectory(), "/");
    }
    EXPECT_FALSE(files::SetCurrentDirectory(folder / "missing"));
}

TEST_F(FilesTest, CopyReplacesTargetWholly) {
    const std::string source = folder.Write("images/pic.jpg", "new bytes");
    const std::string target = folder.Write("out/copy.jpg", "much longer old content");
    EXPECT_EQ(files::CopyFileReplacing(source, target), std::nullopt);
    EXPECT_EQ(ReadBytes(target), "new bytes");

    // The save lower-cases the whole chosen path; the folder is found in its own case.
    folder.Write("Saved/keep", "");
    EXPECT_EQ(files::CopyFileReplacing(folder / "IMAGES\\PIC.JPG", folder / "saved/fresh.jpg"),
              std::nullopt);
    EXPECT_EQ(ReadBytes(folder / "Saved/fresh.jpg"), "new bytes");

    // Copying a file onto itself keeps it.
    EXPECT_EQ(files::CopyFileReplacing(source, folder / "IMAGES/pic.jpg"), std::nullopt);
    EXPECT_EQ(ReadBytes(source), "new bytes");

    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".vendral"), std::string::npos);
}

TEST_F(FilesTest, CopyReportsFailureWithSystemReason) {
    const std::string source = folder.Write("pic.jpg", "bytes");
    EXPECT_EQ(files::CopyFileReplacing(folder / "none.jpg", folder / "copy.jpg"),
              std::strerror(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(folder / "copy.jpg"));
    EXPECT_EQ(files::CopyFileReplacing(source, folder / "nofolder/copy.jpg"),
              std::strerror(ENOENT));
    EXPECT_EQ(files::CopyFileReplacing(source, folder.Path()), std::strerror(EISDIR));

    // A name too long for the platform is reported, not cut to fit.
    EXPECT_EQ(files::CopyFileReplacing(source, folder / std::string(300, 'n')),
              std::strerror(ENAMETOOLONG));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

} // namespace
