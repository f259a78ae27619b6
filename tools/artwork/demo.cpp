#include "tools/artwork/demo.h"

#include "core/cp1250.h"
#include "tools/artwork/democontent.h"
#include "tools/artwork/faceimages.h"
#include "tools/artwork/output.h"
#include "tools/artwork/paintings.h"
#include "tools/artwork/palette.h"
#include "tools/make/sourcefile.h"

#include <QDir>

#include <string>
#include <vector>

namespace {

// The big overall view only needs to look right scaled down, so it is kept small on disk.
int QualityFor(const DemoPicture& picture) {
    return picture.size.width() * picture.size.height() > 2'000'000 ? 55 : 85;
}

// The source vendral-make builds demo/ from: the generator paints the pictures as a
// photographer would hand them over, and the build fits them to the viewer's frame.
std::string SourceText() {
    std::vector<SourceEntry> source;
    for (const DemoEntry& entry : DemoEntries()) {
        SourceEntry& out = source.emplace_back();
        out.title.text = entry.title.toStdString();
        out.place.text = entry.place.toStdString();
        out.time.text = entry.time.toStdString();
        for (const QString& index : entry.index)
            out.index.push_back({index.toStdString(), 0});
        for (const DemoPicture& picture : entry.pictures)
            out.pictures.push_back({{picture.name.toStdString(), 0}, picture.asIs});
    }
    return WriteSource(source);
}

} // namespace

void WriteDemo(const QString& root) {
    const QString sourceDir = root + "/demo-source";
    QDir().mkpath(sourceDir + "/images");
    const std::string source = SourceText();
    WriteBytes(sourceDir + "/catalogue.txt", {source.begin(), source.end()});

    const auto& entries = DemoEntries();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        for (std::size_t p = 0; p < entries[e].pictures.size(); ++p) {
            const DemoPicture& picture = entries[e].pictures[p];
            const QImage image = PaintDemoPicture(int(e) + 1, int(p) + 1, picture);
            WriteBytes(sourceDir + "/images/" + picture.name,
                       JpegBytes(image, QualityFor(picture)));
        }
    }

    // vendral-make's built-in faces, which the demo uses.
    // Between their two places on the main window, so both look in line with their captions.
    const QString faceDir = root + "/tools/make/faces";
    const QRectF ring(1, 1.5, 19, 20);
    WriteBytes(faceDir + "/radioon.jpg", JpegBytes(RadioFace(true, ring), 95));
    WriteBytes(faceDir + "/radiooff.jpg", JpegBytes(RadioFace(false, ring), 95));
    for (bool left : {true, false}) {
        const QString side = left ? "left" : "right";
        WriteBytes(faceDir + "/activearrow" + side + ".jpg",
                   JpegBytes(ChevronFace(left, true, Palette::Panel), 95));
        WriteBytes(faceDir + "/inactivearrow" + side + ".jpg",
                   JpegBytes(ChevronFace(left, false, Palette::Panel), 95));
    }
}
