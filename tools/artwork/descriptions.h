#pragma once
// The prose of description page k (1 to 15) and the initials of its author.

#include <QString>

QString DescriptionText(int k);
QString DescriptionInitials(int k);
