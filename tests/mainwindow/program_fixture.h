#pragma once
// Runs the real program in-process under the offscreen platform: a catalogue folder made for
// the test, the window set, and the main window's start-up with the splash and the
// introduction closed as soon as they open.

#include <QColor>
#include <QString>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TForm1;
class WindowSet;

struct TestEntry {
    std::string title;
    std::string line2;
    std::string line3;
    std::vector<std::string> indexLines;
    // Picture file names with the size to generate them at (0 x 0: not created).
    struct Picture {
        std::string name;
        int width;
        int height;
    };
    std::vector<Picture> pictures;
};

// Face files are generated in these colours, so a test can tell which one a widget holds.
inline const QColor ActiveFace(200, 40, 40);
inline const QColor InactiveFace(40, 40, 200);

// How often the windows that tests close at once (TForm2, TForm6, TForm8) came up.
std::map<std::string, int>& ShownCount();

class ProgramTest : public testing::Test {
protected:
    ProgramTest();
    ~ProgramTest() override;

    void SetUp() override;
    void TearDown() override;

    // Writes datas.dat (code page 1250 bytes, CR LF) and the pictures, then starts the program.
    void Start(const std::vector<TestEntry>& entries);
    void WriteCatalogue(const std::vector<TestEntry>& entries);
    void StartProgram();
    void WriteJpeg(const std::string& relativePath, int width, int height, QColor colour);

    TForm1& Main();
    // The colour of the middle pixel of what an image widget holds (invalid when empty).
    static QColor FaceColour(class TImage& image);
    // Runs queued events, as the event loop would between user actions.
    static void ProcessEvents();

    std::filesystem::path folder_;
    std::filesystem::path previousDirectory_;
    std::unique_ptr<WindowSet> windows_;
    std::vector<std::string> reports_;
};

// A catalogue entry with `count` pictures named <stem>1.jpg … of the given size.
TestEntry EntryWithPictures(const std::string& title, const std::string& stem, int count,
                            int width = 160, int height = 120);
