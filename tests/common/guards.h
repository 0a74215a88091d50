#pragma once
// Process-wide settings that a test changes and must put back, whatever the test's outcome.

#include "base/numberformat.h"

#include <QDir>
#include <QLocale>

namespace orvtest {

class DecimalSeparatorGuard {
public:
    explicit DecimalSeparatorGuard(QChar separator) : before_(orv::decimalSeparator()) {
        orv::setDecimalSeparator(separator);
    }
    ~DecimalSeparatorGuard() { orv::setDecimalSeparator(before_); }
    DecimalSeparatorGuard(const DecimalSeparatorGuard&) = delete;
    DecimalSeparatorGuard& operator=(const DecimalSeparatorGuard&) = delete;

private:
    QChar before_;
};

class CurrentFolderGuard {
public:
    CurrentFolderGuard() : before_(QDir::currentPath()) {}
    ~CurrentFolderGuard() { QDir::setCurrent(before_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    QString before_;
};

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) : before_(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~LocaleGuard() { QLocale::setDefault(before_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale before_;
};

} // namespace orvtest
