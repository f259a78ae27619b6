// The picture view of the real program, measured: a catalogue entry of five 4000 x 3000 JPEG
// pictures shown from the visitor's click in the title list until every widget has painted
// (the main picture and four thumbnails decode at that first paint), against libjpeg decoding
// the same files alone; one step of the thumbnail strip; the memory the decoded pictures hold;
// and the same entry with an Adobe RGB profile in every picture, which costs the colour
// conversion on top (wall clock and processor time, against the untagged entry shown again in
// the same situation); all of it without decoding ahead. Then, with decoding ahead, moving
// through a list of such entries: the next title, a jump to a title further away once every
// thumbnail is decoded ahead, and the same jump with nothing decoded ahead, each against
// djpeg decoding the main picture alone. Prints "name: value" lines, medians over the runs
// (the first argument, default 5).

#include "bench/pictureview/adobergb.h"
#include "bench/pictureview/barejpeg.h"
#include "bench/pictureview/benchcatalogue.h"
#include "bench/pictureview/processmemory.h"
#include "bench/pictureview/viewdriver.h"
#include "pictures/pictures.h"
#include "shell/application.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of every thread of the process: on a busy machine the wall clock also
// counts what other programs take.
double ProcessCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// libjpeg alone on the files, each read into memory and decoded into a buffer of its own,
// freed before the next, as a replaced picture is. Reading counts: the viewer reads too.
double LibjpegMillis(const std::vector<std::string>& files) {
    const auto start = Clock::now();
    for (const std::string& file : files)
        DecodeWithLibjpeg(ReadBytes(file));
    return MillisSince(start);
}

// djpeg decoding the file in full as a process of its own (its start included), or -1 when
// djpeg is not installed.
double DjpegMillis(const std::string& file) {
    static const bool installed = std::system("command -v djpeg >/dev/null") == 0;
    if (!installed)
        return -1;
    const auto start = Clock::now();
    if (std::system(("djpeg -outfile /dev/null '" + file + "'").c_str()) != 0)
        return -1;
    return MillisSince(start);
}

double Megabytes(const char* field) {
    return OwnStatusMegabytes(field).value_or(-1);
}

struct Samples {
    std::vector<double> showLoad, showTotal, repaint, smallShow, page, libjpegShow, libjpegPage;
    std::vector<double> residentBig, residentSmall, showTagged, showCpu, showTaggedCpu;
    std::vector<double> showAgain, showAgainCpu;
    std::vector<double> next, nextHandler, jump, coldJump, libjpegMain, djpegMain;
};

// The pictures' folder, removed with everything in it however the benchmark ends.
struct FolderRemover {
    std::string path;
    ~FolderRemover() {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(path, ignored);
    }
};

void Print(const char* name, double value, const char* format = "%.1f") {
    std::printf("%s: ", name);
    std::printf(format, value);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    std::string folder = (std::filesystem::temp_directory_path() / "vendral-view-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const FolderRemover remover{folder};
    BenchCatalogueLayout layout;
    layout.taggedProfile = AdobeRgbProfile();
    layout.moreEntries = 6;
    const BenchCatalogue catalogue = WriteBenchCatalogue(folder, layout);
    std::filesystem::current_path(folder);
    // The entry's main picture and thumbnails 1 to 4: the first file is decoded twice.
    const std::vector<std::string>& big = catalogue.bigPictures;
    const std::vector<std::string> shownFiles = {big[0], big[0], big[1], big[2], big[3]};
    const std::vector<std::string> pagedFiles = {big[1], big[2], big[3], big[4]};
    // Making the pictures is no part of the figures.
    const bool peakReset = ResetPeakResident();

    // The first figures are of the pictures' own decodes.
    SetDecodingAhead(false);
    Samples samples;
    double warming = 0;
    double peak = -1;
    double aheadPeak = -1;
    // Every step must have shown what it was meant to, decoded by the measured paint.
    bool allShown = true;
    double bytesPerPixel = 0;
    int reports = 0;
    {
        ViewDriver view;
        const int bigRow = view.RowOf(catalogue.bigTitle);
        const int smallRow = view.RowOf(catalogue.smallTitle);
        const int taggedRow = view.RowOf(catalogue.taggedTitle);
        if (bigRow < 0 || smallRow < 0 || taggedRow < 0) {
            std::fprintf(stderr, "the title list does not show the benchmark's entries\n");
            return 1;
        }
        for (int run = 0; run < runs; ++run) {
            // The small entry replaces the big one, shown (and paged) before.
            auto start = Clock::now();
            view.ClickRow(smallRow);
            view.PaintNow();
            samples.smallShow.push_back(MillisSince(start));
            allShown = allShown && view.ShownPicturesDecoded() &&
                       view.CurrentPicturePath() == "/" + catalogue.smallPictures[0];
            samples.residentSmall.push_back(Megabytes("VmRSS"));
            // With only the small entry held, so libjpeg's buffer does not raise the peak.
            samples.libjpegShow.push_back(LibjpegMillis(shownFiles));
            samples.libjpegPage.push_back(LibjpegMillis(pagedFiles));

            start = Clock::now();
            double cpu = ProcessCpuMillis();
            view.ClickRow(bigRow);
            samples.showLoad.push_back(MillisSince(start));
            view.PaintNow();
            samples.showTotal.push_back(MillisSince(start));
            samples.showCpu.push_back(ProcessCpuMillis() - cpu);
            allShown = allShown && view.ShownPicturesDecoded() &&
                       view.CurrentPicturePath() == "/" + big[0] && view.ThumbnailPage() == 1;
            samples.residentBig.push_back(Megabytes("VmRSS"));
            bytesPerPixel = view.DecodedBytesPerPixel();
            // The same paint again with everything decoded: drawing alone, the scaling of the
            // thumbnails included.
            start = Clock::now();
            view.PaintNow();
            samples.repaint.push_back(MillisSince(start));

            start = Clock::now();
            view.ClickPageRight();
            view.PaintNow();
            samples.page.push_back(MillisSince(start));
            allShown = allShown && view.ShownPicturesDecoded() && view.ThumbnailPage() == 2;

            // The big entry again and its pictures each tagged Adobe RGB (the same decodes and
            // the conversion to the screen's sRGB), each after the small entry, taking turns to
            // come first: what ran before a show moves its processor time by several per cent
            // even when nothing is converted, so the tagged show is compared with this one.
            const auto showAfterSmall = [&](int row, const std::string& picture,
                                            std::vector<double>& wall,
                                            std::vector<double>& processor) {
                view.ClickRow(smallRow);
                view.PaintNow();
                const auto at = Clock::now();
                const double used = ProcessCpuMillis();
                view.ClickRow(row);
                view.PaintNow();
                wall.push_back(MillisSince(at));
                processor.push_back(ProcessCpuMillis() - used);
                allShown = allShown && view.ShownPicturesDecoded() &&
                           view.CurrentPicturePath() == "/" + picture;
            };
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn + run) % 2 == 0)
                    showAfterSmall(bigRow, big[0], samples.showAgain, samples.showAgainCpu);
                else
                    showAfterSmall(taggedRow, catalogue.taggedPictures[0], samples.showTagged,
                                   samples.showTaggedCpu);
            }
        }

        // Decoding ahead, through the further entries: down the list and back up, one step at a
        // time after the decodes ahead have finished, as a visitor reading each entry would.
        peak = Megabytes("VmHWM");
        // The references first, so that libjpeg's bitmap does not count in the peak.
        for (int run = 0; run < runs; ++run) {
            samples.libjpegMain.push_back(LibjpegMillis({catalogue.morePictures[3][0]}));
            samples.djpegMain.push_back(DjpegMillis(catalogue.morePictures[3][0]));
        }
        SetDecodingAhead(true);
        const bool aheadPeakReset = ResetPeakResident();
        std::vector<int> rows;
        for (const std::string& title : catalogue.moreTitles)
            rows.push_back(view.RowOf(title));
        const auto& more = catalogue.morePictures;
        auto shows = [&](std::size_t entry) {
            return view.ShownPicturesDecoded() && view.CurrentPicturePath() == "/" + more[entry][0];
        };
        auto start = Clock::now();
        view.ClickRow(rows[0]);
        view.PaintNow();
        view.WaitForDecodesAhead();
        warming = MillisSince(start);
        allShown = allShown && shows(0);
        const std::size_t last = rows.size() - 1;
        for (int run = 0; run < runs; ++run) {
            for (std::size_t step = 1; step <= 2 * last; ++step) {
                const bool down = step <= last;
                const std::size_t entry = down ? step : 2 * last - step;
                start = Clock::now();
                view.PressKeyOnList(down ? Qt::Key_Down : Qt::Key_Up);
                samples.nextHandler.push_back(MillisSince(start));
                view.PaintNow();
                samples.next.push_back(MillisSince(start));
                allShown = allShown && shows(entry);
                view.WaitForDecodesAhead();
            }
            // Three rows away, with every thumbnail decoded ahead and the main pictures only of
            // the entries next to the selected one: first entry 0 again with nothing else held.
            DropDecodesAhead();
            view.ClickRow(rows[0]);
            view.PaintNow();
            view.WaitForDecodesAhead();
            for (const std::size_t entry : {std::size_t{3}, std::size_t{0}}) {
                start = Clock::now();
                view.ClickRow(rows[entry]);
                view.PaintNow();
                samples.jump.push_back(MillisSince(start));
                allShown = allShown && shows(entry);
                view.WaitForDecodesAhead();
            }
            // The same with nothing decoded ahead.
            for (const std::size_t entry : {std::size_t{3}, std::size_t{0}}) {
                DropDecodesAhead();
                start = Clock::now();
                view.ClickRow(rows[entry]);
                view.PaintNow();
                samples.coldJump.push_back(MillisSince(start));
                allShown = allShown && shows(entry);
                view.WaitForDecodesAhead();
            }
        }
        if (aheadPeakReset)
            aheadPeak = Megabytes("VmHWM");
        reports = view.Reports();
    }

    const double show = Median(samples.showTotal);
    const double libjpeg = Median(samples.libjpegShow);
    const double page = Median(samples.page);
    const double libjpegPage = Median(samples.libjpegPage);
    Print("show_entry_ms", show);
    Print("libjpeg_decode_ms", libjpeg);
    Print("show_entry_vs_libjpeg", show / libjpeg, "%.3f");
    Print("page_step_ms", page);
    Print("peak_memory_mb", peak);
    Print("resident_after_big_mb", Median(samples.residentBig));
    Print("resident_after_small_mb", Median(samples.residentSmall));
    // Where the time goes: the click handler (file reads, headers, placing) and the paint.
    Print("show_entry_handler_ms", Median(samples.showLoad));
    Print("show_entry_paint_ms", show - Median(samples.showLoad));
    Print("repaint_decoded_ms", Median(samples.repaint));
    Print("show_small_entry_ms", Median(samples.smallShow));
    Print("libjpeg_page_decode_ms", libjpegPage);
    Print("page_step_vs_libjpeg", page / libjpegPage, "%.3f");
    Print("decoded_bytes_per_pixel", bytesPerPixel, "%.2f");
    Print("show_tagged_entry_ms", Median(samples.showTagged));
    Print("show_entry_again_ms", Median(samples.showAgain));
    Print("show_tagged_vs_untagged", Median(samples.showTagged) / Median(samples.showAgain),
          "%.3f");
    Print("show_entry_cpu_ms", Median(samples.showCpu));
    Print("show_tagged_entry_cpu_ms", Median(samples.showTaggedCpu));
    Print("show_entry_again_cpu_ms", Median(samples.showAgainCpu));
    Print("show_tagged_vs_untagged_cpu",
          Median(samples.showTaggedCpu) / std::max(1.0, Median(samples.showAgainCpu)), "%.3f");

    // The yardstick: djpeg decoding the main picture alone, or libjpeg in this process where
    // djpeg is not installed.
    const double libjpegMain = Median(samples.libjpegMain);
    const double djpegMain = Median(samples.djpegMain);
    const double yardstick = djpegMain > 0 ? djpegMain : libjpegMain;
    Print("libjpeg_main_picture_ms", libjpegMain);
    Print("djpeg_main_picture_ms", djpegMain);
    Print("next_entry_ms", Median(samples.next));
    Print("next_entry_vs_djpeg", Median(samples.next) / yardstick, "%.3f");
    // The key's handler (files read, headers, bitmaps decoded ahead taken) and the paint.
    Print("next_entry_handler_ms", Median(samples.nextHandler));
    Print("jump_entry_ms", Median(samples.jump));
    Print("jump_entry_vs_djpeg", Median(samples.jump) / yardstick, "%.3f");
    Print("cold_jump_entry_ms", Median(samples.coldJump));
    Print("cold_jump_entry_vs_djpeg", Median(samples.coldJump) / yardstick, "%.3f");
    // From showing the first entry until every entry's thumbnails are decoded ahead.
    Print("warming_ms", warming);
    Print("ahead_peak_memory_mb", aheadPeak);

    if (!peakReset)
        std::fprintf(stderr, "the peak could not be reset: it includes making the pictures\n");
    if (!allShown) {
        std::fprintf(stderr, "a step did not show its pictures, or a shown picture was not "
                             "decoded by the paint: figures invalid\n");
        return 1;
    }
    if (reports > 0) {
        std::fprintf(stderr, "%d failure reports during the runs: figures invalid\n", reports);
        return 1;
    }
    return 0;
}
