#pragma once
// The skinned window's entry as a description stores it: left and top always 0, its size, the
// background's name, the shape value, and Draggable only when it is false.

#include <QJsonObject>
#include <QString>

class TCoolForm;

QJsonObject StoreCoolForm(const TCoolForm& skin, const QString& pictureName);
