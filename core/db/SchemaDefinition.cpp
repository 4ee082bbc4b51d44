#include "db/SchemaDefinition.h"

namespace {

using T = ColumnType;

ColumnDef byteCol(const char* name) {
    return {name, T::Byte};
}
ColumnDef yesNo(const char* name) {
    return {name, T::YesNo};
}
ColumnDef text(const char* name, int size) {
    return {name, T::Text, size, false};
}
ColumnDef textOrEmpty(const char* name, int size) {
    return {name, T::Text, size, true};
}
IndexDef primaryKey(std::vector<const char*> columns) {
    return {"PrimaryKey", std::move(columns), true, true};
}
IndexDef index(const char* name, std::vector<const char*> columns) {
    return {name, std::move(columns), false, false};
}

std::vector<TableDef> buildTables() {
    return {
        {"VersionInfo", {text("DatabaseVersion", 15)}, {primaryKey({"DatabaseVersion"})}},
        {"FencerNumbers", {byteCol("FencerNumber")}, {primaryKey({"FencerNumber"})}},
        {"FinalFour",
         {byteCol("Weapon"), byteCol("Bout"), byteCol("TopFencer"), byteCol("BottomFencer"),
          byteCol("Winner"), textOrEmpty("Score", 10)},
         {primaryKey({"Weapon", "Bout"})}},
        {"FinalFourBouts", {byteCol("Bout"), text("BoutName", 25)}, {primaryKey({"Bout"})}},
        {"Groups", {byteCol("Group"), text("GroupName", 15)}, {primaryKey({"Group"})}},
        {"Results",
         {byteCol("Weapon"), byteCol("FencerNumber"), byteCol("Opponent"), yesNo("Victory"),
          byteCol("Touches")},
         {index("ByOppFencer", {"Weapon", "Opponent"}),
          {"ByOpponentBout", {"Weapon", "Opponent", "FencerNumber"}, false, true},
          index("ByPriFencer", {"Weapon", "FencerNumber"}),
          primaryKey({"Weapon", "FencerNumber", "Opponent"})}},
        {"ResultsScratchpad",
         {{"Weapon", T::Byte, 0, false, true},
          {"FencerNumber", T::Byte, 0, false, true},
          text("Name", 101),
          text("MediumTeamName", 20),
          {"V", T::Byte, 0, false, true},
          {"Pct", T::Single, 0, false, true},
          {"Ind", T::Integer, 0, false, true},
          {"TS", T::Byte, 0, false, true},
          {"TR", T::Byte, 0, false, true},
          {"RankOrder", T::Double, 0, false, true}},
         {index("ByFencerNumber", {"FencerNumber"}), index("ByRankOrder", {"RankOrder"}),
          index("ByWeapon", {"Weapon"})}},
        {"Roster",
         {byteCol("Weapon"), byteCol("FencerNumber"), byteCol("Team"), textOrEmpty("LName", 50),
          textOrEmpty("FName", 50), text("HTMLName", 150), textOrEmpty("AddlText", 30),
          byteCol("Group"), byteCol("Subgroup"), yesNo("Excluded"), yesNo("ExcludedButCount"),
          yesNo("Injury"), yesNo("Advanced")},
         {index("Advanced", {"Advanced"}), index("ByFencerNumber", {"FencerNumber"}),
          index("ByGroup", {"Group"}), index("BySubgroup", {"Subgroup"}), index("ByTeam", {"Team"}),
          index("ByWeapon", {"Weapon", "Group", "Subgroup"}), index("Excluded", {"Excluded"}),
          index("Injury", {"Injury"}), primaryKey({"Weapon", "FencerNumber"}),
          index("RosterWeapon", {"Weapon"})}},
        {"Schedule",
         {byteCol("Round"), byteCol("Group1"), byteCol("Group2"), byteCol("Stripset")},
         {primaryKey({"Round", "Group1", "Group2"}), index("ByRoundStrip", {"Round", "Stripset"})}},
        {"StripNumbers",
         {byteCol("Weapon"), byteCol("StripSet"), textOrEmpty("StripName", 10)},
         {primaryKey({"Weapon", "StripSet"})}},
        {"Subgroups", {byteCol("Subgroup")}, {primaryKey({"Subgroup"})}},
        {"Suborder",
         {byteCol("Subround"), byteCol("Bout"), byteCol("Subgroup1"), byteCol("Subgroup2")},
         {primaryKey({"Subround", "Bout"})}},
        {"Teams",
         {byteCol("Team"), textOrEmpty("FullTeamName", 50), textOrEmpty("MediumTeamName", 20),
          textOrEmpty("Abbreviation", 5)},
         {primaryKey({"Team"})}},
        {"TeamScratchpad",
         {text("FullTeamName", 50),
          {"Points", T::Integer},
          byteCol("ME"),
          byteCol("MF"),
          byteCol("MS"),
          byteCol("WE"),
          byteCol("WF"),
          byteCol("WS")},
         {}},
        {"Weapons",
         {byteCol("Weapon"), text("Abbreviation", 6), text("WeaponName", 25)},
         {primaryKey({"Weapon"})}},
    };
}

std::vector<RelationDef> buildRelations() {
    return {
        {"FencerNumbersRoster",
         "FencerNumbers",
         {"FencerNumber"},
         "Roster",
         {"FencerNumber"},
         false},
        {"TeamsRoster", "Teams", {"Team"}, "Roster", {"Team"}, true},
        {"RosterResults",
         "Roster",
         {"Weapon", "FencerNumber"},
         "Results",
         {"Weapon", "FencerNumber"},
         true},
        {"Roster1Results",
         "Roster",
         {"Weapon", "FencerNumber"},
         "Results",
         {"Weapon", "Opponent"},
         true},
        {"WeaponsResults", "Weapons", {"Weapon"}, "Results", {"Weapon"}, true},
        {"WeaponsStripNumbers", "Weapons", {"Weapon"}, "StripNumbers", {"Weapon"}, true},
        {"WeaponsFinalFour", "Weapons", {"Weapon"}, "FinalFour", {"Weapon"}, true},
        {"FinalFourBoutsFinalFour", "FinalFourBouts", {"Bout"}, "FinalFour", {"Bout"}, true},
    };
}

}  // namespace

const std::vector<TableDef>& ChampionshipTables() {
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const std::vector<RelationDef>& ChampionshipRelations() {
    static const std::vector<RelationDef> relations = buildRelations();
    return relations;
}
