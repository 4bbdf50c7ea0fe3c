// What a periodic refresh does when a value it computes does not fit: the
// value keeps its last good state (the label is not rewritten, the remembered
// number stays), the rest of the refresh goes on, and the players are told
// once through the message window. The notice comes again only after the
// value has been computed successfully in between.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "model/Numbers.h"

namespace game {

class Game;

class RangeNotice {
  public:
    // Runs one step of a refresh. `what` names the value for the players
    // ("Výnos za měsíc hráče 1"). Returns whether the step succeeded.
    template <class Step>
    bool run(Game& game, std::string_view what, Step&& step) {
        try {
            step();
        } catch (const NumberError& error) {
            failed(game, what, error);
            return false;
        }
        recovered(what);
        return true;
    }

  private:
    void failed(Game& game, std::string_view what, const NumberError& error);
    void recovered(std::string_view what);

    std::set<std::string, std::less<>> reported_;
};

}  // namespace game
