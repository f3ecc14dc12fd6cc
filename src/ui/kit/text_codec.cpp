#include "ui/kit/text_codec.h"

#include "model/cp1252.h"

namespace orv {

QString fromCp1252(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(cp1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

QStringList fromCp1252(std::span<const std::string_view> items) {
    QStringList texts;
    texts.reserve(qsizetype(items.size()));
    for (const std::string_view item : items) {
        texts << fromCp1252(item);
    }
    return texts;
}

std::optional<std::string> toCp1252(const QString& text) {
    return encodeCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            std::size_t(text.size())));
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string cp1252Text(const QString& text) {
    return toCp1252(text).value_or(std::string());
}

}  // namespace orv
