#include "core/errors.h"
#include "pictures/decodepool.h"
#include "pictures/jpegbitmaps.h"
#include "pictures/jpegmemorybudget.h"
#include "pictures/picturebounds.h"
#include "shell/errorreport.h"
#include "skin/timage.h"
#include "tests/pictures/testpictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <atomic>
#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace {

// A parent that paints itself one colour, so what an image widget leaves uncovered shows.
class ImageOnParentTest : public testing::Test {
protected:
    void SetUp() override {
        parent_.resize(200, 150);
        QPalette palette = parent_.palette();
        palette.setColor(QPalette::Window, Ground);
        parent_.setPalette(palette);
        parent_.setAutoFillBackground(true);
        image_ = new TImage(&parent_);
        SetReportSink([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override { SetReportSink(nullptr); }

    void Load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        folder_.Write(name, bytes);
        image_->Picture().LoadFromFile(name);
    }
    QImage Shot() { return parent_.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), QPointF(image_->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(image_, &event);
    }
    void Click(QPoint at = {5, 5}, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, at, button);
        Send(QEvent::MouseButtonRelease, at, button);
    }

    static constexpr QRgb Ground = 0xFF204060;
    ScratchFolder folder_;
    QWidget parent_;
    TImage* image_ = nullptr;
    std::vector<std::string> reports_;
};

TEST_F(ImageOnParentTest, StretchOffShowsTheTopLeftAtNaturalSize) {
    Load("big.jpg", MakeJpeg(640, 480));
    image_->setGeometry(10, 20, 112, 84);
    const QImage picture = image_->Picture().Graphic()->ToImage();
    const QImage shot = Shot();
    for (int y = 0; y < 84; ++y) {
        for (int x = 0; x < 112; ++x)
            ASSERT_EQ(shot.pixel(10 + x, 20 + y), picture.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(shot.pixel(10 + 112, 20), Ground) << "clipped at the widget's bounds";
    EXPECT_EQ(shot.pixel(10, 20 + 84), Ground);
}

TEST_F(ImageOnParentTest, StretchOnFillsTheWidgetWithUnblendedPixels) {
    Load("big.jpg", MakeJpeg(640, 480));
    image_->setGeometry(10, 20, 112, 84);
    image_->SetStretch(true);
    const QImage picture = image_->Picture().Graphic()->ToImage();
    const QImage shot = Shot();
    for (int y = 0; y < 84; ++y) {
        for (int x = 0; x < 112; ++x) {
            // Each shown pixel is one picture pixel from the matching source cell.
            bool found = false;
            for (int sy = y * 480 / 84; sy <= (y + 1) * 480 / 84 && sy < 480 && !found; ++sy) {
                for (int sx = x * 640 / 112; sx <= (x + 1) * 640 / 112 && sx < 640 && !found; ++sx)
                    found = shot.pixel(10 + x, 20 + y) == picture.pixel(sx, sy);
            }
            ASSERT_TRUE(found) << "blended or misplaced pixel at " << x << "," << y;
        }
    }
    EXPECT_EQ(shot.pixel(10 + 112, 20 + 83), Ground);
    EXPECT_EQ(shot.pixel(10 + 111, 20 + 84), Ground);
}

TEST_F(ImageOnParentTest, UncoveredPartsAndEmptyWidgetsShowTheParent) {
    image_->setGeometry(0, 0, 50, 50);
    EXPECT_EQ(Shot().pixel(25, 25), Ground) << "a widget without a picture draws nothing";
    Load("small.jpg", MakeJpeg(20, 10));
    const QImage shot = Shot();
    EXPECT_NE(shot.pixel(5, 5), Ground);
    EXPECT_EQ(shot.pixel(25, 5), Ground);
    EXPECT_EQ(shot.pixel(5, 25), Ground);
}

TEST_F(ImageOnParentTest, CompletedLeftClickRunsTheHandlerOnce) {
    image_->setGeometry(0, 0, 50, 50);
    int clicks = 0;
    image_->OnClick = [&] { ++clicks; };
    Click();
    EXPECT_EQ(clicks, 1);
    Click({5, 5}, Qt::RightButton);
    EXPECT_EQ(clicks, 1) << "right button";
    Send(QEvent::MouseButtonPress, {5, 5});
    Send(QEvent::MouseButtonRelease, {60, 5});
    EXPECT_EQ(clicks, 1) << "released outside";
    Send(QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks, 1) << "release without press";
}

TEST_F(ImageOnParentTest, DoubleClickCountsAsOneClick) {
    image_->setGeometry(0, 0, 50, 50);
    int clicks = 0;
    image_->OnClick = [&] { ++clicks; };
    // What the platform delivers for a double click: the second press comes as DblClick.
    Send(QEvent::MouseButtonPress, {5, 5});
    Send(QEvent::MouseButtonRelease, {5, 5});
    Send(QEvent::MouseButtonDblClick, {5, 5});
    Send(QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks, 1);
}

TEST_F(ImageOnParentTest, PressOnTheImageStaysWithIt) {
    image_->setGeometry(0, 0, 50, 50);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    press.ignore();
    QApplication::sendEvent(image_, &press);
    EXPECT_TRUE(press.isAccepted()) << "a press must not fall through to the window below";
}

TEST_F(ImageOnParentTest, FailingClickHandlerGoesToTheErrorReport) {
    image_->setGeometry(0, 0, 50, 50);
    image_->OnClick = [] { throw EInvalidOperation("Handler failed"); };
    Click();
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Handler failed.");
}

TEST_F(ImageOnParentTest, EmptyJpegInSizedWidgetReportsAfterThePaintOnce) {
    Load("empty.jpg", {});
    image_->setGeometry(0, 0, 50, 50);
    const QImage first = Shot();
    EXPECT_TRUE(reports_.empty()) << "reported during the paint";
    QApplication::processEvents();
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "JPEG error #41.");
    EXPECT_EQ(first.pixel(25, 25), Ground);
    const QImage second = Shot();
    QApplication::processEvents();
    EXPECT_EQ(reports_.size(), 1u) << "decoded once, reported once";
    EXPECT_EQ(second.pixel(25, 25), Ground);
}

TEST_F(ImageOnParentTest, EmptyJpegInZeroSizedWidgetIsNeverDrawn) {
    Load("empty.jpg", {});
    image_->setGeometry(0, 0, 0, 0);
    Shot();
    QApplication::processEvents();
    EXPECT_TRUE(reports_.empty());
}

TEST_F(ImageOnParentTest, FaultyJpegDrawsWhatWasDecodedThenReports) {
    Load("faulty.jpg", WithBadMarkerBeforeEnd(MakeJpeg(40, 30)));
    image_->setGeometry(0, 0, 40, 30);
    const QImage shot = Shot();
    QApplication::processEvents();
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "JPEG error #11.");
    const QImage picture = image_->Picture().Graphic()->ToImage();
    EXPECT_EQ(shot.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(shot.pixel(39, 29), picture.pixel(39, 29));
}

TEST_F(ImageOnParentTest, NewPictureRepaintsButNeverResizesTheWidget) {
    image_->setGeometry(0, 0, 30, 30);
    Load("a.jpg", MakeJpeg(100, 100));
    EXPECT_EQ(image_->size(), QSize(30, 30));
    Load("b.bmp", MakeBmp24(4, 4, std::vector<std::uint8_t>(48, 0xFF)));
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(10, 10), Ground);
}

// A decode that cannot finish (held up here by the coefficient budget, as a huge progressive
// photograph would be by its size) leaves the window answering: the paint shows the ground, a
// click elsewhere runs, and the picture appears once its decode is done. A decode whose
// picture is replaced goes with it.
TEST_F(ImageOnParentTest, WindowAnswersWhileADecodeIsHeldUp) {
    parent_.show();
    JpegMemoryBudget::Lease everything = JpegMemoryBudget::Instance().Take(JpegMemoryLimit);
    Load("first.jpg", MakeProgressiveJpeg(96, 64));
    image_->setGeometry(0, 0, 96, 64);
    image_->PrepareDrawing();
    EXPECT_EQ(Shot().pixel(10, 10), Ground);

    auto* other = new TImage(&parent_);
    other->setGeometry(150, 100, 20, 20);
    int clicks = 0;
    other->OnClick = [&clicks] { ++clicks; };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                      QPointF(other->mapToGlobal(QPoint(5, 5))), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        QPointF(other->mapToGlobal(QPoint(5, 5))), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(other, &press);
    QApplication::sendEvent(other, &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(image_->DecodeUnshown());

    Load("second.jpg", MakeProgressiveJpeg(90, 60));
    image_->PrepareDrawing();
    EXPECT_EQ(LiveJpegDecodes(), 1) << "the first picture's decode went with it";
    everything = {};
    QElapsedTimer patience;
    patience.start();
    while (image_->DecodeUnshown() && patience.elapsed() < 30'000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    const QImage picture = image_->Picture().Graphic()->ToImage();
    EXPECT_EQ(Shot().pixel(10, 10), picture.pixel(10, 10));
    EXPECT_TRUE(reports_.empty());
}

// A metafile's render waits here behind jobs holding every worker of the decode pool, as it
// would behind a slow drawing: the paint does not wait for it, and a picture replaced meanwhile
// takes its render along. Once the pool is free the new picture appears.
TEST_F(ImageOnParentTest, MetafileRenderNeverHoldsThePaint) {
    parent_.show();
    std::promise<void> gate;
    const std::shared_future<void> open = gate.get_future().share();
    std::atomic<unsigned> held = 0;
    const unsigned workers = DecodePool::Instance().Workers();
    for (unsigned i = 0; i < workers; ++i)
        DecodePool::Instance().Run([open, &held] {
            ++held;
            open.wait();
            return 0;
        });
    while (held < workers)
        std::this_thread::yield();

    Load("first.wmf", MakeWmf(false));
    image_->setGeometry(0, 0, 40, 20);
    image_->PrepareDrawing();
    EXPECT_EQ(Shot().pixel(5, 10), Ground);
    EXPECT_TRUE(image_->DecodeUnshown());
    EXPECT_FALSE(image_->Picture().Graphic()->DrawReady());

    Load("second.emf", MakeEmf());
    image_->PrepareDrawing();
    EXPECT_EQ(Shot().pixel(5, 10), Ground);
    gate.set_value();
    QElapsedTimer patience;
    patience.start();
    while (image_->DecodeUnshown() && patience.elapsed() < 30'000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_FALSE(image_->DecodeUnshown());
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(5, 10) & 0xF0F0F0, 0xF00000u) << std::hex << shot.pixel(5, 10);
    EXPECT_EQ(shot.pixel(35, 10) & 0xF0F0F0, 0x0000F0u) << std::hex << shot.pixel(35, 10);
    EXPECT_EQ(shot.pixel(45, 10), Ground);
    EXPECT_TRUE(reports_.empty());
}

} // namespace
