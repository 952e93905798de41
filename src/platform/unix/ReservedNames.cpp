#include "../ReservedNames.h"

bool ReservedNames::isDeviceName(QStringView)
{
    return false;
}
