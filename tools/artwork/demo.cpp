#include "tools/artwork/demo.h"

#include "core/cp1250.h"
#include "tools/artwork/democontent.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/output.h"
#include "tools/artwork/paintings.h"
#include "tools/artwork/palette.h"

#include <QDir>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

// The big overall view only needs to look right scaled down, so it is kept small on disk.
int QualityFor(const DemoPicture& picture) {
    return picture.size.width() * picture.size.height() > 2'000'000 ? 55 : 85;
}

std::string CatalogueText() {
    const auto& entries = DemoEntries();
    std::string text;
    // The generator writes only characters the code page holds; anything else is a slip.
    auto line = [&text](const QString& s) {
        const std::optional<std::string> bytes = Utf8ToCp1250(s.toStdString());
        if (!bytes)
            throw std::invalid_argument("not in code page 1250: " + s.toStdString());
        text += *bytes + "\r\n";
    };
    line(QString::number(entries.size()));
    for (const DemoEntry& entry : entries) {
        line(entry.title);
        line(entry.place);
        line(entry.time);
        for (const QString& index : entry.index)
            line(index);
        line("##");
        for (const DemoPicture& picture : entry.pictures)
            line(picture.name);
        line("##");
    }
    return text;
}

} // namespace

void WriteDemo(const QString& demoDir) {
    QDir().mkpath(demoDir + "/images");
    const std::string catalogue = CatalogueText();
    WriteBytes(demoDir + "/datas.dat", {catalogue.begin(), catalogue.end()});

    const auto& entries = DemoEntries();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        for (std::size_t p = 0; p < entries[e].pictures.size(); ++p) {
            const DemoPicture& picture = entries[e].pictures[p];
            const QImage image = PaintDemoPicture(int(e) + 1, int(p) + 1, picture);
            WriteBytes(demoDir + "/images/" + picture.name, JpegBytes(image, QualityFor(picture)));
        }
    }

    // Between their two places on the main window, so both look in line with their captions.
    const QRectF ring(1, 1.5, 19, 20);
    WriteBytes(demoDir + "/radioon.jpg", JpegBytes(RadioFace(true, ring), 95));
    WriteBytes(demoDir + "/radiooff.jpg", JpegBytes(RadioFace(false, ring), 95));
    for (bool left : {true, false}) {
        const QString side = left ? "left" : "right";
        WriteBytes(demoDir + "/activearrow" + side + ".jpg",
                   JpegBytes(ChevronFace(left, true, Palette::Panel), 95));
        WriteBytes(demoDir + "/inactivearrow" + side + ".jpg",
                   JpegBytes(ChevronFace(left, false, Palette::Panel), 95));
    }
}
