#pragma once
// A metafile's drawing rendered on the decode pool, so that a window never waits for Qt SVG: a
// drawing of thousands of elements, or one drawn at a great height, costs the rasterizer
// seconds. Qt SVG's renderer serves one thread at a time, so a render parses the drawing's SVG
// text into a renderer of its own.

#include <atomic>
#include <future>
#include <memory>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

class QSvgRenderer;

// A metafile's drawing as converted: nothing changes it after the load.
struct MetafileDrawing {
    QByteArray svg;
    QRectF viewBox; // the picture's area in the SVG's units; empty when the SVG's size is it
};

// The drawing parsed into a renderer, set to the picture's area; for one thread at a time.
std::unique_ptr<QSvgRenderer> ParseMetafileDrawing(const MetafileDrawing& drawing);

struct RenderedMetafile {
    QImage image; // the rendered area, transparent where nothing is drawn
    bool outOfMemory = false;
};

// The part area of the drawing scaled to a rectangle of target's size, into an image of
// area's size. parsed: the drawing already parsed, for this thread alone; null to parse it here.
RenderedMetafile RenderMetafile(const MetafileDrawing& drawing, QSize target, QRect area,
                                QSvgRenderer* parsed = nullptr);

// A render asked for, queued, running or done. One whose picture was replaced before it
// started is skipped; one already running finishes on its own data.
struct MetafileRender {
    QSize target;
    QRect area;
    std::shared_ptr<std::atomic<bool>> abandoned;
    std::shared_future<RenderedMetafile> result;
};

// parsed, when given, becomes the render's own: nobody else may use it any more.
std::shared_ptr<MetafileRender> StartMetafileRender(std::shared_ptr<const MetafileDrawing> drawing,
                                                    QSize target, QRect area,
                                                    std::shared_ptr<QSvgRenderer> parsed = {});
