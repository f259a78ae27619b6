// The main area's part and the strip's thumbnail from one reading of the file: both must be the
// very pixels their own decodes make, whatever the file's sampling, and a file that goes wrong
// after the part gives the thumbnail its own decode would.
#include "pictures/jpegcoefficients.h"
#include "pictures/jpegdecode.h"
#include "pictures/jpegeighthoffer.h"
#include "pictures/jpegscale.h"
#include "tests/pictures/testpictures.h"

#include <future>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr int Width = 203, Height = 157; // edges that are no whole MCU

std::vector<std::uint8_t> SampledJpeg(int hSample, int vSample, int restartRows = 0) {
    return MakeSampledJpeg(Width, Height, hSample, vSample, restartRows);
}

JpegDecodeControl PartControl() {
    JpegDecodeControl control;
    control.left = 37;
    control.top = 41;
    control.width = 90;
    control.height = 60;
    return control;
}

DecodedJpeg PlainPart(const std::vector<std::uint8_t>& jpeg, bool grayscale) {
    const JpegDecodeControl control = PartControl();
    return DecodeJpeg(jpeg, grayscale, Width, Height, 1, &control);
}

DecodedJpeg PlainThumbnail(const std::vector<std::uint8_t>& jpeg, bool grayscale) {
    return DecodeJpeg(jpeg, grayscale, JpegScaledSide(Width, 8), JpegScaledSide(Height, 8), 8);
}

// The offer taken, as the strip's first slot takes it: the part and the thumbnail it delivers.
std::pair<DecodedJpeg, DecodedJpeg> OfferedDecodes(const std::vector<std::uint8_t>& jpeg,
                                                   bool grayscale) {
    JpegEighthOffer offer;
    std::promise<DecodedJpeg> part;
    std::future<DecodedJpeg> partResult = part.get_future();
    const std::optional<std::shared_future<DecodedJpeg>> thumbnail =
        offer.Take(std::make_shared<std::atomic<bool>>(false));
    EXPECT_TRUE(thumbnail.has_value());
    DecodePartOfferingEighth(jpeg, grayscale, Width, Height, PartControl(), part, offer, nullptr);
    EXPECT_FALSE(offer.Take(std::make_shared<std::atomic<bool>>(false)).has_value());
    return {partResult.get(), thumbnail ? thumbnail->get() : DecodedJpeg{}};
}

} // namespace

TEST(JpegEighthCoefficientsTest, EverySamplingGivesTheThumbnailOfItsOwnDecodeFromOneReading) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> jpeg;
    } files[] = {{"grayscale", SampledJpeg(0, 0)},
                 {"4:4:4", SampledJpeg(1, 1)},
                 {"4:2:2", SampledJpeg(2, 1)},
                 {"4:2:0", SampledJpeg(2, 2)},
                 {"4:2:0 with restart markers", SampledJpeg(2, 2, 1)}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const bool grayscale = std::string(file.name) == "grayscale";
        JpegEighthCoefficients kept;
        std::atomic<bool> goOn{false};
        bool told = false;
        const DecodedJpeg part = DecodeJpegKeepingEighth(
            file.jpeg, grayscale, Width, Height, PartControl(), kept, [&](const DecodedJpeg& done) {
                told = true;
                EXPECT_EQ(done.bitmap, PlainPart(file.jpeg, grayscale).bitmap);
                return &goOn;
            });
        EXPECT_TRUE(told);
        EXPECT_EQ(part.error, 0);
        EXPECT_EQ(part.bitmap, PlainPart(file.jpeg, grayscale).bitmap);
        EXPECT_EQ(part.offset, QPoint(37, 41));
        ASSERT_TRUE(kept.Complete());

        JpegDecodeControl replay;
        replay.replay = &kept;
        const DecodedJpeg thumbnail = DecodeJpeg(file.jpeg, grayscale, JpegScaledSide(Width, 8),
                                                 JpegScaledSide(Height, 8), 8, &replay);
        EXPECT_EQ(thumbnail.error, 0);
        EXPECT_EQ(thumbnail.bitmap, PlainThumbnail(file.jpeg, grayscale).bitmap);

        const auto [offeredPart, offeredThumbnail] = OfferedDecodes(file.jpeg, grayscale);
        EXPECT_EQ(offeredPart.bitmap, part.bitmap);
        EXPECT_EQ(offeredThumbnail.bitmap, thumbnail.bitmap);
    }
}

TEST(JpegEighthCoefficientsTest, FilesNotReadInOneGoGiveTheThumbnailOfTheirOwnDecode) {
    // A progressive file keeps nothing, so its thumbnail is decoded from the file; a file cut off
    // below the part has what is missing made up alike on both ways. Either way the thumbnail,
    // its error and its rows, are those of its own decode.
    std::vector<std::uint8_t> cut = SampledJpeg(2, 2);
    cut.resize(cut.size() * 3 / 4);
    const struct {
        const char* name;
        std::vector<std::uint8_t> jpeg;
    } files[] = {{"progressive", MakeProgressiveJpeg(Width, Height)}, {"cut off", cut}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const auto [part, thumbnail] = OfferedDecodes(file.jpeg, false);
        const DecodedJpeg ownPart = PlainPart(file.jpeg, false);
        const DecodedJpeg ownThumbnail = PlainThumbnail(file.jpeg, false);
        EXPECT_EQ(part.error, ownPart.error);
        EXPECT_EQ(part.bitmap, ownPart.bitmap);
        EXPECT_EQ(thumbnail.error, ownThumbnail.error);
        EXPECT_EQ(thumbnail.bitmap, ownThumbnail.bitmap);
    }

    // Nobody took the offer: the part's decode stops at the part.
    JpegEighthCoefficients kept;
    DecodeJpegKeepingEighth(SampledJpeg(2, 2), false, Width, Height, PartControl(), kept,
                            [](const DecodedJpeg&) { return nullptr; });
    EXPECT_FALSE(kept.Complete());
}
