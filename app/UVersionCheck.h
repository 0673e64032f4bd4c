// The version check against the maker's web server, the version-text reading and the download link it offers.
#pragma once

#include <QString>

#include <cstdint>

class TIdHTTP;

// The configurator's own version.
inline const QString SW_Version = QStringLiteral("1.005");
// Milliseconds the version query may take, connecting and answering together.
inline constexpr int32_t Version_Check_Timeout = 15000;

// The number of a version text "d.ddd" (the part after the first blank when there is one, trimmed):
// its first, third, fourth and fifth characters read as four decimal digits; -1 when it is shorter
// or those characters are not all digits. "VER. 1.006" gives 1006, "VER. 1.1" gives -1.
int32_t Conv_Version(const QString& Text);

// Asks the maker's web server for the newest version through HTTP (request headers and time-out are
// set on it): true exactly when it answers with a version above SW_Version. No answer, an error
// status, a time-out or an unexpected answer count as no newer version. Blocks the calling thread
// for at most TimeoutMs.
bool Check_Version(TIdHTTP& HTTP, int32_t TimeoutMs = Version_Check_Timeout);

// The maker's download page for this product.
QString Download_Page_Url();
// The caption of an update link: an HTML anchor to the download page around Text.
QString Download_Link_Caption(const QString& Text);
