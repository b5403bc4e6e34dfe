#pragma once

#include <QString>

namespace zephra {

// The product's name and version as the splash and about windows show them.
inline const QString ProductNameText = QStringLiteral("ZEPHRA");
inline const QString ProductVersionText = QStringLiteral("Version 6.1.0 Veloria");

} // namespace zephra
