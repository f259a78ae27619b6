#pragma once
// Where a thumbnail slot goes inside its box. The arithmetic is extended precision
// with each scaled result rounded to a double before truncation: that order decides the last
// pixel (plain doubles give 83 instead of 84 for a 600 x 800 picture).

// A slot's box on the main window, where the window's description puts the slot.
struct ThumbnailBox {
    int left;
    int top;
    int width;
    int height;
};

struct ThumbnailPlacement {
    int left;
    int top;
    int width;
    int height;
};

ThumbnailPlacement FitThumbnail(int pictureWidth, int pictureHeight, const ThumbnailBox& box);
