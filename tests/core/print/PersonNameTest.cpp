#include "print/PersonName.h"

#include <gtest/gtest.h>

TEST(PersonName, GivenNamesBecomeInitialsAndTheFamilyNameStaysWhole) {
    EXPECT_EQ(PersonName::Initials(QStringLiteral("Mary Ann")), QStringLiteral("M. A."));
    EXPECT_EQ(PersonName::Initials(QStringLiteral("Jean-Luc")), QStringLiteral("J.-L."));
    // Given name first, with the school after it, as on the scoresheets.
    EXPECT_EQ(PersonName::WithInitials(QStringLiteral("Mary Ann Smith (MIT)"),
                                       QStringLiteral("Mary Ann")),
              QStringLiteral("M. A. Smith (MIT)"));
    // Family name first, as on the referee sheet and in the full results.
    EXPECT_EQ(
        PersonName::WithInitials(QStringLiteral("Smith, Mary Ann"), QStringLiteral("Mary Ann")),
        QStringLiteral("Smith, M. A."));
}

TEST(PersonName, AGivenNameInsideTheFamilyNameIsLeftAlone) {
    EXPECT_EQ(
        PersonName::WithInitials(QStringLiteral("Johnson, John (YALE)"), QStringLiteral("John")),
        QStringLiteral("Johnson, J. (YALE)"));
    EXPECT_EQ(PersonName::WithInitials(QStringLiteral("John Johnson"), QStringLiteral("John")),
              QStringLiteral("J. Johnson"));
    // No given name, or a text without it ("EXCLUDED"): nothing shorter to offer.
    EXPECT_EQ(PersonName::WithInitials(QStringLiteral("EXCLUDED"), QStringLiteral("John")),
              QString());
    EXPECT_EQ(PersonName::WithInitials(QStringLiteral("Smith"), QString()), QString());
}
