#pragma once

#include "db/EventColors.h"
#include "db/RegistrySettings.h"
#include "db/Status.h"

// The colours of the six events while the staff change them: each event's chosen colour
// beside the one in use, and keeping the changed ones in the settings.
class EventColorEditor final {
public:
    enum class Pick { Taken, Refused };

    // `inUse` is the table every window paints from; save() updates it.
    EventColorEditor(EventColorTable& inUse, const EventColorTable& defaults,
                     RegistrySettings& settings);

    // Starts over from the colours in use, nothing pending.
    void reset();
    ColorValue color(int event) const { return m_chosen.at(static_cast<size_t>(event)); }
    // Black is refused: the event's texts would vanish on it.
    Pick pick(int event, ColorValue chosen);
    void restoreDefault(int event);
    // Whether there is something to save (the window's Save button).
    bool pending() const { return m_pending; }
    // Puts each changed colour in use and writes it, 0 standing for the built-in colour;
    // unchanged events are not written. On a write failure that event stays pending.
    Status save();

private:
    EventColorTable& m_inUse;
    const EventColorTable& m_defaults;
    RegistrySettings& m_settings;
    EventColorTable m_chosen{};
    bool m_pending = false;
};
