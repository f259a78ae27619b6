#pragma once
// One picture of the catalogue: what a source file is, and turning it into the JPEG the viewer
// shows in its frame.

#include "catalogue/pictureframe.h"
#include "tools/make/jpegsource.h"

#include <QImage>
#include <QSize>

#include <string>

inline constexpr int FrameWidth = PictureFrameWidth, FrameHeight = PictureFrameHeight;

// The size that fits the frame keeping the proportions; never larger than the picture.
QSize FittedSize(QSize upright);

struct PictureFacts {
    bool jpeg = false;
    JpegFacts jpegFacts; // when jpeg
    QSize upright;       // after turning by the EXIF orientation
};

// "" when the file is a picture we can read (its headers only), otherwise why not.
std::string ProbePicture(const std::string& path, PictureFacts& facts);

// "" when the viewer can show the file's bytes unchanged: a baseline JPEG in colour or grey
// that needs no turning; otherwise why not.
std::string WhyNotAsIs(const PictureFacts& facts);
// True when the file can go into the catalogue byte for byte and already fits.
bool CopiesAsItIs(const PictureFacts& facts);

// The picture upright and opaque, decoded no smaller than needed to cover `cover`; "" or why not.
std::string ReadUprightPicture(const std::string& source, const PictureFacts& facts, QSize cover,
                               QImage& picture);

// Writes target as a baseline JPEG that fits the frame: a copy when CopiesAsItIs (or, with
// asIs, whenever WhyNotAsIs allows), which keeps any embedded profile, otherwise decoded into
// sRGB (honouring the picture's profile), turned upright, scaled down smoothly and encoded
// without a profile. "" or the failure.
std::string WriteCataloguePicture(const std::string& source, const PictureFacts& facts,
                                  const std::string& target, bool asIs = false);
