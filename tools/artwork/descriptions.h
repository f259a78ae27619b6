#pragma once
// The texts set on the built-in pages: the prose of description page k (1 to 15) with its
// author's initials, and the two introduction pages.

#include <QString>
#include <QStringList>

QString DescriptionText(int k);
QString DescriptionInitials(int k);

struct IntroPageText {
    QString heading;
    QStringList paragraphs;
};
IntroPageText IntroText(int page); // 1 or 2
