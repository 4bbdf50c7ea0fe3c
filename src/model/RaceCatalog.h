// The five races: units, buildings and economic parameters, fixed for the
// whole program run. A new game copies a player's race into his record; the
// rules then work on the copy.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace game {

struct UnitEntry {
    std::string name;
    int strength;
    int price;
    std::string icon;  // relative to the program's folder, e.g. "Pictures/animalite/1.ico"
};

struct BuildingEntry {
    std::string name;
    std::string description;         // as player 1 reads it
    std::string descriptionPlayer2;  // as player 2 reads it (differs only for two Alieni texts)
    int price;
    int territory;  // m²
};

struct RaceParameters {
    int WagePerUnit;
    int Territory;
    int MinePrice;
    int MineYield;
    int Mines;
    int Money;
    int TerritoryPrice;
    int HousingTotal;
    int HousingPerBuilding;
    int SpyCost;
};

struct RaceEntry {
    std::string displayName;  // as the race lists show it
    std::string key;          // the value of PlayerState::Race
    std::array<UnitEntry, 5> units;
    std::array<BuildingEntry, 5> buildings;
    RaceParameters parameters;

    const UnitEntry& unit(int slot) const { return units.at(static_cast<std::size_t>(slot - 1)); }
    const BuildingEntry& building(int slot) const {
        return buildings.at(static_cast<std::size_t>(slot - 1));
    }
    const std::string& buildingDescription(int slot, int player) const {
        return player == 2 ? building(slot).descriptionPlayer2 : building(slot).description;
    }
};

class RaceCatalog {
  public:
    // In list order: Animalite, Alieni, Spaceni, Insecti, EXTRA.
    static const std::array<RaceEntry, 5>& entries();
    // The entry of a race key, matched exactly; nullptr for no race.
    static const RaceEntry* find(std::string_view key);
    // The key at a position of the race lists (0..4); empty outside.
    static std::string keyAt(int position);
    // The icon file of unit `slot` of an ordinary race key.
    static std::string iconPath(std::string_view raceKey, int slot);
};

}  // namespace game
