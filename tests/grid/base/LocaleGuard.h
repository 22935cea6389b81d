#pragma once
// Sets the default locale for one test and restores the previous one.
#include <QLocale>

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    static QLocale German() { return QLocale(QLocale::German, QLocale::Germany); }
    static QLocale English() { return QLocale(QLocale::English, QLocale::UnitedStates); }

private:
    QLocale saved_;
};
