#pragma once
// The demo catalogue: eighteen late-medieval altarpieces and panel paintings, invented but
// plausible, with the pictures the generator paints for them.

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

enum class PictureKind { WholeAltar, Scene, Saint, Predella, Detail };

struct DemoPicture {
    QString name; // file name under images/
    QSize size;
    PictureKind kind;
    bool asIs = false; // kept at its size by vendral-make, not fitted to the frame
};

struct DemoEntry {
    QString title;
    QString place; // line 2
    QString time;  // line 3, also the description window's heading
    QStringList index;
    std::vector<DemoPicture> pictures;
    QString description; // the prose of the entry's description page (entries 1 to 15)
    QString initials;    // the author of that prose
};

const std::vector<DemoEntry>& DemoEntries();
