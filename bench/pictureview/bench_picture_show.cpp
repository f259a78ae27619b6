// Shows five 4000 x 3000 JPEG pictures the way the main window does (load, first paint of a
// window-sized view) and compares the time with bare libjpeg decoding of the same files into
// one buffer. Also times the thumbnail case (load, first stretched paint into 112 x 84) and
// prints the memory one decoded picture holds. Figures are printed as "name: value".

#include "jpegencoder.h"
#include "timage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <jpeglib.h>

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;
constexpr int Pictures = 5;

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A photograph-like picture: soft gradients with some fine texture, different per seed.
std::vector<std::uint8_t> Photo(int seed) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(Width) * Height * 3);
    std::uint32_t noise = 12345u + static_cast<std::uint32_t>(seed) * 7919u;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * Width + x) * 3];
            p[0] = static_cast<std::uint8_t>(std::clamp(x * 200 / Width + 30 + grain, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp(y * 180 / Height + 40 + grain, 0, 255));
            p[2] = static_cast<std::uint8_t>(
                std::clamp(((x / 40 + y / 40 + seed) % 2) * 60 + 90 + grain, 0, 255));
        }
    }
    return rgb;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// libjpeg alone: read the file, decode at full size into one RGB buffer, same settings.
double BareLibjpeg(const std::vector<std::string>& files) {
    const auto start = Clock::now();
    for (const std::string& file : files) {
        const std::vector<std::uint8_t> bytes = ReadFile(file);
        jpeg_decompress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.do_block_smoothing = TRUE;
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        const std::size_t stride = info.output_width * 3u;
        // Left uninitialised, as the widget's bitmap is: no extra pass over the pixels.
        const std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[stride * info.output_height]);
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[16];
            const int count = std::min<int>(16, info.output_height - info.output_scanline);
            for (int i = 0; i < count; ++i)
                rows[i] = pixels.get() + stride * (info.output_scanline + i);
            jpeg_read_scanlines(&info, rows, static_cast<JDIMENSION>(count));
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
    }
    return Millis(start);
}

// The program's way: a fresh image widget per picture, loaded by name and painted once.
double Shown(const std::vector<std::string>& files, QSize view, bool stretch) {
    QImage surface(view, QImage::Format_RGB32);
    const auto start = Clock::now();
    for (const std::string& file : files) {
        TImage image;
        image.SetStretch(stretch);
        image.Picture().LoadFromFile(file);
        image.resize(stretch ? view : QSize(image.Picture().Width(), image.Picture().Height()));
        QPainter painter(&surface);
        image.render(&painter, QPoint(), QRegion(QRect(QPoint(), view)));
    }
    return Millis(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    std::string folder = (std::filesystem::temp_directory_path() / "vendral-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return 1;
    std::vector<std::string> files;
    for (int i = 0; i < Pictures; ++i) {
        const std::vector<std::uint8_t> rgb = Photo(i);
        const std::vector<std::uint8_t> jpeg = EncodeJpeg(rgb.data(), Width, Height, false, 85);
        files.push_back(folder + "/picture" + std::to_string(i) + ".jpg");
        std::ofstream(files.back(), std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), std::ssize(jpeg));
    }

    std::vector<double> bare, main, thumbnail;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(BareLibjpeg(files));
        main.push_back(Shown(files, QSize(818, 663), false));
        thumbnail.push_back(Shown(files, QSize(112, 84), true));
    }

    TImage probe;
    probe.Picture().LoadFromFile(files[0]);
    const QImage decoded = probe.Picture().Graphic()->ToImage();
    std::filesystem::remove_all(folder);

    const double bareMs = Median(bare);
    std::printf("picture_show_libjpeg_5x4000x3000_ms: %.1f\n", bareMs);
    std::printf("picture_show_main_5x4000x3000_ms: %.1f\n", Median(main));
    std::printf("picture_show_main_ratio: %.3f\n", Median(main) / bareMs);
    std::printf("picture_show_thumbnail_5x4000x3000_ms: %.1f\n", Median(thumbnail));
    std::printf("picture_show_thumbnail_ratio: %.3f\n", Median(thumbnail) / bareMs);
    std::printf("picture_decoded_bytes_per_pixel: %.3f\n",
                static_cast<double>(decoded.sizeInBytes()) / (Width * Height));
    return 0;
}
