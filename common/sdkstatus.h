#pragma once

#include <QString>

namespace vexo {

// An SDK status in words for the user, in the interface's language
// ("磁盘已满或无法写入").
QString statusWords(int status);
// The words with the number after them for support ("磁盘已满或无法写入 (-23)").
QString statusText(int status);

} // namespace vexo
