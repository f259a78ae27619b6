#include "mainwindow/picturepreview.h"

#include "core/cp1250.h"
#include "pictures/pictures.h"
#include "shell/errorreport.h"
#include "skin/skin.h"

#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <qdrawutil.h>

#include <algorithm>
#include <chrono>
#include <cmath>

QRect PreviewTarget(QSize picture, QSize box) {
    if (picture.width() <= box.width() && picture.height() <= box.height()) {
        return {(box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2,
                picture.width(), picture.height()};
    }
    if (picture.width() > picture.height()) {
        const int height =
            static_cast<int>(std::lround(double(picture.height()) * box.width() / picture.width()));
        return {0, 0, box.width(), height};
    }
    const int width =
        static_cast<int>(std::lround(double(picture.width()) * box.height() / picture.height()));
    return {0, 0, width, box.height()};
}

namespace {
// Draws the picture when its decode is done within a moment; otherwise the place stays empty,
// and the widget is painted again once the decode is done. The dialog never waits on it.
void DrawWhenReady(QWidget* widget, QPainter& painter, const TPicture& picture,
                   const QRect& target) {
    if (picture.Graphic()->DrawWithin(painter, target, std::chrono::milliseconds(100)))
        return;
    RepaintWhenReady(widget, picture);
}

// The preview button's glyph: a small magnifying glass.
QIcon PreviewGlyph() {
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.6));
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    painter.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    return QIcon(glyph);
}

// Draws a picture stretched to a widget; the preview window's content.
class StretchedPicture : public QWidget {
public:
    StretchedPicture(const TPicture& picture, QWidget* parent)
        : QWidget(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (!picture_.Graphic())
            return;
        QPainter painter(this);
        try {
            DrawWhenReady(this, painter, picture_, rect());
        } catch (...) {
            // A picture that cannot be decoded shows what was decoded; the preview says nothing.
        }
    }

private:
    const TPicture& picture_;
};
} // namespace

class PreviewBox : public QFrame {
public:
    PreviewBox(const TPicture& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
        // Two bevels of a pixel each, drawn below: QFrame's styles give one or the other.
        setFrameStyle(QFrame::NoFrame);
        setContentsMargins(2, 2, 2, 2);
        setMinimumSize(150, 150);
    }
    std::function<void()> OnDoubleClick;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // A lowered outer bevel around a raised inner one.
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
        const QRect inside = contentsRect();
        if (!picture_.Graphic() || picture_.Width() == 0 || picture_.Height() == 0) {
            painter.drawText(inside, Qt::AlignCenter, QStringLiteral("(None)"));
            return;
        }
        const QRect target =
            PreviewTarget(QSize(picture_.Width(), picture_.Height()), inside.size())
                .translated(inside.topLeft());
        painter.setClipRect(inside);
        try {
            DrawWhenReady(this, painter, picture_, target);
        } catch (...) {
            // Errors of the previewed picture are swallowed.
        }
    }
    void mouseDoubleClickEvent(QMouseEvent*) override {
        if (OnDoubleClick)
            RunHandler(OnDoubleClick);
    }

private:
    const TPicture& picture_;
};

PicturePreview::PicturePreview(QWidget* parent)
    : QWidget(parent), caption_(new QLabel(this)), previewButton_(new QToolButton(this)),
      box_(new PreviewBox(picture_, this)) {
    previewButton_->setIcon(PreviewGlyph());
    previewButton_->setToolTip(QStringLiteral("Preview"));
    previewButton_->setAutoRaise(true);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(caption_, 1);
    captionRow->addWidget(previewButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(captionRow);
    layout->addWidget(box_, 1);
    connect(previewButton_, &QToolButton::clicked, this,
            [this] { RunHandler([this] { OpenPreviewWindow(); }); });
    box_->OnDoubleClick = [this] { OpenPreviewWindow(); };
    picture_.OnChange = [this] { box_->update(); };
    Clear();
}

void PicturePreview::Clear() {
    picture_.SetGraphic(nullptr);
    caption_->setText(QStringLiteral("Picture:"));
    previewButton_->setEnabled(false);
    box_->update();
}

void PicturePreview::ShowFile(const QString& path) {
    const QFileInfo info(path);
    const std::optional<std::string> name = Utf8ToCp1250(path.toStdString());
    if (!info.isFile() || !name) {
        Clear();
        return;
    }
    try {
        picture_.LoadFromFile(*name);
    } catch (...) {
        Clear(); // the preview swallows every load error
        return;
    }
    // The box shows the picture at most at its own size: a JPEG decodes scaled down to it.
    picture_.Graphic()->PrepareDrawing(
        PreviewTarget(QSize(picture_.Width(), picture_.Height()), box_->contentsRect().size())
            .size());
    caption_->setText(QStringLiteral(" (%1x%2)").arg(picture_.Width()).arg(picture_.Height()));
    previewButton_->setEnabled(true);
    box_->update();
}

QString PicturePreview::Caption() const {
    return caption_->text();
}

bool PicturePreview::PreviewEnabled() const {
    return previewButton_->isEnabled();
}

void PicturePreview::OpenPreviewWindow() {
    // A copy of its own, decoded at full size: the box's may be scaled down.
    TPicture full;
    full.Assign(picture_);
    QDialog window(this, Qt::Tool);
    window.setWindowTitle(QStringLiteral("Preview"));
    window.setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QFrame(&window);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    auto* panelLayout = new QVBoxLayout(panel);
    constexpr int BorderWidth = 5;
    panelLayout->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    panelLayout->addWidget(new StretchedPicture(full, panel));
    layout->addWidget(panel);
    if (full.Graphic()) {
        // The panel's inside is the picture plus 10 pixels each way. A picture larger than the
        // screen is shown scaled down to fit it, its shape kept: a window larger than the
        // screen shows nothing more, and its own surface would take as much memory as the
        // picture (640 MB for 160 megapixels). It is decoded at that size, not its own.
        const int frame = panel->frameWidth();
        const QSize borders(2 * BorderWidth + 2 * frame, 2 * BorderWidth + 2 * frame);
        QSize shown(full.Width(), full.Height());
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QSize room = (screen->availableSize() - borders).expandedTo(QSize(1, 1));
            if (shown.width() > room.width() || shown.height() > room.height())
                shown = shown.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        }
        window.resize(shown + borders);
        full.Graphic()->PrepareDrawing(shown);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window.move(area.left() + std::max(0, (area.width() - window.width()) / 2),
                    area.top() + std::max(0, (area.height() - window.height()) / 2));
    }
    window.exec();
}
