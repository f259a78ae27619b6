// The picture view's decodes: thumbnails scaled down in the background while the slots keep
// their places, decoding errors reported in paint order however the decodes interleave,
// decoded pictures let go when another entry replaces them, and the entries next to the shown
// one decoded ahead.

#include "tests/mainwindow/program_fixture.h"

#include "mainwindow/pictureview.h"
#include "mainwindow/tform1.h"
#include "pictures/bytesfingerprint.h"
#include "pictures/decodedahead.h"
#include "pictures/jpegbitmaps.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file with a segment inserted before its end marker: the picture data decodes, then
// libjpeg fails on the segment.
void SpoilEnd(const std::filesystem::path& path, std::vector<std::uint8_t> segment) {
    std::vector<std::uint8_t> bytes = FileBytes(path);
    bytes.insert(bytes.end() - 2, segment.begin(), segment.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

const TJPEGImage& Jpeg(const TImage& image) {
    return dynamic_cast<const TJPEGImage&>(*image.Picture().Graphic());
}

} // namespace

class ThumbnailDecode : public ProgramTest {
protected:
    void ClickRow(int row) {
        TListBox& list = *Main().ListBox1;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
    }
    // The whole main window painted at once, then the reports the paint queued.
    // A paint waits for a slow decode only a moment; the picture is drawn once it is done.
    void Paint() {
        Main().repaint();
        const QList<TImage*> images = Main().findChildren<TImage*>();
        QElapsedTimer patience;
        patience.start();
        while (std::any_of(images.begin(), images.end(),
                           [](const TImage* image) { return image->DecodeUnshown(); }) &&
               patience.elapsed() < 30'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        ProcessEvents();
    }
};

TEST_F(ThumbnailDecode, SlotsKeepTheFittedPlacesWhileTheirBitmapsAreScaledDown) {
    Start({{"Vegyes",
            "x",
            "y",
            {},
            {{"a.jpg", 640, 480}, {"b.jpg", 600, 800}, {"c.jpg", 475, 560}, {"d.jpg", 200, 150}}}});
    Paint();
    TForm1& form = Main();
    // Places as the fit of the full sizes gives them, offsets inside boxes at 33/161/289/417.
    EXPECT_EQ(form.imageprev[0]->geometry(), QRect(33, 522, 112, 84));
    EXPECT_EQ(form.imageprev[1]->geometry(), QRect(161 + 14, 508, 84, 112));
    EXPECT_EQ(form.imageprev[2]->geometry(), QRect(289 + 9, 508, 94, 112));
    EXPECT_EQ(form.imageprev[3]->geometry(), QRect(417, 522, 112, 84));
    // Each bitmap is the smallest libjpeg scale still covering its slot.
    const QSize expected[] = {{160, 120}, {150, 200}, {119, 140}, {200, 150}};
    for (int j = 0; j < 4; ++j) {
        const TJPEGImage& slot = Jpeg(*form.imageprev[j]);
        EXPECT_EQ(const_cast<TJPEGImage&>(slot).ToImage().size(), expected[j]) << "slot " << j + 1;
    }
    // The main picture, the same file as slot 1, is decoded at its own size where the window
    // shows it: it overhangs the window's left edge.
    const TImage& main = *Main().MainImage;
    EXPECT_EQ(main.Picture().Graphic()->ToImage().size(),
              (QRect(0, 0, 640, 480) & QRect(-main.pos(), Main().size())).size());
    EXPECT_TRUE(reports_.empty());
}

TEST_F(ThumbnailDecode, ErrorsComeAfterThePaintInTheOrderTheWidgetsDraw) {
    TestEntry faulty = EntryWithPictures("Hibás", "f", 4, 800, 600);
    WriteCatalogue({faulty, EntryWithPictures("Ép", "g", 4, 800, 600)});
    // A Huffman table segment too short for its header, and a quantization table numbered 5.
    SpoilEnd(folder_ / "images/f1.jpg", {0xFF, 0xC4, 0x00, 0x03, 0x00});
    std::vector<std::uint8_t> table = {0xFF, 0xDB, 0x00, 0x43, 0x05};
    table.resize(table.size() + 64, 1);
    SpoilEnd(folder_ / "images/f2.jpg", table);
    StartProgram();
    Paint();
    // The main picture first, then slot 1 (the same file), then slot 2.
    const std::vector<std::string> once = {"JPEG error #11.", "JPEG error #11.", "JPEG error #31."};
    ASSERT_EQ(reports_, once);
    // Shown again and again, the decodes run on the pool in every interleaving the timing gives.
    for (int run = 0; run < 40; ++run) {
        reports_.clear();
        ClickRow(1);
        Paint();
        ClickRow(0);
        EXPECT_TRUE(reports_.empty()) << "reported before the paint";
        Paint();
        ASSERT_EQ(reports_, once) << "run " << run;
    }
}

TEST_F(ThumbnailDecode, ReplacedEntryLetsItsDecodedPicturesGo) {
    WriteCatalogue(
        {EntryWithPictures("Első", "a", 4, 900, 700), EntryWithPictures("Második", "b", 4)});
    // Files of identical bytes would share their decodes: a colour of its own for each.
    for (int i = 1; i <= 4; ++i) {
        WriteJpeg("images/a" + std::to_string(i) + ".jpg", 900, 700, QColor(i * 40, 0, 0));
        WriteJpeg("images/b" + std::to_string(i) + ".jpg", 160, 120, QColor(0, i * 40, 0));
    }
    StartProgram();
    Paint();
    const auto live = [this](const char* name) {
        return SharedJpegBitmaps(FileBytes(folder_ / "images" / name))->LiveDecodes();
    };
    EXPECT_EQ(live("a1.jpg"), 2) << "the main picture's and slot 1's";
    EXPECT_EQ(live("a4.jpg"), 1);
    ClickRow(1);
    Paint();
    for (const char* name : {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg"})
        EXPECT_EQ(live(name), 0) << name;
    // 160 x 120 needs its full size in a 112 x 84 slot: one decode for both widgets.
    EXPECT_EQ(live("b1.jpg"), 1);
}

TEST_F(ThumbnailDecode, NeighbouringEntriesAreDecodedAheadAndTheirFailuresWaitForTheirShowing) {
    WriteCatalogue({EntryWithPictures("Első", "a", 2, 640, 480),
                    EntryWithPictures("Második", "b", 2, 640, 480),
                    EntryWithPictures("Harmadik", "c", 2, 640, 480)});
    for (const char* stem : {"a", "b", "c"}) {
        for (int i = 1; i <= 2; ++i)
            WriteJpeg("images/" + std::string(stem) + std::to_string(i) + ".jpg", 640, 480,
                      QColor(stem[0], i * 90, 30));
    }
    SpoilEnd(folder_ / "images/b2.jpg", {0xFF, 0xC4, 0x00, 0x03, 0x00});
    StartProgram();
    Paint();
    QElapsedTimer patience;
    patience.start();
    while (DecodingAhead() && patience.elapsed() < 30'000)
        ProcessEvents();
    ASSERT_FALSE(DecodingAhead());
    EXPECT_TRUE(reports_.empty()) << "a failure decoded ahead is the showing's to report";

    // The next entry's main picture is the bitmap decoded ahead, not a decode of its own.
    const std::vector<std::uint8_t> bytes = FileBytes(folder_ / "images/b1.jpg");
    const TImage& main = *Main().MainImage;
    const QRect placed = CentredInMainArea(640, 480);
    const QRect shown =
        QRect(QPoint(0, 0), placed.size()) & QRect(-placed.topLeft(), Main().size());
    const std::optional<StoredDecode> ahead = DecodedAhead::Instance().Find(
        {BytesFingerprint(bytes.data(), bytes.size()), bytes.size(), 1, OutputSpace::Screen},
        shown);
    ASSERT_TRUE(ahead.has_value());
    ClickRow(1);
    EXPECT_TRUE(main.Picture().Graphic()->DrawReady()) << "ready before any paint";
    Paint();
    EXPECT_EQ(main.Picture().Graphic()->ToImage().cacheKey(), ahead->decoded.bitmap.cacheKey());
    EXPECT_EQ(reports_, std::vector<std::string>{"JPEG error #11."}) << "slot 2, when shown";
}
