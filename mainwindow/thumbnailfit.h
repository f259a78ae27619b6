#pragma once
// Where a thumbnail slot goes inside its 112 x 112 box. The arithmetic is extended precision
// with each scaled result rounded to a double before truncation: that order decides the last
// pixel (plain doubles give 83 instead of 84 for a 600 x 800 picture).

inline constexpr int ThumbnailBox = 112;

struct ThumbnailPlacement {
    int left;
    int top;
    int width;
    int height;
};

ThumbnailPlacement FitThumbnail(int pictureWidth, int pictureHeight, int boxLeft, int boxTop);
