#include "tools/artwork/backgrounds.h"

#include "tools/artwork/emblems.h"
#include "tools/artwork/exhibitionhall.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

namespace {

const QColor DarkBrown(92, 54, 18);

} // namespace

QImage PaintSplashBackground() {
    using namespace SplashLayout;
    QImage image = FlatImage(Size, Palette::Ground); // no outline on the splash
    QPainter painter(&image);
    painter.fillRect(0, 0, PageRight, Size.height(), Palette::Panel);

    // Spaced small capitals, as a title page sets them.
    LetteringStyle spacedCaps;
    spacedCaps.maxTracking = 0.15;
    spacedCaps.leading = 1.3;
    PaintLettering(painter, {QStringLiteral("Vendral · Középkori szárnyasoltárok")},
                   SerifFont(Face::Regular, 40, true), Title, DarkBrown, spacedCaps);

    // A soft shadow under the print, inside the area the click area covers.
    painter.save();
    for (int i = 4; i >= 1; --i)
        painter.fillRect(Photo.translated(-i + 1, i), QColor(60, 40, 20, 22));
    painter.restore();
    painter.drawImage(Photo.topLeft(), PaintExhibitionHall(Photo.size()));

    LetteringStyle credit = spacedCaps;
    credit.maxTracking = 0.2;
    credit.leading = 1.15;
    PaintLettering(painter,
                   {QStringLiteral("A gyűjtemény digitális bemutatását"),
                    QStringLiteral("a Műemlékvédelmi Alapítvány"),
                    QStringLiteral("nagylelkű támogatása tette lehetővé")},
                   SerifFont(Face::Regular, 30, true), Credit, DarkBrown, credit);

    PaintOwnerLogo(painter, Logo, Palette::Lettering);
    return image;
}
