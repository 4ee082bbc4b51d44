#pragma once

#include <QString>

struct LiveSiteData;

// How a live page keeps itself current: it reloads every half minute, or (the big screen in
// the hall) shows its slides one after another and reloads after the last.
enum class PageScript { Reload, Cycle };

// A whole live page: UTF-8 HTML5 with its style, the links to every page (`current` marks
// the page's own) and its script. `body` is markup.
QString LivePage(const LiveSiteData& data, const QString& title, const QString& current,
                 const QString& body, PageScript script);

inline constexpr int kReloadSeconds = 30;
inline constexpr int kSlideSeconds = 12;
