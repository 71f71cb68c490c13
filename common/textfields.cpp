#include "textfields.h"

#include <QStringList>

#include <cstring>

namespace vexo {

std::size_t fieldLength(const char *field, std::size_t size)
{
    if (!field)
        return 0;
    const void *nul = std::memchr(field, '\0', size);
    return nul ? static_cast<std::size_t>(static_cast<const char *>(nul) - field) : size;
}

QString fromLocalField(const char *field, std::size_t size)
{
    return QString::fromLocal8Bit(field, static_cast<int>(fieldLength(field, size)));
}

QString fromAsciiField(const char *field, std::size_t size)
{
    return QString::fromLatin1(field, static_cast<int>(fieldLength(field, size)));
}

QString fromUtf8Field(const char *field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(fieldLength(field, size)));
}

QByteArray toLocal(const QString &text)
{
    return text.toLocal8Bit();
}

void copyLatin1ToField(const QString &text, char *field, std::size_t size)
{
    if (!field || size == 0)
        return;
    std::memset(field, 0, size);
    const int n = std::min<int>(text.size(), static_cast<int>(size) - 1);
    for (int i = 0; i < n; ++i) {
        const ushort c = text.at(i).unicode();
        field[i] = static_cast<char>(c > 0xFF ? 0 : c);
    }
}

QString firmwareText(std::uint16_t word)
{
    return QStringLiteral("v%1.%2.%3.%4")
        .arg((word >> 12) & 0xF)
        .arg((word >> 8) & 0xF)
        .arg((word >> 4) & 0xF)
        .arg(word & 0xF);
}

QString macText(const std::uint8_t *mac)
{
    QStringList parts;
    for (int i = 0; i < 6; ++i)
        parts << QString::number(mac[i], 16);
    return parts.join(QLatin1Char(':'));
}

} // namespace vexo
