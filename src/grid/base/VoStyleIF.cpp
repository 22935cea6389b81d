#include "grid/base/VoStyleIF.h"

namespace {

const char* const Office2007Common = "Software\\Microsoft\\Office\\12.0\\Common";
const char* const Office2010Common = "Software\\Microsoft\\Office\\14.0\\Common";

}  // namespace

// This platform keeps no Office settings.
int GetInstalledOfficeVersion()
{
    return 0;
}

int ReadOfficeThemeValue(const QString& keyPath)
{
    (void)keyPath;
    return -1;
}

TOfficeTheme DetectOfficeTheme()
{
    const struct {
        const char* key;
        TOfficeTheme themes[3];
    } versions[] = {
        {Office2010Common, {ot2010Blue, ot2010Silver, ot2010Black}},
        {Office2007Common, {ot2007Blue, ot2007Silver, ot2007Black}},
    };
    for (const auto& v : versions) {
        const int value = ReadOfficeThemeValue(QLatin1String(v.key));
        if (value >= 1 && value <= 3)
            return v.themes[value - 1];
        if (value != -1)
            return ot2003Blue;
    }
    switch (CurrentXPColorScheme()) {
    case 1:
        return ot2003Blue;
    case 2:
        return ot2003Olive;
    case 3:
        return ot2003Silver;
    default:
        return ot2003Classic;
    }
}

// There are no XP colour schemes here.
int CurrentXPColorScheme()
{
    return 0;
}

bool IsWinXPOrLater()
{
    return false;
}

bool ComCtlVersionAbove5()
{
    return true;
}

bool HasLocaleInfoEx()
{
    return false;
}

QString DefaultUIFontName()
{
    return HasLocaleInfoEx() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}

TThemeNotifier& SharedThemeNotifier()
{
    static TThemeNotifier notifier;
    return notifier;
}
