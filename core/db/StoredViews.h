#pragma once

#include <QString>
#include <vector>

struct StoredView {
    const char* name;
    QString sql;  // the SELECT behind the view
};

// The seven stored queries, in the order they are created (each after those it reads).
const std::vector<StoredView>& ChampionshipViews();
