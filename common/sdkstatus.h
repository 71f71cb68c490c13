#pragma once

#include <QString>

namespace vexo {

// An SDK status in words for the user, in the interface's language
// ("磁盘已满或无法写入").
QString statusWords(int status);
// The number for support with the words after it ("-23（磁盘已满或无法写入）").
QString statusText(int status);

} // namespace vexo
