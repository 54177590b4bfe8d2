#pragma once

#include "common/errors.h"

#include <QString>

// The embedded web browser of the result window, as the calculation request uses it.
class TWebBrowser
{
public:
    // Navigation flag: the page must not be read from the cache.
    static constexpr int navNoReadFromCache = 4;

    virtual ~TWebBrowser() = default;
    // Each operation throws EBrowserError when the browser refuses it.
    virtual void Navigate(const QString& address) = 0;
    virtual void Navigate(const QString& address, int flags) = 0;
    virtual void Refresh() = 0;
    virtual QString LocationURL() const = 0;
};

// The browser refused an address or an operation.
class EBrowserError : public AppError
{
public:
    using AppError::AppError;
};
