#pragma once
// Widgets painted before their picture was decoded, repainted as soon as it is: each time a
// decode worker finishes a job, the GUI thread is told through its event queue and asks every
// waiting widget whether its picture is ready now. Nothing polls, and a picture appears the
// moment its decode ends rather than at the next tick of a timer.

class QWidget;
class TPicture;

// Calls widget->update() once picture (which the widget draws, and which lives as long as it)
// can be drawn without waiting, at once if it already can. A later call for the same widget
// replaces the earlier one; a destroyed widget is forgotten. GUI thread only.
void RepaintWhenReady(QWidget* widget, const TPicture& picture);
