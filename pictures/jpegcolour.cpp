#include "pictures/jpegcolour.h"

PictureColour JpegColour(jpeg_decompress_struct* info, bool grayscale, OutputSpace space) {
    PixelLayout layout = PixelLayout::Rgb;
    if (grayscale)
        layout = PixelLayout::Grey;
    else if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK)
        layout = info->saw_Adobe_marker ? PixelLayout::CmykInverted : PixelLayout::Cmyk;
    return ColourFor(JpegIccProfile(info), layout, space);
}
