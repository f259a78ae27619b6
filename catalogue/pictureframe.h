#pragma once
// The frame the viewer shows an entry's picture in, at the picture's own size. Catalogue
// pictures are made to fit it; a larger one overhangs it.

inline constexpr int PictureFrameWidth = 529, PictureFrameHeight = 450;
