#pragma once
// How assistive technology and UI automation see an image widget that takes clicks (a
// transparent hot spot over a painted face): a button under its accessible name, which they
// can press. Image widgets without a click handler stay plain widgets to them.

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory (QAccessible::installFactory).
QAccessibleInterface* ClickAreaAccessible(const QString& className, QObject* object);
