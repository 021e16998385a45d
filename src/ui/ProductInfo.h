#pragma once
// Fixed texts of the product shown in the about box, and where its links lead
// (the display title and the internal window name are in common/ProductTexts.h).

#include <QString>

class QWidget;

namespace product {

inline constexpr const char *kVersion = "4.0";
inline constexpr const char *kBuildDate = "20090514";
inline constexpr const char *kMakerName = "Pelorin Software";
// Addresses of the product on the web; empty while it has none.
inline constexpr const char *kHomePage = "";
inline constexpr const char *kSupportAddress = "";   // a "mailto:" address
inline constexpr const char *kMakerWebAddress = "";

// The home page: its web address, else the README shipped in the program's folder;
// empty when there is neither.
QString HomePageAddress(const QString &programFolder);
// The support address ("mailto:..."), empty when none is configured.
QString SupportAddress();
// What a link shows: a file's name, a mail address without "mailto:", else the address.
QString ShownAddress(const QString &address);
// Opens a link on the desktop; a link that cannot be opened is reported to the user.
void OpenLink(QWidget *asking, const QString &address);

} // namespace product
