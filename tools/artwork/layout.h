#pragma once
// Where things lie on the backgrounds. Areas are left, top to right, bottom with right and
// bottom exclusive; the click areas of the windows sit on these faces, so they must not move.
// Where the artwork paints exactly under a control, the window description says where.

#include <QRect>

constexpr QRect Area(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// The control's box in the built-in description of the window class; throws when the
// description has no such control.
QRect ControlBox(const char* formClass, const char* control);

namespace MainLayout {
constexpr QSize Size(800, 653);
constexpr QRect PicturePanel = Area(13, 15, 552, 475);
constexpr QRect StripPanel = Area(13, 490, 552, 637);
// The paging arrows' click areas, painted with a chevron each.
inline QRect LeftChevron() {
    return ControlBox("TForm1", "Image5");
}
inline QRect RightChevron() {
    return ControlBox("TForm1", "Image6");
}
constexpr QRect SaveFace = Area(565, 18, 656, 46);
constexpr QRect PrintFace = Area(667, 18, 746, 46);
constexpr QRect ExitFace = Area(757, 18, 784, 46);
constexpr QRect ListPanel = Area(568, 64, 785, 364);
constexpr QRect DescriptionCaption = Area(602, 380, 751, 397);
constexpr QRect InputField = Area(569, 410, 722, 440);
constexpr QRect SearchFace = Area(730, 412, 784, 439);
constexpr QRect Radio1 = Area(570, 461, 589, 481);
constexpr QRect Radio1Caption = Area(598, 464, 792, 480);
constexpr QRect Radio2 = Area(570, 488, 589, 508);
constexpr QRect Radio2Caption = Area(598, 491, 775, 507);
// The radio pictures lie on top of the painted rings.
inline QRect RadioControl1() {
    return ControlBox("TForm1", "RadioImage1");
}
inline QRect RadioControl2() {
    return ControlBox("TForm1", "RadioImage2");
}
constexpr QRect Logo = Area(633, 527, 726, 632);
} // namespace MainLayout

namespace MessageLayout { // the no-hits message and the print confirmation
constexpr QSize Size(340, 120);
constexpr QRect Page = Area(13, 14, 327, 105);
constexpr QRect NoHitsText = Area(50, 38, 285, 55);
constexpr QRect OkFace = Area(147, 72, 192, 90);
constexpr QRect QuestionText = Area(66, 38, 272, 55);
constexpr QRect YesFace = Area(106, 72, 151, 90);
constexpr QRect NoFace = Area(183, 72, 228, 90);
} // namespace MessageLayout

namespace DescriptionLayout {
constexpr QSize Size(750, 520);
constexpr QRect Page = Area(13, 14, 737, 504);
constexpr QRect OkFace = Area(365, 475, 410, 493);
} // namespace DescriptionLayout

namespace SplashLayout {
constexpr QSize Size(800, 653);
constexpr int PageRight = 625; // columns up to 624 are page, the rest a tan band
constexpr QRect Title = Area(66, 65, 558, 89);
constexpr QRect Photo = Area(67, 161, 553, 484);
constexpr QRect Credit = Area(117, 557, 495, 611);
constexpr QRect Logo = Area(664, 500, 767, 617);
} // namespace SplashLayout

namespace AboutLayout {
constexpr QSize Size(698, 480);
constexpr QRect Page = Area(12, 14, 686, 464);
constexpr QRect Credits = Area(59, 47, 607, 332);
constexpr QRect Notice = Area(72, 364, 601, 408);
constexpr QRect OkFace = Area(316, 435, 361, 453);
} // namespace AboutLayout

namespace IntroLayout {
constexpr QSize Size(750, 520);
constexpr QRect Page = Area(12, 13, 737, 505);
constexpr QRect OkFace = Area(352, 473, 397, 491);
constexpr QRect PrevTriangle = Area(324, 476, 332, 489);
constexpr QRect NextTriangle = Area(417, 476, 426, 489);
} // namespace IntroLayout

// Sizes of the built-in JPEG pictures.
constexpr QSize DescriptionPageSizes[15] = {
    {715, 398}, {713, 344}, {715, 420}, {715, 408}, {715, 409}, {716, 344}, {713, 405}, {716, 406},
    {714, 410}, {711, 407}, {713, 358}, {716, 411}, {714, 362}, {714, 374}, {715, 376}};
constexpr QSize IntroPageSizes[2] = {{715, 416}, {713, 362}};
