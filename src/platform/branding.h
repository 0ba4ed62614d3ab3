#pragma once

#include <QString>

// Names and addresses the program shows about itself and its maker. All of
// them live here, so a rebranding touches one file.
namespace Branding {
inline const QString ProductName = QStringLiteral("Quivercast");
inline const QString MakerName = QStringLiteral("Larkspur Media Works");
inline const QString Year = QStringLiteral("2026");
inline const QString WebSite = QStringLiteral("https://www.larkspur-media.example");
inline const QString TechSupportMail = QStringLiteral("support@larkspur-media.example");
inline const QString SalesMail = QStringLiteral("sales@larkspur-media.example");
// The desktop entry the program is installed with (resources/), without its
// ".desktop", and the icon it names.
inline const QString DesktopEntry = QStringLiteral("quivercast");
inline const QString IconName = QStringLiteral("quivercast");

struct OtherProduct
{
    QString name;
    QString page;
};
// The maker's other video tools, shown in the about box.
inline const OtherProduct OtherProducts[3] = {
    {QStringLiteral("Larkspur Disc Author"),
     QStringLiteral("https://www.larkspur-media.example/disc-author")},
    {QStringLiteral("Larkspur Clip Joiner"),
     QStringLiteral("https://www.larkspur-media.example/clip-joiner")},
    {QStringLiteral("Larkspur Screen Recorder"),
     QStringLiteral("https://www.larkspur-media.example/screen-recorder")},
};
} // namespace Branding
