#pragma once
// A modal dialog of the program's own: caption the title, no icon, the text, one "OK" button.

class QString;

void PlainMessage(const QString& text);
