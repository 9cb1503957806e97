#include "WebBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QUrl>
#include <QWebEngineView>

namespace {
// The web engine runs its pages in a helper process and cannot work without it.
bool HelperProcessPresent()
{
    const QString custom = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    const QString path = !custom.isEmpty()
        ? custom
        : QDir(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)).filePath(QStringLiteral("QtWebEngineProcess"));
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QWebEngineView *MakeView()
{
    if (!HelperProcessPresent())
        throw EOleException(u"The web view cannot be created: the web engine's helper process is missing");
    return new QWebEngineView;
}
} // namespace

TWebBrowser::TWebBrowser(TComponent *owner)
    : TControl(owner, MakeView())
{
}

QWebEngineView *TWebBrowser::View() const
{
    return static_cast<QWebEngineView *>(Widget());
}

void TWebBrowser::Navigate(const String &url)
{
    const QUrl address(QString::fromStdU16String(url), QUrl::StrictMode);
    if (!address.isValid() || address.isRelative() || address.host().isEmpty())
        throw EOleException(u"Invalid address: " + url);
    location_ = url;
    View()->load(address);
}
