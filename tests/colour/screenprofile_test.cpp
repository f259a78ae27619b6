// The X screen's colour profile, set on the root window of a private X server as colour daemons
// set it: read through Qt's connection and applied to what an image widget shows.

#include "colour/colour.h"
#include "pictures/pictures.h"
#include "skin/timage.h"
#include "tests/colour/taggedpictures.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

void SetRootProperty(const std::vector<std::uint8_t>& icc) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    xcb_connection_t* connection = x11->connection();
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, 12, "_ICC_PROFILE"), nullptr);
    ASSERT_NE(atom, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, atom->atom,
                        XCB_ATOM_CARDINAL, 8, static_cast<std::uint32_t>(icc.size()), icc.data());
    std::free(atom);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

TEST(ScreenProfile, PicturesShowInTheColoursOfTheScreensProfile) {
    constexpr int Width = 64, Height = 48;
    const std::vector<std::uint8_t> screen = ReadProfile(AdobeRgbProfile);
    SetRootProperty(screen);
    EXPECT_EQ(ReadScreenProfile(), screen);
    ASSERT_TRUE(UseScreenProfile());

    const std::vector<std::uint8_t> source = PhotoPixels(Width, Height);
    TImage image;
    image.resize(Width, Height);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromBytes(SrgbJpeg(source, Width, Height));
    image.Picture().SetGraphic(std::move(jpeg));
    image.show();
    EXPECT_LE(MeanDifference(image.grab().toImage(),
                             RgbImage(ConvertedPixels(source, screen), Width, Height)),
              3);
    // Paper stays sRGB.
    EXPECT_LE(
        MeanDifference(image.Picture().Graphic()->SrgbImage(), RgbImage(source, Width, Height)), 3);
    // A screen that announces plain sRGB needs nothing converted.
    EXPECT_FALSE(SetScreenProfile(ReadProfile(SrgbProfile)));
    EXPECT_TRUE(ScreenIsSrgb());
}

} // namespace
