#pragma once
// Reading the manual's files with limits. A broken install (a page linked to
// /dev/zero or a FIFO, a page of 30 MB, tables nested thousands deep, a list
// of 50,000 items) must neither crash nor freeze the help: Qt's rich text
// reads a file whole and lays out nested tables and long lists in time that
// grows far faster than the page. Pages beyond the limits are shown as
// broken. The manual's own pages stay far inside them (the largest is about
// 13 KiB with some 430 elements, tables one deep); the build's manual checker
// holds them to the same limits.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace vadelon {

inline constexpr qint64 kMaxManualFileBytes = 128 * 1024;  // a page, contents.txt, keywords.txt
inline constexpr qint64 kMaxManualImageBytes = 1024 * 1024;
inline constexpr int kMaxManualImageSide = 4096;  // pixels, either way
inline constexpr int kMaxPageElements = 2000;
inline constexpr int kMaxPageDepth = 32;  // elements inside one another
inline constexpr int kMaxTableDepth = 4;  // tables inside one another

// The bytes of a regular file of at most maxBytes; nullopt for anything else
// (missing, a device, a FIFO, a folder, larger). Never blocks on a special file.
std::optional<QByteArray> ReadManualFile(const QString& path, qint64 maxBytes = kMaxManualFileBytes);

// Whether Qt's rich text can show html promptly: no more elements than
// kMaxPageElements, none nested deeper than kMaxPageDepth, tables no deeper
// than kMaxTableDepth. Elements whose end tag may be left out (p, li, td ...)
// and empty ones (br, img ...) count as elements but not as nesting.
bool PageWithinLimits(QStringView html);

// A page of the manual as UTF-8 HTML, when its file is readable and the page within the limits.
std::optional<QString> ReadManualPage(const QString& path);

// What the page view shows in place of a page that is missing or broken.
QString BrokenPageHtml(const QString& fileName);

}  // namespace vadelon
