#pragma once
// The processor-core list of the main window: one choice per core as the engine
// reports them. Below two cores the list keeps its design: the single, selected,
// disabled item "1".

#include <QStringList>

struct CoreListChoices {
    QStringList items{QStringLiteral("1")};
    int selectedIndex = 0;
    bool enabled = false;

    bool operator==(const CoreListChoices &) const = default;
};

CoreListChoices CoreListForCount(int coreCount);
