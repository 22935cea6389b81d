#pragma once
// The user's regional number format.
#include <QChar>

// The decimal separator of the current locale (QLocale's default, which follows the system unless a
// default locale was set), read at every call.
QChar DecimalSeparator();
