#include "pictures/metafilerender.h"

#include "pictures/decodepool.h"

#include <new>

#include <QPainter>
#include <QSvgRenderer>

RenderedMetafile RenderMetafile(const MetafileDrawing& drawing, QSize target, QRect area) {
    RenderedMetafile rendered;
    try {
        rendered.image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        if (rendered.image.isNull()) {
            rendered.outOfMemory = true;
            return rendered;
        }
        rendered.image.fill(Qt::transparent);
        QSvgRenderer renderer(drawing.svg);
        if (!drawing.viewBox.isEmpty())
            renderer.setViewBox(drawing.viewBox);
        QPainter painter(&rendered.image);
        // The rasterizer's cost follows the surface drawn on, so only the area gets one.
        painter.translate(-area.topLeft());
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
    } catch (const std::bad_alloc&) {
        rendered = RenderedMetafile();
        rendered.outOfMemory = true;
    }
    return rendered;
}

std::shared_ptr<MetafileRender> StartMetafileRender(std::shared_ptr<const MetafileDrawing> drawing,
                                                    QSize target, QRect area) {
    auto render = std::make_shared<MetafileRender>();
    render->target = target;
    render->area = area;
    render->abandoned = std::make_shared<std::atomic<bool>>(false);
    render->result = DecodePool::Instance().Run(
        [drawing = std::move(drawing), abandoned = render->abandoned, target, area] {
            if (*abandoned)
                return RenderedMetafile();
            return RenderMetafile(*drawing, target, area);
        });
    return render;
}
