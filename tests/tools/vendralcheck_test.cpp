// Runs the built vendral-check on generated catalogue folders.

#include "tests/catalogue/catalogue_text.h"
#include "tests/core/tempfolder.h"
#include "tests/tools/toolrun.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const char* const Faces[] = {"radioon.jpg",          "radiooff.jpg",
                             "activearrowleft.jpg",  "inactivearrowleft.jpg",
                             "activearrowright.jpg", "inactivearrowright.jpg"};

ToolRun Check(const std::string& arguments) {
    return RunTool(std::string(VENDRAL_CHECK) + " " + arguments + " 2>/dev/null");
}

class VendralCheckTest : public testing::Test {
protected:
    void WriteFaces() {
        for (const char* face : Faces)
            folder.Write(face, "jpeg");
    }
    std::string Json() { return Check("--json '" + folder.Path() + "'").output; }

    TempFolder folder;
};

TEST_F(VendralCheckTest, CompleteFolderPassesWithJsonOfEveryEntry) {
    WriteFaces();
    folder.Write("images/sub/Kép.jpg", "jpeg"); // found from "SUB\KÉP.JPG" spelt in cp1250
    folder.Write("images/b.jpg", "jpeg");
    folder.Write(
        "datas.dat",
        "1\r\n" +
            Entry({"\"Q\" \\ \x01\tt\xF5", "\xC1rv\xEDz", "T3", {}, {"sub\\K\xE9p.JPG", "B.jpg"}}));
    const ToolRun run = Check("--json '" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.output,
        "{\"record_count\": 1, \"records\": [{\"number\": 1, "
        "\"title\": \"\\\"Q\\\" \\\\ \\u0001\\ttő\", \"line2\": \"Árvíz\", \"line3\": \"T3\", "
        "\"index_lines\": [], \"main_picture\": \"sub\\\\Kép.JPG\", "
        "\"second_picture\": \"B.jpg\", \"pictures\": [\"sub\\\\Kép.JPG\", \"B.jpg\"]}], "
        "\"colour_spaces\": [{\"file\": \"images/sub\\\\Kép.JPG\", "
        "\"colour_space\": \"not a readable JPEG\"}, {\"file\": \"images/B.jpg\", "
        "\"colour_space\": \"not a readable JPEG\"}], "
        "\"error\": null, \"missing_files\": [], \"pages\": [], \"other_page_files\": []}\n");
}

TEST_F(VendralCheckTest, MissingFilesAreListedOnceWithExitCodeOne) {
    WriteFaces();
    std::filesystem::remove(folder / "radiooff.jpg");
    folder.Write("images/a.jpg", "jpeg");
    std::filesystem::create_directories(folder / "images/folder.jpg");
    folder.Write("datas.dat", "2\r\n" + Entry({.pictures = {"a.jpg", "gone.jpg", "folder.jpg"}}) +
                                  Entry({.pictures = {"gone.jpg"}}));
    const ToolRun run = Check("'" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Missing files: 3\n  images/gone.jpg\n  images/folder.jpg\n"
                              "  radiooff.jpg\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(Json().find("\"missing_files\": [\"images/gone.jpg\", \"images/folder.jpg\", "
                          "\"radiooff.jpg\"]"),
              std::string::npos);
}

TEST_F(VendralCheckTest, LoadFailureShowsTheReportTextWithExitCodeTwo) {
    WriteFaces();
    ToolRun run = Check("'" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("Error: File not found.\n"), std::string::npos) << run.output;

    ::symlink("/dev/zero", (folder / "datas.dat").c_str());
    run = Check("'" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("Error: File access denied.\n"), std::string::npos) << run.output;
    ::unlink((folder / "datas.dat").c_str());

    folder.Write("datas.dat", "many\r\n");
    EXPECT_NE(Json().find("\"error\": \"Invalid numeric input.\""), std::string::npos);

    folder.Write("datas.dat", "2\r\n" + Entry({}));
    run = Check("--json '" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("\"record_count\": 2"), std::string::npos);
    EXPECT_NE(run.output.find("\"error\": \"Catalogue line 10: index list of entry 2 has no "
                              "\\\"##\\\" before the end of the file.\""),
              std::string::npos)
        << run.output;
}

TEST_F(VendralCheckTest, BadUsageIsItsOwnExitCode) {
    EXPECT_EQ(Check("--jsn").exitCode, 3);
    EXPECT_EQ(Check("a b").exitCode, 3);
}

} // namespace

namespace {

// Only the frame header matters to the check: the start of a baseline JPEG of that size.
std::string JpegFrame(int width, int height) {
    return std::string("\xFF\xD8\xFF\xE0\x00\x04xx\xFF\xC0\x00\x11\x08", 13) + char(height >> 8) +
           char(height & 0xFF) + char(width >> 8) + char(width & 0xFF) + std::string(12, '\x01');
}

} // namespace

TEST_F(VendralCheckTest, PagesAreListedAndOneOfTheWrongSizeIsFlagged) {
    WriteFaces();
    folder.Write("images/a.jpg", "jpeg");
    folder.Write("datas.dat", "1\r\n" + Entry({.pictures = {"a.jpg"}}));
    EXPECT_NE(Check("'" + folder.Path() + "'").output.find("Pages: none of its own"),
              std::string::npos);

    folder.Write("pages/Description-3.JPG", JpegFrame(715, 415));
    folder.Write("pages/introduction-2.jpg", JpegFrame(730, 369)); // wider than its box
    folder.Write("pages/splash.jpg", JpegFrame(640, 480));         // not the window's shape
    folder.Write("pages/about.jpg", "not a picture");
    folder.Write("pages/description-41.jpg", JpegFrame(715, 415)); // no such record
    const ToolRun run = Check("'" + folder.Path() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Pages: 4 of its own (the viewer shows its built-in page for any "
                              "other)\n  pages/Description-3.JPG  715 x 415\n"
                              "  pages/introduction-2.jpg  730 x 369  PROBLEM: is 730 x 369 "
                              "pixels; the window shows 721 x 369 of it and cuts the rest\n"
                              "  pages/splash.jpg  640 x 480  PROBLEM: is 640 x 480 pixels; the "
                              "window's background must be 800 x 653"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("  pages/about.jpg  PROBLEM: is not a JPEG"), std::string::npos);
    EXPECT_NE(run.output.find("  pages/description-41.jpg  (not a page the viewer reads)"),
              std::string::npos);
    EXPECT_NE(Json().find("{\"name\": \"pages/Description-3.JPG\", \"width\": 715, "
                          "\"height\": 415, \"problem\": null}"),
              std::string::npos);
}
