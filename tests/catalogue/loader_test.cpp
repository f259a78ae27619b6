#include "catalogue/catalogue.h"

#include "core/errors.h"
#include "core/reporttext.h"
#include "tests/catalogue/catalogue_text.h"
#include "tests/core/tempfolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class LoaderTest : public testing::Test {
protected:
    void Load(const std::string& bytes) {
        LoadCatalogueFile(*catalogue, folder.Write("datas.dat", bytes));
    }
    // Loads text that must fail; returns the failure's code and message.
    EInOutError LoadFailing(const std::string& bytes) {
        try {
            Load(bytes);
        } catch (const EInOutError& failure) {
            return failure;
        }
        ADD_FAILURE() << "loaded without failure";
        return EInOutError(0, "");
    }
    const CatalogueRecord& Record(int k) const { return catalogue->Record(k); }

    TempFolder folder;
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

TEST_F(LoaderTest, ReadsEntriesInFileOrder) {
    Load("2\r\n" + Entry({"One", "Pest", "1900", {"i1", "i2"}, {"m.jpg", "s.jpg", "t.jpg"}}) +
         Entry({.title = "Two"}) + "ignored after the last entry\r\n");
    ASSERT_EQ(catalogue->RecordCount, 2);
    const CatalogueRecord& first = Record(1);
    EXPECT_EQ(first.Title, "One");
    EXPECT_EQ(first.Line2, "Pest");
    EXPECT_EQ(first.Line3, "1900");
    ASSERT_EQ(first.IndexLineCount, 2);
    EXPECT_EQ(first.IndexLine(2), "i2");
    EXPECT_EQ(first.MainPicture, "m.jpg");
    EXPECT_EQ(first.SecondPicture, "s.jpg");
    ASSERT_EQ(first.PictureCount, 3);
    EXPECT_EQ(first.Picture(1), "m.jpg");
    EXPECT_EQ(first.Picture(3), "t.jpg");
    EXPECT_EQ(Record(2).Title, "Two");
}

TEST_F(LoaderTest, CountTokenForms) {
    const std::string two = Entry({}) + Entry({});
    for (const std::string head : {"2 entries\r\n", "\r\n\r\n  \t2\r\n", "$2\r\n", "0X2\r\n",
                                   "+2\r\n", "2\nthe rest of the line\r\n"}) {
        Load(head + two);
        EXPECT_EQ(catalogue->RecordCount, 2) << head;
    }
    for (const std::string empty : {"", " \r\n\t\r\n",
                                    "\x1A"
                                    "2\r\n"}) {
        Load(empty);
        EXPECT_EQ(catalogue->RecordCount, 0) << empty;
    }
    // Only 32 bytes of a long token count: these are all zeros.
    Load(std::string(32, '0') + "5\r\n");
    EXPECT_EQ(catalogue->RecordCount, 0);
}

TEST_F(LoaderTest, CountThatIsNoNumberIsInvalidNumericInput) {
    for (const std::string head : {"abc\r\n",
                                   "\xEF\xBB\xBF"
                                   "1\r\n",
                                   "1.0\r\n", "-$1\r\n"}) {
        const EInOutError failure = LoadFailing(head + Entry({}));
        EXPECT_EQ(failure.ErrorCode(), 106) << head;
        EXPECT_EQ(ReportText(failure.Message()), "Invalid numeric input.");
        EXPECT_EQ(catalogue->RecordCount, 0);
    }
}

TEST_F(LoaderTest, LinesAreStoredAsReadAndCutTo255Bytes) {
    const std::string title(300, 'T');
    const std::string longTerminator = "##" + std::string(300, ' ');
    Load("1\r\n" + Entry({title, " \xF5 lead\nfeed ", "t", {"## ", "#", longTerminator, ""}}));
    const CatalogueRecord& record = Record(1);
    EXPECT_EQ(record.Title, std::string(255, 'T'));
    EXPECT_EQ(record.Line2, " \xF5 lead\nfeed "); // a lone LF stays in the line
    ASSERT_EQ(record.IndexLineCount, 4);
    EXPECT_EQ(record.IndexLine(1), "## ");
    EXPECT_EQ(record.IndexLine(2), "#");
    EXPECT_EQ(record.IndexLine(3), longTerminator.substr(0, 255));
    EXPECT_EQ(record.IndexLine(4), "");
}

TEST_F(LoaderTest, TerminatorPlacesInAnEntry) {
    // Third line "##": no index lines, the next line is the first picture.
    // First picture followed by "##": one picture, and "##" is the second picture's text.
    Load("2\r\n" + Lines({"T", "L2", "##", "##", "##"}) +
         Lines({"T", "L2", "L3", "##", "p", "##"}));
    const CatalogueRecord& first = Record(1);
    EXPECT_EQ(first.Line3, "##");
    EXPECT_EQ(first.IndexLineCount, 0);
    EXPECT_EQ(first.MainPicture, "##");
    EXPECT_EQ(first.PictureCount, 1);
    EXPECT_EQ(first.SecondPicture, "##");
    const CatalogueRecord& second = Record(2);
    EXPECT_EQ(second.PictureCount, 1);
    EXPECT_EQ(second.MainPicture, "p");
    EXPECT_EQ(second.SecondPicture, "##");
    EXPECT_EQ(second.Picture(2), "##");
}

TEST_F(LoaderTest, LineEndsAndEndOfFileMark) {
    const EntryText entry{"T", "L2", "L3", {"i"}, {"a", "b", "c"}};
    Load("1\r" + Entry(entry, "\r"));
    EXPECT_EQ(Record(1).PictureCount, 3);
    Load("1\r\n" + Entry(entry) +
         "\x1A"
         "garbage");
    EXPECT_EQ(Record(1).Picture(3), "c");
    // The mark ends the file even inside a line: the picture list then never closes.
    const EInOutError failure = LoadFailing("1\r\nT\r\nL2\r\n##\r\np1\r\np2\x1A\r\n##\r\n");
    EXPECT_EQ(failure.Message(),
              "Catalogue line 6: picture list of entry 1 has no \"##\" before the end of the file");
    EXPECT_EQ(Record(1).Picture(2), "p2");
}

TEST_F(LoaderTest, LfOnlyFileIsOneLineAndNeverFindsItsTerminator) {
    const EInOutError failure = LoadFailing("1\n" + Entry({}, "\n"));
    EXPECT_EQ(failure.ErrorCode(), CatalogueLimitError);
    EXPECT_EQ(failure.Message(),
              "Catalogue line 1: index list of entry 1 has no \"##\" before the end of the file");
    EXPECT_EQ(catalogue->RecordCount, 1);
}

TEST_F(LoaderTest, CountOutsideTheStoreLoadsNothing) {
    std::string forty;
    for (int i = 1; i <= 40; ++i)
        forty += Entry({.title = "E" + std::to_string(i)});
    Load("40\r\n" + forty);
    EXPECT_EQ(catalogue->RecordCount, 40);
    EXPECT_EQ(Record(40).Title, "E40");

    EXPECT_EQ(LoadFailing("\r\n41\r\n" + forty + Entry({})).Message(),
              "Catalogue line 2: entry count 41 is more than 40");
    EXPECT_EQ(catalogue->RecordCount, 0);
    EXPECT_EQ(LoadFailing("-1\r\n").Message(), "Catalogue line 1: entry count -1 is less than 0");
    EXPECT_EQ(LoadFailing("$7FFFFFFF\r\n").ErrorCode(), CatalogueLimitError);
    EXPECT_EQ(LoadFailing("$80000000\r\n").ErrorCode(), 106);
}

TEST_F(LoaderTest, ListsOverFiftyLinesStopInsideTheStore) {
    Load("1\r\n" + Entry({.index = Numbered("i", 50), .pictures = Numbered("p", 50)}));
    EXPECT_EQ(Record(1).IndexLineCount, 50);
    EXPECT_EQ(Record(1).PictureCount, 50);

    // Entry 3 starts on line 2 + 2 * 8 = 18; its 51st index line is line 71.
    const std::string two = "3\r\n" + Entry({}) + Entry({});
    EXPECT_EQ(LoadFailing(two + Entry({.index = Numbered("i", 51)})).Message(),
              "Catalogue line 71: more than 50 index lines in entry 3");
    EXPECT_EQ(catalogue->RecordCount, 3);
    EXPECT_EQ(Record(2).PictureCount, 2);
    EXPECT_EQ(Record(3).IndexLineCount, 50);
    EXPECT_EQ(Record(3).IndexLine(50), "i50");

    EXPECT_EQ(LoadFailing("1\r\n" + Entry({.pictures = Numbered("p", 51)})).Message(),
              "Catalogue line 57: more than 50 pictures in entry 1");
    EXPECT_EQ(Record(1).PictureCount, 50);
}

TEST_F(LoaderTest, FewerEntriesThanCountedIsAnUnterminatedList) {
    EXPECT_EQ(LoadFailing("2\r\n" + Entry({})).Message(),
              "Catalogue line 10: index list of entry 2 has no \"##\" before the end of the file");
    EXPECT_EQ(catalogue->RecordCount, 2);
    EXPECT_EQ(Record(1).Title, "Title");
}

// A file far larger than the format can use is refused before it is read.
TEST_F(LoaderTest, FileSizeIsBoundedBeforeReading) {
    const std::string path = folder.Write("datas.dat", "1\r\n" + Entry({.title = "One"}));
    std::filesystem::resize_file(path, MaxCatalogueBytes);
    LoadCatalogueFile(*catalogue, path);
    EXPECT_EQ(catalogue->RecordCount, 1);
    std::filesystem::resize_file(path, MaxCatalogueBytes + 1);
    try {
        LoadCatalogueFile(*catalogue, path);
        ADD_FAILURE() << "loaded";
    } catch (const EInOutError& failure) {
        EXPECT_EQ(failure.Message(), "Catalogue file is too large: 16777217 bytes (at most 16 MB)");
        EXPECT_EQ(catalogue->RecordCount, 0);
    }
}

TEST_F(LoaderTest, OpenFailuresMapToTheirCodes) {
    const auto code = [&](const std::string& path) {
        try {
            LoadCatalogueFile(*catalogue, path);
        } catch (const EInOutError& failure) {
            return std::to_string(failure.ErrorCode()) + " " + failure.Message();
        }
        return std::string("loaded");
    };
    EXPECT_EQ(code(folder / "datas.dat"), "2 File not found");
    EXPECT_EQ(code(folder / "nofolder/datas.dat"), "3 Invalid filename");
    folder.Write("dir/datas.dat/x", "");
    EXPECT_EQ(code(folder / "dir/datas.dat"), "5 File access denied");
    folder.Write("Sub/DATAS.DAT", "0");
    EXPECT_EQ(code(folder / "sub\\datas.dat"), "loaded");
    // Never opened: a FIFO would hang the program, a device would never end.
    ASSERT_EQ(::mkfifo((folder / "fifo.dat").c_str(), 0644), 0);
    EXPECT_EQ(code(folder / "fifo.dat"), "5 File access denied");
    ::symlink("/dev/zero", (folder / "zero.dat").c_str());
    EXPECT_EQ(code(folder / "zero.dat"), "5 File access denied");

    if (::geteuid() != 0) {
        ::chmod(folder.Write("locked.dat", "0").c_str(), 0);
        EXPECT_EQ(code(folder / "locked.dat"), "5 File access denied");
    }

    // No file handles left.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> held{::open("/dev/null", O_RDONLY)};
    for (int fd; (fd = ::dup(held.front())) >= 0;)
        held.push_back(fd);
    const std::string noHandles = code(folder / "Sub/DATAS.DAT");
    for (const int fd : held)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(noHandles, "4 Too many open files");
}

} // namespace
