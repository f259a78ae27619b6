#include "descriptions.h"

QString DescriptionText(int) {
    return {};
}
QString DescriptionInitials(int) {
    return {};
}
