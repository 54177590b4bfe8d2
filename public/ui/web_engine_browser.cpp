#include "public/ui/web_engine_browser.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

void prepareWebEngine()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

WebEngineBrowser::WebEngineBrowser(QWidget* parent)
    : QWebEngineView(parent), m_profile(std::make_unique<QWebEngineProfile>())
{
    // Every load of the calculation goes without the cache; the flag of Navigate asks no more.
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_profile->settings()->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    replacePage();
}

WebEngineBrowser::~WebEngineBrowser() = default;

void WebEngineBrowser::Navigate(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        throw EBrowserError(u"Неверный адрес: "_s + address);
    // The blank page comes right before the next calculation's address, so it never gets to
    // paint, and the old page would stay until the service answers. A new page has nothing old.
    if (url == QUrl(u"about:blank"_s))
        replacePage();
    load(url);
}

void WebEngineBrowser::replacePage()
{
    auto page = std::make_unique<QWebEnginePage>(m_profile.get());
    setPage(page.get());
    m_page = std::move(page); // the old page goes once the view has let it go
}

void WebEngineBrowser::Navigate(const QString& address, int /*flags: the profile has no cache*/)
{
    Navigate(address);
}

// Loads the address the browser reports once more rather than reloading its last page: a reload
// right after the blank page was asked for could show that blank page instead of the answer.
void WebEngineBrowser::Refresh()
{
    load(url());
}

// Right after the blank page was asked for, the new page's address, never the last answer's: the
// calculation then navigates, and Refresh loads just what this reports, so one request either way.
QString WebEngineBrowser::LocationURL() const
{
    return url().toString(QUrl::FullyEncoded);
}
