// SPDX-License-Identifier: MIT
#pragma once

#include "app/ItemRecord.h"

#include <QString>

class CVendraskApp;

// Starting items: a path resolved (special locations, one environment
// variable, Internet shortcuts, the existence test) and handed to the
// shell. No window here: the menu hides itself first, then asks.
class CVendraskLaunch final {
public:
    // The model gives the shell and the program folder relative paths
    // mean; it must outlive this.
    explicit CVendraskLaunch(CVendraskApp& app);

    // The item's path, option and working folder exactly as stored.
    int ExecuteItem(const ItemRecord& item) const;
    // Opens the folder part of the item's path as stored (either separator).
    void OpenFolder(const ItemRecord& item) const;
    // 1 when handled (started, or a special form tried), 0 when a plain
    // path does not exist, -1 when the shell could start nothing for it
    // (its LastError says why).
    int ExecutePath(const QString& path, const QString& option, const QString& workingFolder) const;
    // source with its first %NAME% pair replaced by the variable's value;
    // as written when the value or the result would pass the path limit.
    static QString ReplaceEnvironmentVariable(const QString& source);

private:
    CVendraskApp& m_app;
};
