#pragma once

#include <QGuiApplication>

#include <memory>

namespace zephra::cli {

// Fonts and painting need a GUI application; the tool makes one on the
// offscreen platform (unless QT_QPA_PLATFORM says otherwise) so that it runs
// without a display. Nothing is made when one exists already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

} // namespace zephra::cli
