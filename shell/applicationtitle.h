#pragma once
// The title the whole program shows: the caption of its message boxes and windows and its
// taskbar entry.

#include <QString>
#include <string>
#include <string_view>

// The title from the program file's path: drop everything up to the last separator, cut at
// the first ".", lower-case every character after the first.
std::string TitleFromProgramPath(std::string_view path);

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
