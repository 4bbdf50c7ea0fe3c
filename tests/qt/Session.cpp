#include "Session.h"

#include "model/RaceCatalog.h"

namespace qttest {

int Session::raceIndex(const std::string& key) {
    for (int i = 0; i < 5; ++i)
        if (game::RaceCatalog::keyAt(i) == key) return i;
    return -1;
}

}  // namespace qttest
