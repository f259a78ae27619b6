#pragma once
// A catalogue's own splash and about backgrounds, painted as the built-in ones are: the same
// grounds, faces and lettering, with the collection's words in place of the demo's. Each
// throws std::runtime_error when its text cannot be set readably in its area.

#include <QImage>
#include <QString>
#include <QStringList>

// photograph: what shows in the photograph's place, already of its size (SplashPhotoSize).
QImage PaintOwnSplash(const QString& title, const QStringList& sponsorLines,
                      const QImage& photograph);
QSize SplashPhotoSize();
// The builder's default photograph: the exhibition hall of the built-in splash.
QImage DefaultSplashPhoto();

// The main window's logo, the size of its box: the emblem figure above the collection's own
// name, in the splash title's lettering, broken over up to three lines where that sets it
// larger.
QImage PaintOwnLogo(const QString& name);
// A finished logo (the museum's own drawing) fitted whole into the box on the window's ground.
QImage FitOwnLogo(const QImage& picture);

// The main window's caption that opens the description, in the lettering of its other
// captions, standing where the built-in one stands, in the box of its click area.
QImage PaintOwnDescriptionLink(const QString& caption);

// groups: each a heading line followed by its lines, "\n" between them.
QImage PaintOwnAbout(const QStringList& groups);
