// The line beside the source's sector count that says where the source's file system ends and
// whether the cut, as the preset and the added count now ask for it, keeps all of it. Losing
// the end of the file system gives a disc that will not read, so the user sees it before
// cutting, in a warning colour.
#pragma once

#include "cutting/disc_filesystem.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace form1 {

struct FileSystemLine {
    QString text;
    bool lossy = false; // the cut leaves part of the file system out
};

// The line for `fs` (nullopt: no source chosen, no line) against an output of `outputBytes`
// (nullopt: the preset and added count give no cut, so nothing is said about fitting), its
// numbers written for `locale`.
FileSystemLine fileSystemLine(const std::optional<cutting::DiscFileSystem>& fs,
                              std::optional<std::int64_t> outputBytes, const QLocale& locale);

// The bytes that the preset `option` plus `addedSectors` (Text3's text, with the user's
// `decimalPoint`) cut to, as the cut counts them; nullopt when that is not a cut it would make.
std::optional<std::int64_t> cutOutputBytes(int option, const QString& addedSectors,
                                           const QString& decimalPoint);

} // namespace form1
