#include "skin/coolformstore.h"

#include "skin/hexbytes.h"
#include "skin/tcoolform.h"

QJsonObject StoreCoolForm(const TCoolForm& skin, const QString& pictureName) {
    QJsonObject entry;
    entry["name"] = skin.objectName();
    entry["class"] = "TCoolForm";
    entry["left"] = skin.Left();
    entry["top"] = skin.Top();
    entry["width"] = skin.width();
    entry["height"] = skin.height();
    if (!pictureName.isEmpty())
        entry["picture"] = pictureName;
    // Written even without a region: four zero bytes say so.
    entry["Mask2"] = QString::fromStdString(FormatHexBytes(skin.WriteMask2()));
    if (!skin.Draggable())
        entry["Draggable"] = false;
    return entry;
}
