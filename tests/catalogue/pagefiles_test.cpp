// The names of a folder's own pages and the sizes their windows take.

#include "catalogue/pagefiles.h"

#include <gtest/gtest.h>

TEST(PageFiles, EveryPageIsFoundByItsNameAndNoOtherNameIsAPage) {
    for (const PageFile& page : AllPages()) {
        EXPECT_EQ(PageFromFileName(PageFileName(page)), page) << PageFileName(page);
        EXPECT_TRUE(PageSizeProblem(page, PageBox(page)).empty()) << PageFileName(page);
    }
    EXPECT_EQ(AllPages().size(), 46u);
    EXPECT_EQ(PageFromFileName("Description-7.JPG"), (PageFile{PageKind::Description, 7}));
    for (const char* name :
         {"description-0.jpg", "description-41.jpg", "description-07.jpg", "description-7.jpeg",
          "description-.jpg", "introduction-3.jpg", "splash.png", "about", "description-1x.jpg"})
        EXPECT_FALSE(PageFromFileName(name)) << name;
}

TEST(PageFiles, BackgroundsMustFitExactlyWhileTextPagesMayBeSmaller) {
    const PageFile splash{PageKind::Splash, 0}, tenth{PageKind::Description, 10};
    EXPECT_EQ(PageBox(tenth), (PageSize{715, 400}));
    EXPECT_TRUE(PageSizeProblem(tenth, {600, 300}).empty());
    EXPECT_EQ(PageSizeProblem(tenth, {715, 415}),
              "is 715 x 415 pixels; the window shows 715 x 400 of it and cuts the rest");
    EXPECT_EQ(PageSizeProblem(splash, {799, 653}),
              "is 799 x 653 pixels; the window's background must be 800 x 653, as its shape "
              "and buttons lie on it");
}
