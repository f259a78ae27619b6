#pragma once
// Shared by the tests that print on the private print server.

#include "pageimage.h"
#include "printserverclient.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class TGraphic;

// A JPEG picture object holding `image` (encoded at high quality).
std::unique_ptr<TGraphic> JpegPicture(const QImage& image);
// A JPEG whose headers load but whose data fails while decoding.
std::unique_ptr<TGraphic> UndecodableJpegPicture(int width, int height);

// What the progress window looked like while a print ran.
struct ProgressSeen {
    bool shown = false;
    bool hasBar = false;
    bool hasCancel = false;
};
// Looks at the top-level windows as soon as the print lets events through; with `cancel`
// clicks Cancel as well.
void WatchProgressWindow(ProgressSeen& seen, bool cancel = false);
bool ProgressWindowVisible();

class PrinterTest : public testing::Test {
protected:
    // The server back in its normal state, and checked to be ours before anything prints.
    void SetUp() override;
    void TearDown() override;

    // Runs `print`, then reads the one new sheet; fails the test when none arrives.
    std::optional<PageImage> PrintAndRead(const std::function<void()>& print);

    PrintServerClient server_;
};
