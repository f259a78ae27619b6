#pragma once
// The one palette every background shares. The flat areas must be exact: the list box and the
// search field paint 235, 218, 194 over their panels and no edge may show.

#include <QColor>

namespace Palette {
inline const QColor Ground(231, 197, 150);
inline const QColor Panel(235, 218, 194); // main window panels and the splash page
inline const QColor Page(235, 218, 195);  // message, description and introduction pages
inline const QColor AboutPage(240, 224, 199);
inline const QColor MainFace(203, 174, 134);  // main window buttons, also its outline
inline const QColor SmallFace(217, 183, 136); // buttons of the other windows
inline const QColor Outline(192, 164, 125);   // outline of the other windows
inline const QColor Lettering(131, 81, 3);    // captions and messages
inline const QColor MainButtonLettering(118, 91, 57);
inline const QColor Triangle(158, 146, 131); // introduction paging
inline const QColor Ink(40, 28, 18);         // running text on the pages
inline const QColor ChevronFill(252, 236, 150);
inline const QColor ChevronEdge(178, 136, 58);
inline const QColor InactiveFill(200, 197, 192);
inline const QColor InactiveEdge(148, 144, 140);
} // namespace Palette
