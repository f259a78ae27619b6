// One photograph delivered in sRGB, Adobe RGB, ProPhoto RGB and a CMYK press profile, shown by
// the running program: the main picture, the thumbnails and the save dialog's preview box show
// each tagged version in the colours of the sRGB one.

#include "tests/mainwindow/program_fixture.h"

#include "mainwindow/picturepreview.h"
#include "mainwindow/tform1.h"
#include "pictures/pictures.h"
#include "tests/colour/taggedpictures.h"

#include <QFrame>
#include <QTest>
#include <fstream>

namespace {

constexpr int Width = 160, Height = 120;

struct Version {
    const char* file;
    std::string profile; // empty: the sRGB original
    double limit;
};

const Version Versions[] = {{"srgb.jpg", {}, 0},
                            {"adobe.jpg", AdobeRgbProfile, 3},
                            {"prophoto.jpg", ProPhotoProfile, 3},
                            {"cmyk.jpg", PressCmykProfile, 8}};

// The bevelled box the preview draws the picture in (only it has that minimum size).
QWidget* PreviewBox(PicturePreview& preview) {
    for (QFrame* frame : preview.findChildren<QFrame*>()) {
        if (frame->minimumSize() == QSize(150, 150))
            return frame;
    }
    return nullptr;
}

class ColourTrue : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const std::vector<std::uint8_t> source = PhotoPixels(Width, Height);
        TestEntry strip{"Mind a négy", "Hely", "Idő", {}, {}};
        std::vector<TestEntry> entries;
        for (const Version& version : Versions) {
            const auto bytes = version.profile.empty() ? SrgbJpeg(source, Width, Height)
                                                       : TaggedJpeg(source, Width, Height,
                                                                    ReadProfile(version.profile));
            std::ofstream(folder_ / "images" / version.file, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            // Each version is the main picture of an entry of its own, all four are the first
            // entry's strip.
            entries.push_back(
                {version.file, "Hely", "Idő", {}, {{version.file, 0, 0}, {"srgb.jpg", 0, 0}}});
            strip.pictures.push_back({version.file, 0, 0});
        }
        entries.insert(entries.begin(), strip);
        WriteCatalogue(entries);
        StartProgram();
    }
};

TEST_F(ColourTrue, TaggedVersionsShowTheOriginalsColoursInEveryView) {
    // The strip of the first entry: one thumbnail a version.
    std::vector<QImage> thumbnails;
    for (TImage* slot : Main().imageprev)
        thumbnails.push_back(slot->grab().toImage());
    // The main picture of each version's own entry.
    std::vector<QImage> mains;
    for (std::size_t i = 0; i < std::size(Versions); ++i) {
        QTest::keyClick(Main().ListBox1, Qt::Key_Down);
        ProcessEvents();
        mains.push_back(Main().MainImage->grab().toImage());
    }
    // The save dialog's preview box, given each file.
    PicturePreview preview;
    preview.resize(300, 250);
    preview.show();
    std::vector<QImage> previews;
    for (const Version& version : Versions) {
        preview.ShowFile(QString::fromStdString((folder_ / "images" / version.file).string()));
        QWidget* box = PreviewBox(preview);
        const QRect inside = box->contentsRect();
        previews.push_back(
            box->grab(PreviewTarget({Width, Height}, inside.size()).translated(inside.topLeft()))
                .toImage());
    }

    for (std::size_t i = 1; i < std::size(Versions); ++i) {
        SCOPED_TRACE(Versions[i].file);
        EXPECT_LE(MeanDifference(mains[i], mains[0]), Versions[i].limit);
        EXPECT_LE(MeanDifference(thumbnails[i], thumbnails[0]), Versions[i].limit);
        EXPECT_LE(MeanDifference(previews[i], previews[0]), Versions[i].limit);
    }
    EXPECT_EQ(mains[0].size(), QSize(Width, Height));
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

} // namespace
