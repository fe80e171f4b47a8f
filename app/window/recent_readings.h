#pragma once

#include <QSettings>
#include <QStringList>
#include <functional>

class QMenu;

namespace tarvel {

/// How many readings the Open Recent menu lists.
inline constexpr qsizetype kMaxRecentReadings = 10;

/// The readings opened or saved in earlier runs, the latest first; empty on a first run.
QStringList LoadRecentReadings(const QSettings& settings);

/// Remembers the list for the next run.
void SaveRecentReadings(QSettings& settings, const QStringList& paths);

/// The list with `path` first, any earlier mention of it dropped, at most kMaxRecentReadings.
QStringList WithRecentReading(QStringList paths, const QString& path);

/// Fills the Open Recent menu: one item per reading ("&1 asha.tvl", the full path as its
/// tooltip), then "&Clear Menu"; the menu is disabled when the list is empty. `open` gets
/// the chosen path; `clear` is called for the last item.
void ShowRecentReadings(QMenu& menu, const QStringList& paths,
                        const std::function<void(const QString&)>& open,
                        const std::function<void()>& clear);

/// What the user is told when a listed reading is no longer there.
QString MissingRecentReadingMessage(const QString& path);

}  // namespace tarvel
