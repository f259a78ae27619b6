// vendral-make on real folders: the demo's round trip, the refusals with their lines, the
// fitting rule, the turning of camera photographs and their colour profiles.

#include "colour/colour.h"
#include "pictures/jpegencoder.h"
#include "pictures/jpegreader.h"
#include "tests/colour/taggedpictures.h"
#include "tests/core/tempfolder.h"
#include "tests/pictures/testpictures.h"
#include "tests/tools/toolrun.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QColorSpace>

namespace fs = std::filesystem;

namespace {

const std::string Root = VENDRAL_SOURCE_DIR;

ToolRun Make(const std::string& arguments) {
    return RunTool(std::string(VENDRAL_MAKE) + " " + arguments + " 2>&1");
}

struct Decoded {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* At(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
};

Decoded Decode(const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    JpegHeader header;
    Decoded out;
    if (ReadJpegHeader(data, bytes.size(), header) != 0 || header.grayscale)
        return out;
    out.width = header.width;
    out.height = header.height;
    out.rgb.resize(std::size_t(out.width) * out.height * 3);
    int rows = 0;
    DecodeJpegRows(data, bytes.size(), false, out.width, out.height, out.rgb.data(), out.width * 3,
                   rows);
    return out;
}

// A JPEG of one colour with a red top-left quarter, optionally with an EXIF orientation.
std::string Photograph(int width, int height, int orientation = 0) {
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool red = x < width / 2 && y < height / 2;
            std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            p[0] = red ? 220 : 30, p[1] = 40, p[2] = red ? 30 : 200;
        }
    }
    const auto jpeg = EncodeJpeg(rgb.data(), width, height, false, 80);
    std::string bytes(jpeg.begin(), jpeg.end());
    if (orientation == 0)
        return bytes;
    // APP1 "Exif", a big-endian TIFF header and one directory entry: orientation, a SHORT.
    const std::string exif =
        std::string("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24) + char(0) +
        char(orientation) + std::string(6, '\0');
    const std::string segment = std::string("\xFF\xE1") + char((exif.size() + 2) >> 8) +
                                char((exif.size() + 2) & 0xFF) + exif;
    return bytes.insert(2, segment);
}

} // namespace

TEST(VendralMake, DemoSourceBuildsTheDemoAndImportBuildsItBack) {
    TempFolder temp;
    const ToolRun build = Make("build --quiet " + Root + "/demo-source " + temp / "demo");
    ASSERT_EQ(build.exitCode, 0) << build.output;
    EXPECT_EQ(ReadBytes(temp / "demo/datas.dat"), ReadBytes(Root + "/demo/datas.dat"));
    // Pictures as the viewer sees them: the same size; byte for byte where nothing changed.
    for (const auto& file : fs::directory_iterator(Root + "/demo-source/images")) {
        const std::string name = file.path().filename().string();
        const std::string made = ReadBytes(temp / ("demo/images/" + name));
        const std::string source = ReadBytes(file.path().string());
        const Decoded madeJpeg = Decode(made),
                      shipped = Decode(ReadBytes(Root + "/demo/images/" + name));
        EXPECT_EQ(madeJpeg.width, shipped.width) << name;
        EXPECT_EQ(madeJpeg.height, shipped.height) << name;
        if (Decode(source).width == madeJpeg.width) {
            EXPECT_EQ(made, source) << name;
        }
    }
    for (const char* face : {"radioon.jpg", "activearrowleft.jpg", "inactivearrowright.jpg"})
        EXPECT_EQ(ReadBytes(temp / ("demo/" + std::string(face))),
                  ReadBytes(Root + "/demo/" + face));
    // The demo shows the built-in pages; the second sample brings every page of its own.
    EXPECT_FALSE(fs::exists(temp / "demo/pages"));
    ASSERT_EQ(Make("build --quiet " + Root + "/demo-own-source " + temp / "own").exitCode, 0);
    EXPECT_EQ(ReadBytes(temp / "own/datas.dat"), ReadBytes(Root + "/demo-own/datas.dat"));
    // Set text may come out a shade different where the font renderer differs, so the pages
    // are compared as pictures: the same size, and nearly every pixel the same.
    for (const auto& file : fs::directory_iterator(Root + "/demo-own/pages")) {
        const Decoded made =
            Decode(ReadBytes(temp / ("own/pages/" + file.path().filename().string())));
        const Decoded shipped = Decode(ReadBytes(file.path().string()));
        ASSERT_EQ(made.rgb.size(), shipped.rgb.size()) << file.path();
        std::size_t differ = 0;
        for (std::size_t i = 0; i < made.rgb.size(); ++i)
            differ += std::abs(made.rgb[i] - shipped.rgb[i]) > 24;
        EXPECT_LT(differ, made.rgb.size() / 200) << file.path();
    }

    // A catalogue made by hand comes back byte for byte after import and build.
    ASSERT_EQ(Make("import --quiet " + Root + "/demo " + temp / "source").exitCode, 0);
    const ToolRun again = Make("build --quiet " + temp / "source" + " " + temp / "again");
    ASSERT_EQ(again.exitCode, 0) << again.output;
    EXPECT_EQ(ReadBytes(temp / "again/datas.dat"), ReadBytes(Root + "/demo/datas.dat"));
    // The pictures too, the one larger than the frame included.
    for (const auto& file : fs::directory_iterator(Root + "/demo/images")) {
        const std::string name = file.path().filename().string();
        EXPECT_EQ(ReadBytes(temp / ("again/images/" + name)), ReadBytes(file.path().string()))
            << name;
    }
}

TEST(VendralMake, RefusesABadSourceNamingEveryLineAndWritesNothing) {
    TempFolder temp;
    temp.Write("src/images/a.jpg", Photograph(40, 30));
    temp.Write("src/images/broken.jpg", "\xFF\xD8\xFF not really a picture");
    std::string text = "# lines 1-2 are comments\n\n"
                       "entry: A → B\n" // 3: not in code page 1250
                       "place: " +
                       std::string(256, 'x') +
                       "\n" // 4: 256 bytes
                       "time: 1500\n";
    for (int i = 0; i < 51; ++i) // 6..56, the 51st on 56
        text += "index: i\n";
    for (int i = 0; i < 51; ++i) // 57..107, the 51st on 107
        text += "picture: a.jpg\n";
    text += "entry: second\nplace: p\ntime: t\n" // 108..110
            "picture: missing.jpg\n"             // 111
            "picture: broken.jpg\n"              // 112
            "picture: sub/a.jpg\n"               // 113
            "picture: readme\n"                  // 114
            "colour: red\n";                     // 115
    for (int k = 3; k <= 41; ++k)                // the 41st entry on line 116 + 4 * 38
        text += "entry: e\nplace: p\ntime: t\npicture: a.jpg\n";
    temp.Write("src/catalogue.txt", text);

    const ToolRun run = Make("build " + temp / "src" + " " + temp / "out");
    EXPECT_EQ(run.exitCode, 1);
    const std::string file = temp / "src/catalogue.txt";
    for (const std::string expected :
         {":3: the title holds \"→\" (U+2192), which code page 1250 cannot hold",
          ":4: the place line is 256 bytes long", ":56: index line 51: an entry holds at most 50",
          ":107: picture 51: an entry holds at most 50 pictures",
          ":111: images/missing.jpg is not in the source folder",
          ":112: images/broken.jpg cannot be read",
          ":113: the picture name \"sub/a.jpg\" holds a folder",
          ":114: the picture name \"readme\" has no extension", ":115: unknown field \"colour\"",
          ":268: entry 41: a catalogue holds at most 40 entries"})
        EXPECT_NE(run.output.find(file + expected), std::string::npos) << expected << "\n"
                                                                       << run.output;
    EXPECT_FALSE(fs::exists(temp / "out"));
    for (const auto& entry : fs::directory_iterator(temp.Path()))
        EXPECT_TRUE(entry.path().filename() == "src") << "left behind: " << entry.path();
}

TEST(VendralMake, ReplacesOnlyWithForceAndOnlyACatalogueFolder) {
    TempFolder temp;
    temp.Write("src/images/a.jpg", Photograph(40, 30));
    temp.Write("src/catalogue.txt", "entry: t\nplace: p\ntime: t\npicture: a.jpg\n");
    temp.Write("out/datas.dat", "0\r\n");
    temp.Write("home/letter.txt", "not a catalogue");
    EXPECT_EQ(Make("build " + temp / "src" + " " + temp / "out").exitCode, 2);
    EXPECT_EQ(ReadBytes(temp / "out/datas.dat"), "0\r\n");
    EXPECT_EQ(Make("build --force " + temp / "src" + " " + temp / "home").exitCode, 2);
    EXPECT_TRUE(fs::exists(temp / "home/letter.txt"));
    EXPECT_EQ(Make("build --force " + temp / "src" + " " + temp / "src").exitCode, 2);
    EXPECT_EQ(Make("build --quiet --force " + temp / "src" + " " + temp / "out").exitCode, 0);
    EXPECT_EQ(ReadBytes(temp / "out/datas.dat"), "1\r\nt\r\np\r\nt\r\n##\r\na.jpg\r\n##\r\n");
    EXPECT_EQ(Make("frobnicate a b").exitCode, 2);
}

TEST(VendralMake, FitsPicturesIntoTheFrameAndTurnsThemUpright) {
    TempFolder temp;
    const std::string small = Photograph(400, 300);
    temp.Write("src/images/landscape.jpg", Photograph(6000, 4000));
    temp.Write("src/images/portrait.jpg", Photograph(3000, 4000));
    temp.Write("src/images/small.jpg", small);
    // Stored lying on its side, 800 x 600, to be turned a quarter clockwise: 600 x 800 upright.
    temp.Write("src/images/turned.jpg", Photograph(800, 600, 6));
    // Printing inks, which the viewer cannot show as they are: cyan left, dark yellow right.
    const std::vector<std::uint8_t> ink = MakeInkJpeg(true, true);
    temp.Write("src/images/ink.jpg", std::string(ink.begin(), ink.end()));
    temp.Write("src/catalogue.txt", "entry: t\nplace: p\ntime: t\npicture: landscape.jpg\n"
                                    "picture: portrait.jpg\npicture: small.jpg\n"
                                    "picture: turned.jpg\npicture: ink.jpg\n");
    const ToolRun run = Make("build --quiet " + temp / "src" + " " + temp / "out");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const Decoded landscape = Decode(ReadBytes(temp / "out/images/landscape.jpg"));
    EXPECT_EQ(landscape.width, 529);
    EXPECT_EQ(landscape.height, 353);
    const Decoded portrait = Decode(ReadBytes(temp / "out/images/portrait.jpg"));
    EXPECT_EQ(portrait.width, 338);
    EXPECT_EQ(portrait.height, 450);
    EXPECT_EQ(ReadBytes(temp / "out/images/small.jpg"), small);

    const Decoded turned = Decode(ReadBytes(temp / "out/images/turned.jpg"));
    ASSERT_EQ(turned.width, 338);
    ASSERT_EQ(turned.height, 450);
    // The stored top-left quarter is the upright picture's top-right one.
    EXPECT_GT(turned.At(turned.width - 20, 20)[0], 150);
    EXPECT_LT(turned.At(20, 20)[0], 100);
    EXPECT_LT(turned.At(turned.width - 20, turned.height - 20)[0], 100);

    const Decoded inks = Decode(ReadBytes(temp / "out/images/ink.jpg"));
    ASSERT_EQ(inks.width, 32);
    const std::uint8_t* cyan = inks.At(4, 8);
    const std::uint8_t* darkYellow = inks.At(28, 8);
    EXPECT_LT(cyan[0], 40);
    EXPECT_GT(cyan[2], 210);
    EXPECT_NEAR(darkYellow[0], 127, 20);
    EXPECT_LT(darkYellow[2], 40);
}

TEST(VendralMake, KeepsAPictureAsItIsOnlyWhereTheSourceSaysAndTheViewerCanShowIt) {
    TempFolder temp;
    const std::string large = Photograph(800, 600);
    temp.Write("src/images/detail.jpg", large);
    temp.Write("src/images/other.jpg", large);
    temp.Write("src/catalogue.txt", "entry: t\nplace: p\ntime: t\npicture: other.jpg\n"
                                    "Picture as is: detail.jpg\n");
    const ToolRun run = Make("build " + temp / "src" + " " + temp / "out");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadBytes(temp / "out/images/detail.jpg"), large);
    EXPECT_EQ(Decode(ReadBytes(temp / "out/images/other.jpg")).width, 529);
    EXPECT_NE(run.output.find("images/detail.jpg is kept at 800 x 600"), std::string::npos)
        << run.output;

    // The viewer ignores the camera's turn, so such a picture cannot be kept as it is.
    temp.Write("src/images/turned.jpg", Photograph(800, 600, 6));
    temp.Write("src/catalogue.txt", "entry: t\nplace: p\ntime: t\npicture as is: turned.jpg\n");
    const ToolRun refused = Make("build " + temp / "src" + " " + temp / "again");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.output.find(":4: images/turned.jpg cannot be kept as it is: the camera "
                                  "recorded it turned"),
              std::string::npos)
        << refused.output;
}

TEST(VendralMake, ConvertsTaggedPhotographsToSrgbAndKeepsCopiesTagged) {
    TempFolder temp;
    constexpr int Width = 800, Height = 600; // past the frame: decoded and written anew
    const std::vector<std::uint8_t> source = PhotoPixels(Width, Height);
    const auto adobe = TaggedJpeg(source, Width, Height, ReadProfile(AdobeRgbProfile));
    temp.Write("src/images/adobe.jpg", std::string(adobe.begin(), adobe.end()));
    const std::vector<std::uint8_t> proPhoto = ReadProfile(ProPhotoProfile);
    QImage png = RgbImage(ConvertedPixels(source, proPhoto), Width, Height);
    png.setColorSpace(QColorSpace::fromIccProfile(
        QByteArray(reinterpret_cast<const char*>(proPhoto.data()), qsizetype(proPhoto.size()))));
    ASSERT_TRUE(png.save(QString::fromStdString(temp / "src/images/prophoto.png")));
    const auto fits = TaggedJpeg(PhotoPixels(200, 150), 200, 150, proPhoto);
    temp.Write("src/images/fits.jpg", std::string(fits.begin(), fits.end()));
    temp.Write("src/catalogue.txt", "entry: t\nplace: p\ntime: t\npicture: adobe.jpg\n"
                                    "picture: prophoto.png\npicture: fits.jpg\n");
    const ToolRun run = Make("build --quiet " + temp / "src" + " " + temp / "out");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    for (const char* name : {"out/images/adobe.jpg", "out/images/prophoto.jpg"}) {
        SCOPED_TRACE(name);
        const std::string written = ReadBytes(temp / name);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(written.data());
        EXPECT_TRUE(ReadJpegColourFacts(bytes, written.size()).icc.empty());
        const Decoded decoded = Decode(written);
        ASSERT_EQ(decoded.width, 529);
        EXPECT_LE(MeanDifference(RgbImage(decoded.rgb, decoded.width, decoded.height),
                                 RgbImage(source, Width, Height)),
                  3);
    }
    EXPECT_EQ(ReadBytes(temp / "out/images/fits.jpg"), std::string(fits.begin(), fits.end()));
}

namespace {

struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1; // right, bottom exclusive
    int count = 0;
};

// Pixels inside [x0, x1) x [y0, y1) that stand clearly off the ground colour.
Ink FindInk(const Decoded& page, int x0, int y0, int x1, int y1, const std::uint8_t ground[3]) {
    Ink ink;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = page.At(x, y);
            int off = 0;
            for (int c = 0; c < 3; ++c)
                off = std::max(off, std::abs(p[c] - ground[c]));
            if (off <= 40)
                continue;
            ++ink.count;
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x + 1);
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y + 1);
        }
    return ink;
}

const std::uint8_t PageColour[3] = {235, 218, 195}, PanelColour[3] = {235, 218, 194},
                   AboutColour[3] = {240, 224, 199};

std::string Words(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += i % 7 == 6 ? "szárnyasoltárok " : "a kép ";
    return text;
}

std::string PagesSource() {
    return "collection: Városi Képtár\n"
           "description link: Leírás a képről >>\n"
           "sponsor: A Városi Alap támogatásával\n"
           "splash photograph: hall.jpg\n"
           "introduction: Első oldal\n  " +
           Words(60) + "\n\n  " + Words(30) +
           "\n"
           "introduction: Második oldal\n  " +
           Words(40) +
           "\n"
           "credits: Munkatársak\n  Kiss Anna\n  Nagy Béla\n\n  Támogató\n  Városi Alap\n"
           "entry: Első\nplace: Kassa\ntime: 1500\npicture: a.jpg\n"
           "description: " +
           Words(40) + "\n  " + Words(40) + "\n\n  " + Words(20) +
           "\ninitials: K. A.\n"
           "entry: Második\nplace: Lőcse\ntime: 1510\npicture: a.jpg\n";
}

} // namespace

TEST(VendralMakePages, EveryTextBecomesItsPageInItsAreaAndImportKeepsThePages) {
    TempFolder temp;
    temp.Write("src/images/a.jpg", Photograph(40, 30));
    temp.Write("src/images/hall.jpg", Photograph(1200, 600)); // wider than the frame: cut
    temp.Write("src/catalogue.txt", PagesSource());
    const ToolRun build = Make("build --quiet " + temp / "src" + " " + temp / "out");
    ASSERT_EQ(build.exitCode, 0) << build.output;

    struct Expected {
        const char* name;
        int width, height;
    };
    for (const Expected& page : {Expected{"description-1", 715, 415},
                                 {"description-2", 715, 415},
                                 {"introduction-1", 713, 409},
                                 {"introduction-2", 721, 369},
                                 {"splash", 800, 653},
                                 {"about", 698, 480},
                                 {"logo", 93, 105},
                                 {"description-link", 169, 34}}) {
        const Decoded made =
            Decode(ReadBytes(temp / ("out/pages/" + std::string(page.name) + ".jpg")));
        EXPECT_EQ(made.width, page.width) << page.name;
        EXPECT_EQ(made.height, page.height) << page.name;
    }

    // Justified text runs from margin to margin, and stays clear of the foot the window cuts.
    for (const char* name : {"description-1", "introduction-1"}) {
        const Decoded page = Decode(ReadBytes(temp / ("out/pages/" + std::string(name) + ".jpg")));
        ASSERT_GT(page.width, 0) << name;
        const Ink ink = FindInk(page, 0, 0, page.width, page.height, PageColour);
        EXPECT_NEAR(ink.left, 24, 3) << name;
        EXPECT_NEAR(ink.right, page.width - 24, 3) << name;
        EXPECT_NEAR(ink.top, 14, 4) << name;
        EXPECT_LE(ink.bottom, page.height - 14) << name;
    }

    const Decoded splash = Decode(ReadBytes(temp / "out/pages/splash.jpg"));
    ASSERT_EQ(splash.width, 800);
    // The title fills its area's height, centred, and nothing lies around it.
    const Ink title = FindInk(splash, 62, 61, 562, 93, PanelColour);
    EXPECT_NEAR(title.top, 65, 2);
    EXPECT_NEAR(title.bottom, 89, 2);
    EXPECT_NEAR(title.left - 66, 558 - title.right, 3);
    const Ink sponsor = FindInk(splash, 113, 490, 499, 640, PanelColour);
    EXPECT_GE(sponsor.top, 557);
    EXPECT_LE(sponsor.bottom, 611);
    EXPECT_NEAR(sponsor.left - 117, 495 - sponsor.right, 3);
    // The photograph is cut to the frame's shape: its red quarter keeps to the top left.
    EXPECT_GT(splash.At(70, 164)[0], 180);
    EXPECT_LT(splash.At(550, 481)[0], 80);

    const Decoded about = Decode(ReadBytes(temp / "out/pages/about.jpg"));
    ASSERT_EQ(about.width, 698);
    const Ink credits = FindInk(about, 14, 16, 684, 430, AboutColour);
    EXPECT_GT(credits.count, 100);
    EXPECT_GE(credits.left, 59);
    EXPECT_GE(credits.top, 47);
    EXPECT_LE(credits.bottom, 408);
    EXPECT_NEAR(about.At(320, 438)[0], 217, 10); // the OK face its click area lies on

    // The emblem above the collection's name fills the logo's box to its edges, on the ground
    // of the main window; the name's letters are in the lower part.
    const Decoded logo = Decode(ReadBytes(temp / "out/pages/logo.jpg"));
    ASSERT_EQ(logo.width, 93);
    const std::uint8_t ground[3] = {231, 197, 150};
    const Ink emblem = FindInk(logo, 0, 0, 93, 105, ground);
    EXPECT_LE(emblem.top, 2);
    EXPECT_GE(emblem.bottom, 103);
    EXPECT_NEAR(emblem.left, 93 - emblem.right, 2);
    const Ink lettering = FindInk(logo, 0, 75, 93, 105, ground);
    EXPECT_GT(lettering.count, 150);
    // The link's caption stands where the built-in one does (rows 380 to 396 of the window,
    // 8 to 24 of the page), its descender below, centred on the click area.
    const Ink link =
        FindInk(Decode(ReadBytes(temp / "out/pages/description-link.jpg")), 0, 0, 169, 34, ground);
    EXPECT_NEAR(link.top, 8, 2);
    EXPECT_GE(link.bottom, 27); // the p's descender
    EXPECT_NEAR(link.left, 169 - link.right, 2);
    EXPECT_GT(link.right - link.left, 100);

    EXPECT_EQ(RunTool(std::string(VENDRAL_CHECK) + " " + temp / "out" + " >/dev/null").exitCode, 0);

    // A page cannot be read back into words: import keeps the pictures, and says so.
    const ToolRun import = Make("import --quiet " + temp / "out" + " " + temp / "back");
    ASSERT_EQ(import.exitCode, 0) << import.output;
    EXPECT_NE(import.output.find("cannot be turned back into text"), std::string::npos);
    EXPECT_NE(ReadBytes(temp / "back/catalogue.txt").find("page picture: description-1.jpg\n"),
              std::string::npos);
    const ToolRun again = Make("build --quiet " + temp / "back" + " " + temp / "again");
    ASSERT_EQ(again.exitCode, 0) << again.output;
    EXPECT_EQ(ReadBytes(temp / "again/datas.dat"), ReadBytes(temp / "out/datas.dat"));
    int pages = 0;
    for (const auto& file : fs::directory_iterator(temp / "out/pages")) {
        const std::string name = file.path().filename().string();
        EXPECT_EQ(ReadBytes(temp / ("again/pages/" + name)), ReadBytes(file.path().string()))
            << name;
        ++pages;
    }
    EXPECT_EQ(pages, 8);

    // A logo drawing of the museum's own is fitted whole into the box instead.
    temp.Write("own/images/mark.jpg", Photograph(186, 100));
    temp.Write("own/catalogue.txt", "logo picture: mark.jpg\nentry: Egy\nplace: Kassa\n"
                                    "time: 1500\npicture: mark.jpg\n");
    ASSERT_EQ(Make("build --quiet " + temp / "own" + " " + temp / "ownout").exitCode, 0);
    const Decoded mark = Decode(ReadBytes(temp / "ownout/pages/logo.jpg"));
    ASSERT_EQ(mark.width, 93);
    EXPECT_GT(mark.At(2, 30)[0], 180);        // the drawing's red quarter at the top left
    EXPECT_GT(mark.At(90, 70)[2], 150);       // its blue elsewhere
    EXPECT_NEAR(mark.At(46, 10)[2], 150, 12); // the ground above and below it
    EXPECT_NEAR(mark.At(46, 95)[2], 150, 12);
}

TEST(VendralMakePages, RefusesTextsThatDoNotFitOrThatTheFontLacksWithTheirLines) {
    TempFolder temp;
    temp.Write("src/images/a.jpg", Photograph(40, 30));
    temp.Write("src/pages/splash.jpg", Photograph(640, 480));
    temp.Write("src/catalogue.txt",
               "page picture: splash.jpg\n"                              // 1: not the splash's size
               "page picture: notes.jpg\n"                               // 2: no such page
               "credits: Munkatársak\n  Kiss 漢 Anna\n"                  // 3: not in the font
               "entry: Első\nplace: Kassa\ntime: 1500\npicture: a.jpg\n" // 5..8
               "description: " +
                   Words(2000) +
                   "\n"                                       // 9: far too long
                   "collection: Képzőművészetigyűjtemény\n"); // 10: one long word
    const ToolRun run = Make("build " + temp / "src" + " " + temp / "out");
    EXPECT_EQ(run.exitCode, 1);
    const std::string file = temp / "src/catalogue.txt";
    for (const std::string line :
         {":1: pages/splash.jpg cannot be the page: is 640 x 480 pixels; the window's "
          "background must be 800 x 653",
          ":2: \"notes.jpg\" is not the name of a page", ":3: the credits text holds",
          ":9: the description of entry 1 does not fit its page",
          ":10: the collection's title in the main window's logo is too long"})
        EXPECT_NE(run.output.find(file + line), std::string::npos) << line << "\n" << run.output;
    EXPECT_NE(run.output.find("(U+6F22), which the pages' font"), std::string::npos);
    EXPECT_FALSE(fs::exists(temp / "out"));
}
