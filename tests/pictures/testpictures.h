#pragma once
// Pictures made at run time for the picture tests, and a private folder to put them in.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// width*height*3 bytes whose neighbouring pixels differ in colour.
std::vector<std::uint8_t> PatternPixels(int width, int height);
std::vector<std::uint8_t> MakeJpeg(int width, int height, bool grayscale = false, int quality = 92);
// A progressive encoding made with libjpeg directly (the program never writes one).
std::vector<std::uint8_t> MakeProgressiveJpeg(int width, int height);
// A JPEG of printing inks made with libjpeg directly: inks holds width*height pixels of 4 bytes
// (C, M, Y, K) as the file keeps them, inverted when adobeMarker (Adobe's marker says so); the
// file is YCCK when ycck.
std::vector<std::uint8_t> InkJpeg(const std::vector<std::uint8_t>& inks, int width, int height,
                                  bool ycck, bool adobeMarker, int quality = 75);
// The pattern at hSample x vSample luma sampling (chroma 1 x 1), or grayscale when hSample is
// 0, with restart markers every restartRows MCU rows when not 0; made with libjpeg directly.
std::vector<std::uint8_t> MakeSampledJpeg(int width, int height, int hSample, int vSample,
                                          int restartRows = 0);
// A 32 x 16 JPEG of printing inks: full cyan on the left half, full yellow over half black on
// the right; YCCK when ycck, inverted under Adobe's marker if any.
std::vector<std::uint8_t> MakeInkJpeg(bool ycck, bool adobeMarker);
// The JPEG with a malformed table marker inserted before its end marker: the picture data
// decodes completely, then libjpeg fails with a bad marker length.
std::vector<std::uint8_t> WithBadMarkerBeforeEnd(std::vector<std::uint8_t> jpeg);

// A BMP file with a 40-byte info header. rgb: width*height*3 bytes top-down. Rows are written
// bottom-up unless topDown.
std::vector<std::uint8_t> MakeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb,
                                    bool topDown = false);

// A fresh folder under the system's temporary folder, removed with everything in it; the
// process's current directory is moved there for the object's life.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file at a path relative to the folder, making its folders.
    void Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Metafiles of 40 x 20 pixels, the left half red, the right half blue: a WMF (with or without
// the placeable header) and an EMF.
std::vector<std::uint8_t> MakeWmf(bool placeable);
std::vector<std::uint8_t> MakeEmf();

void PutU16(std::vector<std::uint8_t>& out, unsigned value);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);
