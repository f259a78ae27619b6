#include "textpages.h"

#include "layout.h"
#include "palette.h"

QImage PaintDescriptionPage(int k) {
    QImage image(DescriptionPageSizes[k - 1], QImage::Format_RGB32);
    image.fill(Palette::Page);
    return image;
}

QImage PaintIntroPage(int page) {
    QImage image(IntroPageSizes[page - 1], QImage::Format_RGB32);
    image.fill(Palette::Page);
    return image;
}
