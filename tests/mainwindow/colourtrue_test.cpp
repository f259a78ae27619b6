// One photograph delivered in sRGB, Adobe RGB, ProPhoto RGB and a CMYK press profile, shown by
// the running program: the main picture, the thumbnails and the save dialog's preview box show
// each tagged version in the colours of the sRGB one.

#include "tests/mainwindow/program_fixture.h"

#include "mainwindow/picturepreview.h"
#include "mainwindow/tform1.h"
#include "pictures/pictures.h"
#include "skin/skin.h"
#include "tests/colour/taggedpictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QTest>

namespace {

constexpr int Width = 160, Height = 120;

class ColourTrue : public ProgramTest {};

// What the widget paints once its picture is decoded: a paint waits for a decode only a moment,
// which a loaded machine can pass, and then leaves the widget empty until the decode is done.
QImage Drawn(TImage& image) {
    QImage grabbed = image.grab().toImage();
    QElapsedTimer patience;
    patience.start();
    while (image.DecodeUnshown() && patience.elapsed() < 30'000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        grabbed = image.grab().toImage();
    }
    return grabbed;
}

TEST_F(ColourTrue, TaggedVersionsShowTheOriginalsColoursInEveryView) {
    WriteTaggedVersions(folder_ / "images", Width, Height);
    // All four in the first entry's strip; then each the main picture of an entry of its own.
    std::vector<TestEntry> entries = {{"Mind", "Hely", "Idő", {}, {}}};
    for (const TaggedVersion& version : TaggedVersions) {
        entries.front().pictures.push_back({version.file, 0, 0});
        entries.push_back(
            {version.file, "Hely", "Idő", {}, {{version.file, 0, 0}, {"srgb.jpg", 0, 0}}});
    }
    WriteCatalogue(entries);
    StartProgram();
    PicturePreview preview;
    preview.resize(300, 250);
    preview.show();
    // The bevelled box the preview draws in: the one frame of that minimum size.
    QWidget* box = nullptr;
    for (QFrame* frame : preview.findChildren<QFrame*>())
        box = frame->minimumSize() == QSize(150, 150) ? frame : box;
    const QRect inside = box->contentsRect();
    const QRect drawn = PreviewTarget({Width, Height}, inside.size()).translated(inside.topLeft());

    std::vector<QImage> thumbnails, mains, previews;
    for (std::size_t i = 0; i < std::size(TaggedVersions); ++i) {
        thumbnails.push_back(Drawn(*Main().imageprev[i]));
        preview.ShowFile(
            QString::fromStdString((folder_ / "images" / TaggedVersions[i].file).string()));
        previews.push_back(box->grab(drawn).toImage());
    }
    for (std::size_t i = 0; i < std::size(TaggedVersions); ++i) {
        QTest::keyClick(Main().ListBox1, Qt::Key_Down);
        ProcessEvents();
        mains.push_back(Drawn(*Main().MainImage));
    }
    for (std::size_t i = 1; i < std::size(TaggedVersions); ++i) {
        SCOPED_TRACE(TaggedVersions[i].file);
        EXPECT_LE(MeanDifference(mains[i], mains[0]), TaggedVersions[i].limit);
        EXPECT_LE(MeanDifference(thumbnails[i], thumbnails[0]), TaggedVersions[i].limit);
        EXPECT_LE(MeanDifference(previews[i], previews[0]), TaggedVersions[i].limit);
    }
    EXPECT_EQ(mains[0].size(), QSize(Width, Height));
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

} // namespace
