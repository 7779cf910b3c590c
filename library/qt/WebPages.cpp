#include "WebPages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "ProgramFolder.h"

namespace lott {

namespace {
QUrl FolderUrl(const QString& folder) {
    QString path = QDir(folder).absolutePath();
    if (!path.endsWith('/')) path += '/';
    return QUrl::fromLocalFile(path);
}

bool HasScheme(const QString& address) {
    QUrl u(address);
    // A one-letter scheme is a Windows drive letter, not a scheme.
    return u.isValid() && u.scheme().size() > 1;
}
}  // namespace

QUrl WebBaseUrl() {
    QString env = qEnvironmentVariable("TRICKSCAN_WEB_BASE");
    if (!env.isEmpty()) {
        if (!HasScheme(env)) return FolderUrl(env);
        if (!env.endsWith('/')) env += '/';
        return QUrl(env);
    }
    const std::string exe = QCoreApplication::applicationDirPath().toStdString();
    return FolderUrl(QString::fromStdString(WebFolder(exe).string()));
}

QUrl WebPageUrl(const QString& page) {
    if (HasScheme(page)) return QUrl(page);
    return WebBaseUrl().resolved(QUrl(page));
}

bool OpenWebPage(const QString& page) {
    QUrl url = WebPageUrl(page);
    if (!url.isValid()) return false;
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace lott
