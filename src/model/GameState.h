// The two players' records and the game-wide values.
//
// Many of a player's values are held by the windows that show them, as the
// texts and states of their controls: the unit counts, strengths, names and
// prices on the unit screen, the buildings on the building screen, the year
// counter and the peace on the panel. For those the control is the storage and
// PlayerState only gives named accessors, so a rule reads in game terms and
// there is never a second copy that could drift. Reaching such a control
// brings its window into existence (hidden), as any other use of it would.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forms/Picture.h"
#include "model/Numbers.h"

namespace game {

class Game;
class PlayerPanel;
class UnitScreen;
class BuildingScreen;

class PlayerState {
  public:
    PlayerState(Game& game, int player) : game_(&game), player_(player) {}

    int player() const { return player_; }  // 1 or 2
    int other() const { return 3 - player_; }

    // Plain fields.
    std::string CountryName;
    std::string Race;  // a race key, empty until one is chosen
    int16 Money = 0;
    int16 MonthlyIncome = 0;
    int16 Territory = 0;
    int16 Mines = 0;
    int16 MinePrice = 0;
    int16 MineYield = 0;
    int16 WagePerUnit = 0;
    int16 TerritoryPrice = 0;
    int16 HousingTotal = 0;
    int16 HousingPerBuilding = 0;
    int SpyCost = 0;
    int16 GeneralPoints = 0;
    std::string SystemMessage = " ";

    // Held by the panel.
    std::string YearsElapsed() const;  // text of lbllet
    std::string PeaceUntil() const;    // text of lblMirDoKola
    bool AtPeace() const;              // lblMirDoKola visible
    bool AttackEnabled() const;        // Command3 enabled
    bool SpyEnabled() const;           // cmdspionaz enabled
    bool NewMessage() const;           // lblNew visible
    void setNewMessage(bool on);

    // Held by the unit screen, slots 1..5.
    std::string UnitName(int slot) const;
    std::string UnitStrength(int slot) const;
    std::string UnitPrice(int slot) const;
    std::string UnitsOwned(int slot) const;
    void setUnitsOwned(int slot, std::string count);
    forms::PicturePtr UnitIcon(int slot) const;
    bool UnitBuyEnabled(int slot) const;
    // The total strength as the unit screen last displayed it.
    std::string TotalStrength() const;  // lblVS

    // Held by the building screen, slots 1..5 (BuildingBuyEnabled 1..4).
    std::string BuildingName(int slot) const;
    std::string BuildingDescription(int slot) const;
    std::string BuildingPrice(int slot) const;
    std::string BuildingTerritory(int slot) const;
    std::string BuildingsOwned(int slot) const;
    bool BuildingBuyEnabled(int slot) const;

    // Any field by its game name ("Money", "UnitsOwned3", ...) as text, numbers
    // in decimal and flags as "true"/"false"; nothing for an unknown name.
    std::optional<std::string> field(std::string_view name) const;
    static bool isField(std::string_view name);

  private:
    PlayerPanel& panel() const;
    UnitScreen& units() const;
    BuildingScreen& buildings() const;

    Game* game_;
    int player_;
};

struct GameState {
    explicit GameState(Game& game) : players{PlayerState(game, 1), PlayerState(game, 2)} {}

    PlayerState players[2];
    PlayerState& player(int p) { return players[p - 1]; }
    const PlayerState& player(int p) const { return players[p - 1]; }
    // A player by key, "p1" or "p2"; nullptr for any other text.
    PlayerState* byKey(std::string_view key);

    // The general storage file, set when the main menu first loads.
    std::string IniPath;
};

}  // namespace game
