#pragma once

// Which events the school standings add up: all six, the men's (0-2) or the women's (3-5).
enum class TeamVariant { AllEvents = 0, Men = 1, Women = 2 };

inline int FirstEventOf(TeamVariant variant) {
    return variant == TeamVariant::Women ? 3 : 0;
}
inline int LastEventOf(TeamVariant variant) {
    return variant == TeamVariant::Men ? 2 : 5;
}
