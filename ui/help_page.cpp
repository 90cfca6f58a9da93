#include "ui/help_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace wazenie {

QString help_page_path() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& place :
         {QStringLiteral("doc/pomoc.htm"), QStringLiteral("../share/wazenie/doc/pomoc.htm")}) {
        const QFileInfo page(program.filePath(place));
        if (page.isFile()) {
            return QDir::cleanPath(page.absoluteFilePath());
        }
    }
    return {};
}

bool open_help_page() {
    const QString path = help_page_path();
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace wazenie
