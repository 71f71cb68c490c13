#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Texts inside fixed-size fields of the camera SDK's records. A field is
// read only up to its first NUL and never past its size, so a record whose
// text fills the whole field (no terminator) cannot make us read beyond it.
namespace vexo {

// Length of the text in a field: up to the first NUL, at most size.
std::size_t fieldLength(const char *field, std::size_t size);

// Field text in the local 8-bit encoding.
QString fromLocalField(const char *field, std::size_t size);

// Field text as Latin-1/ASCII (identifiers, version texts, addresses).
QString fromAsciiField(const char *field, std::size_t size);

// Field text as UTF-8.
QString fromUtf8Field(const char *field, std::size_t size);

template<std::size_t N>
QString fromLocalField(const char (&field)[N])
{
    return fromLocalField(field, N);
}
template<std::size_t N>
QString fromAsciiField(const char (&field)[N])
{
    return fromAsciiField(field, N);
}
template<std::size_t N>
QString fromUtf8Field(const char (&field)[N])
{
    return fromUtf8Field(field, N);
}

// Text in the local 8-bit encoding for an SDK call (NUL-terminated by QByteArray).
QByteArray toLocal(const QString &text);

// Copies text into a fixed field: at most size - 1 bytes, always NUL-terminated,
// the rest of the field zeroed. Each character becomes one byte; a character
// above U+00FF becomes 0 (which ends the text there).
void copyLatin1ToField(const QString &text, char *field, std::size_t size);

// Firmware word of four 4-bit digits, most significant first: "v1.2.0.3".
QString firmwareText(std::uint16_t word);

// Six MAC bytes in lower-case hexadecimal without leading zeros: "0:a:ff:10:2:3".
QString macText(const std::uint8_t *mac);

} // namespace vexo
