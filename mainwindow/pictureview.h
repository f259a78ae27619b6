#pragma once
// The picture view: the shown entry's main picture centred in the main picture area, and the
// four-slot thumbnail strip with its paging arrows.

#include <QRect>
#include <string>

// The rectangle the main picture is centred on.
inline const QRect MainPictureArea(18, 20, 529, 450);

// Where a picture of the given size goes: centred on the area, never scaled, the odd pixel
// to the right and bottom; larger pictures overhang on both sides.
QRect CentredInMainArea(int width, int height);

void ShowEntry();
void RefreshThumbnails();
void ShowSlotPicture(int slot); // slot 1..4
void PageLeft();
void PageRight();
void RefreshArrows();
