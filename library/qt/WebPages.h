// Opening the local web pages of the programs in the system's browser. Pages are named by their
// path relative to a base address: the folder web/ beside the executable (for an installed
// program the web/ of its share folder), or the address in the environment variable
// TRICKSCAN_WEB_BASE.
#pragma once

#include <QString>
#include <QUrl>

namespace lott {

// The base address, always ending in "/". A base without a scheme is taken as a local folder.
QUrl WebBaseUrl();
// The address of a page: relative paths are resolved against the base; an address with its own
// scheme (http:, https:, file:) is kept as it is.
QUrl WebPageUrl(const QString& page);
// Asks the desktop to show the page; never waits for the browser. False when a local page does
// not exist or no browser could be asked, so that the caller can say so on its window.
bool OpenWebPage(const QString& page);

}  // namespace lott
