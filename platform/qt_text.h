#pragma once

#include <string>

#include <QString>

namespace wazenie {

// The logic's texts are UTF-8 std::string; Qt's are QString.
inline QString to_qt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string from_qt(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace wazenie
