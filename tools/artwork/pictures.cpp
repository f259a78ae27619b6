#include "tools/artwork/pictures.h"

#include "tools/artwork/backgrounds.h"
#include "tools/artwork/faceimages.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/output.h"
#include "tools/artwork/textpages.h"

#include <QDir>

void WriteBuiltInPictures(const QString& dir) {
    QDir().mkpath(dir);
    WriteBitmapPicture(dir, "TForm1_CoolForm1", PaintMainBackground());
    WriteBitmapPicture(dir, "TForm2_CoolForm1", PaintNoHitsBackground());
    WriteBitmapPicture(dir, "TForm3_CoolForm1", PaintDescriptionBackground());
    WriteBitmapPicture(dir, "TForm5_CoolForm1", PaintPrintQuestionBackground());
    WriteBitmapPicture(dir, "TForm6_CoolForm1", PaintSplashBackground());
    WriteBitmapPicture(dir, "TForm7_CoolForm1", PaintAboutBackground());
    WriteBitmapPicture(dir, "TForm8_CoolForm1", PaintIntroBackground());

    // Each radio picture draws its ring exactly over the ring painted beneath it.
    using namespace MainLayout;
    WriteJpegPicture(dir, "TForm1_RadioImage1",
                     RadioFace(true, QRectF(Radio1.translated(-RadioControl1().topLeft()))), 95);
    WriteJpegPicture(dir, "TForm1_RadioImage2",
                     RadioFace(false, QRectF(Radio2.translated(-RadioControl2().topLeft()))), 95);

    for (int k = 1; k <= 15; ++k)
        WriteJpegPicture(dir, QString("TForm3_Image%1").arg(k), PaintDescriptionPage(k));
    for (int page = 1; page <= 2; ++page)
        WriteJpegPicture(dir, QString("TForm8_Image%1").arg(page), PaintIntroPage(page));

    WriteJpegPicture(dir, "TForm4_QRImage1", ChevronFace(true, true, Qt::white), 95);
}
