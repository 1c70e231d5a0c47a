#pragma once

#include <QString>
#include <string_view>

namespace qtview {

// The tables and the number logic hold UTF-8 text; the widgets hold QString.
inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace qtview
