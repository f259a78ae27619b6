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
        "\"error\": null, \"missing_files\": []}\n");
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
                          "\"radiooff.jpg\"]}"),
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
