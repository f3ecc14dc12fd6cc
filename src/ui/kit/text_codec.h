#pragma once
// The one place where the program's Windows-1252 text meets Qt's text.

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orv {

QString fromCp1252(std::string_view bytes);
// The items of a drop-down list.
QStringList fromCp1252(std::span<const std::string_view> items);

// Nothing when the text holds a character that Windows-1252 cannot hold.
std::optional<std::string> toCp1252(const QString& text);

// The Windows-1252 text of a field. Every field refuses what Windows-1252 cannot hold as it is
// typed or pasted, so nothing is lost in the conversion.
std::string cp1252Text(const QString& text);

// For the messages and captions kept in the logic layers, which are UTF-8.
QString fromUtf8(std::string_view text);

}  // namespace orv
