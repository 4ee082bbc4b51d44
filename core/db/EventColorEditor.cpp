#include "db/EventColorEditor.h"

namespace {
constexpr int kEvents = 6;
}  // namespace

EventColorEditor::EventColorEditor(EventColorTable& inUse, const EventColorTable& defaults,
                                   RegistrySettings& settings)
    : m_inUse(inUse), m_defaults(defaults), m_settings(settings) {
    reset();
}

void EventColorEditor::reset() {
    m_chosen = m_inUse;
    m_pending = false;
}

EventColorEditor::Pick EventColorEditor::pick(int event, ColorValue chosen) {
    chosen &= 0xFFFFFFu;
    if (chosen == 0) {
        return Pick::Refused;
    }
    m_chosen.at(static_cast<size_t>(event)) = chosen;
    m_pending = m_pending || chosen != m_inUse.at(static_cast<size_t>(event));
    return Pick::Taken;
}

void EventColorEditor::restoreDefault(int event) {
    m_chosen.at(static_cast<size_t>(event)) = m_defaults.at(static_cast<size_t>(event));
    m_pending = true;
}

Status EventColorEditor::save() {
    bool failed = false;
    for (int event = 0; event < kEvents; ++event) {
        const auto e = static_cast<size_t>(event);
        if (m_chosen[e] == m_inUse[e]) {
            continue;
        }
        const ColorValue stored = m_chosen[e] == m_defaults[e] ? 0u : m_chosen[e];
        if (m_settings.setEventColor(event, stored)) {
            m_inUse[e] = m_chosen[e];
        } else {
            failed = true;
        }
    }
    m_pending = failed;
    if (failed) {
        return Status::failure(QStringLiteral("The colors could not be saved in the settings."));
    }
    return Status::success();
}
