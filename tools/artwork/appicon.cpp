#include "tools/artwork/appicon.h"

#include "tools/artwork/emblems.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

// The sizes of the hicolor theme's application icons.
constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace

QImage PaintAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // A plaque in the main window's colours, inset as desktop icons usually are.
    const qreal margin = size / 16.0;
    const qreal border = std::max(1.0, size / 40.0);
    const QRectF plaque = QRectF(0, 0, size, size)
                              .adjusted(margin + border / 2, margin + border / 2,
                                        -margin - border / 2, -margin - border / 2);
    painter.setPen(QPen(Palette::MainFace, border));
    painter.setBrush(Palette::Panel);
    painter.drawRoundedRect(plaque, size * 0.14, size * 0.14);

    // The figure alone: the logo's lettering would not read at menu sizes.
    const qreal figureHeight = plaque.height() * 0.8;
    const QRectF figureArea(plaque.center().x() - figureHeight,
                            plaque.center().y() - figureHeight / 2, 2 * figureHeight, figureHeight);
    FillPath(painter, FitInto(EmblemFigure(), figureArea), Palette::Lettering);
    return image;
}

void WriteAppIcons(const QString& dir) {
    QDir().mkpath(dir);
    for (const int size : IconSizes) {
        const QString path = QString("%1/vendral-%2.png").arg(dir).arg(size);
        if (!PaintAppIcon(size).save(path, "PNG"))
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}
