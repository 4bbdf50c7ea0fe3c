#include "model/GameState.h"

#include <functional>
#include <map>

#include "app/Game.h"
#include "economy/BuildingScreen.h"
#include "economy/PlayerPanel.h"
#include "economy/UnitScreen.h"

namespace game {

PlayerPanel& PlayerState::panel() const {
    return game_->panel(player_);
}
UnitScreen& PlayerState::units() const {
    return game_->units(player_);
}
BuildingScreen& PlayerState::buildings() const {
    return game_->buildings(player_);
}

std::string PlayerState::YearsElapsed() const {
    return panel().lbllet.text();
}
std::string PlayerState::PeaceUntil() const {
    return panel().lblMirDoKola.text();
}
bool PlayerState::AtPeace() const {
    return panel().lblMirDoKola.visible();
}
bool PlayerState::AttackEnabled() const {
    return panel().Command3.enabled();
}
bool PlayerState::SpyEnabled() const {
    return panel().cmdspionaz.enabled();
}
bool PlayerState::NewMessage() const {
    return panel().lblNew.visible();
}
void PlayerState::setNewMessage(bool on) {
    panel().lblNew.setVisible(on);
}

std::string PlayerState::UnitName(int slot) const {
    return units().nt(slot).text();
}
std::string PlayerState::UnitStrength(int slot) const {
    return units().vs(slot).text();
}
std::string PlayerState::UnitPrice(int slot) const {
    return units().c(slot).text();
}
std::string PlayerState::UnitsOwned(int slot) const {
    return units().p(slot).text();
}
void PlayerState::setUnitsOwned(int slot, std::string count) {
    units().p(slot).setText(std::move(count));
}
forms::PicturePtr PlayerState::UnitIcon(int slot) const {
    return units().pct(slot).picture();
}
bool PlayerState::UnitBuyEnabled(int slot) const {
    return units().buy(slot).enabled();
}
std::string PlayerState::TotalStrength() const {
    return units().lblVS.text();
}

std::string PlayerState::BuildingName(int slot) const {
    return buildings().nt(slot).text();
}
std::string PlayerState::BuildingDescription(int slot) const {
    return buildings().cd(slot).text();
}
std::string PlayerState::BuildingPrice(int slot) const {
    return buildings().c(slot).text();
}
std::string PlayerState::BuildingTerritory(int slot) const {
    return buildings().u(slot).text();
}
std::string PlayerState::BuildingsOwned(int slot) const {
    return buildings().p(slot).text();
}
bool PlayerState::BuildingBuyEnabled(int slot) const {
    return buildings().buy(slot).enabled();
}

namespace {

using Reader = std::function<std::string(const PlayerState&)>;
using SlotReader = std::function<std::string(const PlayerState&, int)>;

std::string flag(bool on) {
    return on ? "true" : "false";
}

const std::map<std::string, Reader, std::less<>>& plainFields() {
    static const std::map<std::string, Reader, std::less<>> fields = {
        {"CountryName", [](const PlayerState& s) { return s.CountryName; }},
        {"Race", [](const PlayerState& s) { return s.Race; }},
        {"Money", [](const PlayerState& s) { return text(s.Money); }},
        {"MonthlyIncome", [](const PlayerState& s) { return text(s.MonthlyIncome); }},
        {"Territory", [](const PlayerState& s) { return text(s.Territory); }},
        {"Mines", [](const PlayerState& s) { return text(s.Mines); }},
        {"MinePrice", [](const PlayerState& s) { return text(s.MinePrice); }},
        {"MineYield", [](const PlayerState& s) { return text(s.MineYield); }},
        {"WagePerUnit", [](const PlayerState& s) { return text(s.WagePerUnit); }},
        {"TerritoryPrice", [](const PlayerState& s) { return text(s.TerritoryPrice); }},
        {"HousingTotal", [](const PlayerState& s) { return text(s.HousingTotal); }},
        {"HousingPerBuilding", [](const PlayerState& s) { return text(s.HousingPerBuilding); }},
        {"SpyCost", [](const PlayerState& s) { return text(s.SpyCost); }},
        {"GeneralPoints", [](const PlayerState& s) { return text(s.GeneralPoints); }},
        {"YearsElapsed", [](const PlayerState& s) { return s.YearsElapsed(); }},
        {"PeaceUntil", [](const PlayerState& s) { return s.PeaceUntil(); }},
        {"AtPeace", [](const PlayerState& s) { return flag(s.AtPeace()); }},
        {"AttackEnabled", [](const PlayerState& s) { return flag(s.AttackEnabled()); }},
        {"SpyEnabled", [](const PlayerState& s) { return flag(s.SpyEnabled()); }},
        {"SystemMessage", [](const PlayerState& s) { return s.SystemMessage; }},
        {"NewMessage", [](const PlayerState& s) { return flag(s.NewMessage()); }},
    };
    return fields;
}

struct SlotField {
    SlotReader read;
    int slots;  // fields exist for slots 1..slots
};

const std::map<std::string, SlotField, std::less<>>& slotFields() {
    static const std::map<std::string, SlotField, std::less<>> fields = {
        {"UnitName", {[](const PlayerState& s, int n) { return s.UnitName(n); }, 5}},
        {"UnitStrength", {[](const PlayerState& s, int n) { return s.UnitStrength(n); }, 5}},
        {"UnitPrice", {[](const PlayerState& s, int n) { return s.UnitPrice(n); }, 5}},
        {"UnitsOwned", {[](const PlayerState& s, int n) { return s.UnitsOwned(n); }, 5}},
        {"UnitBuyEnabled",
         {[](const PlayerState& s, int n) { return flag(s.UnitBuyEnabled(n)); }, 5}},
        {"BuildingName", {[](const PlayerState& s, int n) { return s.BuildingName(n); }, 5}},
        {"BuildingDescription",
         {[](const PlayerState& s, int n) { return s.BuildingDescription(n); }, 5}},
        {"BuildingPrice", {[](const PlayerState& s, int n) { return s.BuildingPrice(n); }, 5}},
        {"BuildingTerritory",
         {[](const PlayerState& s, int n) { return s.BuildingTerritory(n); }, 5}},
        {"BuildingsOwned", {[](const PlayerState& s, int n) { return s.BuildingsOwned(n); }, 5}},
        {"BuildingBuyEnabled",
         {[](const PlayerState& s, int n) { return flag(s.BuildingBuyEnabled(n)); }, 4}},
    };
    return fields;
}

// Splits "UnitsOwned3" into the reader and slot 3.
const SlotField* slotField(std::string_view name, int& slot) {
    if (name.size() < 2) return nullptr;
    const char digit = name.back();
    if (digit < '1' || digit > '5') return nullptr;
    auto it = slotFields().find(name.substr(0, name.size() - 1));
    if (it == slotFields().end()) return nullptr;
    slot = digit - '0';
    if (slot > it->second.slots) return nullptr;
    return &it->second;
}

}  // namespace

bool PlayerState::isField(std::string_view name) {
    int slot = 0;
    return plainFields().count(name) || slotField(name, slot);
}

std::optional<std::string> PlayerState::field(std::string_view name) const {
    if (auto it = plainFields().find(name); it != plainFields().end()) return it->second(*this);
    int slot = 0;
    if (const SlotField* f = slotField(name, slot)) return f->read(*this, slot);
    return std::nullopt;
}

PlayerState* GameState::byKey(std::string_view key) {
    if (key == "p1") return &players[0];
    if (key == "p2") return &players[1];
    return nullptr;
}

}  // namespace game
