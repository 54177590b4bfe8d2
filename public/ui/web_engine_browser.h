#pragma once

#include "public/web_browser.h"

#include <QWebEngineView>
#include <memory>

class QWebEnginePage;
class QWebEngineProfile;

// Before the application object exists: Chromium run as root exits the whole program when its
// first view is made unless its sandbox is off, so it is turned off then, and only then.
void prepareWebEngine();

// The result window's browser over Qt WebEngine. Its own profile keeps nothing on disk and never
// reads a page from the cache, and the page asks the service for nothing but the address itself
// (no page icons). Navigating to "about:blank" puts a new page of that profile into the view, so
// nothing of the last page shows while the next one loads.
class WebEngineBrowser : public QWebEngineView, public TWebBrowser
{
    Q_OBJECT
public:
    explicit WebEngineBrowser(QWidget* parent = nullptr);
    ~WebEngineBrowser() override;

    void Navigate(const QString& address) override;
    void Navigate(const QString& address, int flags) override;
    void Refresh() override;
    QString LocationURL() const override;

private:
    void replacePage();

    // A page must go before its profile: declared in this order, they are destroyed so.
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<QWebEnginePage> m_page;
};
