#include "pictures/metafilerender.h"

#include "pictures/decodepool.h"

#include <new>

#include <QPainter>
#include <QSvgRenderer>

std::unique_ptr<QSvgRenderer> ParseMetafileDrawing(const MetafileDrawing& drawing) {
    auto parsed = std::make_unique<QSvgRenderer>(drawing.svg);
    if (!drawing.viewBox.isEmpty())
        parsed->setViewBox(drawing.viewBox);
    return parsed;
}

RenderedMetafile RenderMetafile(const MetafileDrawing& drawing, QSize target, QRect area,
                                QSvgRenderer* parsed) {
    RenderedMetafile rendered;
    try {
        rendered.image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        if (rendered.image.isNull()) {
            rendered.outOfMemory = true;
            return rendered;
        }
        rendered.image.fill(Qt::transparent);
        std::unique_ptr<QSvgRenderer> own;
        if (parsed == nullptr) {
            own = ParseMetafileDrawing(drawing);
            parsed = own.get();
        }
        QPainter painter(&rendered.image);
        // The rasterizer's cost follows the height of the surface drawn on, not of what is
        // drawn (a second for a few hundred lines on a surface 30000 pixels high): only the
        // area gets one.
        painter.translate(-area.topLeft());
        parsed->render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
    } catch (const std::bad_alloc&) {
        rendered = RenderedMetafile();
        rendered.outOfMemory = true;
    }
    return rendered;
}

std::shared_ptr<MetafileRender> StartMetafileRender(std::shared_ptr<const MetafileDrawing> drawing,
                                                    QSize target, QRect area,
                                                    std::shared_ptr<QSvgRenderer> parsed) {
    auto render = std::make_shared<MetafileRender>();
    render->target = target;
    render->area = area;
    render->abandoned = std::make_shared<std::atomic<bool>>(false);
    // Made on this thread, it must belong to none to be used and deleted on a worker.
    if (parsed)
        parsed->moveToThread(nullptr);
    render->result =
        DecodePool::Instance().Run([drawing = std::move(drawing), parsed = std::move(parsed),
                                    abandoned = render->abandoned, target, area] {
            if (*abandoned)
                return RenderedMetafile();
            return RenderMetafile(*drawing, target, area, parsed.get());
        });
    return render;
}
