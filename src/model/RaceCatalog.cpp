#include "model/RaceCatalog.h"

namespace game {

std::string RaceCatalog::iconPath(std::string_view raceKey, int slot) {
    return "Pictures/" + std::string(raceKey) + "/" + std::to_string(slot) + ".ico";
}

namespace {

UnitEntry unit(std::string name, int strength, int price, std::string_view iconRace, int iconSlot) {
    return {std::move(name), strength, price, RaceCatalog::iconPath(iconRace, iconSlot)};
}

BuildingEntry building(std::string name, std::string description, int price, int territory) {
    std::string second = description;
    return {std::move(name), std::move(description), std::move(second), price, territory};
}

BuildingEntry building(std::string name, std::string description1, std::string description2,
                       int price, int territory) {
    return {std::move(name), std::move(description1), std::move(description2), price, territory};
}

const char* const kHousing = "Zvyšuje počet ubyt. míst";
const char* const kSpying = "Umožní špionáž";

std::array<RaceEntry, 5> makeCatalog() {
    return {{
        {"Animalite",
         "animalite",
         {{unit("Kraka-scorpion", 15, 30, "animalite", 1), unit("Sup", 20, 40, "animalite", 2),
           unit("Liška", 25, 50, "animalite", 3), unit("Puma", 35, 70, "animalite", 4),
           unit("Medvěd", 50, 100, "animalite", 5)}},
         {{building("Hnízdo", "Umožní postavit supa", 60, 30),
           building("Doupě", "Umožní postavit lišku a pumu", 120, 40),
           building("Brloh", "Umožní postavit medvěda", 200, 60),
           building("Orlí hnízdo", kSpying, 150, 60), building("Bionora", kHousing, 50, 30)}},
         {5, 500, 300, 20, 4, 50, 100, 10, 10, 25}},
        {"Alieni",
         "alieni",
         {{unit("Triffovolt", 10, 30, "alieni", 1), unit("Catterburn", 20, 45, "alieni", 2),
           unit("Radioton", 25, 50, "alieni", 3), unit("Smrtící disk", 35, 80, "alieni", 4),
           unit("Dvojčák", 30, 60, "alieni", 5)}},
         {{building("Firecocon", "Umožní postavit Catterburna", 60, 30),
           building("Nukleolab", "Umožní postavit smrtící disk a radioton",
                    "Umožní postavit Smrtící disk a Radioton", 120, 40),
           building("Mutagen-lab", "Umožní postavit dvojčáka", "Umožní postavit Dvojčáka", 200, 60),
           building("Broučí líheň", kSpying, 150, 60), building("Radio-Komora", kHousing, 50, 30)}},
         {5, 500, 400, 25, 3, 50, 80, 10, 10, 25}},
        {"Spaceni",
         "spaceni",
         {{unit("Mechanický škorpion", 15, 30, "spaceni", 1),
           unit("Létající oko", 20, 40, "spaceni", 2), unit("Minigun-mech", 30, 60, "spaceni", 3),
           unit("Raketomet-mech", 35, 70, "spaceni", 4),
           unit("Naváděč útoku", 40, 80, "spaceni", 5)}},
         {{building("Optolab", "Umožní postavit Létající oko", 60, 30),
           building("Výrobna mechů", "Umožní postavit Raket. m. Minig. m.", 120, 40),
           building("Vesmírná stanice", "Umožní postavit Naváděč útoku", 100, 100),
           building("Satelit", kSpying, 150, 60), building("Energy-Cube", kHousing, 60, 35)}},
         {5, 500, 150, 10, 8, 50, 120, 15, 15, 25}},
        {"Insecti",
         "insecti",
         {{unit("Vážko-sršeň", 15, 20, "insecti", 1), unit("Mravenec", 10, 15, "insecti", 2),
           unit("Mravkolev", 20, 30, "insecti", 3), unit("Roháč", 25, 35, "insecti", 4),
           unit("Hornet", 30, 45, "insecti", 5)}},
         {{building("AntHiltonHill", "Umožní postavit Mravence", 100, 40),
           building("Underground-pipe", "Umožní postavit Roháče a Mravkolva", 120, 45),
           building("Sršní hnízdo", "Umožní postavit Sršně", 180, 60),
           building("Mosquit icubator", kSpying, 150, 60), building("Bio-Hive", kHousing, 60, 40)}},
         {7, 500, 400, 20, 5, 50, 150, 10, 10, 25}},
        {"EXTRA",
         "EXTRA",
         {{unit("EXTRA1", 50, 1, "animalite", 3), unit("EXTRA2", 70, 2, "alieni", 1),
           unit("EXTRA3", 90, 3, "spaceni", 5), unit("EXTRA4", 100, 4, "animalite", 4),
           unit("EXTRA5", 150, 1, "alieni", 3)}},
         {{building("X", "Umožní postavit EXTRA2", 1, 1),
           building("X", "Umožní postavit EXTRA3 a EXTRA4", 1, 1),
           building("X", "Umožní postavit EXTRA5", 1, 1), building("X", kSpying, 1, 1),
           building("X", kHousing, 1, 1)}},
         {0, 1000, 10, 100, 5, 1000, 10, 50, 10, 0}},
    }};
}

}  // namespace

const std::array<RaceEntry, 5>& RaceCatalog::entries() {
    static const std::array<RaceEntry, 5> catalog = makeCatalog();
    return catalog;
}

const RaceEntry* RaceCatalog::find(std::string_view key) {
    for (const RaceEntry& entry : entries())
        if (entry.key == key) return &entry;
    return nullptr;
}

std::string RaceCatalog::keyAt(int position) {
    if (position < 0 || position >= static_cast<int>(entries().size())) return {};
    return entries()[static_cast<std::size_t>(position)].key;
}

}  // namespace game
