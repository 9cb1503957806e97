// How a skin dresses Qt's own controls: style sheets made from its colours.
#pragma once

#include <QString>

struct TSkin;

namespace SkinStyle {
QString ButtonSheet(const TSkin &skin);
QString MenuSheet(const TSkin &skin);
// For a message box: its face, its buttons and its text.
QString DialogSheet(const TSkin &skin);
} // namespace SkinStyle
